// The Info.plist reader on arbitrary bytes, XML and binary: it answers the
// Audio Units or a problem, never both, the same twice for the same bytes, and
// every text it found shows on one bounded line.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzzcheck.h"
#include "plugins/bundleinfo.h"
#include "plugins/installedplugins.h"

namespace {

bool fitsOneLine(const std::string& text)
{
    const std::string shown = zz::plugins::displayText(text);
    if (shown.size() > 4 * 200 + 3) return false;
    for (const char c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zz::plugins::AudioComponentsRead read = zz::plugins::readAudioComponents(bytes);
    FUZZ_CHECK(read.problem.empty() || read.components.empty());

    const zz::plugins::AudioComponentsRead again = zz::plugins::readAudioComponents(bytes);
    FUZZ_CHECK(again.problem == read.problem && again.components.size() == read.components.size());
    for (size_t i = 0; i < read.components.size(); ++i) {
        const zz::plugins::AudioComponent& c = read.components[i];
        FUZZ_CHECK(c.subtype == again.components[i].subtype && c.manufacturer == again.components[i].manufacturer);
        FUZZ_CHECK(fitsOneLine(c.type) && fitsOneLine(c.subtype) && fitsOneLine(c.manufacturer) && fitsOneLine(c.name));
    }
    return 0;
}
