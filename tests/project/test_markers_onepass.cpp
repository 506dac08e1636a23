// Texts whose markers are replaced in one pass, and texts where the marker-by-
// marker passes must run: both give what the rule gives.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/markers.h"

using namespace zz;

namespace {

// The rule itself: each marker in table order over the whole text.
std::string markerByMarker(Deliverable d, std::string text, const ZezureProject& p)
{
    for (const Marker& m : markerTable(d, p)) replaceAll(text, m.tag, m.value);
    return text;
}

struct OnePassCase {
    const char* name;
    std::string text;
    std::string projectName;
    std::string vendorName;
};

class MarkersInOnePass : public ::testing::TestWithParam<OnePassCase> {};

TEST_P(MarkersInOnePass, GiveWhatTheMarkerByMarkerPassesGive)
{
    const OnePassCase& c = GetParam();
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        ZezureProject p = makeDefaultProject(d, "/opt");
        p.projectName = c.projectName;
        p.vendorName = c.vendorName;
        std::string text = c.text;
        replaceMarkers(d, text, p);
        EXPECT_EQ(text, markerByMarker(d, c.text, p)) << (d == Deliverable::windows ? "windows" : "macos");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MarkersInOnePass,
    ::testing::Values(
        OnePassCase{"Plain", "project($$$PROJECT_NAME$$$)\nset(V \"$$$VENDOR_NAME$$$\")\n", "Gain", "Acme"},
        OnePassCase{"CMakeVariables", "set(A ${B})\nproject($$$PROJECT_NAME$$$ ${X}$$$VENDOR_NAME$$$)\n$", "Gain", "Acme"},
        OnePassCase{"NoMarkers", "project(Fixed)\n", "Gain", "Acme"},
        OnePassCase{"Empty", "", "Gain", "Acme"},
        OnePassCase{"EmptyValues", "a $$$PROJECT_NAME$$$ b $$$VENDOR_NAME$$$ c", "", ""},
        // Runs that touch: the marker-by-marker passes see other markers.
        OnePassCase{"Adjacent", "$$$PROJECT_NAME$$$$$$VENDOR_NAME$$$", "Gain", "Acme"},
        OnePassCase{"Bridging", "$$$LINK_FFTW$$$PROJECT_NAME$$$VENDOR_NAME$$$", "Gain", "Acme"},
        OnePassCase{"BridgingAfterEmptyValue", "$$$LINK_FFTW$$$PROJECT_$$$VENDOR_NAME$$$NAME$$$ x", "Gain", ""},
        OnePassCase{"LongerRun", "$$$$PROJECT_NAME$$$$ $$AAX_PLUGIN_CATEGORY$$$", "Gain", "Acme"},
        OnePassCase{"ShorterRun", "$$PROJECT_NAME$$ $UNI_BUILD_BOOL$", "Gain", "Acme"},
        OnePassCase{"UnknownWord", "$$$NOT_A_MARKER$$$ $$$PROJECT_NAME$$$", "Gain", "Acme"},
        OnePassCase{"ValueHoldsLaterMarker", "$$$PROJECT_NAME$$$", "$$$VENDOR_NAME$$$", "Acme"},
        OnePassCase{"ValueHoldsEarlierMarker", "$$$VENDOR_NAME$$$", "Gain", "$$$PROJECT_NAME$$$"},
        OnePassCase{"ValueCompletesMarker", "$$$PROJECT_NAME$$$ $$$VENDOR", "_NAME$$$", "Acme"},
        OnePassCase{"DollarAtEnd", "x $$$PROJECT_NAME$$$ $$$", "Gain", "Acme"},
        OnePassCase{"DollarsOnly", "$$$$$$", "Gain", "Acme"},
        // Values longer than their markers: rewritten in place only while the
        // result stays behind the text still to be read.
        OnePassCase{"LongerValueFirst", "($$$PROJECT_NAME$$$) ($$$VENDOR_NAME$$$)", "AVeryLongProjectNameIndeed", "A"},
        OnePassCase{"LongerValueWithinTheRoomMade", "($$$PROJECT_NAME$$$) ($$$VENDOR_NAME$$$) end",
                    "", "Vendor Name Of 25 Letters"},
        OnePassCase{"LongerValueBeyondTheRoomMade", "($$$PROJECT_NAME$$$) ($$$VENDOR_NAME$$$) end", "G",
                    "A Vendor Name That Is Forty Letters Long"},
        OnePassCase{"ValueAsLongAsItsMarker", "$$$PROJECT_NAME$$$$$$VENDOR_NAME$$$", "ExactlyEighteen!!!", "x"}),
    [](const auto& info) { return std::string(info.param.name); });

// Enough markers to fill several blocks of the replacement's notes, with
// values shorter and longer than their markers.
TEST(MarkersInOnePass, ManyMarkersGiveWhatTheMarkerByMarkerPassesGive)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "set(V" + std::to_string(i) + (i % 3 ? " $$$PROJECT_NAME$$$)\n" : " \"$$$VENDOR_NAME$$$\")\n");
    for (const char* vendor : {"Acme", "A Vendor Name Much Longer Than Its Marker"}) {
        for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
            ZezureProject p = makeDefaultProject(d, "/opt");
            p.projectName = "Gain";
            p.vendorName = vendor;
            std::string replaced = text;
            replaceMarkers(d, replaced, p);
            EXPECT_EQ(replaced, markerByMarker(d, text, p)) << vendor;
        }
    }
}

}  // namespace
