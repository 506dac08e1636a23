#include <cmath>

#include "fieldbindings.h"
#include "pagefixture.h"

namespace zz::mac::testing {
namespace {

using ProjectPage = PageFixture;

TEST_F(ProjectPage, FirstStartShowsTheDefaultsAndMakesTheSettingsFile)
{
    loadPages();
    const struct {
        Outlet field;
        const char* text;
    } texts[] = {
        {Outlet::projectName, "NewZezurePlugin"}, {Outlet::pluginName, "NewZezurePlugin"},
        {Outlet::fourCharCode, ""},               {Outlet::fourCharCompany, "DIRO"},
        {Outlet::vendorName, "My Company"},       {Outlet::projectFolderBox, "path not set"},
        {Outlet::aaxPluginName, "NewZezurePlugin"}, {Outlet::shortPluginName, "ZezurePlugin"},
        {Outlet::smoothingTime, "20"},            {Outlet::pluginLatency, "0"},
        {Outlet::tailTime, "0"},                  {Outlet::saaGranulatiry, "1"},
        {Outlet::blockSize, "64"},                {Outlet::categoryCombo, "None"},
    };
    for (const auto& t : texts) EXPECT_EQ(outlets.text(t.field), t.text) << outletName(t.field);

    EXPECT_EQ(outlets.at(Outlet::categoryCombo).items.size(), 15u);
    EXPECT_EQ(outlets.at(Outlet::categoryCombo).items[14], "Special Effect");
    EXPECT_EQ(outlets.selectedIndex(Outlet::categoryCombo), 0);

    for (Outlet on : {Outlet::processFrames, Outlet::individualProject, Outlet::indAAX, Outlet::uniAAX, Outlet::uniAU,
                      Outlet::uniVST}) {
        EXPECT_TRUE(outlets.isOn(on)) << outletName(on);
    }
    for (Outlet off : {Outlet::processBuffers, Outlet::processBlocks, Outlet::universalProject, Outlet::indAU,
                       Outlet::indVST, Outlet::synthPlugin, Outlet::enableParameterSmoothing}) {
        EXPECT_FALSE(outlets.isOn(off)) << outletName(off);
    }
    for (Outlet button : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) EXPECT_FALSE(outlets.isEnabled(button));
    for (Outlet button : {Outlet::indAAX, Outlet::indAU, Outlet::indVST}) EXPECT_TRUE(outlets.isEnabled(button));

    EXPECT_EQ(readBytes(settingsFile()),
              "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\npath not set\n0\n");
    EXPECT_EQ(services.logLines.front(), "created log file!");
    EXPECT_TRUE(services.alerts.empty());
    EXPECT_EQ(link.projectPage, projectPage.get());
    EXPECT_EQ(projectPage->pluginTemplateDIRPath(), (root / "SDK" / "PluginTemplate").string());
}

TEST_F(ProjectPage, RemembersTheSettingsFileValuesAndShowsThemEvenPastTheFilters)
{
    writeBytes(settingsFile(), "Acme\nACME5\nhttps://acme.test\nhelp@acme.test\n/projects/\n1\n");
    loadPages();
    EXPECT_EQ(outlets.text(Outlet::vendorName), "Acme");
    EXPECT_EQ(outlets.text(Outlet::fourCharCompany), "ACME5");
    EXPECT_EQ(outlets.text(Outlet::projectFolderBox), "/projects/");
    EXPECT_EQ(projectPage->project().projectFolderPath, "/projects/");
    EXPECT_TRUE(projectPage->project().useTemplate);
    EXPECT_EQ(services.logLines.front(), "found log file!");
    // The five-character code stays until an edit brings it within four.
    EXPECT_FALSE(outlets.typeAtEnd(Outlet::fourCharCompany, "X"));
    EXPECT_EQ(outlets.text(Outlet::fourCharCompany), "ACME5");
    EXPECT_TRUE(outlets.type(Outlet::fourCharCompany, "ACME"));
}

TEST_F(ProjectPage, AnUnreadableSettingsFileIsReportedAndTheDefaultsStay)
{
    std::filesystem::create_directories(settingsFile());  // a folder where the file belongs
    loadPages();
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "Setup logfile was empty.");
    EXPECT_EQ(services.alerts[0].informative, "Can't read log data. ");
    EXPECT_EQ(services.alerts[0].style, AlertStyle::warning);
    EXPECT_EQ(outlets.text(Outlet::vendorName), "");
    EXPECT_EQ(outlets.text(Outlet::projectName), "NewZezurePlugin");
}

TEST_F(ProjectPage, FiltersAreSharedAsTheWindowDescribesThem)
{
    loadPages();
    const auto& code = outlets.at(Outlet::fourCharCode).formatter;
    ASSERT_TRUE(code);
    EXPECT_EQ(code, outlets.at(Outlet::fourCharCompany).formatter);
    EXPECT_EQ(code->maxLength, 4);
    EXPECT_EQ(outlets.at(Outlet::aaxPluginName).formatter->maxLength, 31);
    EXPECT_EQ(outlets.at(Outlet::shortPluginName).formatter->maxLength, 15);
    const auto& numeric = outlets.at(Outlet::smoothingTime).formatter;
    for (Outlet field : {Outlet::pluginLatency, Outlet::tailTime, Outlet::saaGranulatiry, Outlet::blockSize}) {
        EXPECT_EQ(outlets.at(field).formatter, numeric) << outletName(field);
    }
    EXPECT_TRUE(numeric->numericOnly);
    EXPECT_FALSE(outlets.at(Outlet::projectFolderBox).formatter);
    EXPECT_FALSE(outlets.type(Outlet::blockSize, "64x"));
    EXPECT_EQ(outlets.text(Outlet::blockSize), "64");
    // Every text is one line: a pasted line break is refused.
    EXPECT_FALSE(outlets.type(Outlet::vendorName, "Acme\nInc"));
    EXPECT_EQ(outlets.text(Outlet::vendorName), "My Company");
}

// Each field the page shows gets the filter of its entry in the record's
// field table (its length, a number only, one line for a text), the same
// instance for the same filter; no other control has one.
TEST_F(ProjectPage, EachFilterComesFromTheFieldTable)
{
    loadPages();
    size_t filtered = 0;
    for (const ProjectFieldInfo& f : projectFields()) {
        const auto outlet = outletOfField(f.name);
        if (!outlet) continue;
        const auto& formatter = outlets.at(*outlet).formatter;
        const bool numeric = f.macFilter == numtext::TextFilter::macNumeric;
        const bool text = f.kind == ProjectFieldKind::text && *outlet != Outlet::projectFolderBox;
        if (f.maxLength == 0 && !numeric && !text) {
            EXPECT_FALSE(formatter) << f.name;
            continue;
        }
        ++filtered;
        ASSERT_TRUE(formatter) << f.name;
        EXPECT_EQ(formatter->maxLength, f.maxLength ? static_cast<int>(f.maxLength) : 2147483647) << f.name;
        EXPECT_EQ(formatter->numericOnly, numeric) << f.name;
        EXPECT_EQ(formatter->singleLine, f.kind == ProjectFieldKind::text) << f.name;
    }
    size_t attached = 0;
    for (int i = static_cast<int>(kFirstProjectOutlet); i < static_cast<int>(kFirstCoderOutlet); ++i) {
        if (outlets.at(static_cast<Outlet>(i)).formatter) ++attached;
    }
    EXPECT_EQ(attached, filtered);
}

TEST_F(ProjectPage, ProjectTypeSwitchesTheEnablingButNoState)
{
    loadPages();
    outlets.click(Outlet::universalProject);
    projectPage->projectType(Outlet::universalProject);
    for (Outlet b : {Outlet::indAAX, Outlet::indAU, Outlet::indVST}) EXPECT_FALSE(outlets.isEnabled(b));
    for (Outlet b : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) EXPECT_TRUE(outlets.isEnabled(b));
    EXPECT_TRUE(outlets.isOn(Outlet::indAAX));
    EXPECT_TRUE(outlets.isOn(Outlet::uniVST));

    projectPage->projectType(Outlet::browseProject);  // any other sender changes nothing
    EXPECT_TRUE(outlets.isEnabled(Outlet::uniAAX));

    outlets.click(Outlet::individualProject);
    projectPage->projectType(Outlet::individualProject);
    for (Outlet b : {Outlet::indAAX, Outlet::indAU, Outlet::indVST}) EXPECT_TRUE(outlets.isEnabled(b));
    for (Outlet b : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) EXPECT_FALSE(outlets.isEnabled(b));
}

TEST_F(ProjectPage, ParseReadsNumbersAsThePlatformDoes)
{
    loadPages();
    outlets.type(Outlet::smoothingTime, "0.1");
    outlets.type(Outlet::pluginLatency, "2.9");
    outlets.type(Outlet::tailTime, " 12.5");
    outlets.type(Outlet::saaGranulatiry, "-3");
    projectPage->parseControls();
    const ZezureProject& p = projectPage->project();
    EXPECT_EQ(p.smoothingTimeMsec, 0.100000001490116119384765625);
    EXPECT_EQ(p.latencyInSamples, 2u);
    EXPECT_EQ(p.tailTimeMsec, 12.5);
    EXPECT_EQ(p.saaGranulatity, 0u);  // a negative count becomes 0
}

TEST_F(ProjectPage, ProcessingModeAndBlockSize)
{
    loadPages();
    const struct {
        Outlet mode;
        const char* typed;
        bool frames;
        uint32_t blockSize;
    } cases[] = {
        {Outlet::processFrames, "128", true, 128},   {Outlet::processBuffers, "128", false, 0},
        {Outlet::processBlocks, "256", false, 256},  {Outlet::processBlocks, "-5", false, 0},
        {Outlet::processBlocks, "32.9", false, 32},
    };
    for (const auto& c : cases) {
        outlets.click(c.mode);
        outlets.type(Outlet::blockSize, c.typed);
        projectPage->parseControls();
        EXPECT_EQ(projectPage->project().processFrames, c.frames) << outletName(c.mode) << " " << c.typed;
        EXPECT_EQ(projectPage->project().blockSize, c.blockSize) << outletName(c.mode) << " " << c.typed;
    }
}

TEST_F(ProjectPage, ApiChoiceAndCategory)
{
    loadPages();
    outlets.click(Outlet::indVST);
    outlets.selectIndex(Outlet::categoryCombo, 4);
    projectPage->parseControls();
    ZezureProject p = projectPage->project();
    EXPECT_FALSE(p.universalAPI);
    EXPECT_TRUE(p.makeVST);
    EXPECT_FALSE(p.makeAAX);
    EXPECT_FALSE(p.makeAU);
    EXPECT_EQ(p.aaxCagtegory, 8u);  // "Reverb"

    outlets.click(Outlet::universalProject);
    for (Outlet b : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) outlets.click(b);
    outlets.click(Outlet::synthPlugin);
    projectPage->parseControls();
    p = projectPage->project();
    EXPECT_TRUE(p.universalAPI);
    EXPECT_FALSE(p.makeAAX || p.makeAU || p.makeVST);
    EXPECT_EQ(p.aaxCagtegory, 2048u);  // a synthesizer is always "Software Synth"

    // The list takes no typing: the chosen item stays.
    outlets.click(Outlet::synthPlugin);
    EXPECT_FALSE(outlets.type(Outlet::categoryCombo, "Reverbs"));
    EXPECT_EQ(outlets.text(Outlet::categoryCombo), "Reverb");
    projectPage->parseControls();
    EXPECT_EQ(projectPage->project().aaxCagtegory, 8u);
}

TEST_F(ProjectPage, NameDerivationCutsTheAaxNames)
{
    loadPages();
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";  // 40 characters
    outlets.type(Outlet::projectName, name);
    projectPage->updateProjectName();
    EXPECT_EQ(outlets.text(Outlet::pluginName), name);
    EXPECT_EQ(outlets.text(Outlet::aaxPluginName), name.substr(0, 31));
    EXPECT_EQ(outlets.text(Outlet::shortPluginName), name.substr(0, 15));
    EXPECT_EQ(services.logLines.back(), "updateProjectName");
    EXPECT_EQ(projectPage->project().pluginName, "NewZezurePlugin");  // the record waits for parseControls

    // A character outside the BMP that would be cut in half is left out.
    const std::string emoji = "\xF0\x9F\x8E\xB9";
    outlets.type(Outlet::projectName, std::string(14, 'a') + emoji);
    projectPage->updateProjectName();
    EXPECT_EQ(outlets.text(Outlet::shortPluginName), std::string(14, 'a'));

    outlets.type(Outlet::projectName, "");
    projectPage->updateProjectName();
    EXPECT_EQ(outlets.text(Outlet::pluginName), "");
    EXPECT_EQ(outlets.text(Outlet::aaxPluginName), "");
}

TEST_F(ProjectPage, BrowseEndsTheFolderWithOneSlash)
{
    loadPages();
    const struct {
        const char* chosen;
        const char* shown;
    } cases[] = {{"/Users/me/SDK", "/Users/me/SDK/"}, {"/Users/me/SDK/", "/Users/me/SDK/"}, {"/", "/"}};
    for (const auto& c : cases) {
        services.folderToChoose = c.chosen;
        projectPage->browseForProjFolder();
        EXPECT_EQ(outlets.text(Outlet::projectFolderBox), c.shown);
        EXPECT_EQ(projectPage->project().projectFolderPath, c.shown);
    }
    services.folderToChoose.reset();  // cancelled
    projectPage->browseForProjFolder();
    EXPECT_EQ(outlets.text(Outlet::projectFolderBox), "/");
    EXPECT_EQ(projectPage->project().projectFolderPath, "/");
}

TEST_F(ProjectPage, LeavingThePageHandsOverTheSmoothingAndKeepsWhatWasTyped)
{
    loadPages();
    outlets.click(Outlet::enableParameterSmoothing);
    outlets.type(Outlet::smoothingTime, "5.5");
    outlets.type(Outlet::vendorName, "Typed Vendor");
    projectPage->viewWillDisappear();
    EXPECT_TRUE(link.enableParameterSmoothing);
    EXPECT_EQ(link.smoothingTime_mSec, 5.5);
    EXPECT_EQ(outlets.text(Outlet::vendorName), "Typed Vendor");
    EXPECT_EQ(projectPage->project().vendorName, "Typed Vendor");
}

TEST_F(ProjectPage, CreateProjectMakesTheFolderAndSaysSo)
{
    loadPages();
    services.folderToChoose = (root / "Projects").string();
    std::filesystem::create_directories(root / "Projects");
    projectPage->browseForProjFolder();
    outlets.type(Outlet::projectName, "Delay");
    projectPage->updateProjectName();
    outlets.type(Outlet::fourCharCode, "DLY1");
    projectPage->makeProject();

    const auto destination = root / "Projects" / "Delay";
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "Successfully created Zezure project!.");
    EXPECT_EQ(services.alerts[0].informative, destination.string());
    EXPECT_EQ(services.alerts[0].style, AlertStyle::informational);
    const std::string cmake = readBytes(destination / "CMakeLists.txt");
    EXPECT_NE(cmake.find("Delay"), std::string::npos);
    EXPECT_NE(cmake.find("DLY1"), std::string::npos);
    EXPECT_EQ(cmake.find("$$$"), std::string::npos);

    // The same again: the destination exists, the copy is refused.
    projectPage->makeProject();
    ASSERT_EQ(services.alerts.size(), 2u);
    EXPECT_EQ(services.alerts[1].message, "Could not copy the basis directory to destination.");
    EXPECT_EQ(services.alerts[1].informative, destination.string());
}

TEST_F(ProjectPage, CreateProjectWritesTheTailTimeAsReadInSinglePrecision)
{
    loadPages();
    services.folderToChoose = (root / "Projects").string();
    std::filesystem::create_directories(root / "Projects");
    projectPage->browseForProjFolder();
    outlets.type(Outlet::projectName, "Tail");
    projectPage->updateProjectName();
    outlets.type(Outlet::fourCharCode, "TAIL");
    outlets.type(Outlet::tailTime, "12.1");
    projectPage->makeProject();

    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "Successfully created Zezure project!.");
    const std::string cmake = readBytes(root / "Projects" / "Tail" / "CMakeLists.txt");
    EXPECT_NE(cmake.find("set(ZZ_TAIL_TIME_MSEC 12.10000038146973)\n"), std::string::npos) << cmake;
}

TEST_F(ProjectPage, CreateProjectStopsAtTheFirstFailedCheckAndFocusesItsField)
{
    loadPages();
    const struct {
        const char* projectName;
        const char* pluginName;
        const char* code;
        const char* message;
        Outlet focus;
    } cases[] = {
        {"", "P", "CODE", "You must supply a project name!", Outlet::projectName},
        {"My Plugin", "P", "CODE", "Whitespaces are not allowed in project name.", Outlet::projectName},
        {"Good", "", "", "You must supply a plugin name!", Outlet::pluginName},
        {"Good", "P", "", "You must supply a plugin code!", Outlet::fourCharCode},
    };
    for (const auto& c : cases) {
        services.alerts.clear();
        outlets.firstResponder.reset();
        outlets.type(Outlet::projectName, c.projectName);
        outlets.type(Outlet::pluginName, c.pluginName);
        outlets.type(Outlet::fourCharCode, c.code);
        projectPage->makeProject();
        ASSERT_EQ(services.alerts.size(), 1u) << c.message;
        EXPECT_EQ(services.alerts[0].message, c.message);
        EXPECT_EQ(services.alerts[0].style, AlertStyle::warning);
        EXPECT_EQ(outlets.firstResponder, c.focus) << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(root / "Good"));
}

TEST_F(ProjectPage, ExitWritesTheSettingsFileWithoutTheChecks)
{
    loadPages();
    outlets.type(Outlet::projectName, "");  // would fail the creation checks
    outlets.type(Outlet::vendorName, "Exit Vendor");
    outlets.type(Outlet::fourCharCompany, "EXIT");
    projectPage->closeApp();
    EXPECT_EQ(services.exitStatus, 0);
    EXPECT_TRUE(services.alerts.empty());
    EXPECT_EQ(readBytes(settingsFile()),
              "Exit Vendor\nEXIT\nhttps://www.example.com\nsupport@example.com\npath not set\n0\n");
}

class ProjectPageRestore : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        loadPages();
        templateDir = root / "SDK" / "PluginTemplate";
        writeBytes(templateDir / "CMakeLists.txt", "edited by the user\n");
        writeBytes(templateDir / "extra.txt", "not in the archive\n");
    }
    std::filesystem::path templateDir;
};

TEST_F(ProjectPageRestore, NoLeavesTheFolderAsItIs)
{
    projectPage->restoreTemplateFolder();
    ASSERT_TRUE(services.sheet);
    EXPECT_EQ(services.sheet->message,
              "This will delete your PluginTemplate directory and restore it to original SDK condition. Are you "
              "sure you want to restore the directory?");
    EXPECT_EQ(services.sheet->buttons, (std::vector<std::string>{"Yes", "No"}));
    services.endSheet(1001);
    EXPECT_TRUE(services.alerts.empty());
    EXPECT_EQ(readBytes(templateDir / "CMakeLists.txt"), "edited by the user\n");
    EXPECT_TRUE(std::filesystem::exists(templateDir / "extra.txt"));
}

TEST_F(ProjectPageRestore, YesRestoresTheShippedTemplate)
{
    if (!std::filesystem::exists(services.resources["PluginTemplate.zip"])) GTEST_SKIP() << "no template archive";
    projectPage->restoreTemplateFolder();
    services.endSheet(1000);
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "PluginTemplate folder has been restored to factory fresh condition.");
    EXPECT_EQ(readBytes(templateDir / "CMakeLists.txt"),
              readBytes(std::filesystem::path(ZZ_SOURCE_DIR) / "templates" / "PluginTemplate" / "CMakeLists.txt"));
    EXPECT_FALSE(std::filesystem::exists(templateDir / "extra.txt"));
}

TEST_F(ProjectPageRestore, AFailedExtractionKeepsTheOldFolder)
{
    services.resources["PluginTemplate.zip"] = (root / "missing.zip").string();
    projectPage = std::make_unique<ProjectPageLogic>(outlets, services, link);
    projectPage->viewDidLoad();
    projectPage->restoreTemplateFolder();
    services.endSheet(1000);
    ASSERT_EQ(services.alerts.size(), 1u);
    EXPECT_EQ(services.alerts[0].message, "PluginTemplate extraction failed.");
    EXPECT_EQ(readBytes(templateDir / "CMakeLists.txt"), "edited by the user\n");
}

}  // namespace
}  // namespace zz::mac::testing
