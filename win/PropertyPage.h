// What the two pages of the main sheet have in common: the dialog window they
// are attached to, the platform services, and the sheet that hosts them.
#pragma once

#include "controls.h"

namespace zz::win {

class MainSheet;

class PropertyPage {
public:
    PropertyPage(Platform& platform, int templateId) : platform_(platform), templateId_(templateId) {}
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    int templateId() const { return templateId_; }

    // The window layer attaches the page's dialog before its initialisation
    // runs; the sheet introduces itself when it adds the page.
    void attach(Controls& controls) { controls_ = &controls; }
    void detach() { controls_ = nullptr; }
    bool hasWindow() const { return controls_ != nullptr; }
    void setSheet(MainSheet* sheet) { sheet_ = sheet; }

    // Window initialisation; runs once, when the page's window is created.
    virtual bool OnInitDialog() = 0;

    // The page has become the active page: it reports this to its sheet.
    virtual bool OnSetActive();

    // A control of the page notifies `code` (see Notification). Returns true
    // when the page's message map handled it.
    virtual bool OnCommand(int id, int code) = 0;

    // True once the sheet has begun to close: its windows are going, and a
    // field that loses the focus on the way out has nothing to tell.
    bool sheetClosing() const;

protected:
    Controls& controls() { return *controls_; }
    Platform& platform() { return platform_; }

private:
    Platform& platform_;
    int templateId_;
    Controls* controls_ = nullptr;
    MainSheet* sheet_ = nullptr;
};

}  // namespace zz::win
