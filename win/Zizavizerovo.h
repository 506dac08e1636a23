// The application object: runs the main sheet once, modally, and lets the
// process end when it closes.
#pragma once

#include "MainSheet.h"

namespace zz::win {

// The application's name (the title of its message boxes) and the title of
// its one window.
inline constexpr const char* kApplicationName = "Zizavizerovo";
inline constexpr const char* kSheetTitle = "Zezure Tool-Kit";

// What the application needs of the window system besides the pages' services.
class AppHost {
public:
    virtual ~AppHost() = default;
    // Registers the common control classes the templates use.
    virtual void initCommonControls() = 0;
    // Shows the sheet modally; returns its modal result.
    virtual int runSheet(MainSheet& sheet) = 0;
};

class CZizavizerovoApp {
public:
    CZizavizerovoApp(AppHost& host, Platform& platform) : host_(host), platform_(platform) {}

    // Runs the sheet; always false, so that no message loop follows.
    bool InitInstance();

private:
    AppHost& host_;
    Platform& platform_;
};

}  // namespace zz::win
