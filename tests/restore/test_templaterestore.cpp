#include <chrono>
#include <iostream>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "common/files.h"
#include "faultyfiles.h"
#include "restore/templaterestore.h"
#include "restore/ziparchive.h"
#include "restore_testutil.h"

using namespace zz;
using namespace zz::test;

namespace {

// A shipped template, its archive made with the template password, and an SDK
// folder that holds the template folder to restore.
struct RestoreFixture : ::testing::Test {
    TempFolder tmp;
    fs::path shipped = tmp.path() / "shipped";
    fs::path archive = tmp.path() / "PluginTemplate.zip";
    fs::path sdk = tmp.path() / "SDK";
    fs::path templ = sdk / "PluginTemplate";

    void SetUp() override
    {
        writeBytes(shipped / "CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
        writeBytes(shipped / "source" / "PluginKernel" / "plugin.cpp", "// plugin\n");
        fs::create_directories(shipped / "resources" / "empty");
        std::string error;
        ASSERT_TRUE(kept(packFolder(shipped.string(), archive.string(), kTemplateArchivePassword), error)) << error;
    }

    // The SDK folder holds nothing but the template folder (no staging left).
    void expectOnlyTemplateInSdk()
    {
        for (const auto& e : fs::directory_iterator(sdk)) EXPECT_EQ(e.path(), templ);
    }
};

}  // namespace

TEST(TemplatePaths, FolderFromBundle)
{
    struct Case {
        const char* bundle;
        const char* folder;
    } cases[] = {
        {"/Users/me/SDK/A/B/Tool.app", "/Users/me/SDK/PluginTemplate"},
        {"/Users/me/SDK/A/B/Tool.app/", "/Users/me/SDK/PluginTemplate"},
        {"SDK/A/B/Tool.app", "SDK/PluginTemplate"},
        {"/A/B/Tool.app", "/PluginTemplate"},
        {"B/Tool.app", "PluginTemplate"},
        {"/", "/PluginTemplate"},
    };
    for (const auto& c : cases) EXPECT_EQ(pluginTemplateDIRPath(c.bundle), c.folder) << c.bundle;
    EXPECT_EQ(pluginTemplateZIPPath("/Apps/Tool.app/"), "/Apps/Tool.app/Contents/Resources/PluginTemplate.zip");
}

TEST_F(RestoreFixture, MissingFolderIsCreatedAndFilled)
{
    const Result r = restoreTemplateDirectory(templ.string(), archive.string());
    EXPECT_TRUE(r.ok) << r.detail;
    EXPECT_EQ(r.message, "PluginTemplate folder has been restored to factory fresh condition.");
    EXPECT_EQ(folderContents(templ), folderContents(shipped));
    EXPECT_TRUE(r.systemLog.empty());
    expectOnlyTemplateInSdk();
}

TEST_F(RestoreFixture, EditedFolderLosesWhatTheArchiveDoesNotHold)
{
    writeBytes(templ / "CMakeLists.txt", "edited\n");
    writeBytes(templ / "mine.txt", "user file\n");
    writeBytes(templ / "source" / "extra" / "x.cpp", "x\n");
    fs::remove_all(shipped / "resources");  // also gone from the shipped tree below
    const Result r = restoreTemplateDirectory((templ.string() + "/"), archive.string());
    EXPECT_TRUE(r.ok) << r.detail;
    fs::create_directories(shipped / "resources" / "empty");
    EXPECT_EQ(folderContents(templ), folderContents(shipped));
    expectOnlyTemplateInSdk();
}

TEST_F(RestoreFixture, FailedRestoreLeavesTheOldFolderAsItWas)
{
    const std::string bytes = readBytes(archive);
    writeBytes(tmp.path() / "truncated.zip", bytes.substr(0, bytes.size() - 30));
    ASSERT_TRUE(packFolder(shipped.string(), (tmp.path() / "foreign.zip").string(), "another password"));
    ASSERT_TRUE(pythonZip(tmp.path() / "slip.zip", {{"CMakeLists.txt", "x"}, {"../escaped.txt", "evil"}}));

    for (const char* bad : {"missing.zip", "truncated.zip", "foreign.zip", "slip.zip"}) {
        fs::remove_all(sdk);
        writeBytes(templ / "CMakeLists.txt", "edited\n");
        writeBytes(templ / "mine.txt", "user file\n");
        fs::create_directories(templ / "empty");
        const auto before = folderContents(templ);

        const Result r = restoreTemplateDirectory(templ.string(), (tmp.path() / bad).string());
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.message, "PluginTemplate extraction failed.") << bad;
        EXPECT_FALSE(r.detail.empty()) << bad;
        EXPECT_EQ(folderContents(templ), before) << bad;
        expectOnlyTemplateInSdk();
        EXPECT_FALSE(fs::exists(sdk / "escaped.txt")) << bad;
    }
}

TEST_F(RestoreFixture, FolderThatCannotBeCreatedIsLoggedAndFails)
{
    // A regular file where a folder above the SDK should be: nothing can be
    // created below it.
    writeBytes(tmp.path() / "file", "a file");
    const fs::path below = tmp.path() / "file" / "SDK";
    const Result r = restoreTemplateDirectory((below / "PluginTemplate").string(), archive.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "PluginTemplate extraction failed.");
    EXPECT_EQ(r.systemLog, std::vector<std::string>{"Error: Create folder failed " + below.string()});
    EXPECT_EQ(readBytes(tmp.path() / "file"), "a file");
}

TEST_F(RestoreFixture, ARestoreKilledHalfWayIsClearedByTheNextOne)
{
    // What a restore killed during the extraction leaves: a hidden folder of
    // its own, unheld, changed a while ago; so is the old template folder a
    // run killed while swapping left aside (a restore replaces it anyway).
    // One that a running restore holds, and anything not of our making, stay.
    const auto aMinuteAgo = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    writeBytes(sdk / ".zizavizerovo-restore-4711" / "CMakeLists.txt", "half");
    fs::last_write_time(sdk / ".zizavizerovo-restore-4711", aMinuteAgo);
    writeBytes(sdk / ".zizavizerovo-restore-aside-815" / "PluginTemplate" / "mine.txt", "old template");
    fs::last_write_time(sdk / ".zizavizerovo-restore-aside-815", aMinuteAgo);
    files::StagingFolder running(files::realFileSystem(), sdk.string(), kRestoreStaging);
    writeBytes(sdk / ".PluginTemplate.mine", "not ours");

    const Result r = restoreTemplateDirectory(templ.string(), archive.string());
    EXPECT_TRUE(r.ok) << r.detail;
    EXPECT_FALSE(fs::exists(sdk / ".zizavizerovo-restore-4711"));
    EXPECT_TRUE(fs::exists(running.path()));
    EXPECT_EQ(readBytes(sdk / ".PluginTemplate.mine"), "not ours");
    EXPECT_FALSE(fs::exists(sdk / ".zizavizerovo-restore-aside-815"));
    EXPECT_EQ(folderContents(templ), folderContents(shipped));
}

// Every file-system call of a restore failing in turn, alone and with every
// call after it: the template folder is the shipped one, or the old one
// (failure); nothing else is left beside it but hidden folders of ours that no
// run holds, which the next restore clears. Should neither folder be able to
// take the template's place, the old one waits where the failure says.
TEST_F(RestoreFixture, FaultSweepLeavesTheOldTemplateOrTheNewOne)
{
    const auto shippedTree = folderContents(shipped);
    const std::map<std::string, std::string> old = {
        {"CMakeLists.txt", "edited\n"}, {"mine.txt", "user file\n"}, {"source/", ""}};
    const std::size_t points = sweepFaults([&](FaultyFileSystem& faults, const std::string& fault) {
        fs::remove_all(sdk);
        writeBytes(templ / "CMakeLists.txt", "edited\n");
        writeBytes(templ / "mine.txt", "user file\n");
        fs::create_directories(templ / "source");

        const Result r = restoreTemplateDirectory(templ.string(), archive.string(), faults);
        if (r.ok) {
            EXPECT_EQ(r.message, kRestoreSuccessMessage) << fault;
            EXPECT_EQ(folderContents(templ), shippedTree) << fault;
        } else {
            EXPECT_EQ(r.message, kRestoreFailureMessage) << fault;
            EXPECT_FALSE(r.detail.empty()) << fault;
            const std::string waiting = "the old folder is ";
            const auto named = r.detail.find(waiting);
            const fs::path oldPlace = named == std::string::npos ? templ : fs::path(r.detail.substr(named + waiting.size()));
            EXPECT_EQ(folderContents(oldPlace), old) << fault;
            if (oldPlace != templ) {
                EXPECT_FALSE(fs::exists(templ)) << fault;
            }
        }
        // Beside the template: hidden folders of ours, held by no run, which a
        // later restore clears.
        for (const auto& e : fs::directory_iterator(sdk)) {
            if (e.path() == templ) continue;
            const std::string name = e.path().filename().string();
            EXPECT_TRUE(files::isStagingName(name, kRestoreStaging) || files::isStagingName(name, kRestoreAside))
                << fault << ": " << name;
            EXPECT_FALSE(files::realFileSystem().folderIsHeld(e.path().string())) << fault << ": " << name;
        }
        files::realFileSystem().clearAbandonedStaging(sdk.string(), kRestoreStaging, std::chrono::seconds(0));
        files::realFileSystem().clearAbandonedStaging(sdk.string(), kRestoreAside, std::chrono::seconds(0));
        if (r.ok || r.detail.find("the old folder is ") == std::string::npos) expectOnlyTemplateInSdk();
        if (fault.empty()) {
            EXPECT_TRUE(r.ok) << r.detail;
        }
    });
    EXPECT_GT(points, 30u);
    std::cout << "[ sweep    ] restore: " << points << " calls\n";
}

// The renames alone fail once the old folder is aside: it stays there, whole,
// and the failure says where.
TEST_F(RestoreFixture, WhenNeitherFolderCanTakeTheTemplatesPlaceTheOldOneIsKept)
{
    writeBytes(templ / "mine.txt", "user file\n");
    FaultyFileSystem renames;
    renames.only = {"renameNoReplace"};
    renames.failAt = 2;
    renames.andLater = true;
    const Result r = restoreTemplateDirectory(templ.string(), archive.string(), renames);
    EXPECT_FALSE(r.ok);
    const std::string waiting = "cannot move the restored folder into place; the old folder is ";
    ASSERT_EQ(r.detail.rfind(waiting, 0), 0u) << r.detail;
    const std::string old = r.detail.substr(waiting.size());
    EXPECT_EQ(r.systemLog, std::vector<std::string>{"Error: Move folder failed " + old});
    EXPECT_EQ(folderContents(old), (std::map<std::string, std::string>{{"mine.txt", "user file\n"}}));
    EXPECT_FALSE(fs::exists(templ));
}
