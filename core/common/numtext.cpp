#include "common/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

#include "common/text.h"
#include "common/utf8.h"

namespace zz::numtext {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view skipLeadingSpace(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    return text.substr(i);
}

// Leading signed decimal integer, saturated to 32 bits.
int32_t leadingInteger(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (!overflow) {
            value = value * 10 + (text[i] - '0');
            if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) overflow = true;
        }
    }
    if (negative) {
        if (overflow || -value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
        return static_cast<int32_t>(-value);
    }
    if (overflow || value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// The power of ten of the first significant digit of an unsigned decimal
// number (digits[.digits][e[+-]digits]): 2 for "123", -3 for "0.00123e0",
// -398 for "1e-400". Only its sign matters: it tells a number too small for a
// double from one too large. Saturates instead of overflowing.
long long decimalExponent(std::string_view number)
{
    const size_t ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    long long exponent = 0;
    if (ePos != std::string_view::npos) {
        size_t i = ePos + 1;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
        for (; i < number.size(); ++i)
            if (exponent < 1000000000) exponent = exponent * 10 + (number[i] - '0');
        if (negative) exponent = -exponent;
    }
    const size_t point = mantissa.find('.');
    const size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return std::numeric_limits<long long>::min();  // zero
    const long long position = first < intDigits ? static_cast<long long>(intDigits - first) - 1
                                                 : -static_cast<long long>(first - intDigits);
    return position + exponent;
}

// The leading number of `text` as a double (correctly rounded), 0 when none.
double leadingDouble(std::string_view text)
{
    const size_t n = leadingNumberLength(text);
    if (n == 0) return 0.0;
    std::string_view number = text.substr(0, n);
    bool negative = false;
    if (number[0] == '+' || number[0] == '-') {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = decimalExponent(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

}  // namespace

size_t leadingNumberLength(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && isDigit(text[j])) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

int32_t windowsReadInteger(std::string_view text)
{
    const std::string_view trimmed = trimWhiteSpace(text);
    if (trimmed.empty()) return 0;
    return leadingInteger(trimmed);
}

double windowsReadDecimal(std::string_view text)
{
    return leadingDouble(skipLeadingSpace(text));
}

namespace {

// The white space and line breaks NSScanner skips by default.
bool isScannerSpace(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// The index of the first character from `i` on that is no scanner white
// space (or the end).
size_t skipScannerSpace(std::string_view s, size_t i)
{
    while (i < s.size()) {
        const utf8::Char c = utf8::decodeAt(s, i);
        if (!isScannerSpace(c.codePoint)) break;
        i += c.bytes;
    }
    return i;
}

}  // namespace

float macFloatValue(std::string_view text)
{
    const double value = leadingDouble(text.substr(skipScannerSpace(text, 0)));
    // Past the largest float (plus half a unit in the last place) the nearest
    // single-precision value is infinity; say so rather than leave the
    // narrowing of an out-of-range double to the compiler.
    constexpr double limit = 340282356779733661637539395458142568448.0;  // 0x1.ffffffp127
    if (value >= limit) return std::numeric_limits<float>::infinity();
    if (value <= -limit) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

bool macIsOneNumber(std::string_view text)
{
    const size_t start = skipScannerSpace(text, 0);
    const size_t length = leadingNumberLength(text.substr(start));
    if (length == 0) return false;
    return skipScannerSpace(text, start + length) == text.size();
}

int32_t macIntValue(std::string_view text)
{
    return leadingInteger(text.substr(skipScannerSpace(text, 0)));
}

bool filterAdmits(TextFilter filter, std::string_view text)
{
    switch (filter) {
    case TextFilter::any: return true;
    case TextFilter::macNumeric: return macIsOneNumber(text);
    case TextFilter::windowsDigits:
    case TextFilter::windowsDecimal: {
        bool stop = false;
        for (const char c : trimWhiteSpace(text)) {
            if (c == '.' && filter == TextFilter::windowsDecimal && !stop) stop = true;
            else if (!isDigit(c)) return false;
        }
        return true;
    }
    }
    return false;
}

uint32_t truncToUnsigned(double value)
{
    if (std::isnan(value) || value <= 0.0) return 0;
    if (value >= 4294967295.0) return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(value);
}

namespace {

// The text of a number in `format` (with the precision, when one is given):
// "nan", "inf" and "-inf" for what is not finite.
template <typename... Precision>
std::string numberText(double value, std::chars_format format, Precision... precision)
{
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[400];  // room for the longest double in fixed point and its decimals
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision...);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string fixed(double value, int decimals)
{
    return numberText(value, std::chars_format::fixed, decimals);
}

std::string nsNumberString(double value)
{
    if (value == 0.0) return "0";
    return numberText(value, std::chars_format::general, 16);
}

std::string shortestFixed(double value)
{
    return numberText(value, std::chars_format::fixed);
}

std::string unsignedText(uint32_t value)
{
    return std::to_string(value);
}

}  // namespace zz::numtext
