#include "coder/paramcode.h"
#include "pagefixture.h"

namespace zz::mac::testing {
namespace {

using CoderPage = PageFixture;

TEST_F(CoderPage, StartsFromTheDefaultsWithFilledLists)
{
    loadPages();
    const struct {
        Outlet field;
        const char* text;
    } texts[] = {
        {Outlet::controlName, "Control"},       {Outlet::controlID, ""},
        {Outlet::onOffStringList, "OFF,ON"},    {Outlet::multiStringList, "SEL1,SEL2,SEL3"},
        {Outlet::boundVariableName, "myBoundVar"}, {Outlet::minValue, "0"},
        {Outlet::maxValue, "1"},                {Outlet::defaultValue, "0"},
        {Outlet::displayPrecision, "2"},        {Outlet::meterAttack, "10"},
        {Outlet::meterRelease, "100"},          {Outlet::defaultMultiStringIndex, "0"},
        {Outlet::controlTaperCombo, "Linear"},  {Outlet::controlDataCombo, "double"},
        {Outlet::boundVarDataypeCombo, "double"}, {Outlet::meterDetectCombo, "Peak"},
        {Outlet::meterCalCombo, "linear"},      {Outlet::textView, ""},
    };
    for (const auto& t : texts) EXPECT_EQ(outlets.text(t.field), t.text) << outletName(t.field);
    EXPECT_EQ(outlets.at(Outlet::boundVarDataypeCombo).items,
              (std::vector<std::string>{"float", "double", "int", "unsigned int"}));
    EXPECT_TRUE(outlets.isOn(Outlet::continuousControlButt));
    EXPECT_TRUE(outlets.isOn(Outlet::offOnDefOff));
    EXPECT_FALSE(outlets.isOn(Outlet::offOnDefOn));
    EXPECT_FALSE(outlets.isOn(Outlet::enableVarBinding));
    const auto& numeric = outlets.at(Outlet::displayPrecision).formatter;
    ASSERT_TRUE(numeric);
    for (Outlet field : {Outlet::meterAttack, Outlet::meterRelease, Outlet::defaultMultiStringIndex}) {
        EXPECT_EQ(outlets.at(field).formatter, numeric);
    }
    EXPECT_FALSE(outlets.at(Outlet::minValue).formatter);
    EXPECT_EQ(outlets.firstResponder, Outlet::controlName);
}

TEST_F(CoderPage, ResetBringsBackTheDefaultsButNotTheDeclarationBox)
{
    loadPages();
    outlets.type(Outlet::controlName, "Gain");
    outlets.type(Outlet::controlID, "7");
    outlets.type(Outlet::textView, "a comment");
    outlets.selectIndex(Outlet::controlTaperCombo, 2);
    outlets.click(Outlet::meterControlButt);
    outlets.click(Outlet::offOnDefOn);
    for (Outlet box : {Outlet::enableVarBinding, Outlet::invertedMeter, Outlet::proToolsGRMeter,
                       Outlet::includePIPDeclaration}) {
        outlets.click(box);
    }
    coderPage->parseControls();
    const Zizudavuveva parsed = coderPage->kontrol();

    coderPage->handleReset();
    EXPECT_EQ(outlets.text(Outlet::controlName), "Control");
    EXPECT_EQ(outlets.text(Outlet::controlID), "");
    EXPECT_EQ(outlets.text(Outlet::textView), "");
    EXPECT_EQ(outlets.text(Outlet::controlTaperCombo), "Linear");
    EXPECT_EQ(outlets.at(Outlet::controlTaperCombo).items.size(), 4u);
    EXPECT_TRUE(outlets.isOn(Outlet::continuousControlButt));
    EXPECT_FALSE(outlets.isOn(Outlet::meterControlButt));
    EXPECT_TRUE(outlets.isOn(Outlet::offOnDefOff));
    EXPECT_FALSE(outlets.isOn(Outlet::enableVarBinding));
    EXPECT_FALSE(outlets.isOn(Outlet::invertedMeter));
    EXPECT_FALSE(outlets.isOn(Outlet::proToolsGRMeter));
    EXPECT_TRUE(outlets.isOn(Outlet::includePIPDeclaration));
    // The working record waits for the next copy command.
    EXPECT_EQ(coderPage->kontrol(), parsed);
    EXPECT_EQ(coderPage->kontrol().controlName, "Gain");
}

TEST_F(CoderPage, ParseReadsNumbersAndTheUnsignedCuts)
{
    loadPages();
    outlets.type(Outlet::minValue, "20000.1");
    outlets.type(Outlet::maxValue, "  30000abc");
    outlets.type(Outlet::displayPrecision, "2.7");
    outlets.type(Outlet::meterAttack, "0.1");
    outlets.click(Outlet::meterControlButt);
    coderPage->parseControls();
    const Zizudavuveva& k = coderPage->kontrol();
    EXPECT_EQ(k.minValue, 20000.099609375);
    EXPECT_EQ(k.maxValue, 30000.0);
    EXPECT_EQ(k.displayPrecision, 2u);
    EXPECT_EQ(k.attackTime, static_cast<double>(0.1f));
    EXPECT_EQ(k.controlType, 3u);

    outlets.type(Outlet::displayPrecision, "-4");
    coderPage->parseControls();
    EXPECT_EQ(coderPage->kontrol().displayPrecision, 0u);  // a negative precision becomes 0

    // With no type button on, the control type stays as it was.
    outlets.setOn(Outlet::meterControlButt, false);
    coderPage->parseControls();
    EXPECT_EQ(coderPage->kontrol().controlType, 3u);
}

// The empty identifier text would leave code that does not compile: the
// check refuses it and the pasteboard stays as it was.
TEST_F(CoderPage, AComboWithoutSelectionGivesEmptyIdentifierText)
{
    loadPages();
    outlets.typeIntoCombo(Outlet::controlTaperCombo, "Exponential");
    outlets.type(Outlet::controlID, "1");
    coderPage->parseControls();
    EXPECT_EQ(stringForControlTaper(coderPage->kontrol()), "");
    coderPage->copyCodeClipboard();
    EXPECT_EQ(services.pasteboardWrites, 0);
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "The control taper must be one of the listed items.");
}

TEST_F(CoderPage, ANegativeDefaultIndexIsRefusedAsOutOfBounds)
{
    loadPages();
    outlets.type(Outlet::controlID, "1");
    outlets.click(Outlet::multiStringControlButt);
    outlets.type(Outlet::defaultMultiStringIndex, "-1");
    coderPage->copyCodeClipboard();
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "Multi-string default index is out of bounds.");
    EXPECT_EQ(services.pasteboard, std::vector<std::string>{"(earlier contents)"});
}

TEST_F(CoderPage, CopyCodeChecksFirstAndLeavesThePasteboardOnRefusal)
{
    loadPages();
    coderPage->copyCodeClipboard();  // the defaults have no control ID
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "The Control ID can not be empty.");
    EXPECT_EQ(services.alerts[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(services.alerts[0].style, AlertStyle::warning);
    EXPECT_EQ(services.pasteboardWrites, 0);
}

TEST_F(CoderPage, CopyCodeWritesOneItemPerFragmentWithTheLastHandedOverSmoothing)
{
    loadPages();
    outlets.type(Outlet::controlID, "1");
    outlets.type(Outlet::textView, "line one\nline two");
    coderPage->copyCodeClipboard();
    ASSERT_EQ(services.pasteboardWrites, 1);
    EXPECT_FALSE(coderPage->kontrol().enableParamSmoothing);  // nothing handed over yet: NO and 20.0
    EXPECT_EQ(coderPage->kontrol().smoothingTimeMsec, 20.0);
    const std::string constructor = "\tpiParam = new PluginParameter(1, \"Control\", \"\", controlVariableType::kDouble, "
                                    "0.000000, 1.000000, 0.000000, taper::kLinearTaper);";
    EXPECT_EQ(services.pasteboard, (std::vector<std::string>{"/* line one\nline two*/ ", constructor,
                                                             "\taddPluginParameter(piParam);", "\n"}));
    EXPECT_EQ(services.pasteboard.front(), "/* line one\nline two*/ ");

    // The declaration box ticked: the declaration comes first.
    outlets.click(Outlet::includePIPDeclaration);
    coderPage->copyCodeClipboard();
    EXPECT_EQ(services.pasteboard,
              (std::vector<std::string>{"\tPluginParameter* piParam = nullptr;\n", "/* line one\nline two*/ ",
                                        constructor, "\taddPluginParameter(piParam);", "\n"}));

    // The project page is left with smoothing on; the next copy takes it.
    outlets.click(Outlet::enableParameterSmoothing);
    outlets.type(Outlet::smoothingTime, "7.5");
    projectPage->viewWillDisappear();
    coderPage->copyCodeClipboard();
    EXPECT_TRUE(coderPage->kontrol().enableParamSmoothing);
    EXPECT_EQ(coderPage->kontrol().smoothingTimeMsec, 7.5);
    bool found = false;
    for (const auto& piece : services.pasteboard) {
        if (piece.find("setSmoothingTimeMsec(7.500000);") != std::string::npos) found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(CoderPage, CopyVariableNeedsBindingButNoChecks)
{
    loadPages();
    coderPage->copyBoundVarClipboard();
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "Variable binding is not enabled.");
    EXPECT_EQ(services.pasteboardWrites, 0);

    outlets.click(Outlet::enableVarBinding);  // the empty control ID does not matter here
    coderPage->copyBoundVarClipboard();
    EXPECT_EQ(services.alerts.size(), 1u);
    ASSERT_EQ(services.pasteboardWrites, 1);
    EXPECT_EQ(services.pasteboard, std::vector<std::string>{"\tdouble myBoundVar = 0.000000;\n"});
}

TEST_F(CoderPage, ExitHasTheProjectPageWriteTheSettingsFile)
{
    loadPages();
    outlets.type(Outlet::vendorName, "Typed But Not Parsed");
    coderPage->handleExit();
    EXPECT_EQ(services.exitStatus, 0);
    // Written from the record as last parsed: the typed vendor is not in it.
    EXPECT_EQ(readBytes(settingsFile()).substr(0, 11), "My Company\n");
}

TEST_F(CoderPage, ExitWithoutAProjectPageWritesNothing)
{
    coderPage = std::make_unique<ControlCoderPage>(outlets, services, shared);
    coderPage->viewDidLoad();
    coderPage->handleExit();
    EXPECT_EQ(services.exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
}

// Past single precision a typed number reads as infinite: refused before any
// code is made, the smoothing time handed over from the project page too.
TEST_F(CoderPage, NumbersThatReadAsInfiniteAreRefused)
{
    loadPages();
    outlets.type(Outlet::controlID, "1");
    outlets.type(Outlet::maxValue, "1e39");
    coderPage->copyCodeClipboard();
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "The max value must be a finite number.");
    EXPECT_EQ(services.pasteboard, std::vector<std::string>{"(earlier contents)"});

    outlets.type(Outlet::maxValue, "1");
    outlets.click(Outlet::enableParameterSmoothing);
    outlets.type(Outlet::smoothingTime, "1e39");
    projectPage->viewWillDisappear();
    coderPage->copyCodeClipboard();
    ASSERT_EQ(services.alerts.size(), 2u);
    EXPECT_EQ(services.alerts[1].message, "The smoothing time must be a finite number.");
    EXPECT_EQ(services.pasteboard, std::vector<std::string>{"(earlier contents)"});
}

}  // namespace
}  // namespace zz::mac::testing

