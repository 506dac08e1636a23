#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "coder/zizudavuveva.h"
#include "common/result.h"

namespace zz {

// The ordered text fragments of generated code. The Windows page joins them
// into one clipboard text; the macOS page writes one pasteboard item each.
using Fragments = std::vector<std::string>;

// Generated code, or the refusal to generate it. A refusal's message is what
// the page shows; it is empty when nothing is to be shown.
struct CodeResult : Result {
    Fragments fragments;

    static CodeResult code(Fragments f)
    {
        CodeResult r;
        r.fragments = std::move(f);
        return r;
    }
    static CodeResult refusal(std::string text)
    {
        CodeResult r;
        r.ok = false;
        r.message = std::move(text);
        return r;
    }
};

// The text the declaration button refuses with when binding is switched off.
inline constexpr std::string_view kBindingNotEnabled = "Variable binding is not enabled.";

// The code that creates, configures and registers the parameter. Meant for a
// record that passed validateShit; a control type outside 0 to 3 is refused
// without a message, and a continuous control with smoothing on and a
// smoothing time that reads as infinite (the project page's value reaches the
// record after the checks) with notFiniteMessage("smoothing time"). `comment`
// goes into a comment block ahead of the code when it is not empty (the
// Windows page passes the record's commentString, the macOS page the text of
// its comment box); one that holds "*/" is refused (checkComment).
CodeResult makeParameterCode(const Zizudavuveva& record, std::string_view comment, Deliverable deliverable);

// The declaration of the bound variable (with an enumeration class naming the
// entries of a switch). Refused with kBindingNotEnabled when binding is off;
// a control type outside 0 to 3 is refused without a message; a continuous
// control's default that reads as infinite with
// notFiniteMessage("default value"); a name that is no C++ identifier
// (checkBoundVariableName) and a switch whose enumeration would not compile
// (checkSwitchEntries) with their messages. The checks of validateShit do
// not apply.
CodeResult makeBoundVarCode(const Zizudavuveva& record, Deliverable deliverable);

// All fragments joined without separators, as the Windows clipboard gets them.
std::string joinFragments(const Fragments& fragments);

// All fragments as one text to read: each ends with a line end where it has
// none (the macOS pasteboard items are lines without one). The Windows
// fragments end with theirs already, so their text is joinFragments'.
std::string fragmentsAsText(const Fragments& fragments);

}  // namespace zz
