#pragma once

#include <functional>
#include <optional>
#include <string>

// A free plug-in code for a new plug-in, derived from its name.
namespace zz::plugins {

// Answers whether a plug-in code is in use.
using CodeTaken = std::function<bool(const std::string& code)>;

// Four printable ASCII characters with at least one upper-case letter that
// `taken` does not hold. Tried in this order, the first free one wins:
//   1. the initials of the name's first four words ("Big Old Analog Tape": BOAT),
//   2. each word's initial with some of its consonants ("Space Delay": SpDl,
//      SpDy, ScDl, ...; the counts spread as evenly as they go),
//   3. each word's initial with some of its other letters ("Echo": Echo),
//   4. the first three, two, then one of the characters of step 2 with digits
//      (Spc1, Spc2, ..., Sp01, ...),
//   5. an upper-case letter and three letters or digits (Aaaa, Aaab, ...).
// Words are runs of ASCII letters and digits, also split where a lower-case
// letter meets an upper-case one ("SpaceDelay"); each starts upper-case, the
// rest lower-case. The same name and the same codes in use give the same
// answer. Nothing only when every code of step 5 is taken.
std::optional<std::string> suggestPluginCode(const std::string& name, const CodeTaken& taken);

}  // namespace zz::plugins
