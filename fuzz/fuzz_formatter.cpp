// The macOS text formatter's acceptance rule on arbitrary edits, with any
// length cap and both switches: a length cap is never passed, white space
// around a number never matters, the upper-case replacement appears only when
// asked for, and every number text the program itself writes is accepted.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/numtext.h"
#include "common/utf16.h"
#include "fuzzcheck.h"
#include "outlets.h"

namespace {

bool hasDigit(const std::string& s)
{
    for (char c : s)
        if (c >= '0' && c <= '9') return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5) return 0;
    zz::mac::FormatterRule rule;
    int32_t cap = 0;
    std::memcpy(&cap, data, sizeof cap);
    const uint8_t switches = data[4];
    // Mostly small caps, as the pages use; sometimes any value at all.
    rule.maxLength = (switches & 4) ? cap : (cap & 63);
    rule.numericOnly = switches & 1;
    rule.forceUppercase = switches & 2;
    const std::string proposed(reinterpret_cast<const char*>(data + 5), size - 5);

    const auto verdict = rule.check(proposed);
    if (verdict.accepted) {
        FUZZ_CHECK(zz::utf16::length(proposed) <= static_cast<uint32_t>(rule.maxLength));
        if (rule.numericOnly) FUZZ_CHECK(hasDigit(proposed));
        FUZZ_CHECK(!verdict.replacement);
    }
    if (verdict.replacement) {
        FUZZ_CHECK(rule.forceUppercase && !verdict.accepted);
        FUZZ_CHECK(*verdict.replacement != proposed && verdict.replacement->size() == proposed.size());
    }

    zz::mac::FormatterRule numbers;
    numbers.numericOnly = true;
    const bool alone = numbers.check(proposed).accepted;
    FUZZ_CHECK(numbers.check(" \t" + proposed + "\n ").accepted == alone);

    // What the program writes into number fields must be typeable back.
    if (size >= 5 + sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + 5, sizeof value);
        if (std::isfinite(value)) {
            FUZZ_CHECK(numbers.check(zz::numtext::nsNumberString(value)).accepted);
            FUZZ_CHECK(numbers.check(zz::numtext::fixed(value, 6)).accepted);
        }
    }
    return 0;
}
