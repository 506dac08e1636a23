#include "common/utf8.h"

namespace zz::utf8 {

Char decodeAt(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) return {lead, 1, true};
    constexpr Char bad{0xFFFD, 1, false};
    size_t need = 0;
    char32_t cp = 0;
    // The range the second byte must fall in: it rules out overlong forms,
    // surrogates and code points past U+10FFFF.
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) need = 1, cp = lead & 0x1F;
    else if (lead == 0xE0) need = 2, cp = lead & 0x0F, lo = 0xA0;
    else if (lead == 0xED) need = 2, cp = lead & 0x0F, hi = 0x9F;
    else if (lead >= 0xE1 && lead <= 0xEF) need = 2, cp = lead & 0x0F;
    else if (lead == 0xF0) need = 3, cp = lead & 0x07, lo = 0x90;
    else if (lead == 0xF4) need = 3, cp = lead & 0x07, hi = 0x8F;
    else if (lead >= 0xF1 && lead <= 0xF3) need = 3, cp = lead & 0x07;
    else return bad;
    if (i + need >= s.size()) return bad;
    for (size_t k = 1; k <= need; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (k == 1 ? (c < lo || c > hi) : (c & 0xC0) != 0x80) return bad;
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, need + 1, true};
}

bool isValid(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const Char c = decodeAt(text, i);
        if (!c.valid) return false;
        i += c.bytes;
    }
    return true;
}

void append(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace zz::utf8
