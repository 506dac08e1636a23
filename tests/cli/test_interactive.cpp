// zizavizerovo create --interactive, answered on a pseudo-terminal as a person
// would answer it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "cli_run.h"
#include "terminal.h"

namespace {

using namespace zz::testing;

// The tool on a terminal, with its own settings file kept inside `dir`.
Command toolOnTerminal(const TempFolder& dir, const std::vector<std::string>& args)
{
    Command command = toolCommand(dir, args);
    command.deadline = std::chrono::seconds(30);
    return command;
}

// The answers for the Windows fields in the order create --help lists them;
// an empty answer keeps the value in brackets.
struct Step {
    std::string prompt;
    std::string answer;
    std::string reason = {};  // the reason a refused answer is asked again for
};

TEST(Interactive, AsksForEachFieldThenConfirms)
{
    TempFolder dir;
    Terminal t(toolOnTerminal(dir, {"create", "--interactive", "--style", "windows", "--folder", dir.str()}));
    const std::vector<Step> steps = {
        {"projectFolderPath [" + dir.str() + "]: ", ""},
        {"projectName [NewZezureProject]: ", "Asked"},
        {"pluginName [Asked]: ", ""},  // derived from the name typed just before
        {"vendorName [My Company]: ", "Asking Audio"},
        {"fourCharProductID [PLuG]: ", "AskP"},
        {"fourCharAAXID [diro]: ", ""},
        {"fourCharVendorID [DIRO]: ", ""},
        {"vendorURL [https://www.example.com]: ", ""},
        {"vendorEmail [support@example.com]: ", ""},
        {"aaxPluginName [Asked]: ", ""},
        {"aaxShortPluginName [Asked]: ", ""},
        {"synthPlugin [false]: ", "maybe", "  field 'synthPlugin' takes true, false, 1 or 0, not 'maybe'\r\n"},
        {"synthPlugin [false]: ", "n"},
        {"enableSidechain [false]: ", "Y"},
        {"enableParamSmoothing [false]: ", ""},
        {"smoothingTimeMsec [20.00]: ", ""},
        {"tailTimeMsec [0.00]: ", "-5", "  field 'tailTimeMsec' takes a finite unsigned decimal number, not '-5'\r\n"},
        {"tailTimeMsec [0.00]: ", "250"},
        {"infiniteTail [false]: ", ""},
        {"linkFFTW [false]: ", ""},
        {"universalAPI [false]: ", ""},
        {"makeAAX [true]: ", ""},
        {"makeVST [false]: ", ""},
        {"makeAU [false]: ", ""},
        {"includeFXObjects [false]: ", ""},
        {"wantPTGRMeter [false]: ", ""},
        {"enableSAAVST3 [false]: ", ""},
        {"saaGranulatity [1]: ", ""},
        {"latencyInSamples [0]: ", "3"},
        {"aaxCagtegory [0 (None)]: ", "Reverb"},
        {"processFrames [true]: ", "no"},
        {"blockSize [64]: ", "abc", "  field 'blockSize' takes digits only, not 'abc'\r\n"},
        {"blockSize [64]: ", "128"},
    };
    for (const Step& s : steps) {
        ASSERT_TRUE(t.expect(s.prompt)) << "waiting for " << s.prompt << "\n" << t.transcript();
        t.type(s.answer);
        if (!s.reason.empty()) {
            ASSERT_TRUE(t.expect(s.reason)) << t.transcript();
        }
    }
    ASSERT_TRUE(t.expect("destination: " + (dir / "Asked") + "\r\n")) << t.transcript();
    ASSERT_TRUE(t.expect("  aaxCagtegory: 8 (Reverb)\r\n")) << t.transcript();
    ASSERT_TRUE(t.expect("Save these answers as a preset? File name (Enter for none): ")) << t.transcript();
    t.type(dir / "asked.json");
    ASSERT_TRUE(t.expect("  saved to " + (dir / "asked.json") + "\r\n")) << t.transcript();
    ASSERT_TRUE(t.expect("Create? [y/N] ")) << t.transcript();
    t.type("y");
    EXPECT_EQ(t.finish().exitCode, 0) << t.transcript();
    EXPECT_NE(readBytes(dir / "asked.json").find("\"vendorName\": \"Asking Audio\""), std::string::npos);
    const std::string cmake = readBytes(dir / "Asked/CMakeLists.txt");
    for (const char* line : {"set(ZZ_VENDOR_NAME \"Asking Audio\")", "set(ZZ_FOUR_CHAR_CODE \"AskP\")",
                             "set(ZZ_AAX_SIDECHAIN TRUE)", "set(ZZ_TAIL_TIME_MSEC 250.000000)",
                             "set(ZZ_AAX_CATEGORY 8)", "set(ZZ_BLOCK_SIZE 128)", "set(ZZ_LATENCY_SAMPLES 3)"}) {
        EXPECT_NE(cmake.find(line), std::string::npos) << line;
    }
}

TEST(Interactive, AnythingButYesCreatesNothing)
{
    TempFolder dir;
    Terminal t(toolOnTerminal(dir, {"create", "--interactive", "--style", "macos", "--folder", dir.str(), "--set",
                                    "projectName=NotMade", "--set", "fourCharProductID=NotP"}));
    ASSERT_TRUE(t.expect("projectFolderPath [" + dir.str() + "/]: ")) << t.transcript();
    for (int field = 0; field < 31; ++field) t.type("");  // every value kept
    t.type("");                                            // no preset
    ASSERT_TRUE(t.expect("Create? [y/N] ")) << t.transcript();
    t.type("yes please");
    EXPECT_EQ(t.finish().exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "NotMade"));
}

// A field the creation would refuse is asked again at once with the reason;
// a refusal of the whole creation goes back to the field it names.
TEST(Interactive, ARefusedFieldIsAskedAgain)
{
    TempFolder dir;
    fs::create_directories(dir / "Taken");
    Terminal t(toolOnTerminal(dir, {"create", "--interactive", "--style", "macos", "--folder", dir.str()}));
    for (const char* answer : {"", "Taken", "", ""}) t.type(answer);  // folder, names, vendor
    ASSERT_TRUE(t.expect("fourCharProductID []: ")) << t.transcript();
    t.type("");
    ASSERT_TRUE(t.expect("  You must supply a plugin code!\r\nfourCharProductID []: ")) << t.transcript();
    t.type("TkNP");
    for (int field = 5; field < 31; ++field) t.type("");
    ASSERT_TRUE(t.expect("Could not copy the basis directory to destination.\r\n" + (dir / "Taken") +
                         "\r\nzizavizerovo create: field projectName\r\nprojectName [Taken]: "))
        << t.transcript();
    t.type("Fresh");
    t.type("");  // no preset
    ASSERT_TRUE(t.expect("Create? [y/N] ")) << t.transcript();
    t.type("y");
    EXPECT_EQ(t.finish().exitCode, 0) << t.transcript();
    EXPECT_NE(readBytes(dir / "Fresh/CMakeLists.txt").find("set(ZZ_PLUGIN_NAME \"Fresh\")"), std::string::npos);
}

TEST(Interactive, WithoutATerminalIsAUsageError)
{
    TempFolder dir;
    const Outcome r = runTool(dir, {"create", "--interactive", "--folder", dir.str()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "zizavizerovo create: --interactive asks on a terminal: standard input is none\n"
                     "Run 'zizavizerovo create --help' for the options.\n");
}

}  // namespace
