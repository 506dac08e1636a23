// The project page and the sheet around it, driven as a person would.
#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "harness.h"
#include "resource.h"

namespace fs = std::filesystem;
using namespace zz;
using namespace zz::win;
using namespace zz::win::test;

namespace {

// A program folder with the template beside the program, an APPDATA folder
// with the program's settings folder, and a folder for new projects.
class ProjectPageTest : public ::testing::Test {
protected:
    ProjectPageTest()
    {
        fs::create_directories(programFolder());
        fs::copy(fs::path(ZZ_SOURCE_DIR) / "templates" / "PluginTemplate", programFolder() / "PluginTemplate",
                 fs::copy_options::recursive);
        fs::create_directories(appData() / "Zizavizerovo");
        fs::create_directories(projects());
    }

    fs::path programFolder() const { return root.path() / "program"; }
    fs::path appData() const { return root.path() / "appdata"; }
    fs::path projects() const { return root.path() / "projects"; }
    fs::path settingsFile() const { return appData() / "Zizavizerovo" / "zezurelog.txt"; }

    void writeSettings(const std::string& folder)
    {
        writeBytes(settingsFile(),
                   "Vendor X\r\nVX01\r\nhttps://vendor.example\r\nhelp@vendor.example\r\n" + folder + "\r\n\r\n");
    }

    // The sheet open on the project page, with a settings file that sends new
    // projects to projects().
    SheetRun& open()
    {
        if (!fs::exists(settingsFile()))
            writeSettings(projects().string());
        run = std::make_unique<SheetRun>(programFolder().string(), appData().string());
        run->platform.codePage = machineCodePage;
        run->open();
        return *run;
    }

    // Types a project name and leaves the field, as a person does.
    void enterProjectName(const std::string& name)
    {
        run->projectForm().type(IDC_PROJECT_NAME, name);
        run->projectForm().focus(IDC_PLUGIN_NAME);
    }

    ZezureProject parsed()
    {
        run->projectPage().parseControls();
        return run->projectPage().project;
    }

    TempFolder root;
    std::unique_ptr<SheetRun> run;
    const CodePage* machineCodePage = nullptr;  // the settings file in UTF-8
    const CodePage1252 western;                 // Western European Windows
};

}  // namespace

TEST_F(ProjectPageTest, OpensWithTheDefaultsAndTheSettingsFileOnTop)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    EXPECT_TRUE(r.platform.messages.empty());
    EXPECT_EQ(r.initResults, std::vector<int>{1});

    const std::pair<int, std::string> texts[] = {
        {IDC_PROJECT_NAME, "NewZezureProject"},
        {IDC_PLUGIN_NAME, ""},
        {IDC_PLUGIN_CODE, "PLuG"},
        {IDC_COMPANY_CODE, "VX01"},
        {IDC_COMPANY_NAME, "Vendor X"},
        {IDC_VENDOR_URL, "https://vendor.example"},
        {IDC_VENDOR_EMAIL, "help@vendor.example"},
        {IDC_AAX_PLUGIN_NAME, "NewZezureProject"},
        {IDC_AAX_SHORT_NAME, "ZezurePlugin"},
        {IDC_PROJECT_FOLDER, projects().string()},
        {IDC_SMOOTHING_TIME, "20.00"},
        {IDC_LATENCY, "0"},
        {IDC_TAIL_TIME, "0.00"},
        {IDC_SAA_GRANULARITY, "1"},
        {IDC_BLOCK_SIZE, "64"},
        {IDC_AUVAL_LINE, "auval -v aufx PLuG VX01"},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(f.text(id), text) << "control " << id;

    for (int id : {IDC_PROCESS_FRAMES, IDC_INDIVIDUAL_API, IDC_INDIVIDUAL_AAX, IDC_UNIVERSAL_AAX, IDC_UNIVERSAL_AU,
                   IDC_UNIVERSAL_VST})
        EXPECT_TRUE(f.checked(id)) << "control " << id;
    for (int id : {IDC_PROCESS_BUFFERS, IDC_PROCESS_BLOCKS, IDC_UNIVERSAL_API, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST,
                   IDC_SYNTH_PLUGIN, IDC_PARAM_SMOOTHING, IDC_INCLUDE_FX_OBJECTS})
        EXPECT_FALSE(f.checked(id)) << "control " << id;
    for (int id : {IDC_UNIVERSAL_AAX, IDC_UNIVERSAL_AU, IDC_UNIVERSAL_VST})
        EXPECT_FALSE(f.enabled(id)) << "control " << id;
    for (int id : {IDC_INDIVIDUAL_AAX, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST, IDC_SMOOTHING_TIME, IDC_BLOCK_SIZE,
                   IDC_SAA_GRANULARITY})
        EXPECT_TRUE(f.enabled(id)) << "control " << id;

    const std::vector<std::string> categories = {"None",         "EQ",           "Dynamics",        "Pitch Shift",
                                                 "Reverb",       "Delay",        "Modulation",      "Harmonic",
                                                 "Noise Reduction", "Dither",    "Sound Field",     "Hardware Synth",
                                                 "Software Synth", "Wrapped Plugin", "Special Effect"};
    EXPECT_EQ(f.items(IDC_AAX_CATEGORY), categories);
    EXPECT_EQ(f.selection(IDC_AAX_CATEGORY), 0);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(f.itemData(IDC_AAX_CATEGORY, i), i == 0 ? 0 : 1 << (i - 1));

    EXPECT_EQ(f.textLimit(IDC_PLUGIN_CODE), 4u);
    EXPECT_EQ(f.textLimit(IDC_COMPANY_CODE), 4u);
    EXPECT_EQ(f.textLimit(IDC_AAX_PLUGIN_NAME), 31u);
    EXPECT_EQ(f.textLimit(IDC_AAX_SHORT_NAME), 15u);
    EXPECT_TRUE(f.hasSelection(IDC_PROJECT_NAME));

    // The sheet: one visible Exit button, the icon for both sizes, the title.
    MemDialog& frame = r.window.frame();
    EXPECT_FALSE(frame.visible(IDOK));
    EXPECT_FALSE(frame.visible(IDHELP));
    EXPECT_TRUE(frame.visible(IDCANCEL));
    EXPECT_EQ(frame.text(IDCANCEL), "Exit");
    EXPECT_NE(r.window.bigIcon, 0);
    EXPECT_EQ(r.window.bigIcon, r.window.smallIcon);
    EXPECT_EQ(r.sheet->icon, r.window.bigIcon);
    EXPECT_GE(f.invalidations, 1);

    // The record: defaults, the file's five values, the page's processing.
    const ZezureProject p = r.projectPage().project;
    EXPECT_EQ(p.projectFolderPath, projects().string());
    EXPECT_EQ(p.vendorName, "Vendor X");
    EXPECT_EQ(p.fourCharAAXID, "diro");
    EXPECT_TRUE(p.processFrames);
    EXPECT_EQ(p.blockSize, 64u);
}

TEST_F(ProjectPageTest, FirstStartFillsTheSettingsFileFromTheDefaults)
{
    run = std::make_unique<SheetRun>(programFolder().string(), appData().string());
    run->open();
    EXPECT_TRUE(run->platform.messages.empty());
    EXPECT_EQ(run->projectForm().text(IDC_PROJECT_FOLDER), programFolder().string());
    EXPECT_EQ(readBytes(settingsFile()), "My Company\r\nDIRO\r\nhttps://www.example.com\r\nsupport@example.com\r\n" +
                                             programFolder().string() + "\r\n\r\n");
}

TEST_F(ProjectPageTest, ASettingsFileThatCannotBeWrittenIsReportedAtStartAndAtExit)
{
    // A file stands where the settings folder belongs.
    fs::remove_all(appData() / "Zizavizerovo");
    writeBytes(appData() / "Zizavizerovo", "not a folder");
    run = std::make_unique<SheetRun>(programFolder().string(), appData().string());
    run->open();
    const std::string message = "Could not write to: " + settingsFile().string();
    EXPECT_EQ(run->platform.messages, std::vector<std::string>{message});
    EXPECT_EQ(run->projectForm().text(IDC_COMPANY_NAME), "My Company");
    run->pressExit();
    EXPECT_EQ(run->platform.messages, (std::vector<std::string>{message, message}));
    EXPECT_EQ(run->window.endResult, kResultCancel);  // the sheet closes regardless
}

TEST_F(ProjectPageTest, TypingIsCappedButTextThePageSetsIsNot)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    struct Typed {
        int id;
        std::string typed, shown;
    };
    const Typed cases[] = {
        {IDC_PLUGIN_CODE, "ABCDEFG", "ABCD"},
        {IDC_COMPANY_CODE, "xy", "xy"},
        {IDC_AAX_PLUGIN_NAME, std::string(40, 'a'), std::string(31, 'a')},
        {IDC_AAX_SHORT_NAME, "ShortNameThatIsLong", "ShortNameThatIs"},
        {IDC_BLOCK_SIZE, "12a.5 ", "125"},
        {IDC_SMOOTHING_TIME, "3.5", "35"},
        {IDC_LATENCY, "-7", "7"},
    };
    for (const Typed& t : cases) {
        f.type(t.id, t.typed);
        EXPECT_EQ(f.text(t.id), t.shown) << "control " << t.id;
    }

    // A long valid name is copied whole into the capped fields.
    const std::string longName = "AVeryLongProjectNameOfFortyCharacters123";
    ASSERT_EQ(longName.size(), 40u);
    enterProjectName(longName);
    EXPECT_TRUE(r.platform.messages.empty());
    for (int id : {IDC_PLUGIN_NAME, IDC_AAX_PLUGIN_NAME, IDC_AAX_SHORT_NAME})
        EXPECT_EQ(f.text(id), longName) << "control " << id;
    EXPECT_EQ(parsed().aaxShortPluginName, longName);
}

TEST_F(ProjectPageTest, LeavingTheProjectNameChecksItAndDerivesTheNames)
{
    struct Case {
        std::string name, message;  // message empty: accepted
        std::string read;           // what reading the form gives (one line)
    };
    const Case cases[] = {
        {"", "Project name is empty.", ""},
        {"My Plugin", "Project name can not contain whitespaces.", "My Plugin"},
        {" Lead", "Project name can not contain whitespaces.", " Lead"},
        {"Tab\tName", "", "Tab"},
        {"Two\r\nLines", "", "Two"},
        {"Good_Name-2", "", "Good_Name-2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        MemDialog& f = run->projectForm();
        f.type(IDC_PLUGIN_NAME, "Before");
        f.setText(IDC_PROJECT_NAME, c.name);
        f.focus(IDC_PROJECT_NAME);
        f.selectAll(IDC_PROJECT_NAME);
        f.focus(IDC_PLUGIN_NAME);
        if (c.message.empty()) {
            EXPECT_TRUE(run->platform.messages.empty());
            for (int id : {IDC_PLUGIN_NAME, IDC_AAX_PLUGIN_NAME, IDC_AAX_SHORT_NAME})
                EXPECT_EQ(f.text(id), c.name);
        } else {
            EXPECT_EQ(run->platform.messages, std::vector<std::string>{c.message});
            EXPECT_EQ(f.text(IDC_PLUGIN_NAME), "Before");
            EXPECT_EQ(f.text(IDC_AAX_PLUGIN_NAME), "NewZezureProject");
            EXPECT_EQ(f.text(IDC_AAX_SHORT_NAME), "ZezurePlugin");
            EXPECT_FALSE(f.hasSelection(IDC_PROJECT_NAME));
        }
        // The record is not touched until a command reads the form, which
        // takes each name up to its first control character.
        EXPECT_EQ(run->projectPage().project.projectName, "NewZezureProject");
        const ZezureProject p = parsed();
        EXPECT_EQ(p.projectName, c.read);
        EXPECT_EQ(p.aaxShortPluginName, c.message.empty() ? c.read : "ZezurePlugin");
    }
}

TEST_F(ProjectPageTest, TheHiddenAuvalLineFollowsThePluginCode)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    EXPECT_FALSE(f.visible(IDC_AUVAL_LINE));
    f.type(IDC_PLUGIN_CODE, "Abcd");
    EXPECT_EQ(f.text(IDC_AUVAL_LINE), "auval -v aufx Abcd VX01");
    f.type(IDC_COMPANY_CODE, "Zz");
    EXPECT_EQ(f.text(IDC_AUVAL_LINE), "auval -v aufx Abcd Zz");
    f.type(IDC_PLUGIN_CODE, "");
    EXPECT_EQ(f.text(IDC_AUVAL_LINE), "auval -v aufx Abcd Zz");
}

TEST_F(ProjectPageTest, ProcessingChoicesGiveTheRecordsModeAndBlockSize)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> steps;  // click radio, then type block size
        bool processFrames;
        uint32_t blockSize;
    };
    const Case cases[] = {
        {"frames keep the page's 64", {}, true, 64},
        {"entire buffers ignore the block size", {{IDC_PROCESS_BUFFERS, "128"}}, false, 0},
        {"sub-blocks read the block size", {{IDC_PROCESS_BLOCKS, "256"}}, false, 256},
        {"sub-blocks with an empty size", {{IDC_PROCESS_BLOCKS, ""}}, false, 0},
        {"frames keep the last size read", {{IDC_PROCESS_BLOCKS, "512"}, {IDC_PROCESS_FRAMES, "32"}}, true, 512},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        for (const auto& [radio, size] : c.steps) {
            run->projectForm().click(radio);
            run->projectForm().type(IDC_BLOCK_SIZE, size);
            if (radio == IDC_PROCESS_BLOCKS)
                parsed();  // read once, as a creation or a tab switch would
        }
        const ZezureProject p = parsed();
        EXPECT_EQ(p.processFrames, c.processFrames);
        EXPECT_EQ(p.blockSize, c.blockSize);
    }
}

TEST_F(ProjectPageTest, ApiChoicesSwitchTheGroupsAndTheMakeFlags)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    f.click(IDC_UNIVERSAL_API);
    EXPECT_TRUE(r.projectPage().project.universalAPI);  // stored at once
    for (int id : {IDC_UNIVERSAL_AAX, IDC_UNIVERSAL_AU, IDC_UNIVERSAL_VST})
        EXPECT_TRUE(f.enabled(id));
    for (int id : {IDC_INDIVIDUAL_AAX, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST})
        EXPECT_FALSE(f.enabled(id));
    for (int id : {IDC_UNIVERSAL_AAX, IDC_UNIVERSAL_AU, IDC_UNIVERSAL_VST})
        f.click(id);
    ZezureProject p = parsed();
    EXPECT_TRUE(p.universalAPI);
    EXPECT_FALSE(p.makeAAX || p.makeAU || p.makeVST);

    f.click(IDC_INDIVIDUAL_API);
    for (int id : {IDC_INDIVIDUAL_AAX, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST})
        EXPECT_TRUE(f.enabled(id));
    f.click(IDC_INDIVIDUAL_VST);
    p = parsed();
    EXPECT_FALSE(p.universalAPI);
    EXPECT_EQ(std::make_tuple(p.makeAAX, p.makeAU, p.makeVST), std::make_tuple(false, false, true));
    EXPECT_FALSE(f.checked(IDC_INDIVIDUAL_AAX));
}

TEST_F(ProjectPageTest, CategoryIsTheChosenCodeUnlessTheProjectIsASynth)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    f.choose(IDC_AAX_CATEGORY, 4);
    EXPECT_EQ(parsed().aaxCagtegory, 8u);
    f.choose(IDC_AAX_CATEGORY, 14);
    EXPECT_EQ(parsed().aaxCagtegory, 8192u);
    f.click(IDC_SYNTH_PLUGIN);
    EXPECT_EQ(parsed().aaxCagtegory, 2048u);
    EXPECT_EQ(f.selection(IDC_AAX_CATEGORY), 14);
}

TEST_F(ProjectPageTest, CreateProjectMakesTheProjectAndShowsTheSuccessDialog)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    enterProjectName("MyProject");
    f.type(IDC_PLUGIN_CODE, "MyPr");
    f.click(IDC_CREATE_PROJECT);

    EXPECT_TRUE(r.platform.messages.empty());
    EXPECT_EQ(r.platform.successDialogsShown, 1);
    const std::string cmake = readBytes(projects() / "MyProject" / "CMakeLists.txt");
    EXPECT_NE(cmake.find("MyProject"), std::string::npos);
    EXPECT_NE(cmake.find("Vendor X"), std::string::npos);
    EXPECT_EQ(cmake.find("$$$"), std::string::npos);
    // The check box is hidden: OK saves no diagnostics.
    EXPECT_FALSE(fs::exists(programFolder() / "diagnostics.txt"));
    EXPECT_NE(r.projectPage().creationLog.find("END \n"), std::string::npos);

    // The same name again is refused, and no dialog follows.
    f.click(IDC_CREATE_PROJECT);
    EXPECT_EQ(r.platform.messages,
              std::vector<std::string>{"Project already exists. Delete it or change the project name."});
    EXPECT_EQ(r.platform.successDialogsShown, 1);
}

TEST_F(ProjectPageTest, NamesThatFailedTheCheckStillReachCreateProject)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    enterProjectName("");
    f.click(IDC_CREATE_PROJECT);  // the project folder itself exists
    enterProjectName("With Space");
    f.click(IDC_CREATE_PROJECT);
    EXPECT_EQ(r.platform.messages,
              (std::vector<std::string>{"Project name is empty.",
                                        "Project already exists. Delete it or change the project name.",
                                        "Project name can not contain whitespaces."}));
    EXPECT_TRUE(fs::exists(projects() / "With Space" / "CMakeLists.txt"));
    EXPECT_EQ(r.platform.successDialogsShown, 1);
}

TEST_F(ProjectPageTest, TheSuccessDialogSavesDiagnosticsOnlyWhenClosedWithTheBoxTicked)
{
    struct Case {
        const char* what;
        bool tick;
        int result;
        bool saved;
    };
    const Case cases[] = {
        {"OK, box hidden and unticked", false, kResultOK, false},
        {"OK with the box ticked", true, kResultOK, true},
        {"closed with the box ticked", true, kResultCancel, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(programFolder() / "diagnostics.txt");
        open();
        bool startedUnticked = false;
        run->platform.successDialogAction = [&](MemDialog& dialog) {
            startedUnticked = !dialog.checked(IDC_SAVE_DIAGNOSTICS) && !dialog.visible(IDC_SAVE_DIAGNOSTICS);
            dialog.setChecked(IDC_SAVE_DIAGNOSTICS, c.tick);
            return c.result;
        };
        enterProjectName("Run" + std::to_string(n++));
        run->projectForm().click(IDC_CREATE_PROJECT);
        EXPECT_TRUE(startedUnticked);
        const fs::path diagnostics = programFolder() / "diagnostics.txt";
        EXPECT_EQ(fs::exists(diagnostics), c.saved);
        if (c.saved) {
            EXPECT_EQ(run->platform.messages,
                      std::vector<std::string>{"Wrote diagnostics file at: " + diagnostics.string()});
            const std::string text = readBytes(diagnostics);
            EXPECT_EQ(text.rfind("Project Destination (dest):", 0), 0u);
            EXPECT_NE(text.find("END \r\n\r\n"), std::string::npos);
        } else {
            EXPECT_TRUE(run->platform.messages.empty());
        }
    }
}

TEST_F(ProjectPageTest, BrowseKeepsTheFolderWhenCancelledAndTakesAChosenOne)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    f.setText(IDC_PROJECT_FOLDER, "scribbled");
    f.click(IDC_BROWSE_FOLDER);
    EXPECT_EQ(r.platform.browserTitles, std::vector<std::string>{"Browse for the DSP Project Folder"});
    EXPECT_EQ(r.platform.browserStarts, std::vector<std::string>{projects().string()});
    EXPECT_EQ(f.text(IDC_PROJECT_FOLDER), projects().string());  // set again all the same

    r.platform.chosenFolder = root.str();
    f.click(IDC_BROWSE_FOLDER);
    EXPECT_EQ(f.text(IDC_PROJECT_FOLDER), root.str());
    EXPECT_EQ(r.projectPage().project.projectFolderPath, root.str());
    enterProjectName("Browsed");
    f.click(IDC_CREATE_PROJECT);
    EXPECT_TRUE(fs::exists(root.path() / "Browsed" / "CMakeLists.txt"));
}

TEST_F(ProjectPageTest, ExitWritesTheSettingsFileFromTheFormAndClosesTheSheet)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    f.type(IDC_COMPANY_NAME, "Typed Vendor");
    f.type(IDC_COMPANY_CODE, "TyVe");
    r.platform.chosenFolder = root.str();
    f.click(IDC_BROWSE_FOLDER);
    r.pressExit();
    EXPECT_EQ(r.window.endResult, kResultCancel);
    EXPECT_EQ(readBytes(settingsFile()),
              "Typed Vendor\r\nTyVe\r\nhttps://vendor.example\r\nhelp@vendor.example\r\n" + root.str() + "\r\n\r\n");
    EXPECT_TRUE(r.platform.messages.empty());
}

TEST_F(ProjectPageTest, ExitWritesTheFileEvenWhenNothingChanged)
{
    writeBytes(settingsFile(), "  Spaced Vendor \nSPVD\nhttps://s.example\ns@s.example\n" + projects().string());
    SheetRun& r = open();
    r.sheet->OnCommand(IDOK, kClicked);  // the hidden OK leaves the same way
    EXPECT_EQ(r.window.endResult, kResultCancel);
    EXPECT_EQ(readBytes(settingsFile()),
              "Spaced Vendor\r\nSPVD\r\nhttps://s.example\r\ns@s.example\r\n" + projects().string() + "\r\n\r\n");
}

TEST_F(ProjectPageTest, ASettingsFileInTheMachinesCodePageKeepsItsLetters)
{
    machineCodePage = &western;
    const std::string bytes = "M\xFC" "ller Audio\r\nMUEL\r\nhttps://m.example\r\nm@m.example\r\n" +
                              projects().string() + "\r\n\r\n";
    writeBytes(settingsFile(), bytes);
    SheetRun& r = open();
    EXPECT_EQ(r.projectForm().text(IDC_COMPANY_NAME), "M\xC3\xBC" "ller Audio");
    r.pressExit();
    EXPECT_EQ(readBytes(settingsFile()), bytes);
}

TEST_F(ProjectPageTest, ExitWritesTheMachinesCodePageWhenEveryLetterFitsElseUtf8)
{
    const struct {
        const CodePage* codePage;
        std::string typed, firstLine;
    } cases[] = {
        {&western, "Caf\xC3\xA9 Audio", "Caf\xE9 Audio"},
        {&western, "\xCE\xA9mega Caf\xC3\xA9", "\xCE\xA9mega Caf\xC3\xA9"},  // no omega in 1252
        {&western, "Plain Audio", "Plain Audio"},
        {nullptr, "Caf\xC3\xA9 Audio", "Caf\xC3\xA9 Audio"},
    };
    for (const auto& c : cases) {
        machineCodePage = c.codePage;
        writeSettings(projects().string());
        open().projectForm().type(IDC_COMPANY_NAME, c.typed);
        run->pressExit();
        EXPECT_EQ(readBytes(settingsFile()),
                  c.firstLine + "\r\nVX01\r\nhttps://vendor.example\r\nhelp@vendor.example\r\n" +
                      projects().string() + "\r\n\r\n");
        EXPECT_EQ(open().projectForm().text(IDC_COMPANY_NAME), c.typed) << "the next start shows it again";
    }
}

TEST(Application, RunsOneSheetTitledWithTheApplicationsName)
{
    struct Host : AppHost {
        void initCommonControls() override { ++inits; }
        int runSheet(MainSheet& sheet) override
        {
            title = sheet.title();
            first = sheet.page(0) == &sheet.projectPage;
            second = sheet.page(1) == &sheet.koderPage;
            return kResultCancel;
        }
        int inits = 0;
        std::string title;
        bool first = false, second = false;
    } host;
    MemPlatform platform;
    CZizavizerovoApp app(host, platform);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(host.inits, 1);
    EXPECT_EQ(host.title, "Zezure Tool-Kit");
    EXPECT_TRUE(host.first && host.second);
}

TEST_F(ProjectPageTest, NumbersDoNotDependOnTheUsersLocale)
{
    std::locale previous;
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    SheetRun& r = open();
    r.projectForm().setText(IDC_TAIL_TIME, "12.5");
    const ZezureProject p = parsed();
    r.selectTab(1);
    const std::string smoothing = r.projectForm().text(IDC_SMOOTHING_TIME);
    const std::string attack = r.coderForm().text(IDC_ATTACK_TIME);
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(smoothing, "20.00");
    EXPECT_EQ(attack, "10.00");
    EXPECT_DOUBLE_EQ(p.tailTimeMsec, 12.5);
}

// Leaving with Escape, Enter or the close box while an empty name has the
// focus saves and ends at once: no message without a window, nothing keeps
// the process alive.
TEST_F(ProjectPageTest, LeavingWithoutTheButtonShowsNoLateNameMessage)
{
    SheetRun& r = open();
    MemDialog& f = r.projectForm();
    f.type(IDC_PROJECT_NAME, "");
    r.pressEscape();
    EXPECT_EQ(r.window.endResult, kResultCancel);
    EXPECT_TRUE(r.platform.messages.empty());
    EXPECT_TRUE(fs::exists(settingsFile()));

    // The same name left by a click elsewhere still shows its message.
    SheetRun& again = open();
    again.projectForm().type(IDC_PROJECT_NAME, "");
    again.projectForm().focus(IDC_PLUGIN_NAME);
    EXPECT_EQ(again.platform.messages, std::vector<std::string>{"Project name is empty."});
}
