#pragma once

#include <string>
#include <string_view>

// UTF-8, read character by character. A byte that does not start a well-formed
// sequence (a stray continuation byte, an overlong form, a surrogate, a code
// point past U+10FFFF, a sequence cut short) is one character of its own,
// U+FFFD, one byte long, so every reading moves on.
namespace zz::utf8 {

struct Char {
    char32_t codePoint;
    size_t bytes;  // 1 to 4
    bool valid;    // false: the byte was read as U+FFFD
};

// The character that starts at byte `i` of `text` (i < text.size()).
Char decodeAt(std::string_view text, size_t i);

// Whether `text` is well-formed UTF-8 from end to end.
bool isValid(std::string_view text);

// Appends the UTF-8 form of `codePoint` (which must not be a surrogate).
void append(std::string& out, char32_t codePoint);

}  // namespace zz::utf8
