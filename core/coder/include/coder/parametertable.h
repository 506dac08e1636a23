#pragma once

#include <string>
#include <vector>

#include "coder/paramcode.h"
#include "coder/zizudavuveva.h"
#include "common/deliverable.h"
#include "common/result.h"

// The code of one description or of a whole parameter table, as the command
// line asks for it: the checks the control coder page makes, and the rules a
// table adds.
namespace zz {

// The code (or with `declaration` the bound variable's declaration) of one
// description, after the page's checks (for the code only). A control type
// outside 0 to 3, which no page can choose, is refused with no message, as the
// pages refuse it, and a detail that says why.
CodeResult codeFor(const Zizudavuveva& record, Deliverable style, bool declaration);

// What a refusal of codeFor says on the command line: its message, or its
// detail when there is none.
const std::string& refusalText(const CodeResult& refusal);

struct TableCode : Result {
    std::vector<Fragments> codes;  // one entry's code each, in table order
};

// The code of every entry of a parameter table, in order. Each entry is
// checked as codeFor checks it, and no two entries may share a controlID
// (blanks around it do not count; an empty one is never a duplicate). The
// first refused entry stops everything; the refusal's message names it:
// "entry N (NAME): " + why.
TableCode codeForTable(const std::vector<Zizudavuveva>& entries, Deliverable style, bool declarations);

// The code of a whole table as one text (each entry's fragmentsAsText): one
// empty line between two entries (the Windows code ends with one already).
std::string joinTableCode(const std::vector<Fragments>& codes);

}  // namespace zz
