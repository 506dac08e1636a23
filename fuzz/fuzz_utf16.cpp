// UTF-16 counting and cutting on arbitrary bytes: a cut is always a prefix,
// never longer than asked for, and never a code unit shorter than needed
// except where it would split a pair.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/utf16.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const size_t limit = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const size_t total = zz::utf16::length(text);
    FUZZ_CHECK(total <= text.size());
    FUZZ_CHECK(zz::utf16::prefix(text, total) == text);
    FUZZ_CHECK(zz::utf16::prefix(text, total + 1) == text);

    const std::string cut = zz::utf16::prefix(text, limit);
    FUZZ_CHECK(text.substr(0, cut.size()) == cut);
    const size_t units = zz::utf16::length(cut);
    FUZZ_CHECK(units <= limit);
    if (limit < total) FUZZ_CHECK(units + 1 >= limit);
    // Cutting again at the same limit changes nothing.
    FUZZ_CHECK(zz::utf16::prefix(cut, limit) == cut);
    // Counting is additive over the cut.
    FUZZ_CHECK(units + zz::utf16::length(text.substr(cut.size())) == total);
    return 0;
}
