#pragma once

#include <string>
#include <string_view>

// Reading UTF-8 text character by character, and counting and cutting it in
// UTF-16 code units, the way the macOS text system counts characters. A byte
// that is not part of valid UTF-8 is one character of its own (U+FFFD), one
// unit long.
namespace zz::utf16 {

// The character that starts at byte `i` of `utf8` (i < utf8.size()).
struct Utf8Char {
    char32_t codePoint;
    size_t bytes;
};
Utf8Char decodeAt(std::string_view utf8, size_t i);

size_t length(std::string_view utf8);

// The longest prefix of at most `units` UTF-16 code units. A character that
// needs two units (outside the Basic Multilingual Plane) is never cut in half:
// where the limit falls between its two units, the prefix stops before it.
std::string prefix(std::string_view utf8, size_t units);

}  // namespace zz::utf16
