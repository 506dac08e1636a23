#pragma once

#include <memory>
#include <string>

#include "coder/zizudavuveva.h"
#include "outlets.h"

namespace zz::mac {

class SharedData;

// The control coder page of the macOS window (`ControlCoderPage`): shows a
// control description, copies the form into the working record and puts
// parameter code or the bound-variable declaration on the pasteboard.
class ControlCoderPage {
public:
    ControlCoderPage(Outlets& outlets, Services& services, SharedData& shared);
    ~ControlCoderPage();
    ControlCoderPage(const ControlCoderPage&) = delete;
    ControlCoderPage& operator=(const ControlCoderPage&) = delete;

    void viewDidLoad();
    // The page is shown: the control name takes the keyboard focus. The
    // request of viewDidLoad reaches no window on a real page, whose view
    // is not in the window yet when it loads.
    void viewDidAppear();

    void initControls();
    void parseControls();

    // Actions.
    void handleControlButtChange(Outlet sender);
    void handleOffOnDefaultButtChange(Outlet sender);
    void copyCodeClipboard();
    void copyBoundVarClipboard();
    void handleReset();
    void handleExit();

    const Zizudavuveva& kontrol() const { return kontrol_; }
    const Zizudavuveva& defKontrol() const { return defKontrol_; }

private:
    Outlets& outlets_;
    Services& services_;
    SharedData& shared_;

    Zizudavuveva kontrol_;
    Zizudavuveva defKontrol_;
    std::shared_ptr<FormatterRule> numericFormatter_;
};

}  // namespace zz::mac
