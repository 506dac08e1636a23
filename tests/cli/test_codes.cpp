// Runs the real zizavizerovo against plug-in bundles the tests make: the
// warnings of create, `codes`, `codes --suggest` and the handling of bundles
// that cannot be read.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_run.h"
#include "pluginbundles.h"

namespace fs = std::filesystem;

namespace {

using zz::testing::Command;
using zz::testing::Component;
using zz::testing::Outcome;
using Temp = zz::testing::TempFolder;

// good/: two Audio Units (XML, binary) and a VST3 bundle in a vendor's
// folder, besides a single-file module and a bundle without moduleinfo.json,
// which are no problem. bad/: bundles that cannot be read. The register holds
// one project.
struct Machine {
    Temp tmp;
    std::string good = tmp / "good";
    std::string bad = tmp / "bad";

    Machine()
    {
        using namespace zz::testing;
        writeAudioUnit(good, "Space Delay", audioUnitPlist({{"aufx", "SpDl", "Acme", "Acme: Space Delay"}}));
        writeAudioUnit(good, "Synths", binaryPlist(audioUnitPlist({{"aumu", "Syn1", "Acme", "Acme: Synth One"},
                                                                   {"aufx", "SpDl", "Bcme", "Bcme: Space"}})));
        writeVst3(good + "/Acme", "Space Delay", moduleInfo("Acme", {"Space Delay"}));
        writeBytes(good + "/Single.vst3", "MZ");
        fs::create_directories(good + "/NoInfo.vst3/Contents");

        writeAudioUnit(bad, "broken", "not a property list");
        const std::string binary = binaryPlist(audioUnitPlist({{"aufx", "CutP", "Acme", "Cut"}}));
        writeAudioUnit(bad, "cut", binary.substr(0, binary.size() / 2));
        writeAudioUnit(bad, "huge", std::string((1 << 20) + 1, ' '));
        std::string deep;  // well-formed, 40,000 arrays deep
        for (int i = 0; i < 40000; ++i) deep += "<array>";
        for (int i = 0; i < 40000; ++i) deep += "</array>";
        writeAudioUnit(bad, "nested", "<plist version=\"1.0\">" + deep + "</plist>");
        fs::create_directories(tmp / "out");
        fs::create_directories(bad + "/empty.component");
        fs::create_symlink("loop.component", bad + "/loop.component");
        fs::create_directories(bad + "/pipe.component/Contents");
        ::mkfifo((bad + "/pipe.component/Contents/Info.plist").c_str(), 0600);  // opening it would wait for a writer
        writeVst3(bad, "comma", "{\"Classes\": [{\"Name\": \"A\"},]}");
        writeBytes(tmp / "cfg/zizavizerovo/projects.tsv",
                   "2026-01-02T03:04:05Z\tEcho\tEcho\tZzts\t/home/me/Echo\n");
    }

    Outcome run(const std::vector<std::string>& args, const std::string& pluginPath) const
    {
        Command command = zz::testing::toolCommand(tmp, args);
        command.set["ZIZAVIZEROVO_PLUGIN_PATH"] = pluginPath;
        command.deadline = std::chrono::seconds(20);
        return zz::testing::runProgram(command);
    }
};

const char* kSkipped =
    "warning: skipped the plug-in bundle BAD/broken.component: its Contents/Info.plist is not a property list\n"
    "warning: skipped the plug-in bundle BAD/comma.vst3: its Contents/Resources/moduleinfo.json is not valid JSON\n"
    "warning: skipped the plug-in bundle BAD/cut.component: its Contents/Info.plist is not a property list\n"
    "warning: skipped the plug-in bundle BAD/empty.component: it has no Contents/Info.plist\n"
    "warning: skipped the plug-in bundle BAD/huge.component: its Contents/Info.plist is larger than 1 MiB\n"
    "warning: skipped the plug-in bundle BAD/loop.component: it cannot be opened (a link loop?)\n"
    "warning: skipped the plug-in bundle BAD/nested.component: its Contents/Info.plist is not a dictionary\n"
    "warning: skipped the plug-in bundle BAD/pipe.component: its Contents/Info.plist is not a file\n";

std::string replaced(std::string text, const std::string& word, const std::string& by)
{
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + by.size()))
        text.replace(at, word.size(), by);
    return text;
}

}  // namespace

TEST(CodesCli, ListsTheInstalledAudioUnitsAndTheRegisterAndSkipsBadBundles)
{
    const Machine m;
    const Outcome r = m.run({"codes"}, m.good + ":" + m.bad);
    ASSERT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.out, replaced("Echo\tZzts\tEcho\t/home/me/Echo\n"
                              "SpDl\tAcme\tAcme: Space Delay\tGOOD/Space Delay.component\n"
                              "SpDl\tBcme\tBcme: Space\tGOOD/Synths.component\n"
                              "Syn1\tAcme\tAcme: Synth One\tGOOD/Synths.component\n",
                              "GOOD", m.good));
    EXPECT_EQ(r.err, replaced(kSkipped, "BAD", m.bad));

    const Outcome json = m.run({"codes", "--json"}, m.good);
    ASSERT_EQ(json.exitCode, 0) << json;
    EXPECT_EQ(json.out,
              replaced("[\n"
                       " {\"code\": \"Echo\", \"company\": \"Zzts\", \"name\": \"Echo\", \"where\": \"/home/me/Echo\", "
                       "\"source\": \"register\"},\n"
                       " {\"code\": \"SpDl\", \"company\": \"Acme\", \"name\": \"Acme: Space Delay\", \"where\": "
                       "\"GOOD/Space Delay.component\", \"source\": \"audio unit\"},\n"
                       " {\"code\": \"SpDl\", \"company\": \"Bcme\", \"name\": \"Bcme: Space\", \"where\": "
                       "\"GOOD/Synths.component\", \"source\": \"audio unit\"},\n"
                       " {\"code\": \"Syn1\", \"company\": \"Acme\", \"name\": \"Acme: Synth One\", \"where\": "
                       "\"GOOD/Synths.component\", \"source\": \"audio unit\"}\n"
                       "]\n",
                       "GOOD", m.good));
    EXPECT_EQ(json.err, "");
}

TEST(CodesCli, CreateWarnsAboutInstalledPluginsAndStrictRefuses)
{
    const Machine m;
    struct Case {
        std::vector<std::string> sets;
        std::string warnings;  // GOOD for the folder
    } cases[] = {
        {{"fourCharProductID=SpDl", "fourCharVendorID=Acme"},
         "warning: the plug-in code 'SpDl' with company code 'Acme' is already used by the installed Audio Unit "
         "'Acme: Space Delay' (GOOD/Space Delay.component)\n"},
        {{"fourCharProductID=Syn1", "fourCharVendorID=Acme"},
         "warning: the plug-in code 'Syn1' with company code 'Acme' is already used by the installed Audio Unit "
         "'Acme: Synth One' (GOOD/Synths.component)\n"},
        {{"fourCharProductID=SpDl", "fourCharVendorID=Ccme"}, ""},  // another company's subtype is no collision
        {{"pluginName=Space Delay", "vendorName=Acme"},
         "warning: a VST3 plug-in named 'Space Delay' by 'Acme' is already installed (GOOD/Acme/Space Delay.vst3)\n"},
        {{"pluginName=Space Delay", "vendorName=Bcme"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sets[0] + " " + c.sets[1]);
        std::vector<std::string> args = {"create", "--style", "macos", "--folder", m.tmp / "out", "--dry-run",
                                         "--strict", "--set", "projectName=Echo", "--set", "fourCharProductID=EchP",
                                         "--set", "fourCharVendorID=Zzts"};
        for (const std::string& s : c.sets) args.insert(args.end(), {"--set", s});
        const Outcome r = m.run(args, m.good);
        const std::string warnings = replaced(c.warnings, "GOOD", m.good);
        if (warnings.empty()) {
            EXPECT_EQ(r.exitCode, 0) << r;
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_EQ(r.exitCode, 1) << r;
            EXPECT_EQ(r.err, warnings + "zizavizerovo create: refused for the warnings above (--strict); nothing was "
                                        "created\n");
        }
    }

    // Bundles that cannot be read are told, and refuse nothing.
    const Outcome r = m.run({"create", "--style", "macos", "--folder", m.tmp / "out", "--strict", "--set",
                             "projectName=Echo", "--set", "fourCharProductID=EchP", "--set", "fourCharVendorID=Zzts"},
                            m.bad);
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.err, replaced(kSkipped, "BAD", m.bad));
    EXPECT_TRUE(fs::is_directory(m.tmp / "out/Echo"));

    // code never looks at installed plug-ins.
    const Outcome code = m.run({"code", "--style", "macos", "--set", "controlID=1"}, m.bad);
    EXPECT_EQ(code.exitCode, 0) << code;
    EXPECT_EQ(code.err, "");
}

TEST(CodesCli, SuggestsAFreeCode)
{
    const Machine m;
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"--suggest", "Space Delay"}, "SpDy\n"},  // SpDl is taken by Acme and by Bcme
        {{"--suggest", "Space Delay", "--company", "Ccme"}, "SpDl\n"},
        {{"--suggest", "Echo", "--company", "Ccme"}, "Ech1\n"},  // the register's codes are taken for every company
        {{"--suggest", "Big Old Analog Tape"}, "BOAT\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        std::vector<std::string> args = {"codes"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome r = m.run(args, m.good);
        EXPECT_EQ(r.exitCode, 0) << r;
        EXPECT_EQ(r.out, c.out);
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"codes", "--company", "Acme"},
             {"codes", "--suggest", "X", "--company", "Acm"},
             {"codes", "--suggest", "X", "--json"},
             {"codes", "--frobnicate"}}) {
        const Outcome r = m.run(args, m.good);
        EXPECT_EQ(r.exitCode, 2) << args.back() << "\n" << r;
    }
}

TEST(CodesCli, ReadsThePlatformFoldersBelowHome)
{
    // Whatever the machine has installed is read too: only this test's line is
    // looked for.
    const Machine m;
#ifdef __APPLE__
    const std::string folder = m.tmp / "home/Library/Audio/Plug-Ins/VST3/Acme";
#else
    const std::string folder = m.tmp / "home/.vst3/Acme";
#endif
    zz::testing::writeVst3(folder, "Home Delay", zz::testing::moduleInfo("Acme", {"Home Delay"}));
    Command command = zz::testing::toolCommand(m.tmp, {"create", "--style", "macos", "--folder", m.tmp / "out",
                                                       "--dry-run", "--set", "pluginName=Home Delay", "--set",
                                                       "vendorName=Acme", "--set", "fourCharProductID=HmDl"});
    command.unset.push_back("ZIZAVIZEROVO_PLUGIN_PATH_ONLY");
    command.set.erase("ZIZAVIZEROVO_PLUGIN_PATH_ONLY");
    command.set["HOME"] = m.tmp / "home";
    const Outcome r = zz::testing::runProgram(command);
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_NE(r.err.find("warning: a VST3 plug-in named 'Home Delay' by 'Acme' is already installed (" + folder +
                         "/Home Delay.vst3)\n"),
              std::string::npos)
        << r;
}
