#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zz {

// Where a front end puts the keyboard focus after it has shown a message.
enum class ProjectField { none, projectName, pluginName, pluginCode };

// How a macOS alert looks. Windows message boxes have one look.
enum class AlertStyle { informational, warning };

// What a check or a command of the project page answers: success, or the
// message to show at once (for macOS alerts also the informative text and the
// style) and the field that gets the focus afterwards. The core never shows
// anything itself.
struct Outcome {
    bool ok = true;
    std::string message;
    std::string informativeText;  // macOS alerts only; empty for none
    AlertStyle style = AlertStyle::warning;
    ProjectField focus = ProjectField::none;
    std::vector<std::string> systemLog;  // macOS lines for the system log, never shown

    static Outcome success() { return {}; }
    static Outcome refusal(std::string message, ProjectField focus = ProjectField::none)
    {
        Outcome o;
        o.ok = false;
        o.message = std::move(message);
        o.focus = focus;
        return o;
    }
};

}  // namespace zz
