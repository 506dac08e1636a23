// zizavizerovo code --table: a whole parameter table at once, run for real.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace {

using namespace zz::testing;

class CodeTable : public ::testing::Test {
protected:
    Outcome run(const std::string& table, std::vector<std::string> options)
    {
        writeBytes(dir / "table.json", table);
        options.insert(options.begin(), {"code", "--table", dir / "table.json"});
        return runTool(dir, options);
    }
    std::string tablePath() const { return dir / "table.json"; }

    TempFolder dir;
};

const std::string kTable = R"([
  {"controlID": "kGain", "controlName": "Gain", "controlUnits": "dB", "minValue": -60, "maxValue": 12},
  {"controlID": "kBypass", "controlName": "Bypass", "controlType": 1, "onfOffDefOFF": false},
  {"controlID": "kMode", "controlName": "Mode", "controlType": 2, "multiStringList": "Slow, Fast",
   "defaultMultiStringIndex": 1, "commentString": "speed", "boundVariableName": "mode"}
])";

TEST_F(CodeTable, EachEntryOnTheStartValuesOneEmptyLineBetween)
{
    const Outcome r = run(kTable, {"--style", "windows"});
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "\tpiParam = new PluginParameter(kGain, \"Gain\", \"dB\", controlVariableType::kDouble, -60.000000, "
              "12.000000, 0.000000, taper::kLinearTaper);\n"
              "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n"
              "\taddPluginParameter(piParam);\n"
              "\n"
              "\tpiParam = new PluginParameter(kBypass, \"Bypass\", \"OFF, ON\", \" ON\");\n"
              "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kInt);\n"
              "\taddPluginParameter(piParam);\n"
              "\n"
              "/* speed */ \n\n"
              "\tpiParam = new PluginParameter(kMode, \"Mode\", \"Slow, Fast\", \" Fast\");\n"
              "\tpiParam->setBoundVariable(&mode, boundVariableType::kInt);\n"
              "\taddPluginParameter(piParam);\n"
              "\n");

    const Outcome var = run(kTable, {"--style", "windows", "--var"});
    EXPECT_EQ(var.exitCode, 0) << var;
    EXPECT_EQ(var.out,
              "\tdouble myBoundVar = 0.00000000;\n\n"
              "\tint myBoundVar = 1;\nenum class myBoundVarEnum { OFF, ON };\n\n"
              "\tint mode = 1;\nenum class modeEnum { Slow, Fast };\n\n");

    // Declarations need no controlID: blank ones are no identifiers, so none
    // is used twice.
    const Outcome blanks = run(R"([{"controlID": "", "enableVariableBinding": true, "boundVariableName": "a"},
                                   {"controlID": " ", "enableVariableBinding": true, "boundVariableName": "b"},
                                   {"controlID": "", "enableVariableBinding": true, "boundVariableName": "c"}])",
                               {"--style", "windows", "--var"});
    EXPECT_EQ(blanks.exitCode, 0) << blanks;
    EXPECT_EQ(blanks.out, "\tdouble a = 0.00000000;\n\n\tdouble b = 0.00000000;\n\n\tdouble c = 0.00000000;\n\n");
}

TEST_F(CodeTable, JsonHoldsOneFragmentArrayPerEntry)
{
    const Outcome r = run(R"([{"controlID": "1"}, {"controlID": "2", "controlName": "Peak", "controlType": 3}])",
                          {"--style", "macos", "--json"});
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.out,
              "[[\"\\tpiParam = new PluginParameter(1, \\\"Control\\\", \\\"\\\", controlVariableType::kDouble, "
              "0.000000, 1.000000, 0.000000, taper::kLinearTaper);\",\"\\taddPluginParameter(piParam);\",\"\\n\"],"
              "[\"\\tpiParam = new PluginParameter(2, \\\"Peak\\\", 10.00, 100.00, ENVELOPE_DETECT_MODE_PEAK, "
              "meterCal::kLinearMeter);\",\"\\tpiParam->setInvertedMeter(false);\",\"\\tpiParam->setIsProtoolsGRMeter("
              "false);\",\"\\taddPluginParameter(piParam);\",\"\\n\"]]\n");
    EXPECT_EQ(run("[]", {"--json"}).out, "[]\n");
    EXPECT_EQ(run("[]", {}).out, "");
}

TEST_F(CodeTable, TheFirstRefusedEntryStopsEverything)
{
    struct Case {
        std::string table;
        std::vector<std::string> options;
        std::string err;
    } cases[] = {
        {R"([{"controlID": "a"}, {"controlID": "b", "controlName": "Bypass", "controlType": 1,
             "offOnStringList": "OFF"}, {"controlID": ""}])",
         {"--style", "windows"},
         "entry 2 (Bypass): On-off string list must contain only two strings (e.g. ON, OFF)\n"},
        {R"([{"controlID": "a"}, {"controlID": "", "controlName": "NoId"}])", {"--style", "macos"},
         "entry 2 (NoId): The Control ID can not be empty.\n"},
        {R"([{"controlID": "1", "controlName": "A"}, {"controlID": "2", "controlName": "B"},
             {"controlID": " 1 ", "controlName": "C"}])",
         {"--style", "windows"}, "entry 3 (C): controlID 1 is already used by entry 1 (A).\n"},
        {R"([{"controlID": "1", "controlName": "A", "enableVariableBinding": true},
             {"controlID": "2", "controlName": "B"}])",
         {"--style", "macos", "--var"}, "entry 2 (B): Variable binding is not enabled.\n"},
        {R"([{"controlID": "7", "controlType": 9, "controlName": "X"}])", {"--style", "windows"},
         "entry 1 (X): The control type must be 0, 1, 2 or 3, not 9.\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.table, c.options);
        EXPECT_EQ(r.exitCode, 1) << r;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CodeTable, ATableThatIsNoTableIsAUsageError)
{
    struct Case {
        std::string table;
        std::string what;  // after "zizavizerovo code: table PATH: "
    } cases[] = {
        {R"({"controlID": "1"})", "a table must be a JSON array of objects (at byte 0)"},
        {R"([{"controlID": "1"}, 5])", "entry 2 is not a JSON object"},
        {R"([{"controlID": "1"}, [1]])", "entry 2 is not a JSON object"},
        {R"([{"controlID": {"a": 1}}])", "entry 1: the value of \"controlID\" must be a string, a number or a boolean"},
        {R"([{"controlID": "1"}, {"controlNam": "x"}])", "entry 2: unknown field 'controlNam'"},
        {R"([{"controlID": "1", "maxValue": "1e400"}])", "entry 1: field 'maxValue' takes a finite number, not '1e400'"},
        {R"([{"controlID": "1", "maxValue": 1e400}])",
         "entry 1: the value of \"maxValue\": number overflow parsing '1e400'"},
        {R"([{"controlID": "1"})", "parse error at line 1, column 20: syntax error while parsing array - unexpected "
                                   "end of input; expected ']'"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.table, {"--style", "windows"});
        EXPECT_EQ(r.exitCode, 2) << c.table;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "zizavizerovo code: table " + tablePath() + ": " + c.what +
                             "\nRun 'zizavizerovo code --help' for the options.\n");
    }
    const Outcome mixed = run("[]", {"--set", "controlID=1"});
    EXPECT_EQ(mixed.exitCode, 2);
    EXPECT_EQ(mixed.err, "zizavizerovo code: --table describes every parameter itself: it takes no --preset, --set or "
                         "--comment\nRun 'zizavizerovo code --help' for the options.\n");
}

}  // namespace
