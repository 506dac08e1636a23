#pragma once

#include "coder/zizudavuveva.h"
#include "common/result.h"

#include <string>
#include <string_view>
#include <vector>

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
//
// After the page's rules, the code must compile: the Control ID is a C++
// expression; the name and the units or string list are bodies of C++ string
// literals (literalMessage); each list the code names has an item chosen
// (the value type and taper of a continuous control, the detector and
// calibration of a meter, the bound variable's type where it is bound); with
// variable binding on, the bound variable's name is a C++ identifier
// (checkBoundVariableName). Such a refusal names the record field in
// `field`.
Result validateShit(const Zizudavuveva& record, Deliverable deliverable);

// A text quoted into the code ("control name", "control units", ...):
// "The control name must be one line." for a line break, "The control name
// holds a double quote: write \" for one." for a double quote, "The control
// name holds \q, which C++ does not know as an escape: write \\ for a
// backslash." for a backslash that starts no escape; empty for a text that
// is fine.
std::string literalMessage(std::string_view what, std::string_view text);

// The bound variable's name: "The bound variable name can not be empty.",
// "The bound variable name \"my var\" is not a C++ identifier.", "The bound
// variable name \"int\" is a C++ keyword.".
Result checkBoundVariableName(const std::string& name);

// The enumeration a switch's declaration writes (Windows: the entries
// trimmed, the first two of a two-state switch; macOS: the list as typed):
// each entry an identifier and no keyword, none twice; an empty entry only
// last, where it leaves a final comma, or alone, for an empty enumeration.
// "The on-off string list entry \"1x\" is not a C++ identifier.", "... is a
// C++ keyword.", "... is there twice.", "The on-off string list has an empty
// entry.". Any other kind passes.
Result checkSwitchEntries(const Zizudavuveva& record, Deliverable deliverable);
// The same for the entries switchEntries gave already (the declaration writes
// them too).
Result checkSwitchEntries(const Zizudavuveva& record, std::vector<std::string_view> entries);

// A comment for the comment block ahead of the code: "The comment can not
// hold */, which would end it early."
Result checkComment(std::string_view comment);

}  // namespace zz
