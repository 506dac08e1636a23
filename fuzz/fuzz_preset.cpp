// The preset reader on arbitrary bytes; whatever it accepts, written back as
// JSON strings, reads back to the same assignments; any valid UTF-8 text
// survives jsonString and the reader unchanged.
#include <cstdint>
#include <string>

#include "common/json.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto preset = zz::parsePreset(text);
    FUZZ_CHECK(preset.ok == preset.detail.empty());

    if (preset) {
        bool allUtf8 = true;
        std::string again = "{";
        for (const auto& a : preset.value) {
            allUtf8 = allUtf8 && zzfuzz::validUtf8(a.field) && zzfuzz::validUtf8(a.value);
            if (again.size() > 1) again += ",";
            again += zz::jsonString(a.field) + ":" + zz::jsonString(a.value);
        }
        again += "}";
        const auto reread = zz::parsePreset(again);
        FUZZ_CHECK(reread.ok);
        if (allUtf8) {
            FUZZ_CHECK(reread.value.size() == preset.value.size());
            for (size_t i = 0; i < preset.value.size(); ++i) {
                FUZZ_CHECK(reread.value[i].field == preset.value[i].field);
                FUZZ_CHECK(reread.value[i].value == preset.value[i].value);
            }
        }
    }

    if (zzfuzz::validUtf8(text)) {
        const auto one = zz::parsePreset("{\"f\":" + zz::jsonString(text) + "}");
        FUZZ_CHECK(one.ok && one.value.size() == 1 && one.value[0].value == text);
    }
    return 0;
}
