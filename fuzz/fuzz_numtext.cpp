// The number readings of both deliverables on arbitrary bytes, checked
// against the C library where both must agree, and the number writers on
// whatever was read.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/numtext.h"
#include "fuzzcheck.h"

namespace {

using namespace zz::numtext;

bool onlyNumberCharacters(std::string_view s)
{
    for (char c : s)
        if (std::string_view(" \t\n\v\f\r0123456789+-.eE").find(c) == std::string_view::npos) return false;
    return true;
}

int32_t clampToInt32(long v)
{
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

void checkFixed(double value, int decimals)
{
    const std::string s = fixed(value, decimals);
    if (!std::isfinite(value)) return;
    FUZZ_CHECK(s.find_first_of("eE,") == std::string::npos);
    const size_t dot = s.find('.');
    FUZZ_CHECK(dot != std::string::npos);
    FUZZ_CHECK(s.size() - dot - 1 == static_cast<size_t>(decimals));
    // Written back, the text is the value to within half its last digit.
    const double back = std::strtod(s.c_str(), nullptr);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 4 * DBL_EPSILON;
    FUZZ_CHECK(std::fabs(back - value) <= tolerance);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const int32_t wi = windowsReadInteger(text);
    const double wd = windowsReadDecimal(text);
    const float mf = macFloatValue(text);
    const int32_t mi = macIntValue(text);
    const size_t n = leadingNumberLength(text);

    FUZZ_CHECK(n <= text.size());
    FUZZ_CHECK(leadingNumberLength(text.substr(0, n)) == n);
    FUZZ_CHECK(!std::isnan(wd));
    // Both pages read the same leading number; the macOS one rounds it to
    // single precision. The macOS readings also skip the Unicode blanks (a
    // leading U+3000, say), the Windows edits ASCII white space only.
    size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || (text[first] >= '\t' && text[first] <= '\r'))) ++first;
    if (first == text.size() || static_cast<unsigned char>(text[first]) < 0x80) {
        FUZZ_CHECK(mf == static_cast<float>(wd));
        // Trailing blanks never change the leading integer.
        FUZZ_CHECK(wi == mi);
    }

    (void)truncToUnsigned(wd);
    (void)truncToUnsigned(mf);
    const uint32_t latency = truncToUnsigned(mf);
    FUZZ_CHECK(unsignedText(latency) == std::to_string(latency));

    for (int decimals : {2, 6, 8}) checkFixed(wd, decimals);
    checkFixed(mf, 6);

    const std::string ns = nsNumberString(wd);
    FUZZ_CHECK(!ns.empty());
    if (std::isfinite(wd) && wd != 0.0) {
        const double back = std::strtod(ns.c_str(), nullptr);
        FUZZ_CHECK(std::fabs(back - wd) <= std::fabs(wd) * 1e-15);
    }

    // Where the text holds nothing but what a decimal number is made of, the
    // C library reads the same values.
    if (onlyNumberCharacters(text)) {
        const std::string z(text);
        const double c = std::strtod(z.c_str(), nullptr);
        if (c == 0.0 || std::fabs(c) >= DBL_MIN) FUZZ_CHECK(c == wd);
        FUZZ_CHECK(clampToInt32(std::strtol(z.c_str(), nullptr, 10)) == mi);
    }
    return 0;
}
