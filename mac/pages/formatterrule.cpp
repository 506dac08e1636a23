#include "formatterrule.h"

#include <cstdint>

#include "common/numtext.h"
#include "common/utf16.h"
#include "common/text.h"

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

}  // namespace

FormatterRule::Verdict FormatterRule::check(const std::string& proposed) const
{
    // The length limit compares unsigned numbers, so a negative limit lets
    // everything through.
    if (utf16::length(proposed) > static_cast<uint32_t>(maxLength)) return {false, std::nullopt};
    if (numericOnly && !numtext::macIsOneNumber(proposed)) return {false, std::nullopt};
    if (singleLine && !isOneLine(proposed)) return {false, std::nullopt};
    if (forceUppercase) {
        std::string upper = upperCase(proposed);
        if (upper != proposed) return {false, std::move(upper)};
    }
    return {true, std::nullopt};
}

}  // namespace zz::mac
