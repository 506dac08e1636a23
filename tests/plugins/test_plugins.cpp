// The readers of bundle descriptions, the folders of a scan and the code
// suggestion, without the program.
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pluginbundles.h"
#include "plugins/bundleinfo.h"
#include "plugins/codesuggest.h"
#include "plugins/installedplugins.h"

using namespace zz::plugins;

namespace {

// "type subtype manufacturer name" of each component, one a line, or the problem.
std::string described(const AudioComponentsRead& read)
{
    if (!read.problem.empty()) return "problem: " + read.problem;
    std::string text;
    for (const AudioComponent& c : read.components)
        text += c.type + " " + c.subtype + " " + c.manufacturer + " " + c.name + "\n";
    return text;
}

std::string described(const Vst3ClassesRead& read)
{
    if (!read.problem.empty()) return "problem: " + read.problem;
    std::string text;
    for (const Vst3Class& c : read.classes) text += c.name + " by " + c.vendor + "\n";
    return text;
}

std::string plist(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

}  // namespace

TEST(BundleInfo, ReadsAudioComponentsOfXmlAndBinaryPropertyLists)
{
    const std::string two = zz::testing::audioUnitPlist(
        {{"aufx", "SpDl", "Acme", "Acme: Space Delay"}, {"aumu", "Syn1", "Acme", "Acme & Co: Synth <1>"}});
    const std::string entry = "<dict><key>type</key><string>aufx</string><key>subtype</key><string>SpDl</string>";
    const std::map<std::string, std::string> cases = {
        {two, "aufx SpDl Acme Acme: Space Delay\naumu Syn1 Acme Acme & Co: Synth <1>\n"},
        {zz::testing::binaryPlist(two), "aufx SpDl Acme Acme: Space Delay\naumu Syn1 Acme Acme & Co: Synth <1>\n"},
        {plist("<dict><key>CFBundleName</key><string>Old</string></dict>"), ""},  // no Audio Unit
        {plist("<dict><key>AudioComponents</key><array/></dict>"), ""},
        {plist("<dict><key>AudioComponents</key><array>" + entry +
               "<key>manufacturer</key><string>Acme</string></dict></array></dict>"),
         "aufx SpDl Acme \n"},  // no name
        {plist("<dict><key>AudioComponents</key><array>" + entry + "</dict></array></dict>"),
         "problem: has an AudioComponents entry without type, subtype and manufacturer texts"},
        {plist("<dict><key>AudioComponents</key><array>" + entry +
               "<key>manufacturer</key><integer>1</integer></dict></array></dict>"),
         "problem: has an AudioComponents entry without type, subtype and manufacturer texts"},
        {plist("<dict><key>AudioComponents</key><dict/></dict>"),
         "problem: has an AudioComponents that is not an array"},
        {plist("<array/>"), "problem: is not a dictionary"},
        {"", "problem: is not a property list"},
        {"bplist00", "problem: is not a property list"},
        {two.substr(0, two.size() / 2), "problem: is not a property list"},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(described(readAudioComponents(bytes)), expected) << bytes;
}

TEST(BundleInfo, ReadsTheAudioClassesOfModuleInfo)
{
    const std::map<std::string, std::string> cases = {
        {zz::testing::moduleInfo("Acme", {"Space Delay", "Space Echo"}), "Space Delay by Acme\nSpace Echo by Acme\n"},
        {R"({"Factory Info": {"Vendor": "Acme"}, "Classes": [{"Name": "A", "Vendor": "Bcme"}, {"Name": "B"}]})",
         "A by Bcme\nB by Acme\n"},  // a class's own vendor first; no category is an audio class
        {R"({"Classes": [{"Name": "A", "Category": 3}, {"Name": ""}]})", ""},
        {R"({"Name": "No classes"})", ""},
        {R"({"Classes": {}})", "problem: has Classes that are not an array"},
        {R"({"Classes": [1]})", "problem: has a class that is not an object"},
        {R"(["Classes"])", "problem: is not a JSON object"},
        {R"({"Classes": [],})", "problem: is not valid JSON"},
        {"", "problem: is not valid JSON"},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(described(readModuleInfo(bytes)), expected) << bytes;
}

TEST(PluginFolders, ComeFromThePlatformAndThePathVariable)
{
#ifdef _WIN32
    const std::string sep = ";";
#else
    const std::string sep = ":";
#endif
    struct Case {
        std::map<std::string, std::string> env;
        std::string folders;  // "path au vst3" a line
    } cases[] = {
        {{{"ZIZAVIZEROVO_PLUGIN_PATH_ONLY", "1"}}, ""},
        {{{"ZIZAVIZEROVO_PLUGIN_PATH_ONLY", "yes"}, {"ZIZAVIZEROVO_PLUGIN_PATH", sep + "/a" + sep + sep + "/b" + sep + "/a"}},
         "/a 1 1\n/b 1 1\n"},
#if defined(__linux__)
        {{{"HOME", "/h"}, {"ZIZAVIZEROVO_PLUGIN_PATH_ONLY", "0"}, {"ZIZAVIZEROVO_PLUGIN_PATH", "/usr/lib/vst3"}},
         "/h/.vst3 0 1\n/usr/lib/vst3 1 1\n/usr/local/lib/vst3 0 1\n"},
        {{}, "/usr/lib/vst3 0 1\n/usr/local/lib/vst3 0 1\n"},  // nothing below an unset HOME
#endif
    };
    for (const Case& c : cases) {
        const auto env = [&c](const char* name) -> const char* {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        std::string folders;
        for (const PluginFolder& f : pluginFolders(env))
            folders += f.path + " " + std::to_string(f.audioUnits) + " " + std::to_string(f.vst3) + "\n";
        EXPECT_EQ(folders, c.folders);
    }
}

TEST(DisplayText, KeepsOneLineOfBoundedLength)
{
    EXPECT_EQ(displayText("Acme: Délai \x1b[31m\ttab\nline\xff\xc2\x85\xe2\x80\xa8."),
              "Acme: Délai ?[31m?tab?line???.");
    EXPECT_EQ(displayText(std::string(199, 'a') + "\xc3\xa9" + "bcd"), std::string(199, 'a') + "\xc3\xa9" + "...");
}

TEST(SuggestPluginCode, DerivesFromTheNameAndAvoidsTakenCodes)
{
    struct Case {
        std::string name;
        std::set<std::string> taken;
        std::string code;
    } cases[] = {
        {"Space Delay", {}, "SpDl"},
        {"SpaceDelay", {}, "SpDl"},
        {"space-delay", {"SpDl", "SpDy"}, "ScDl"},
        {"Space Delay", {"SpDl", "SpDy", "ScDl", "ScDy"}, "SpcD"},  // 2+2 first, then 3+1
        {"Big Old Analog Tape", {}, "BOAT"},
        {"Big Old Analog Tape", {"BOAT"}, "BgO1"},
        {"Echo", {}, "Echo"},
        {"Echo", {"Echo"}, "Ech1"},
        {"Reverb", {}, "Rvrb"},
        {"EQ", {}, "Eq01"},
        {"8bit crusher", {}, "8bCr"},
        {"", {}, "Zz01"},
        {"\xc3\xbc\xc3\x9f 2024", {}, "Zz01"},
    };
    for (const Case& c : cases) {
        const auto code = suggestPluginCode(c.name, [&c](const std::string& s) { return c.taken.count(s) > 0; });
        EXPECT_EQ(code.value_or("<none>"), c.code) << c.name;
    }
}

TEST(SuggestPluginCode, AnswersAFreeWellFormedCodeTheSameEachTime)
{
    std::mt19937 random(7);
    const std::string letters = "aAbBeEiIkKrRsS19 -_.\xc3\xa9";
    for (int round = 0; round < 300; ++round) {
        std::string name;
        for (int n = random() % 24; n > 0; --n) name += letters[random() % letters.size()];
        std::set<std::string> taken;
        const auto isTaken = [&taken](const std::string& s) { return taken.count(s) > 0; };
        for (int n = random() % 40; n > 0; --n) {
            const auto code = suggestPluginCode(name, isTaken);
            ASSERT_TRUE(code);
            taken.insert(*code);
        }
        const auto code = suggestPluginCode(name, isTaken);
        ASSERT_TRUE(code) << name;
        EXPECT_EQ(code, suggestPluginCode(name, isTaken)) << name;
        EXPECT_EQ(taken.count(*code), 0u) << name;
        ASSERT_EQ(code->size(), 4u) << name;
        bool upper = false;
        for (const char ch : *code) {
            EXPECT_TRUE(ch > 32 && ch < 127) << name << " -> " << *code;
            upper = upper || (ch >= 'A' && ch <= 'Z');
        }
        EXPECT_TRUE(upper) << name << " -> " << *code;
    }
    EXPECT_FALSE(suggestPluginCode("Space Delay", [](const std::string&) { return true; }));
}
