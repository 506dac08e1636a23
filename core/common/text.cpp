#include "common/text.h"

#include "common/utf8.h"

namespace zz {

std::string_view trimCharacters(std::string_view text, std::string_view set)
{
    const size_t begin = text.find_first_not_of(set);
    if (begin == std::string_view::npos) return text.substr(text.size());
    const size_t end = text.find_last_not_of(set);
    return text.substr(begin, end - begin + 1);
}

std::string_view trimWhiteSpace(std::string_view text)
{
    return trimCharacters(text, " \t\n\r\v\f");
}

bool isLineBreakOrControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

size_t firstLineBreakOrControl(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        if (c.valid && isLineBreakOrControl(c.codePoint)) return i;
        i += c.bytes;
    }
    return std::string_view::npos;
}

std::string terminalText(std::string_view text, size_t most, Unprintable shown)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string line;
    size_t at = 0;
    for (size_t n = 0; n < most && at < text.size(); ++n) {
        const utf8::Char c = utf8::decodeAt(text, at);
        if (c.valid && !isLineBreakOrControl(c.codePoint)) {
            line.append(text, at, c.bytes);
        } else if (shown == Unprintable::questionMark) {
            line += '?';
        } else if (c.valid && (c.codePoint == '\n' || c.codePoint == '\t' || c.codePoint == '\r')) {
            line += c.codePoint == '\n' ? "\\n" : c.codePoint == '\t' ? "\\t" : "\\r";
        } else {
            for (size_t b = 0; b < c.bytes; ++b) {
                const auto byte = static_cast<unsigned char>(text[at + b]);
                line += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
            }
        }
        at += c.bytes;
    }
    return at < text.size() ? line + "..." : line;
}

std::optional<bool> booleanWord(std::string_view word)
{
    if (word == "true" || word == "1") return true;
    if (word == "false" || word == "0") return false;
    return std::nullopt;
}

}  // namespace zz
