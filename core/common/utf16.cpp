#include "common/utf16.h"

#include "common/utf8.h"

namespace zz::utf16 {

namespace {

// UTF-16 units of a code point.
size_t unitsOf(char32_t cp) { return cp >= 0x10000 ? 2 : 1; }

}  // namespace

size_t length(std::string_view text)
{
    size_t units = 0;
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        units += unitsOf(c.codePoint);
        i += c.bytes;
    }
    return units;
}

std::string prefix(std::string_view text, size_t units)
{
    size_t used = 0;
    size_t i = 0;
    while (i < text.size()) {
        const utf8::Char c = utf8::decodeAt(text, i);
        if (used + unitsOf(c.codePoint) > units) break;
        used += unitsOf(c.codePoint);
        i += c.bytes;
    }
    return std::string(text.substr(0, i));
}

}  // namespace zz::utf16
