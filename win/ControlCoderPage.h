// The control coder page: a form for one plug-in parameter, turned into
// parameter code or a bound-variable declaration on the clipboard.
#pragma once

#include <string>

#include "PropertyPage.h"
#include "coder/zizudavuveva.h"

namespace zz::win {

class ControlCoderPage : public PropertyPage {
public:
    explicit ControlCoderPage(Platform& platform);

    // False when one of the six drop-down lists is missing.
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    // `defKontrol` to controls; controls to `kontrol`.
    void initControls();
    void parseControls();

    // Message handlers.
    void handleReset();
    void copyCodeClipboard();
    void copyBoundVarClipboard();

    // True when the text was placed on the clipboard.
    bool copyToClipboard(const std::string& text);

    Zizudavuveva defKontrol;
    Zizudavuveva kontrol;
};

}  // namespace zz::win
