#include "utf16.h"

namespace zz::utf16 {

namespace {

// Length in bytes of the UTF-8 sequence starting at `i`, and its width in
// UTF-16 units. Invalid or truncated sequences count as one byte, one unit.
struct Step {
    size_t bytes;
    size_t units;
};

Step stepAt(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t need = 0;
    size_t units = 1;
    if (lead < 0x80) return {1, 1};
    if (lead >= 0xC2 && lead <= 0xDF) need = 1;
    else if (lead >= 0xE0 && lead <= 0xEF) need = 2;
    else if (lead >= 0xF0 && lead <= 0xF4) need = 3, units = 2;
    else return {1, 1};
    if (i + need >= s.size()) return {1, 1};
    for (size_t k = 1; k <= need; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {1, 1};
    }
    return {need + 1, units};
}

}  // namespace

size_t length(std::string_view utf8)
{
    size_t units = 0;
    for (size_t i = 0; i < utf8.size();) {
        const Step step = stepAt(utf8, i);
        units += step.units;
        i += step.bytes;
    }
    return units;
}

std::string prefix(std::string_view utf8, size_t units)
{
    size_t used = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        const Step step = stepAt(utf8, i);
        if (used + step.units > units) break;
        used += step.units;
        i += step.bytes;
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace zz::utf16
