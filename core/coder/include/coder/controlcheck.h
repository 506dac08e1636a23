#pragma once

#include "coder/zizudavuveva.h"
#include "common/result.h"

namespace zz {

// The checks on the working record, in order; the first failed rule decides.
// Only the fields the chosen kind of control uses are looked at. A refusal
// carries the text the page shows; the text is empty for a control type
// outside 0 to 3, which is refused without a message.
Result validateShit(const Zizudavuveva& record, Deliverable deliverable);

}  // namespace zz
