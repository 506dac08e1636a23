// The Win32 side of the platform services: message boxes, the clipboard,
// the shell folder browser, the program's path and environment, the
// machine's code page and the success dialog.
#pragma once

#include <memory>

#include "Win32CodePage.h"
#include "Win32Controls.h"

namespace zz::win {

class Win32Platform : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);

    // The sheet's window, which owns every message box, the folder browser,
    // the success dialog and the clipboard while it exists; null otherwise.
    // Owned by it, a box stays with the program and blocks it, whether or not
    // the program is the active one when the box appears.
    void setOwnerWindow(HWND sheet) { owner_ = sheet; }

    void messageBox(const std::string& text) override;
    bool copyToClipboard(const std::string& text) override;
    std::string browseForFolder(const std::string& title, const std::string& start) override;
    std::string programPath() override;
    std::optional<std::string> environment(const std::string& name) override;
    const CodePage* machineCodePage() override { return codePage_.get(); }
    int runSuccessDialog(SuccessDlg& dialog) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    std::unique_ptr<Win32CodePage> codePage_;  // none where the machine's is UTF-8
};

}  // namespace zz::win
