#include <clocale>
#include <functional>
#include <locale>

#include <gtest/gtest.h>

#include "coder/coderfields.h"
#include "coder/paramcode.h"

using namespace zz;
using F = Fragments;

namespace {

const Deliverable W = Deliverable::windows;
const Deliverable M = Deliverable::mac;

// The macOS page's defaults with identifier 1 typed in.
Zizudavuveva macWithId()
{
    Zizudavuveva r = pageDefaults(M);
    r.controlID = "1";
    return r;
}

struct CodeCase {
    const char* name;
    Deliverable deliverable;
    std::function<void(Zizudavuveva&)> change;
    const char* comment;
    F expected;
};

const std::string kCtorA = "\tpiParam = new PluginParameter(0, \"Control\", \"\", controlVariableType::kDouble, "
                           "0.000000, 1.000000, 0.000000, taper::kLinearTaper);\n";
const std::string kCtorF = "\tpiParam = new PluginParameter(1, \"Control\", \"\", controlVariableType::kDouble, "
                           "0.000000, 1.000000, 0.000000, taper::kLinearTaper);";

void runCases(const std::vector<CodeCase>& cases)
{
    for (const auto& c : cases) {
        Zizudavuveva r = c.deliverable == W ? windowsDefKontrol() : macWithId();
        c.change(r);
        const CodeResult result = makeParameterCode(r, c.comment, c.deliverable);
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result.fragments, c.expected) << c.name;
    }
}

}  // namespace

TEST(ParameterCode, WorkedExamples)
{
    const std::vector<CodeCase> cases = {
        {"A windows defaults", W, [](Zizudavuveva&) {}, "",
         {kCtorA, "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n",
          "\taddPluginParameter(piParam);\n", "\n"}},
        {"B windows switch default OFF", W, [](Zizudavuveva& r) { r.controlType = 1; }, "",
         {"\tpiParam = new PluginParameter(0, \"Control\", \"OFF, ON\", \"OFF\");\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kInt);\n", "\taddPluginParameter(piParam);\n",
          "\n"}},
        {"B windows switch default ON", W,
         [](Zizudavuveva& r) {
             r.controlType = 1;
             r.onfOffDefOFF = false;
         },
         "",
         {"\tpiParam = new PluginParameter(0, \"Control\", \"OFF, ON\", \" ON\");\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kInt);\n", "\taddPluginParameter(piParam);\n",
          "\n"}},
        {"C windows multi", W, [](Zizudavuveva& r) { r.controlType = 2; }, "",
         {"\tpiParam = new PluginParameter(0, \"Control\", \"SEL1, SEL2, SEL3\", \"SEL1\");\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kInt);\n", "\taddPluginParameter(piParam);\n",
          "\n"}},
        {"D windows meter", W, [](Zizudavuveva& r) { r.controlType = 3; }, "",
         {"\tpiParam = new PluginParameter(0, \"Control\", 10.00, 100.00, ENVELOPE_DETECT_MODE_PEAK, "
          "meterCal::kLinearMeter);\n",
          "\tpiParam->setInvertedMeter(false);\n", "\tpiParam->setIsProtoolsGRMeter(false);\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kFloat);\n", "\taddPluginParameter(piParam);\n",
          "\n"}},
        {"E windows declaration, comment, smoothing", W,
         [](Zizudavuveva& r) {
             r.includePIParamDeclaration = true;
             r.enableParamSmoothing = true;
             r.smoothingTimeMsec = 20.0;
         },
         "Gain\r\nmain knob",
         {"\tPluginParameter* piParam = nullptr;\n\n", "/* Gain\r\n\tmain knob */ \n\n", kCtorA,
          "\tpiParam->setParameterSmoothing(true);\n\tpiParam->setSmoothingTimeMsec(20.000000);\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n", "\taddPluginParameter(piParam);\n",
          "\n"}},
        {"F macOS defaults", M, [](Zizudavuveva&) {}, "", {kCtorF, "\taddPluginParameter(piParam);", "\n"}},
        {"F macOS everything on", M,
         [](Zizudavuveva& r) {
             r.includePIParamDeclaration = true;
             r.enableVariableBinding = true;
             r.enableParamSmoothing = true;
         },
         "Gain",
         {"\tPluginParameter* piParam = nullptr;\n", "/* Gain*/ ", kCtorF,
          "\tpiParam->setParameterSmoothing(true);\n\tpiParam->setSmoothingTimeMsec(20.000000);",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);", "\taddPluginParameter(piParam);",
          "\n"}},
        {"G macOS switch", M, [](Zizudavuveva& r) { r.controlType = 1; }, "",
         {"\tpiParam = new PluginParameter(1, \"Control\", \"OFF,ON\", \"OFF\");", "\taddPluginParameter(piParam);",
          "\n"}},
    };
    runCases(cases);
}

TEST(ParameterCode, EdgeCases)
{
    const std::string reg = "\taddPluginParameter(piParam);\n";
    const std::vector<CodeCase> cases = {
        {"smoothing without binding", W,
         [](Zizudavuveva& r) {
             r.enableVariableBinding = false;
             r.enableParamSmoothing = true;
             r.smoothingTimeMsec = 12.5;
         },
         "",
         {kCtorA, "\tpiParam->setParameterSmoothing(true);\n\tpiParam->setSmoothingTimeMsec(12.500000);\n", reg,
          "\n"}},
        {"switch never smooths", W,
         [](Zizudavuveva& r) {
             r.controlType = 1;
             r.enableParamSmoothing = true;
             r.enableVariableBinding = false;
         },
         "", {"\tpiParam = new PluginParameter(0, \"Control\", \"OFF, ON\", \"OFF\");\n", reg, "\n"}},
        {"meter options on, float binding whatever the type", W,
         [](Zizudavuveva& r) {
             r.controlType = 3;
             r.invertedMeter = r.proToolsGainMeter = true;
             r.enableParamSmoothing = true;
             r.boundVarDataType = 2;
             r.attackTime = 0.125;
             r.releaseTime = -3;
             r.meterDetector = 2;
             r.meterCal = 1;
         },
         "",
         {"\tpiParam = new PluginParameter(0, \"Control\", 0.12, -3.00, ENVELOPE_DETECT_MODE_RMS, "
          "meterCal::kLogMeter);\n",
          "\tpiParam->setInvertedMeter(true);\n", "\tpiParam->setIsProtoolsGRMeter(true);\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kFloat);\n", reg, "\n"}},
        {"multi index 2 keeps its blank", W,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.defaultMultiStringIndex = 2;
             r.boundVarDataType = 0;
         },
         "",
         {"\tpiParam = new PluginParameter(0, \"Control\", \"SEL1, SEL2, SEL3\", \" SEL3\");\n",
          "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kInt);\n", reg, "\n"}},
        {"macOS multi index 2", M,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.defaultMultiStringIndex = 2;
         },
         "",
         {"\tpiParam = new PluginParameter(1, \"Control\", \"SEL1,SEL2,SEL3\", \"SEL3\");",
          "\taddPluginParameter(piParam);", "\n"}},
        {"quotes unescaped, negative limits, rounding, no taper", W,
         [](Zizudavuveva& r) {
             r.controlName = "Say \"Hi\"";
             r.controlUnits = "dB";
             r.controlID = "kGain";
             r.minValue = -1;
             r.defValue = 0.123456789;
             r.controlTaper = 0xFFFFFFFFu;
             r.controlDataType = 2;
             r.boundVarDataType = 7;
         },
         "",
         {"\tpiParam = new PluginParameter(kGain, \"Say \"Hi\"\", \"dB\", controlVariableType::kInt, -1.000000, "
          "1.000000, 0.123457, );\n",
          "\tpiParam->setBoundVariable(&myBoundVar, );\n", reg, "\n"}},
        {"comment ending in a line break", W, [](Zizudavuveva&) {}, "Gain\r\n",
         {"/* Gain\r\n\t */ \n\n", kCtorA, "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n",
          reg, "\n"}},
        {"macOS comment unchanged", M, [](Zizudavuveva&) {}, "a\nb",
         {"/* a\nb*/ ", kCtorF, "\taddPluginParameter(piParam);", "\n"}},
        {"huge limits written in full", W,
         [](Zizudavuveva& r) {
             r.maxValue = 1e21;
             r.enableVariableBinding = false;
         },
         "",
         {"\tpiParam = new PluginParameter(0, \"Control\", \"\", controlVariableType::kDouble, 0.000000, "
          "1000000000000000000000.000000, 0.000000, taper::kLinearTaper);\n",
          reg, "\n"}},
    };
    runCases(cases);
}

TEST(ParameterCode, UnknownControlTypeIsRefusedQuietly)
{
    Zizudavuveva r = windowsDefKontrol();
    r.controlType = 4;
    const CodeResult result = makeParameterCode(r, "", W);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "");
    EXPECT_TRUE(result.fragments.empty());
}

TEST(ParameterCode, CommaDecimalLocaleStillWritesFullStops)
{
    const char* installed = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_ALL, name)) {
            installed = name;
            break;
        }
    if (!installed) GTEST_SKIP() << "no comma-decimal locale installed";
    std::locale::global(std::locale(installed));
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    Zizudavuveva r = windowsDefKontrol();
    r.includePIParamDeclaration = true;
    r.enableParamSmoothing = true;
    const std::string win = joinFragments(makeParameterCode(r, "", W).fragments);
    r.controlType = 3;
    const std::string meter = joinFragments(makeParameterCode(r, "", M).fragments);
    r.controlType = 0;
    r.defValue = 0.5;
    const std::string winVar = joinFragments(makeBoundVarCode(r, W).fragments);
    const std::string macVar = joinFragments(makeBoundVarCode(r, M).fragments);
    const double typed = readDecimalField(W, "12.5");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");

    EXPECT_NE(win.find("0.000000, 1.000000, 0.000000"), std::string::npos) << win;
    EXPECT_NE(win.find("setSmoothingTimeMsec(20.000000)"), std::string::npos) << win;
    EXPECT_NE(meter.find("10.00, 100.00"), std::string::npos) << meter;
    EXPECT_EQ(winVar, "\tdouble myBoundVar = 0.50000000;\n\n");
    EXPECT_EQ(macVar, "\tdouble myBoundVar = 0.500000;\n");
    EXPECT_EQ(typed, 12.5);
}
