// Runs the real zizavizerovo program's code command.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_run.h"

namespace fs = std::filesystem;

namespace {

using zz::testing::Outcome;

class CodeCommand : public ::testing::Test {
protected:
    Outcome run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "code");
        return zz::testing::runTool(dir_, args);
    }

    zz::testing::TempFolder dir_;
};

const std::string kExampleA =
    "\tpiParam = new PluginParameter(0, \"Control\", \"\", controlVariableType::kDouble, 0.000000, 1.000000, "
    "0.000000, taper::kLinearTaper);\n"
    "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n"
    "\taddPluginParameter(piParam);\n"
    "\n";

}  // namespace

TEST_F(CodeCommand, WindowsDefaultsPrintExampleA)
{
    const Outcome r = run({"--style", "windows"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, kExampleA);
    EXPECT_EQ(r.err, "");
}

TEST_F(CodeCommand, MacDefaultsWithIdentifierAsJson)
{
    const Outcome r = run({"--style", "macos", "--set", "controlID=1", "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "[\"\\tpiParam = new PluginParameter(1, \\\"Control\\\", \\\"\\\", controlVariableType::kDouble, "
              "0.000000, 1.000000, 0.000000, taper::kLinearTaper);\",\"\\taddPluginParameter(piParam);\",\"\\n\"]\n");
    // As text each fragment (a pasteboard item) is a line of its own.
    EXPECT_EQ(run({"--style", "macos", "--set", "controlID=1"}).out,
              "\tpiParam = new PluginParameter(1, \"Control\", \"\", controlVariableType::kDouble, 0.000000, 1.000000, "
              "0.000000, taper::kLinearTaper);\n\taddPluginParameter(piParam);\n\n");
}

TEST_F(CodeCommand, WindowsCommentKeepsCarriageReturns)
{
    const Outcome r = run({"--style", "windows", "--comment", "Gain\r\nmain knob", "--set",
                       "includePIParamDeclaration=1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\tPluginParameter* piParam = nullptr;\n\n/* Gain\r\n\tmain knob */ \n\n" + kExampleA);
}

TEST_F(CodeCommand, FieldsAreReadAsTheStylesPageReadsThem)
{
    const Outcome win = run({"--style", "windows", "--set", "maxValue=2000", "--set", "defValue= 1000.3xyz"});
    EXPECT_EQ(win.exitCode, 0);
    EXPECT_NE(win.out.find(", 2000.000000, 1000.300000, "), std::string::npos) << win.out;
    const Outcome mac = run({"--style", "macos", "--set", "controlID=1", "--set", "maxValue=2000", "--set",
                         "defValue=1000.3"});
    EXPECT_EQ(mac.exitCode, 0);
    EXPECT_NE(mac.out.find(", 2000.000000, 1000.299988, "), std::string::npos) << mac.out;
    const Outcome var = run({"--style", "macos", "--var", "--set", "enableVariableBinding=true", "--set",
                         "boundVarDataType=2", "--set", "defValue=2.7"});
    EXPECT_EQ(var.exitCode, 0);
    EXPECT_EQ(var.out, "\tint myBoundVar = 2;\n");
}

TEST_F(CodeCommand, PresetThenSetsInOrder)
{
    const fs::path preset = dir_ / "p.json";
    std::ofstream(preset) << R"({"controlType": 2, "multiStringList": "A,B,C", "defaultMultiStringIndex": 1,
                                "controlID": "kMode", "enableVariableBinding": false})";
    const Outcome r = run({"--set", "defaultMultiStringIndex=2", "--preset", preset.string(), "--style", "windows"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\tpiParam = new PluginParameter(kMode, \"Control\", \"A,B,C\", \"C\");\n"
                     "\taddPluginParameter(piParam);\n\n");
}

TEST_F(CodeCommand, DeclarationWithVar)
{
    const Outcome win = run({"--style", "windows", "--var", "--set", "controlType=1", "--set", "controlID="});
    EXPECT_EQ(win.exitCode, 0);
    EXPECT_EQ(win.out, "\tint myBoundVar = 0;\nenum class myBoundVarEnum { OFF, ON };\n\n");
    const Outcome json = run({"--style", "macos", "--var", "--json", "--set", "controlType=1", "--set",
                          "enableVariableBinding=true"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "[\"\\tint myBoundVar = 0;\",\"\\tenum class myBoundVarEnum { OFF,ON };\\n\"]\n");
}

TEST_F(CodeCommand, RefusalsGoToStderrWithExitOne)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--style", "macos"}, "The Control ID can not be empty."},
        {{"--style", "windows", "--set", "maxValue=0"}, "The max value must be greater than the min value."},
        {{"--style", "windows", "--set", "controlType=1", "--set", "offOnStringList=A"},
         "On-off string list must contain only two strings (e.g. ON, OFF)"},
        {{"--style", "macos", "--set", "controlID=1", "--set", "controlType=1", "--set", "offOnStringList=A"},
         "On-off string list must contain only two strings (e.g. ON, OFF)."},
        {{"--style", "macos", "--set", "controlID=1", "--set", "controlType=2", "--set", "defaultMultiStringIndex=-1"},
         "Multi-string default index is out of bounds."},
        {{"--style", "macos", "--var"}, "Variable binding is not enabled."},
        {{"--style", "windows", "--var", "--set", "enableVariableBinding=false"}, "Variable binding is not enabled."},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--style", "windows", "--set", "controlType=4"},
          std::vector<std::string>{"--style", "windows", "--var", "--set", "controlType=4294967295"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CodeCommand, UsageErrorsExitTwo)
{
    const fs::path bad = dir_ / "bad.json";
    std::ofstream(bad) << "{\"controlID\": ";
    const std::vector<std::vector<std::string>> cases = {
        {"--style", "linux"},
        {"--style"},
        {"--set", "controlID"},
        {"--set", "noSuchField=1"},
        {"--set", "controlTaper=-1"},
        {"--set", "controlTaper=4294967296"},
        {"--set", "invertedMeter=maybe"},
        {"--preset", dir_ / "missing.json"},
        {"--preset", bad.string()},
        {"--frobnicate"},
        {"--var=1"},
    };
    for (const auto& args : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

TEST_F(CodeCommand, HelpListsTheFields)
{
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* field : {"controlID", "offOnStringList", "onfOffDefOFF", "controlType", "boundVarDataType",
                              "meterCal", "enableParamSmoothing", "smoothingTimeMsec", "defaultMultiStringIndex"})
        EXPECT_NE(r.out.find(field), std::string::npos) << field;
    // Enumerations say which values their page offers; a right spelling is another name.
    for (const char* line : {"0 / 0  (enumeration, 0..3)\n", "(enumeration, windows 0..2, macos 0..3)\n",
                             "  onOffDefOFF  (another name of onfOffDefOFF)\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_EQ(run({"--style", "macos", "--set", "controlType=1", "--set", "controlID=k", "--set", "onOffDefOFF=0"}).out,
              "\tpiParam = new PluginParameter(k, \"Control\", \"OFF,ON\", \"ON\");\n\taddPluginParameter(piParam);\n\n");
}
