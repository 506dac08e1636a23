#pragma once

#include <string>
#include <string_view>

// Counting and cutting UTF-8 text in UTF-16 code units, the way the macOS text
// system counts characters. A byte that is not part of valid UTF-8 is one
// character of its own (see utf8.h), one unit long.
namespace zz::utf16 {

size_t length(std::string_view utf8);

// The longest prefix of at most `units` UTF-16 code units. A character that
// needs two units (outside the Basic Multilingual Plane) is never cut in half:
// where the limit falls between its two units, the prefix stops before it.
std::string prefix(std::string_view utf8, size_t units);

}  // namespace zz::utf16
