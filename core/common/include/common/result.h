#pragma once

#include <string>
#include <utility>
#include <vector>

// What every core check, command and file operation answers: the one way a
// failure is reported below the pages. The core never shows anything and never
// waits for a person: it tells the front end what happened, and the front end
// shows `message` at once, modally (a Windows message box, a macOS alert with
// `informativeText`), writes `systemLog` to the system log and then puts the
// keyboard focus on the control of `field`. How an alert looks is the front
// end's business: a macOS page shows a success as informational, anything else
// as a warning.
namespace zz {

struct Result {
    bool ok = true;               // the one word for "it worked"
    std::string message;          // shown when not empty (also after a success)
    std::string informativeText;  // macOS alerts only; empty for none
    std::string field;            // the record field the message is about ("projectName"); "" for none
    std::vector<std::string> systemLog;  // lines for the system log, never shown
    std::string detail;                  // why it failed, for the command line; never shown by a page

    bool shown() const { return !message.empty(); }
    explicit operator bool() const { return ok; }

    static Result success() { return {}; }
    // A failure below the pages: `why` is its detail, for the caller to word.
    static Result failure(std::string why)
    {
        Result r;
        r.ok = false;
        r.detail = std::move(why);
        return r;
    }
    static Result refusal(std::string text, std::string field = {})
    {
        Result r;
        r.ok = false;
        r.message = std::move(text);
        r.field = std::move(field);
        return r;
    }
};

// A Result that carries what a successful operation made (presets read,
// projects of the register, ...); `value` is left as it starts on failure.
template <typename T>
struct ResultWith : Result {
    T value{};

    static ResultWith failure(std::string why)
    {
        ResultWith r;
        r.ok = false;
        r.detail = std::move(why);
        return r;
    }
};

}  // namespace zz
