#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers read from and written as text, the same on every host and in every
// locale. Pages and the command-line tool both read typed text through these,
// so a value typed into a form and a value given on the command line end up
// as the same number.
namespace zz::numtext {

// ---- Windows readings (edit controls) -------------------------------------

// Integer edit: white space removed at both ends; empty gives 0; otherwise the
// leading decimal integer (optional sign, digits; no digits gives 0).
// Saturates at the limits of a signed 32-bit integer, as the C runtime does.
int32_t windowsReadInteger(std::string_view text);

// Decimal edit: the longest leading decimal number after leading white space
// (sign, digits, optional fraction, optional exponent); no number gives 0.0.
double windowsReadDecimal(std::string_view text);

// ---- macOS readings (NSString floatValue / intValue) ----------------------

// Leading white space (the Unicode blanks and line breaks included) skipped,
// the longest leading number read, 0 when none. The value is rounded to single
// precision.
float macFloatValue(std::string_view text);

// Leading white space skipped, optional sign and digits; 0 when none;
// saturates at INT32_MIN / INT32_MAX. "2.7" gives 2.
int32_t macIntValue(std::string_view text);

// What a macOS numeric-only field admits (NSScanner's scanDouble followed by
// isAtEnd): one decimal number with nothing but white space and line breaks
// (the Unicode ones included) around it.
bool macIsOneNumber(std::string_view text);

// What a page's text field admits; the command line holds a value given for
// a field to the same rule.
enum class TextFilter {
    any,             // a plain field: any text
    macNumeric,      // a macOS numeric-only field: macIsOneNumber
    windowsDigits,   // a Windows digits-only edit: digits, or nothing (0)
    windowsDecimal,  // a Windows digits-only edit that the page fills with a
                     // decimal ("20.00"): digits with at most one full stop
};

// Whether a field with `filter` can hold `text`. Blanks around the text are
// allowed for the Windows edits (the pages trim them).
bool filterAdmits(TextFilter filter, std::string_view text);

// A single-precision reading cut toward zero to an unsigned 32-bit whole
// number (negative and NaN give 0, values past the range give UINT32_MAX).
uint32_t truncToUnsigned(double value);

// ---- Writing ---------------------------------------------------------------

// Fixed-point text with exactly `decimals` digits after a full stop, as C's
// "%.*f" in the "C" locale: large values are written in full (1e21 gives 22
// integer digits). NaN and infinities give "nan", "inf" and "-inf".
std::string fixed(double value, int decimals);

// The macOS platform's default text of a number (NSNumber stringValue):
// up to 16 significant digits, a whole value without a decimal point
// (0 -> "0", 250 -> "250", 12.5 -> "12.5").
std::string nsNumberString(double value);

// The shortest fixed-point text (no exponent) that reads back as exactly
// `value`: 12.5 -> "12.5", 0.1 -> "0.1", 1e21 -> "1000000000000000000000".
std::string shortestFixed(double value);

// Unsigned decimal without sign, grouping or leading zeros.
std::string unsignedText(uint32_t value);

// ---- Shared scanning --------------------------------------------------------

// Length of the longest prefix of `text` that is a decimal number
// ([+-]digits[.digits][e[+-]digits], at least one digit in the mantissa).
// 0 when the text does not start with a number.
size_t leadingNumberLength(std::string_view text);

}  // namespace zz::numtext
