#pragma once

#include <string>
#include <utility>
#include <vector>

// What every core check and command answers. The core never shows anything
// and never waits for a person: it tells the front end what happened, and the
// front end shows `message` at once, modally (a Windows message box, a macOS
// alert with `informativeText` and `style`), writes `systemLog` to the system
// log and then puts the keyboard focus on `focus`.
namespace zz {

// How a macOS alert looks. Windows message boxes have one look.
enum class AlertStyle { informational, warning };

// The field of the project page that gets the keyboard focus after a message.
enum class ProjectField { none, projectName, pluginName, pluginCode };

struct Result {
    bool ok = true;               // the one word for "it worked"
    std::string message;          // shown when not empty (also after a success)
    std::string informativeText;  // macOS alerts only; empty for none
    AlertStyle style = AlertStyle::warning;
    ProjectField focus = ProjectField::none;
    std::vector<std::string> systemLog;  // lines for the system log, never shown
    std::string detail;                  // why it failed, for the command line; never shown by a page

    bool shown() const { return !message.empty(); }
    explicit operator bool() const { return ok; }

    static Result success() { return {}; }
    static Result refusal(std::string text, ProjectField field = ProjectField::none)
    {
        Result r;
        r.ok = false;
        r.message = std::move(text);
        r.focus = field;
        return r;
    }
};

// What setting one field of a record from typed text answers (the field
// tables of the project and of the control description).
enum class FieldSet { ok, unknownField, badValue };

}  // namespace zz
