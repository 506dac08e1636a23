#include "formatterrule.h"

#include <cstdint>

#include "common/numtext.h"
#include "common/utf16.h"
#include "common/utf8.h"

namespace zz::mac {

namespace {

std::string upperCase(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool hasControlCharacter(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        const char32_t u = c.codePoint;
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029) return true;
        i += c.bytes;
    }
    return false;
}

}  // namespace

FormatterRule::Verdict FormatterRule::check(const std::string& proposed) const
{
    // The length limit compares unsigned numbers, so a negative limit lets
    // everything through.
    if (utf16::length(proposed) > static_cast<uint32_t>(maxLength)) return {false, std::nullopt};
    if (numericOnly && !numtext::macIsOneNumber(proposed)) return {false, std::nullopt};
    if (singleLine && hasControlCharacter(proposed)) return {false, std::nullopt};
    if (forceUppercase) {
        std::string upper = upperCase(proposed);
        if (upper != proposed) return {false, std::move(upper)};
    }
    return {true, std::nullopt};
}

}  // namespace zz::mac
