#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zz {

// The characters in `set` removed at both ends. The answer views `text`.
std::string_view trimCharacters(std::string_view text, std::string_view set);

// White space (blank, tab, line breaks, vertical tab, form feed) removed at
// both ends. The answer views `text`.
std::string_view trimWhiteSpace(std::string_view text);

// Whether a character ends a line or controls a terminal: C0 (U+0000 to
// U+001F), DEL and C1 (U+007F to U+009F), U+2028 and U+2029. No text field
// of the tool holds one.
bool isLineBreakOrControl(char32_t c);

// Where the first such character of UTF-8 text starts (a byte that is not
// UTF-8 is none); npos when there is none.
size_t firstLineBreakOrControl(std::string_view text);

// Whether a text is one line: none of those characters in it.
inline bool isOneLine(std::string_view text)
{
    return firstLineBreakOrControl(text) == std::string_view::npos;
}

// How terminalText shows what a terminal would take for a command.
enum class Unprintable {
    escaped,       // "\n", "\t", "\r", else "\xHH" for each byte
    questionMark,  // "?"
};

// A text fit for one line of a terminal: at most `most` characters, then
// "..."; each line break or control character, and each byte that is not
// UTF-8, shown as `shown` says instead of sent.
std::string terminalText(std::string_view text, size_t most, Unprintable shown);

// The words a boolean is given with on the command line and in presets:
// "true" or "1", "false" or "0"; nothing for any other word.
std::optional<bool> booleanWord(std::string_view word);

}  // namespace zz
