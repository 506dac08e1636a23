// The control coder page: its form, the sheet's hand-over and the two
// clipboard commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "harness.h"
#include "resource.h"

namespace fs = std::filesystem;
using namespace zz;
using namespace zz::win;
using namespace zz::win::test;

namespace {

class CoderPageTest : public ::testing::Test {
protected:
    CoderPageTest() : run(root.str(), root.str())
    {
        run.open();
        run.platform.messages.clear();  // the settings file cannot be written here
        run.selectTab(1);
    }

    MemDialog& form() { return run.coderForm(); }
    ControlCoderPage& page() { return run.coderPage(); }

    // The form as the defaults show it.
    void expectDefaultForm()
    {
        MemDialog& f = form();
        const std::pair<int, std::string> texts[] = {
            {IDC_CONTROL_NAME, "Control"},   {IDC_CONTROL_ID, "0"},         {IDC_CONTROL_UNITS, ""},
            {IDC_MIN_VALUE, "0.00"},         {IDC_MAX_VALUE, "1.00"},       {IDC_DEF_VALUE, "0.00"},
            {IDC_DISPLAY_PRECISION, "2"},    {IDC_ONOFF_LIST, "OFF, ON"},   {IDC_MULTI_LIST, "SEL1, SEL2, SEL3"},
            {IDC_MULTI_DEFAULT_INDEX, "0"},  {IDC_ATTACK_TIME, "10.00"},    {IDC_RELEASE_TIME, "100.00"},
            {IDC_BOUND_VAR_NAME, "myBoundVar"}, {IDC_COMMENTS, ""},
            {IDC_CONTROL_TAPER, "Linear"},   {IDC_CONTROL_DATA_TYPE, "double"}, {IDC_BOUND_VAR_TYPE, "double"},
            {IDC_METER_DETECTOR, "Peak"},    {IDC_METER_CAL, "Linear"},
        };
        for (const auto& [id, text] : texts)
            EXPECT_EQ(f.text(id), text) << "control " << id;
        for (int id : {IDC_TYPE_CONTINUOUS, IDC_DEFAULT_OFF, IDC_ENABLE_BINDING})
            EXPECT_TRUE(f.checked(id)) << "control " << id;
        for (int id : {IDC_TYPE_ONOFF, IDC_TYPE_MULTI, IDC_TYPE_METER, IDC_DEFAULT_ON, IDC_INVERTED_METER,
                       IDC_PT_GAIN_METER, IDC_INCLUDE_DECLARATION})
            EXPECT_FALSE(f.checked(id)) << "control " << id;
    }

    // Types something into many fields, as a person filling the form.
    void scribble()
    {
        MemDialog& f = form();
        f.type(IDC_CONTROL_NAME, "Gain");
        f.type(IDC_CONTROL_ID, "kGain");
        f.type(IDC_MAX_VALUE, "12");
        f.type(IDC_COMMENTS, "a comment\r\nline two");
        f.click(IDC_TYPE_METER);
        f.click(IDC_DEFAULT_ON);
        f.click(IDC_INCLUDE_DECLARATION);
        f.choose(IDC_METER_CAL, 1);
    }

    TempFolder root;
    SheetRun run;
};

}  // namespace

TEST_F(CoderPageTest, OpensOnTheDefaultDescriptionWithItsLists)
{
    EXPECT_EQ(run.initResults, (std::vector<int>{1, 1}));
    expectDefaultForm();
    MemDialog& f = form();
    EXPECT_EQ(f.items(IDC_CONTROL_TAPER), (std::vector<std::string>{"Linear", "Log", "Anti-Log", "Volt/Octave"}));
    EXPECT_EQ(f.items(IDC_CONTROL_DATA_TYPE), (std::vector<std::string>{"float", "double", "integer"}));
    EXPECT_EQ(f.items(IDC_BOUND_VAR_TYPE), (std::vector<std::string>{"float", "double", "integer"}));
    EXPECT_EQ(f.items(IDC_METER_DETECTOR), (std::vector<std::string>{"Peak", "Mean-Square", "R.M.S."}));
    EXPECT_EQ(f.items(IDC_METER_CAL), (std::vector<std::string>{"Linear", "Logarithmic"}));
    EXPECT_EQ(f.items(IDC_CONTROL_TYPE_LIST),
              (std::vector<std::string>{"Continuous", "String-List: Off, On", "String-List: Multiple", "Meter"}));
    EXPECT_FALSE(f.visible(IDC_CONTROL_TYPE_LIST));
    EXPECT_FALSE(f.visible(IDC_TYPE_NON_BOUND));
}

TEST_F(CoderPageTest, ResetAndEveryReturnToThePageShowTheDefaultsAgain)
{
    scribble();
    form().click(IDC_RESET);
    expectDefaultForm();
    EXPECT_EQ(page().kontrol.commentString, "");

    scribble();
    run.selectTab(0);
    run.selectTab(1);
    expectDefaultForm();
}

TEST_F(CoderPageTest, EveryFieldStaysEditableWhateverTheTypeAndIsReadIntoTheRecord)
{
    MemDialog& f = form();
    f.click(IDC_TYPE_METER);
    f.click(IDC_ENABLE_BINDING);
    f.type(IDC_MIN_VALUE, "-3.5");
    f.type(IDC_MULTI_LIST, "A,,B");
    f.type(IDC_DISPLAY_PRECISION, "4");
    f.type(IDC_ATTACK_TIME, "2.25");
    f.choose(IDC_CONTROL_TAPER, 2);
    f.choose(IDC_METER_DETECTOR, 2);
    f.click(IDC_PT_GAIN_METER);
    f.setText(IDC_MULTI_DEFAULT_INDEX, " 7 ");  // pasted with blanks
    page().parseControls();
    const Zizudavuveva& k = page().kontrol;
    EXPECT_EQ(k.controlType, controltype::meter);
    EXPECT_FALSE(k.enableVariableBinding);
    EXPECT_DOUBLE_EQ(k.minValue, -3.5);
    EXPECT_EQ(k.multiStringList, "A,,B");
    EXPECT_EQ(k.displayPrecision, 4u);
    EXPECT_DOUBLE_EQ(k.attackTime, 2.25);
    EXPECT_EQ(k.controlTaper, 2u);
    EXPECT_EQ(k.meterDetector, 2u);
    EXPECT_TRUE(k.proToolsGainMeter);
    EXPECT_EQ(k.defaultMultiStringIndex, 7u);
    for (int id : {IDC_CONTROL_UNITS, IDC_ONOFF_LIST, IDC_DEFAULT_ON, IDC_BOUND_VAR_NAME, IDC_BOUND_VAR_TYPE})
        EXPECT_NO_THROW(f.requireUsable(id));
    // The defaults record is never changed by the form.
    EXPECT_EQ(page().defKontrol.controlName, "Control");
}

TEST_F(CoderPageTest, TheSheetHandsTheSmoothingSettingsOverOnEachActivation)
{
    run.selectTab(0);
    run.projectForm().click(IDC_PARAM_SMOOTHING);
    run.projectForm().type(IDC_SMOOTHING_TIME, "35");
    run.selectTab(1);
    for (const Zizudavuveva* record : {&page().defKontrol, &page().kontrol}) {
        EXPECT_TRUE(record->enableParamSmoothing);
        EXPECT_DOUBLE_EQ(record->smoothingTimeMsec, 35.0);
    }

    // A change on the project page counts from the next switch on.
    run.projectForm().setText(IDC_SMOOTHING_TIME, "50");
    form().click(IDC_CODE_TO_CLIPBOARD);
    EXPECT_DOUBLE_EQ(page().kontrol.smoothingTimeMsec, 35.0);
    EXPECT_EQ(run.platform.clipboard,
              "\tpiParam = new PluginParameter(0, \"Control\", \"\", controlVariableType::kDouble, 0.000000, 1.000000, "
              "0.000000, taper::kLinearTaper);\n"
              "\tpiParam->setParameterSmoothing(true);\n"
              "\tpiParam->setSmoothingTimeMsec(35.000000);\n"
              "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kDouble);\n"
              "\taddPluginParameter(piParam);\n\n");
    EXPECT_NE(run.platform.clipboard.find("35.00"), std::string::npos);
    run.selectTab(0);
    run.selectTab(1);
    EXPECT_DOUBLE_EQ(page().kontrol.smoothingTimeMsec, 50.0);
}

TEST_F(CoderPageTest, CodeToClipboardCopiesTheCodeOfTheForm)
{
    scribble();
    form().type(IDC_CONTROL_ID, "kGain");
    form().click(IDC_CODE_TO_CLIPBOARD);
    const Zizudavuveva& k = page().kontrol;
    EXPECT_EQ(k.commentString, "a comment\r\nline two");
    EXPECT_EQ(run.platform.clipboardWrites, 1);
    // A meter binds a float whatever the list says; the comment's lines go on
    // indented.
    EXPECT_EQ(run.platform.clipboard,
              "\tPluginParameter* piParam = nullptr;\n\n"
              "/* a comment\r\n\tline two */ \n\n"
              "\tpiParam = new PluginParameter(kGain, \"Gain\", 10.00, 100.00, ENVELOPE_DETECT_MODE_PEAK, "
              "meterCal::kLogMeter);\n"
              "\tpiParam->setInvertedMeter(false);\n"
              "\tpiParam->setIsProtoolsGRMeter(false);\n"
              "\tpiParam->setBoundVariable(&myBoundVar, boundVariableType::kFloat);\n"
              "\taddPluginParameter(piParam);\n\n");
    EXPECT_TRUE(run.platform.messages.empty());

    // Without binding the code has no bound-variable statement.
    form().click(IDC_RESET);
    form().click(IDC_ENABLE_BINDING);
    form().click(IDC_CODE_TO_CLIPBOARD);
    EXPECT_EQ(run.platform.clipboard.find("myBoundVar"), std::string::npos);
    EXPECT_EQ(run.platform.clipboard,
              "\tpiParam = new PluginParameter(0, \"Control\", \"\", controlVariableType::kDouble, 0.000000, 1.000000, "
              "0.000000, taper::kLinearTaper);\n"
              "\taddPluginParameter(piParam);\n\n");
}

TEST_F(CoderPageTest, RefusedDescriptionsLeaveTheClipboardAlone)
{
    struct Case {
        const char* what;
        std::function<void(MemDialog&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {"empty identifier", [](MemDialog& f) { f.type(IDC_CONTROL_ID, ""); }, "The Control ID can not be empty."},
        {"empty range",
         [](MemDialog& f) { f.type(IDC_MAX_VALUE, "0"); },
         "The max value must be greater than the min value."},
        {"on-off list of three",
         [](MemDialog& f) {
             f.click(IDC_TYPE_ONOFF);
             f.type(IDC_ONOFF_LIST, "OFF, ON,");
         },
         "On-off string list must contain only two strings (e.g. ON, OFF)"},
        {"index past the list",
         [](MemDialog& f) {
             f.click(IDC_TYPE_MULTI);
             f.type(IDC_MULTI_DEFAULT_INDEX, "3");
         },
         "Multi-string default index is out of bounds."},
        // A number too large for a double would be written as "inf".
        {"infinite maximum", [](MemDialog& f) { f.type(IDC_MAX_VALUE, "1e400"); },
         "The max value must be a finite number."},
        {"infinite release time",
         [](MemDialog& f) {
             f.click(IDC_TYPE_METER);
             f.type(IDC_RELEASE_TIME, "-1e999");
         },
         "The release time must be a finite number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form().click(IDC_RESET);
        run.platform.messages.clear();
        run.platform.clipboard = "(untouched)";
        c.edit(form());
        form().click(IDC_CODE_TO_CLIPBOARD);
        EXPECT_EQ(run.platform.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(run.platform.clipboard, "(untouched)");
    }
}

TEST_F(CoderPageTest, VarToClipboardNeedsBindingButNoChecks)
{
    MemDialog& f = form();
    f.type(IDC_CONTROL_ID, "");  // a description the code button refuses
    f.click(IDC_VAR_TO_CLIPBOARD);
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_EQ(run.platform.clipboard, "\tdouble myBoundVar = 0.00000000;\n\n");

    run.platform.clipboard = "(untouched)";
    f.click(IDC_ENABLE_BINDING);
    f.click(IDC_VAR_TO_CLIPBOARD);
    EXPECT_EQ(run.platform.messages, std::vector<std::string>{"Variable binding is not enabled."});
    EXPECT_EQ(run.platform.clipboard, "(untouched)");
}

TEST_F(CoderPageTest, AClipboardThatCannotBeOpenedIsNotReported)
{
    run.platform.clipboardOpens = false;
    form().click(IDC_CODE_TO_CLIPBOARD);
    form().click(IDC_VAR_TO_CLIPBOARD);
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_EQ(run.platform.clipboard, "(untouched)");
    EXPECT_FALSE(page().copyToClipboard("x"));
}

TEST(CoderPageWindow, InitialisationFailsWhenAListIsMissing)
{
    DialogDef def = programTemplates().at(IDD_CONTROLCODERPAGE);
    def.controls.erase(std::remove_if(def.controls.begin(), def.controls.end(),
                                       [](const ControlDef& c) { return c.id == IDC_METER_CAL; }),
                        def.controls.end());
    MemDialog dialog(def);
    MemPlatform platform;
    ControlCoderPage page(platform);
    page.attach(dialog);
    EXPECT_FALSE(page.OnInitDialog());
    EXPECT_EQ(dialog.items(IDC_METER_DETECTOR).size(), 3u);  // the lists before it were filled
}
