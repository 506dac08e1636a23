// replaceMarkers on arbitrary project files and arbitrary record texts,
// against the plain reading of the rule: each marker in table order, every
// occurrence left to right (replaceMarker, which writes the value for its
// place in the CMake code), the inserted value not scanned again for the same
// marker but seen by later ones. Values that need no escape anywhere go in as
// they stand.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "project/markers.h"
#include "project/zezureproject.h"

namespace {

void replaceEvery(std::string& text, const std::string& tag, const std::string& value)
{
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, from)) {
        out.append(text, from, at - from);
        out += value;
        from = at + tag.size();
    }
    out.append(text, from, std::string::npos);
    text = out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto deliverable = in.ConsumeBool() ? zz::Deliverable::mac : zz::Deliverable::windows;
    zz::ZezureProject p = zz::makeDefaultProject(deliverable, "/opt/zezure");
    // Texts short and often empty; they may hold markers themselves.
    for (std::string* field : {&p.projectName, &p.pluginName, &p.vendorName, &p.vendorURL, &p.vendorEmail,
                               &p.fourCharProductID, &p.fourCharVendorID})
        *field = in.ConsumeRandomLengthString(24);
    p.universalAPI = in.ConsumeBool();
    p.makeAAX = in.ConsumeBool();
    p.synthPlugin = in.ConsumeBool();
    p.processFrames = in.ConsumeBool();
    p.blockSize = in.ConsumeIntegral<uint32_t>();
    p.latencyInSamples = in.ConsumeIntegral<uint32_t>();
    p.tailTimeMsec = in.ConsumeFloatingPoint<double>();
    p.aaxCagtegory = in.ConsumeIntegral<uint32_t>();
    const std::string original = in.ConsumeRemainingBytesAsString();

    std::string expected = original;
    std::string asTheyStand = original;
    bool plain = true;
    for (const zz::Marker& m : zz::markerTable(deliverable, p)) {
        zz::replaceMarker(expected, m.tag, m.value);
        replaceEvery(asTheyStand, m.tag, m.value);
        plain = plain && m.value.find_first_of("\\\"$()#[]\n\r") == std::string::npos;
    }

    std::string text = original;
    zz::replaceMarkers(deliverable, text, p);
    FUZZ_CHECK(text == expected);
    if (plain) FUZZ_CHECK(text == asTheyStand);
    return 0;
}
