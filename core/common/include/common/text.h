#pragma once

#include <optional>
#include <string_view>

namespace zz {

// The characters in `set` removed at both ends. The answer views `text`.
std::string_view trimCharacters(std::string_view text, std::string_view set);

// White space (blank, tab, line breaks, vertical tab, form feed) removed at
// both ends. The answer views `text`.
std::string_view trimWhiteSpace(std::string_view text);

// The words a boolean is given with on the command line and in presets:
// "true" or "1", "false" or "0"; nothing for any other word.
std::optional<bool> booleanWord(std::string_view word);

}  // namespace zz
