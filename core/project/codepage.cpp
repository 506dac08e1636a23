#include "project/codepage.h"

#include <array>

#include "common/utf8.h"

namespace zz {

namespace {

// The characters of bytes 80 to 9F in code page 1252; from A0 on the code
// page is Latin-1, so byte and code point are the same number.
constexpr std::array<char16_t, 32> k1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

}  // namespace

std::string CodePage1252::toUtf8(std::string_view bytes) const
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t codePoint = byte >= 0x80 && byte < 0xA0 ? k1252High[byte - 0x80] : byte;
        utf8::append(text, codePoint);
    }
    return text;
}

std::optional<std::string> CodePage1252::fromUtf8(std::string_view utf8) const
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const utf8::Char c = utf8::decodeAt(utf8, i);
        if (!c.valid) return std::nullopt;
        i += c.bytes;
        if (c.codePoint < 0x80 || (c.codePoint >= 0xA0 && c.codePoint <= 0xFF)) {
            bytes += static_cast<char>(c.codePoint);
            continue;
        }
        size_t k = 0;
        while (k < k1252High.size() && k1252High[k] != c.codePoint) ++k;
        if (k == k1252High.size()) return std::nullopt;
        bytes += static_cast<char>(0x80 + k);
    }
    return bytes;
}

std::string textFromCodePageOrUtf8(const std::string& bytes, const CodePage* codePage)
{
    if (!codePage || utf8::isValid(bytes)) return bytes;
    return codePage->toUtf8(bytes);
}

std::string codePageOrUtf8FromText(const std::string& text, const CodePage* codePage)
{
    if (!codePage) return text;
    const std::optional<std::string> bytes = codePage->fromUtf8(text);
    if (!bytes) return text;
    // Bytes that differ from the UTF-8 form yet are well-formed UTF-8 would be
    // read back as UTF-8, that is as another text.
    if (*bytes != text && utf8::isValid(*bytes)) return text;
    return *bytes;
}

}  // namespace zz
