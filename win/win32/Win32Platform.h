// The Win32 side of the platform services: message boxes, the clipboard,
// the shell folder browser, the program's path and environment, and the
// success dialog.
#pragma once

#include "Win32Controls.h"

namespace zz::win {

class Win32Platform : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance) : instance_(instance) {}

    void messageBox(const std::string& text) override;
    bool copyToClipboard(const std::string& text) override;
    std::string browseForFolder(const std::string& title, const std::string& start) override;
    std::string programPath() override;
    std::optional<std::string> environment(const std::string& name) override;
    int runSuccessDialog(SuccessDlg& dialog) override;

private:
    HINSTANCE instance_;
};

}  // namespace zz::win
