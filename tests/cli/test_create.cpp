// Runs the real zizavizerovo program: `create` with both styles.
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_run.h"

namespace fs = std::filesystem;

namespace {

using zz::testing::Outcome;
using zz::testing::readBytes;
using Temp = zz::testing::TempFolder;

// `create` with the tool's own settings file inside `tmp`, out of the user's way.
Outcome create(const Temp& tmp, std::vector<std::string> args)
{
    args.insert(args.begin(), "create");
    return zz::testing::runTool(tmp, args);
}

// The value a line "set(KEY value)" of the created CMakeLists.txt carries.
std::string setting(const std::string& cmake, const std::string& key)
{
    const std::string start = "set(" + key + " ";
    const auto at = cmake.find(start);
    if (at == std::string::npos) return "<missing " + key + ">";
    const auto end = cmake.find(')', at);
    std::string v = cmake.substr(at + start.size(), end - at - start.size());
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

int entriesIn(const std::string& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string()[0] != '.') ++n;
    return n;
}

}  // namespace

TEST(CreateCli, WindowsStyleCreatesAProjectWithWindowsText)
{
    Temp tmp;
    const Outcome r = create(tmp, {"--style", "windows", "--folder", tmp.str(), "--set", "projectName=Demo",
                               "--set", "tailTimeMsec=12.5", "--set", "fourCharProductID=DmoP"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, tmp / "Demo" + "\n");
    EXPECT_EQ(r.err, "");
    const std::string cmake = readBytes(tmp / "Demo/CMakeLists.txt");
    EXPECT_NE(cmake.find("project(\"Demo\" VERSION"), std::string::npos);
    EXPECT_NE(cmake.find("\r\n"), std::string::npos);
    EXPECT_EQ(cmake.substr(cmake.size() - 4), "\r\n\r\n");  // one empty line added
    EXPECT_EQ(setting(cmake, "ZZ_PLUGIN_NAME"), "Demo");    // derived from the name
    EXPECT_EQ(setting(cmake, "ZZ_TAIL_TIME_MSEC"), "12.500000");
    EXPECT_EQ(setting(cmake, "ZZ_BLOCK_SIZE"), "DEFAULT_AUDIO_BLOCK_SIZE");
    EXPECT_EQ(setting(cmake, "ZZ_FOUR_CHAR_AAXID"), "DmoP");
    EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "My Company");
    EXPECT_TRUE(fs::is_regular_file(tmp / "Demo/source/plugincore.cpp"));
}

TEST(CreateCli, MacStyleAppendsTheSlashAndKeepsUtf8Text)
{
    Temp tmp;
    const Outcome r = create(tmp, {"--style", "macos", "--folder", tmp.str(), "--set", "projectName=Mac",
                               "--set", "fourCharProductID=MacP", "--set", "tailTimeMsec=0.1",
                               "--set", "latencyInSamples=2.9", "--set", "processFrames=false",
                               "--set", "blockSize=128"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, tmp.str() + "/Mac\n");
    const std::string cmake = readBytes(tmp / "Mac/CMakeLists.txt");
    EXPECT_EQ(cmake.find('\r'), std::string::npos);
    EXPECT_EQ(cmake.substr(cmake.size() - 2), ")\n");  // no line added
    EXPECT_EQ(setting(cmake, "ZZ_TAIL_TIME_MSEC"), "0.1000000014901161");  // read in single precision
    EXPECT_EQ(setting(cmake, "ZZ_LATENCY_SAMPLES"), "2");
    EXPECT_EQ(setting(cmake, "ZZ_PROCESS_BLOCKS"), "TRUE");
    EXPECT_EQ(setting(cmake, "ZZ_BLOCK_SIZE"), "128");
    EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "My Company");  // the macOS first-start settings

    // A folder that already ends in "/" gets no second one.
    const Outcome again = create(tmp, {"--style", "macos", "--folder", tmp.str() + "/", "--set", "projectName=Mac2",
                                   "--set", "fourCharProductID=MacP"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, tmp.str() + "/Mac2\n");
}

TEST(CreateCli, NamesGivenOnTheLineKeepTheirValuesWhereverTheyStand)
{
    Temp tmp;
    for (const char* style : {"windows", "macos"}) {
        const std::string name = std::string("Keep") + style;
        const Outcome r = create(tmp, {"--style", style, "--folder", tmp.str(), "--set", "pluginName=Given",
                                   "--set", "projectName=" + name, "--set", "fourCharProductID=KeeP"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(setting(readBytes(tmp / name + "/CMakeLists.txt"), "ZZ_PLUGIN_NAME"), "Given") << style;
    }
}

TEST(CreateCli, PresetThenSetsInOrder)
{
    Temp tmp;
    zz::testing::writeBytes(tmp / "p.json",
         R"({"projectName": "FromPreset", "vendorName": "Preset Co", "fourCharProductID": "PrSt",
             "synthPlugin": true, "aaxCagtegory": 1, "saaGranulatity": 16, "universalAPI": true, "makeVST": 1})");
    const Outcome r = create(tmp, {"--style", "macos", "--preset", tmp / "p.json", "--folder", tmp.str(),
                               "--set", "vendorName=Later Co", "--set", "makeAU=true"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string cmake = readBytes(tmp / "FromPreset/CMakeLists.txt");
    EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "Later Co");
    EXPECT_EQ(setting(cmake, "ZZ_PLUGIN_NAME"), "FromPreset");
    EXPECT_EQ(setting(cmake, "ZZ_AAX_CATEGORY"), "2048");  // a synthesizer is a "Software Synth"
    EXPECT_EQ(setting(cmake, "ZZ_SAA_GRANULARITY"), "16");
    EXPECT_EQ(setting(cmake, "ZZ_UNIVERSAL_BUILD"), "TRUE");
    EXPECT_EQ(setting(cmake, "ZZ_BUILD_AU"), "TRUE");
    EXPECT_EQ(setting(cmake, "ZZ_BUILD_VST"), "TRUE");
    EXPECT_EQ(setting(cmake, "ZZ_BUILD_AAX"), "TRUE");
}

TEST(CreateCli, RefusalsGoToStandardErrorWithExitOne)
{
    Temp tmp;
    fs::create_directory(tmp / "Taken");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        // The page's message, then why and which field, for the command line.
        {{"--style", "windows", "--set", "projectName=My Plugin"},
         "Project name can not contain whitespaces.\nzizavizerovo create: field projectName\n"},
        {{"--style", "windows", "--set", "projectName="}, "Project name is empty.\nzizavizerovo create: field projectName\n"},
        {{"--style", "windows", "--set", "projectName=.."},
         "Project name is not a valid folder name.\nzizavizerovo create: field projectName\n"},
        {{"--style", "windows", "--set", "projectName=Taken"},
         "Project already exists. Delete it or change the project name.\nzizavizerovo create: field projectName\n"},
        {{"--style", "windows", "--set", "projectName=X", "--template", tmp / "none"},
         "Could not copy the template folder: " + (tmp / "none") + "\nzizavizerovo create: the folder " +
             (tmp / "none") + " does not exist\n"},
        {{"--style", "windows", "--set", "projectName=X", "--folder", tmp / "missing"},
         "Could not create destination folder: " + (tmp / "missing/X") + "\nzizavizerovo create: the folder " +
             (tmp / "missing") + " does not exist\nzizavizerovo create: field projectFolderPath\n"},
        {{"--style", "macos", "--set", "projectName=My Plugin"},
         "Whitespaces are not allowed in project name.\nzizavizerovo create: field projectName\n"},
        {{"--style", "macos", "--set", "projectName=Code"},
         "You must supply a plugin code!\nzizavizerovo create: field fourCharProductID\n"},
        {{"--style", "macos", "--set", "projectName=a/b", "--set", "fourCharProductID=A"},
         "The project name is not a valid folder name.\nzizavizerovo create: field projectName\n"},
        {{"--style", "macos", "--set", "projectName=Taken", "--set", "fourCharProductID=A"},
         "Could not copy the basis directory to destination.\n" + tmp.str() +
             "/Taken\nzizavizerovo create: field projectName\n"},
        {{"--style", "macos", "--set", "projectName=X", "--set", "fourCharProductID=A", "--folder", tmp / "missing"},
         "Could not copy the basis directory to destination.\n" + tmp.str() +
             "/missing/X\nzizavizerovo create: the folder " + tmp.str() +
             "/missing does not exist\nzizavizerovo create: field projectFolderPath\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--folder", tmp.str()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome r = create(tmp, args);
        EXPECT_EQ(r.exitCode, 1) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(entriesIn(tmp.str()), 1);  // only "Taken": nothing else was made
    EXPECT_TRUE(fs::is_empty(tmp / "Taken"));
}

TEST(CreateCli, UsageErrorsNameTheirCause)
{
    Temp tmp;
    struct Case {
        std::vector<std::string> args;
        std::string mention;
    } cases[] = {
        {{"--set", "nosuchField=1"}, "nosuchField"},
        {{"--set", "latencyInSamples=abc"}, "latencyInSamples"},
        {{"--set", "latencyInSamples=12abc"}, "latencyInSamples"},
        {{"--style", "windows", "--set", "blockSize=-5"}, "blockSize"},
        {{"--set", "tailTimeMsec=fast"}, "tailTimeMsec"},
        {{"--set", "synthPlugin=yes"}, "synthPlugin"},
        {{"--set", "aaxCagtegory=3"}, "aaxCagtegory"},
        {{"--style", "windows", "--set", "useTemplate=true"}, "useTemplate"},
        {{"--set", "novalue"}, "novalue"},
        {{"--style", "linux"}, "linux"},
        {{"--style"}, "--style"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--preset", tmp / "missing.json"}, "missing.json"},
        // A value the shell split at a blank, a code no page lets one type.
        {{"--set", "projectName=My", "Plugin"}, "unexpected word 'Plugin' (quote a value that holds blanks)"},
        {{"--set", "fourCharProductID=ABCDE"},
         "field 'fourCharProductID' takes one line of at most 4 characters without control characters, not 'ABCDE'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--folder", tmp.str()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome r = create(tmp, args);
        EXPECT_EQ(r.exitCode, 2) << c.mention;
        EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
    }
    EXPECT_EQ(entriesIn(tmp.str()), 0);
}

TEST(CreateCli, HelpListsEveryFieldWithTheStyleDefault)
{
    Temp tmp;
    const Outcome w = create(tmp, {"--style", "windows", "--help"});
    ASSERT_EQ(w.exitCode, 0);
    const Outcome m = create(tmp, {"--help", "--style", "macos"});
    ASSERT_EQ(m.exitCode, 0);
    for (const char* field :
         {"projectFolderPath", "projectName", "pluginName", "vendorName", "fourCharProductID", "fourCharAAXID",
          "fourCharVendorID", "vendorURL", "vendorEmail", "aaxPluginName", "aaxShortPluginName", "synthPlugin",
          "enableSidechain", "enableParamSmoothing", "smoothingTimeMsec", "tailTimeMsec", "infiniteTail",
          "linkFFTW", "universalAPI", "makeAAX", "makeVST", "makeAU", "includeFXObjects", "wantPTGRMeter",
          "enableSAAVST3", "saaGranulatity", "latencyInSamples", "aaxCagtegory", "processFrames", "blockSize"}) {
        EXPECT_NE(w.out.find(std::string("  ") + field + " "), std::string::npos) << field;
        EXPECT_NE(m.out.find(std::string("  ") + field + " "), std::string::npos) << field;
    }
    EXPECT_EQ(w.out.find("useTemplate"), std::string::npos);
    EXPECT_NE(m.out.find("useTemplate"), std::string::npos);
    EXPECT_NE(w.out.find("\"NewZezureProject\""), std::string::npos);
    EXPECT_NE(m.out.find("\"NewZezurePlugin\""), std::string::npos);
    EXPECT_NE(w.out.find("\"My Company\""), std::string::npos);
    // Nothing remembered: the project folder is the working folder, and
    // --help says so.
    EXPECT_NE(w.out.find("\"" + fs::current_path().string() + "\"  (the working folder)"), std::string::npos) << w.out;
    EXPECT_NE(m.out.find("\"" + fs::current_path().string() + "/\"  (the working folder)"), std::string::npos) << m.out;
    EXPECT_NE(m.out.find("\"My Company\"  (nothing remembered yet)"), std::string::npos) << m.out;
    // The names the record misspells have their right spelling too.
    EXPECT_NE(w.out.find("  aaxCategory            (another name of aaxCagtegory)\n"), std::string::npos);
}

TEST(CreateCli, WithoutAFolderTheProjectGoesIntoTheWorkingFolder)
{
    // With neither --folder nor --template nor a remembered folder the project
    // lands in the working folder (both styles), made from the PluginTemplate
    // folder beside the program; a remembered folder wins.
    for (const std::string style : {"windows", "macos"}) {
        Temp tmp;
        zz::testing::Command command = zz::testing::toolCommand(
            tmp, {"create", "--style", style, "--set", "projectName=Here", "--set", "fourCharProductID=HeRe"});
        command.folder = tmp.str();
        const Outcome r = zz::testing::runProgram(command);
        ASSERT_EQ(r.exitCode, 0) << r;
        EXPECT_EQ(r.out, tmp / "Here" + "\n");
        EXPECT_TRUE(fs::is_regular_file(tmp / "Here/source/plugincore.h"));

        fs::create_directories(tmp / "remembered");
        const std::string folder = style == "macos" ? tmp / "remembered/" : tmp / "remembered";
        writeBytes(zz::testing::ownFile(tmp), "V\nCODE\nu\ne\n" + folder + "\n0\n");
        command.args = {"create", "--style", style, "--set", "projectName=There", "--set", "fourCharProductID=ThRe"};
        const Outcome again = zz::testing::runProgram(command);
        ASSERT_EQ(again.exitCode, 0) << again;
        EXPECT_EQ(again.out, tmp / "remembered/There" + "\n");
    }
}

TEST(CreateCli, NumbersAreReadAsTheStylesPageReadsThem)
{
    Temp tmp;
    struct Case {
        const char* style;
        const char* assignment;
        const char* key;
        const char* expected;
    } cases[] = {
        {"windows", "latencyInSamples= 12 ", "ZZ_LATENCY_SAMPLES", "12"},
        {"windows", "latencyInSamples=", "ZZ_LATENCY_SAMPLES", "0"},           // an empty edit reads as 0
        {"windows", "saaGranulatity=99999999999", "ZZ_SAA_GRANULARITY", "2147483647"},
        {"windows", "tailTimeMsec=", "ZZ_TAIL_TIME_MSEC", "0.000000"},
        {"windows", "tailTimeMsec=1000.3", "ZZ_TAIL_TIME_MSEC", "1000.300000"},
        {"windows", "blockSize=0096", "ZZ_BLOCK_SIZE", "96"},
        {"macos", "tailTimeMsec=1000.3", "ZZ_TAIL_TIME_MSEC", "1000.299987792969"},  // single precision
        {"macos", "tailTimeMsec= 250 ", "ZZ_TAIL_TIME_MSEC", "250"},
        {"macos", "latencyInSamples=-3", "ZZ_LATENCY_SAMPLES", "0"},
        {"macos", "saaGranulatity=7.99", "ZZ_SAA_GRANULARITY", "7"},
        {"macos", "blockSize=2.7", "ZZ_BLOCK_SIZE", "2"},                      // intValue
        {"macos", "blockSize=-5", "ZZ_PROCESS_BUFFERS", "TRUE"},              // a negative size reads as 0
        {"windows", "aaxCagtegory=Reverb", "ZZ_AAX_CATEGORY", "8"},
        {"macos", "aaxCagtegory=4096", "ZZ_AAX_CATEGORY", "4096"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "N" + std::to_string(n++);
        const Outcome r = create(tmp, {"--style", c.style, "--folder", tmp.str(), "--set", "projectName=" + name,
                                      "--set", "fourCharProductID=NumP", "--set", "processFrames=false",
                                      "--set", "blockSize=64", "--set", c.assignment});
        ASSERT_EQ(r.exitCode, 0) << c.assignment << ": " << r.err;
        EXPECT_EQ(setting(readBytes(tmp / name + "/CMakeLists.txt"), c.key), c.expected)
            << c.style << " " << c.assignment;
    }
}
