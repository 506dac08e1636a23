#pragma once

#include <memory>
#include <string>

#include "coder/zizudavuveva.h"
#include "outlets.h"

namespace zz::mac {

class PageLink;

// What the control coder page of the macOS window does, without AppKit:
// shows a control description, copies the form into the working record and
// puts parameter code or the bound-variable declaration on the pasteboard.
// The AppKit page (the Objective-C `ControlCoderPage`) builds the controls
// and forwards to it.
class CoderPageLogic {
public:
    CoderPageLogic(Outlets& outlets, Services& services, PageLink& link);
    CoderPageLogic(const CoderPageLogic&) = delete;
    CoderPageLogic& operator=(const CoderPageLogic&) = delete;

    void viewDidLoad();
    // The page is shown: the control name takes the keyboard focus. The
    // request of viewDidLoad reaches no window on a real page, whose view
    // is not in the window yet when it loads.
    void viewDidAppear();

    void initControls();
    void parseControls();

    // Actions.
    void copyCodeClipboard();
    void copyBoundVarClipboard();
    void handleReset();
    void handleExit();

    // The working control description, filled by parseControls.
    const Zizudavuveva& kontrol() const { return kontrol_; }

private:
    Outlets& outlets_;
    Services& services_;
    PageLink& link_;

    Zizudavuveva kontrol_;     // "control", as the page has always spelled it
    Zizudavuveva defKontrol_;  // the defaults that initControls shows; never changed
    std::shared_ptr<FormatterRule> numericFormatter_;
};

}  // namespace zz::mac
