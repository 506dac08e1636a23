#pragma once

#include "coder/zizudavuveva.h"
#include "common/result.h"

#include <string>
#include <string_view>

namespace zz {

// The refusal of a number that reads as infinite, past the range of its field
// (generated code would not compile): "The " + what + " must be a finite
// number."
std::string notFiniteMessage(std::string_view what);

// The checks on the working record (validateShit is the pages' name for their
// form checks), in order; the first failed rule decides.
// Only the fields the chosen kind of control uses are looked at. A refusal
// carries the text the page shows; the text is empty for a control type
// outside 0 to 3, which is refused without a message.
Result validateShit(const Zizudavuveva& record, Deliverable deliverable);

}  // namespace zz
