#include "utf16.h"

namespace zz::utf16 {

Utf8Char decodeAt(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) return {lead, 1};
    size_t need = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) need = 1, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) need = 2, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) need = 3, cp = lead & 0x07;
    if (need == 0 || i + need >= s.size()) return {0xFFFD, 1};
    for (size_t k = 1; k <= need; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {0xFFFD, 1};
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, need + 1};
}

namespace {

// UTF-16 units of a code point.
size_t unitsOf(char32_t cp) { return cp >= 0x10000 ? 2 : 1; }

}  // namespace

size_t length(std::string_view utf8)
{
    size_t units = 0;
    for (size_t i = 0; i < utf8.size();) {
        const Utf8Char c = decodeAt(utf8, i);
        units += unitsOf(c.codePoint);
        i += c.bytes;
    }
    return units;
}

std::string prefix(std::string_view utf8, size_t units)
{
    size_t used = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Char c = decodeAt(utf8, i);
        if (used + unitsOf(c.codePoint) > units) break;
        used += unitsOf(c.codePoint);
        i += c.bytes;
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace zz::utf16
