#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that must hold for every input. A broken one prints what was
// expected and aborts, which libFuzzer records as a crash with its input.
#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace zzfuzz {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
inline bool validUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t need = 0;
        unsigned lo = 0x80, hi = 0xBF;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) need = 1;
        else if (c == 0xE0) need = 2, lo = 0xA0;
        else if (c >= 0xE1 && c <= 0xEC) need = 2;
        else if (c == 0xED) need = 2, hi = 0x9F;
        else if (c >= 0xEE && c <= 0xEF) need = 2;
        else if (c == 0xF0) need = 3, lo = 0x90;
        else if (c >= 0xF1 && c <= 0xF3) need = 3;
        else if (c == 0xF4) need = 3, hi = 0x8F;
        else return false;
        if (i + need >= s.size()) return false;
        for (size_t k = 1; k <= need; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if (k == 1 ? (d < lo || d > hi) : (d & 0xC0) != 0x80) return false;
        }
        i += need + 1;
    }
    return true;
}

}  // namespace zzfuzz
