#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/markers.h"
#include "project/projectfields.h"
#include "tempfolder.h"

using namespace zz;

namespace {

std::string valueOf(Deliverable d, const ZezureProject& p, const std::string& tag)
{
    for (const Marker& m : markerTable(d, p))
        if (m.tag == tag) return m.value;
    ADD_FAILURE() << "no marker " << tag;
    return {};
}

// A record in which every field that feeds a marker differs from the others.
ZezureProject distinctRecord()
{
    ZezureProject p;
    p.projectName = "Proj";
    p.pluginName = "Plug In";
    p.vendorName = "Vendor Co";
    p.vendorURL = "https://vendor.example";
    p.vendorEmail = "help@vendor.example";
    p.fourCharProductID = "PrOd";
    p.fourCharVendorID = "VEND";
    p.fourCharAAXID = "aaxx";
    p.universalAPI = true;
    p.makeAAX = false;
    p.makeAU = true;
    p.makeVST = false;
    p.synthPlugin = true;
    p.enableSidechain = false;
    p.wantPTGRMeter = true;
    p.includeFXObjects = true;
    p.linkFFTW = false;
    p.latencyInSamples = 128;
    p.tailTimeMsec = 250.0;
    p.infiniteTail = true;
    p.enableSAAVST3 = false;
    p.saaGranulatity = 32;
    p.aaxCagtegory = 2048;
    p.processFrames = false;
    p.blockSize = 256;
    return p;
}

// The record the golden texts are rendered from: frame processing (the block
// size is not consulted), a tail time whose two texts differ, and a vendor
// e-mail that holds an earlier marker (left as it is) and a later one
// (replaced).
ZezureProject goldenRecord()
{
    ZezureProject p = distinctRecord();
    p.pluginName = "Plug";
    p.vendorName = "Vendor";
    p.vendorEmail = "help@$$$VENDOR_URL$$$.$$$4_CHAR_MANU$$$";
    p.tailTimeMsec = 12.5;
    p.processFrames = true;
    return p;
}

}  // namespace

// The golden template holds every marker, first each on its own, then each
// written over the marker applied just before it; the expected texts in
// tests/project/golden are written by hand from the rules: Windows applies
// the four processing markers after $$$WANT_SIDECHAIN$$$, macOS applies them
// last; the tail time is "%f" text on Windows and the platform's number text
// on macOS; frame processing has the block size DEFAULT_AUDIO_BLOCK_SIZE on
// Windows and 64 on macOS.
TEST(Markers, GoldenTemplateOfEachDeliverable)
{
    const std::string golden = std::string(ZZ_SOURCE_DIR) + "/tests/project/golden/";
    const std::string templ = readBytes(golden + "markers.template");
    ASSERT_FALSE(templ.empty());
    const struct {
        Deliverable deliverable;
        const char* expected;
    } styles[] = {{Deliverable::windows, "markers.windows"}, {Deliverable::mac, "markers.macos"}};
    for (const auto& style : styles) {
        // A marker the template lacks would have no place in the golden texts.
        for (const Marker& m : markerTable(style.deliverable, goldenRecord()))
            EXPECT_NE(templ.find(m.tag), std::string::npos) << m.tag;
        std::string text = templ;
        replaceMarkers(style.deliverable, text, goldenRecord());
        EXPECT_EQ(text, readBytes(golden + style.expected)) << style.expected;
    }
}

TEST(Markers, ValuesOfTheRecord)
{
    const ZezureProject p = distinctRecord();
    struct Case {
        const char* tag;
        const char* value;
    } cases[] = {
        {"$$$PROJECT_NAME$$$", "Proj"},       {"$UNI_BUILD_BOOL$", "TRUE"},
        {"$AAX_BUILD_BOOL$", "FALSE"},        {"$AU_BUILD_BOOL$", "TRUE"},
        {"$VST_BUILD_BOOL$", "FALSE"},        {"$$$PLUGIN_NAME$$$", "Plug In"},
        {"$$$SYNTH_BOOL$$$", "TRUE"},         {"$$$AAX_SC_BOOL$$$", "FALSE"},
        {"$$$AAX_GR_BOOL$$$", "TRUE"},        {"$$$VENDOR_NAME$$$", "Vendor Co"},
        {"$$$VENDOR_URL$$$", "https://vendor.example"}, {"$$$VENDOR_EMAIL$$$", "help@vendor.example"},
        {"$$$4_CHAR_CODE$$$", "PrOd"},        {"$$$4_CHAR_MANU$$$", "VEND"},
        {"$$$4_CHAR_AAXID$$$", "PrOd"},       // the plug-in code, not fourCharAAXID
        {"$$$INC_FX_OBJECTS$$$", "TRUE"},     {"$$$LINK_FFTW$$$", "FALSE"},
        {"$$$WANT_SIDECHAIN$$$", "FALSE"},    {"$$$LATENCY_SAMPLES$$$", "128"},
        {"$$$INF_TAIL$$$", "TRUE"},           {"$$$ENABLE_SAA$$$", "FALSE"},
        {"$$$SAAA_GRAN$$$", "32"},            {"$$AAX_PLUGIN_CATEGORY$$", "2048"},
    };
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac})
        for (const auto& c : cases) EXPECT_EQ(valueOf(d, p, c.tag), c.value) << c.tag;
    EXPECT_EQ(valueOf(Deliverable::windows, p, "$$$TAIL_TIME_MSEC$$$"), "250.000000");
    EXPECT_EQ(valueOf(Deliverable::mac, p, "$$$TAIL_TIME_MSEC$$$"), "250");
}

TEST(Markers, TailTimeTexts)
{
    struct Case {
        double value;
        const char* windows;
        const char* mac;
    } cases[] = {
        {0.0, "0.000000", "0"},
        {250.0, "250.000000", "250"},
        {12.5, "12.500000", "12.5"},
        {static_cast<double>(0.1f), "0.100000", "0.1000000014901161"},
        {4294967296.0, "4294967296.000000", "4294967296"},
    };
    for (const auto& c : cases) {
        ZezureProject p;
        p.tailTimeMsec = c.value;
        EXPECT_EQ(valueOf(Deliverable::windows, p, "$$$TAIL_TIME_MSEC$$$"), c.windows) << c.value;
        EXPECT_EQ(valueOf(Deliverable::mac, p, "$$$TAIL_TIME_MSEC$$$"), c.mac) << c.value;
    }
}

TEST(Markers, ProcessingTable)
{
    struct Case {
        bool processFrames;
        uint32_t blockSize;
        const char* frames;
        const char* buffers;
        const char* blocks;
        const char* windowsSize;
        const char* macSize;
    } cases[] = {
        {true, 64, "TRUE", "FALSE", "FALSE", "DEFAULT_AUDIO_BLOCK_SIZE", "64"},
        {true, 512, "TRUE", "FALSE", "FALSE", "DEFAULT_AUDIO_BLOCK_SIZE", "64"},  // the block size is not consulted
        {true, 0, "TRUE", "FALSE", "FALSE", "DEFAULT_AUDIO_BLOCK_SIZE", "64"},
        {false, 256, "FALSE", "FALSE", "TRUE", "256", "256"},
        {false, 4294967295u, "FALSE", "FALSE", "TRUE", "4294967295", "4294967295"},
        {false, 0, "FALSE", "TRUE", "FALSE", "0", "0"},  // sub-blocks of 0 are entire buffers
    };
    for (const auto& c : cases) {
        ZezureProject p;
        p.processFrames = c.processFrames;
        p.blockSize = c.blockSize;
        for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
            SCOPED_TRACE(testing::Message() << c.processFrames << " " << c.blockSize << " "
                                            << (d == Deliverable::windows ? "windows" : "mac"));
            EXPECT_EQ(valueOf(d, p, "$$$PROCESS_FRAMES$$$"), c.frames);
            EXPECT_EQ(valueOf(d, p, "$$$PROCESS_BUFFERS$$$"), c.buffers);
            EXPECT_EQ(valueOf(d, p, "$$$PROCESS_BLOCKS$$$"), c.blocks);
            EXPECT_EQ(valueOf(d, p, "$$$BLOCK_SIZE$$$"), d == Deliverable::windows ? c.windowsSize : c.macSize);
        }
    }
}

TEST(Markers, ReplaceMarkersInText)
{
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        ZezureProject p = distinctRecord();

        std::string text = "a $$$PROJECT_NAME$$$ b $$$PROJECT_NAME$$$$$$PROJECT_NAME$$$\n$VST_BUILD_BOOL$";
        replaceMarkers(d, text, p);
        EXPECT_EQ(text, "a Proj b ProjProj\nFALSE");

        std::string plain = "no markers here $ $$ $$$ $$$$\r\n";
        replaceMarkers(d, plain, p);
        EXPECT_EQ(plain, "no markers here $ $$ $$$ $$$$\r\n");

        // Exact, case-sensitive matching: near misses stay.
        std::string near = "$$PROJECT_NAME$$ $$$project_name$$$ $$$AAX_PLUGIN_CATEGORY$$$";
        replaceMarkers(d, near, p);
        EXPECT_EQ(near, "$$PROJECT_NAME$$ $$$project_name$$$ $2048$");

        // A later marker sees what an earlier one inserted ...
        p.projectName = "$$$VENDOR_NAME$$$";
        std::string later = "project($$$PROJECT_NAME$$$)";
        replaceMarkers(d, later, p);
        EXPECT_EQ(later, "project(Vendor Co)");

        // ... but a value is not scanned again for its own marker.
        p.projectName = "x$$$PROJECT_NAME$$$";
        std::string self = "$$$PROJECT_NAME$$$";
        replaceMarkers(d, self, p);
        EXPECT_EQ(self, "x$$$PROJECT_NAME$$$");
    }
}

TEST(Markers, NumberTextsIgnoreTheUserLocale)
{
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};
    std::locale comma;
    bool found = false;
    for (const char* name : names) {
        try {
            comma = std::locale(name);
            found = true;
            break;
        } catch (const std::runtime_error&) {
        }
    }
    if (!found) GTEST_SKIP() << "no comma-decimal locale installed";
    const std::locale previous = std::locale::global(comma);
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, comma.name().c_str());

    ZezureProject p;
    p.tailTimeMsec = 1234.5;
    p.latencyInSamples = 1234567;
    std::string windows = "$$$TAIL_TIME_MSEC$$$ $$$LATENCY_SAMPLES$$$";
    std::string mac = windows;
    replaceMarkers(Deliverable::windows, windows, p);
    replaceMarkers(Deliverable::mac, mac, p);

    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(windows, "1234.500000 1234567");
    EXPECT_EQ(mac, "1234.5 1234567");
}

// A value is written for the place of CMake code its marker stands in, so
// that CMake reads back exactly the typed text; a value that needs no escape
// there is written as it stands.
TEST(Markers, ValuesAreWrittenForTheirPlaceInTheCMakeCode)
{
    struct Case {
        const char* code;
        const char* vendor;
        const char* written;
    } cases[] = {
        // Quoted arguments: backslash, double quote, a "$" that opens a
        // variable reference; "\;" stays.
        {"set(V \"$$$VENDOR_NAME$$$\")", "Acme \"Audio\"", "set(V \"Acme \\\"Audio\\\"\")"},
        {"set(V \"$$$VENDOR_NAME$$$\")", "Bob \\ Co\\", "set(V \"Bob \\\\ Co\\\\\")"},
        {"set(V \"$$$VENDOR_NAME$$$\")", "$ENV{PATH} ${X} $CACHE{Y}", "set(V \"\\$ENV{PATH} \\${X} \\$CACHE{Y}\")"},
        {"set(V \"$$$VENDOR_NAME$$$\")", "a$b $ 5$ $(M) a\\;b @X@ (#) [[x]]", "set(V \"a$b $ 5$ $(M) a\\;b @X@ (#) [[x]]\")"},
        {"set(V \"$$$VENDOR_NAME$$${X}\")", "cash$", "set(V \"cash\\${X}\")"},
        {"message(\"by \\\"$$$VENDOR_NAME$$$\\\" (#)\")", "a\"b", "message(\"by \\\"a\\\"b\\\" (#)\")"},
        {"set(V \"a\\\n$$$VENDOR_NAME$$$\")", "\"", "set(V \"a\\\n\\\"\")"},
        {"set(V \"x\" \"$$$VENDOR_NAME$$$\")", "\"", "set(V \"x\" \"\\\"\")"},
        {"set(V \"Gr\xc3\xbc\xc3\x9f $$$VENDOR_NAME$$$\")", "M\xc3\xbcller & S\xc3\xb6hne", "set(V \"Gr\xc3\xbc\xc3\x9f M\xc3\xbcller & S\xc3\xb6hne\")"},
        // Unquoted arguments: also parentheses, "#" and a "[" that would open
        // a bracket argument; white space and ";" divide as always.
        {"set(V $$$VENDOR_NAME$$$)", "a (b) #c \"d\" \\e ${f}", "set(V a \\(b\\) \\#c \\\"d\\\" \\\\e \\${f})"},
        {"set(V $$$VENDOR_NAME$$$)", "[[x]] y[[z]] [=[w]=];v", "set(V \\[[x]] y[[z]] \\[=[w]=];v)"},
        {"set(V x$$$VENDOR_NAME$$$)", "[[x]]", "set(V x[[x]])"},
        // A "..." piece of an unquoted argument.
        {"set(V x\"$$$VENDOR_NAME$$$\")", "a (b) \"c\" [[d]]", "set(V x\"a \\(b\\) \\\"c\\\" [[d]]\")"},
        // Comments and bracket arguments take the value as it stands.
        {"# by \"$$$VENDOR_NAME$$$\n", "a \"b\" \\c ${d}", "# by \"a \"b\" \\c ${d}\n"},
        {"# a \"quote\nset(V $$$VENDOR_NAME$$$)", "(x)", "# a \"quote\nset(V \\(x\\))"},
        {"set(V [[$$$VENDOR_NAME$$$]])", "a \"b\" \\c ${d}", "set(V [[a \"b\" \\c ${d}]])"},
        {"#[=[ $$$VENDOR_NAME$$$ ]]\n]=] set(V \"$$$VENDOR_NAME$$$\")", "\"]]\"", "#[=[ \"]]\" ]]\n]=] set(V \"\\\"]]\\\"\")"},
        {"set(V [[a\"]] $$$VENDOR_NAME$$$)", "(x)", "set(V [[a\"]] \\(x\\))"},
    };
    for (const auto& c : cases) {
        for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
            ZezureProject p;
            p.vendorName = c.vendor;
            std::string text = c.code;
            replaceMarkers(d, text, p);
            EXPECT_EQ(text, c.written) << c.code << " with " << c.vendor;
        }
    }
}

// Before a creation: every text a marker carries is one line, and fits where
// the template's CMakeLists.txt puts it.
TEST(Markers, CheckBeforeACreation)
{
    const std::string cannotStand =
        " cannot stand where the template's CMakeLists.txt puts it: it would change the CMake code around it.";
    struct Case {
        const char* code;
        const char* field;
        const char* value;
        std::string message;  // empty: accepted
    } cases[] = {
        {"set(V \"$$$VENDOR_NAME$$$\")", "vendorName", "Acme \"Audio\" \\ $ENV{X} M\xc3\xbcller \xff", ""},
        {"", "vendorName", "two\nlines", "The vendor name must be one line without control characters."},
        {"", "projectName", "Bad\x01\x1b[31mName", "The project name must be one line without control characters."},
        {"", "vendorEmail", "a\tb", "The vendor e-mail must be one line without control characters."},
        {"", "pluginName", "a\xc2\x85" "b", "The plug-in name must be one line without control characters."},
        {"", "vendorURL", "a\xe2\x80\xa8" "b", "The vendor URL must be one line without control characters."},
        {"", "fourCharVendorID", "AB\x7f" "C", "The company code must be one line without control characters."},
        {"", "fourCharProductID", "AB\rC", "The plug-in code must be one line without control characters."},
        {"", "aaxPluginName", "no\nmarker", ""},
        {"set(V [[$$$VENDOR_NAME$$$]])", "vendorName", "a]]b", "The vendor name" + cannotStand},
        {"set(V [[x]$$$VENDOR_NAME$$$]])", "vendorName", "]b", "The vendor name" + cannotStand},
        {"set(V [=[$$$VENDOR_NAME$$$]=])", "vendorName", "a]]b", ""},
        {"#$$$PLUGIN_NAME$$$\n", "pluginName", "[[x", "The plug-in name" + cannotStand},
        {"# $$$PLUGIN_NAME$$$\n", "pluginName", "[[x", ""},
        {"set(V \"$$$4_CHAR_AAXID$$$\") #[[ $$$4_CHAR_AAXID$$$ ]]", "fourCharProductID", "a]]", "The plug-in code" + cannotStand},
    };
    for (const auto& c : cases) {
        for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
            ZezureProject p = distinctRecord();
            p.*findProjectField(c.field, d)->text = c.value;
            const Result r = checkMarkerValues(d, p, c.code);
            EXPECT_EQ(r.ok, c.message.empty()) << c.field << "=" << c.value;
            EXPECT_EQ(r.message, c.message) << c.field << "=" << c.value;
            EXPECT_EQ(r.field, c.message.empty() ? "" : c.field);
        }
    }
}

// What a dry run shows: each marker's value as it is written into the
// template's text, once for each different writing.
TEST(Markers, WrittenMarkersOfATemplate)
{
    ZezureProject p = distinctRecord();
    p.projectName = "My\"Plug";
    p.pluginName = "Pl\"ug";
    p.vendorName = "Acme (\"A\")";
    const std::string code = "# $$$PROJECT_NAME$$$\nproject(\"$$$PROJECT_NAME$$$\")\nset(V \"$$$VENDOR_NAME$$$\" "
                             "\"$$$PROJECT_NAME$$$\" $$$VENDOR_NAME$$$)\n";
    const std::vector<Marker> written = writtenMarkers(Deliverable::mac, p, code);
    ASSERT_EQ(written.size(), markerTable(Deliverable::mac, p).size() + 2);
    std::vector<std::string> project, plugin, vendor;
    for (const Marker& m : written) {
        if (m.tag == "$$$PROJECT_NAME$$$") project.push_back(m.value);
        if (m.tag == "$$$PLUGIN_NAME$$$") plugin.push_back(m.value);
        if (m.tag == "$$$VENDOR_NAME$$$") vendor.push_back(m.value);
    }
    EXPECT_EQ(project, (std::vector<std::string>{"My\"Plug", "My\\\"Plug"}));
    EXPECT_EQ(plugin, (std::vector<std::string>{"Pl\"ug"}));  // not in the text: as it stands
    EXPECT_EQ(vendor, (std::vector<std::string>{"Acme (\\\"A\\\")", "Acme \\(\\\"A\\\"\\)"}));
}
