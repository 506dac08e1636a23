// The preset reader on arbitrary bytes; whatever it accepts, written back as
// JSON strings, reads back to the same assignments; any valid UTF-8 text
// survives jsonString and the reader unchanged.
#include <cstdint>
#include <string>

#include "json.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto preset = zz::cli::parsePreset(text, error);
    FUZZ_CHECK(preset.has_value() == error.empty());

    if (preset) {
        bool allUtf8 = true;
        std::string again = "{";
        for (const auto& a : *preset) {
            allUtf8 = allUtf8 && zzfuzz::validUtf8(a.field) && zzfuzz::validUtf8(a.value);
            if (again.size() > 1) again += ",";
            again += zz::cli::jsonString(a.field) + ":" + zz::cli::jsonString(a.value);
        }
        again += "}";
        const auto reread = zz::cli::parsePreset(again, error);
        FUZZ_CHECK(reread.has_value());
        if (allUtf8) {
            FUZZ_CHECK(reread->size() == preset->size());
            for (size_t i = 0; i < preset->size(); ++i) {
                FUZZ_CHECK((*reread)[i].field == (*preset)[i].field);
                FUZZ_CHECK((*reread)[i].value == (*preset)[i].value);
            }
        }
    }

    if (zzfuzz::validUtf8(text)) {
        const auto one = zz::cli::parsePreset("{\"f\":" + zz::cli::jsonString(text) + "}", error);
        FUZZ_CHECK(one.has_value() && one->size() == 1 && (*one)[0].value == text);
    }
    return 0;
}
