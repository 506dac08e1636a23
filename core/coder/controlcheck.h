#pragma once

#include <string>
#include <utility>

#include "coder/zizudavuveva.h"

namespace zz {

// Outcome of the checks made before parameter code is built. A refusal
// carries the text the page shows; the text is empty for a control type
// outside 0 to 3, which is refused without a message.
struct CheckResult {
    bool passed = true;
    std::string message;

    static CheckResult pass() { return {}; }
    static CheckResult refuse(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return passed; }
};

// The checks on the working record, in order; the first failed rule decides.
// Only the fields the chosen kind of control uses are looked at.
CheckResult validateShit(const Zizudavuveva& record, Deliverable deliverable);

}  // namespace zz
