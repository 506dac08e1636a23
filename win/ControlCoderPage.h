// The control coder page: a form for one plug-in parameter, turned into
// parameter code or a bound-variable declaration on the clipboard.
#pragma once

#include <string>
#include <vector>

#include "PropertyPage.h"
#include "coder/coderfields.h"
#include "coder/zizudavuveva.h"

namespace zz::win {

// A field of the control description (a row of coderFields()) and the control
// that shows it. A field shown by two radio buttons names the second one,
// which is checked when the field is false.
struct CoderFieldControl {
    const CoderFieldInfo* field;
    int id;
    int falseId = 0;
};

class ControlCoderPage : public PropertyPage {
public:
    explicit ControlCoderPage(Platform& platform);

    // The fields that initControls and parseControls move in one loop, in
    // form order: all but the comment and the control type, which come first.
    static const std::vector<CoderFieldControl>& fieldControls();

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

    // Two control descriptions (`Zizudavuveva` is the record's name; the
    // "k" spelling is the program's own): the defaults that fill the form,
    // and the working one the form is read into before code is made.
    Zizudavuveva defKontrol;
    Zizudavuveva kontrol;
};

}  // namespace zz::win
