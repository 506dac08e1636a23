// The list helpers of the parameter code on arbitrary lists, against a plain
// split at every comma.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "coder/zizudavuveva.h"
#include "fuzzcheck.h"

namespace {

std::vector<std::string> splitAtCommas(std::string_view list)
{
    std::vector<std::string> entries(1);
    for (char c : list) {
        if (c == ',') entries.emplace_back();
        else entries.back() += c;
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const uint32_t probe = uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24;
    const std::string_view list(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::vector<std::string> entries = splitAtCommas(list);

    FUZZ_CHECK(zz::getNumEnums(zz::Deliverable::mac, list) == static_cast<int>(entries.size()));
    const std::string trimmed(zz::trimWhiteSpace(list));
    FUZZ_CHECK(zz::getNumEnums(zz::Deliverable::windows, list) == (trimmed.empty() ? 0 : static_cast<int>(entries.size())));
    FUZZ_CHECK(zz::trimWhiteSpace(trimmed) == trimmed);
    FUZZ_CHECK(list.find(trimmed) != std::string_view::npos);

    // A few entries by index, and indexes past the end (small lists only, so
    // the lookups stay cheap).
    if (entries.size() <= 64) {
        for (uint32_t i = 0; i < entries.size(); ++i) FUZZ_CHECK(zz::getEnumString(list, i) == entries[i]);
    }
    const uint32_t index = probe % (entries.size() + 3);
    FUZZ_CHECK(zz::getEnumString(list, index) == (index < entries.size() ? entries[index] : std::string()));
    FUZZ_CHECK(zz::getEnumString(list, UINT32_MAX).empty() || entries.size() > UINT32_MAX);

    const std::string quoted = zz::makeQuoted(list);
    FUZZ_CHECK(quoted.size() == list.size() + 2 && quoted.front() == '"' && quoted.back() == '"');
    FUZZ_CHECK(std::string_view(quoted).substr(1, list.size()) == list);
    return 0;
}
