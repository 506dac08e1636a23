// The main sheet: the project page and the control coder page as two tabs,
// one Exit button, the settings file written on the way out, and the
// project's smoothing settings handed to the coder page on every activation.
#pragma once

#include <cstdint>
#include <string>

#include "ControlCoderPage.h"
#include "ProjectPage.h"

namespace zz::win {

// The sheet's own window (frame, tabs and standard buttons).
class SheetWindow {
public:
    virtual ~SheetWindow() = default;
    // The sheet's standard buttons by ID (1 OK, 2 Cancel, 9 Help).
    virtual Controls& buttons() = 0;
    // Loads an icon of the program's own resources; 0 when there is none.
    virtual std::intptr_t loadIcon(int iconId) = 0;
    virtual void setIcon(bool big, std::intptr_t icon) = 0;
    // Ends the modal sheet with `result`.
    virtual void endSheet(int result) = 0;
};

class MainSheet {
public:
    explicit MainSheet(Platform& platform);
    MainSheet(const MainSheet&) = delete;
    MainSheet& operator=(const MainSheet&) = delete;

    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& title() const { return title_; }

    // The pages in tab order.
    PropertyPage* page(int index);
    int pageCount() const { return 2; }

    // The window layer attaches the sheet window before its initialisation.
    void attach(SheetWindow& window) { window_ = &window; }

    bool OnInitDialog();
    void OnActivatePage(PropertyPage& page);
    // Reads the project form, writes the settings file and ends the sheet.
    void OnExit();
    // True from the moment OnExit begins.
    bool closing() const { return closing_; }

    // Commands of the sheet's buttons: OK and Cancel (captioned "Exit") both
    // leave through OnExit. True when handled.
    bool OnCommand(int id, int code);

    ProjectPage projectPage;
    ControlCoderPage koderPage;  // the control coder page, "k" as in `kontrol`
    std::intptr_t icon = 0;

private:
    std::string title_;
    SheetWindow* window_ = nullptr;
    bool closing_ = false;
};

}  // namespace zz::win
