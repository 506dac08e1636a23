// A project appears under its name only complete; a failed or killed
// creation leaves nothing of its own behind and never touches what it did not
// make.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "project/makeproject.h"
#include "faultyfiles.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using namespace zz;

namespace {

std::string makeTemplate(const std::string& folder, int files)
{
    writeBytes(folder + "/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    for (int i = 0; i < files; ++i) writeBytes(folder + "/source/file" + std::to_string(i) + ".cpp", "// x\n");
    return folder;
}

ZezureProject record(Deliverable d, const std::string& folder, const std::string& name)
{
    ZezureProject p = makeDefaultProject(d, folder);
    p.projectFolderPath = d == Deliverable::mac ? folder + "/" : folder;
    p.projectName = name;
    return p;
}

// A file system that counts the files the creation copies and fails the
// `failAt`-th (from 1; 0 for none).
FaultyFileSystem copies(size_t failAt = 0)
{
    FaultyFileSystem f;
    f.only = {"copyFile"};
    f.failAt = failAt;
    return f;
}

CreationResult createOn(FaultyFileSystem& files, Deliverable d, const ZezureProject& p, const std::string& tpl)
{
    if (d == Deliverable::windows) {
        WindowsCreateOptions o;
        o.separator = '/';
        o.wait = [](int) {};
        o.fileSystem = &files;
        return makeProjectWindows(p, tpl, o);
    }
    MacCreateOptions o;
    o.fileSystem = &files;
    return makeProjectMac(p, tpl, o);
}

CreationResult create(Deliverable d, const ZezureProject& p, const std::string& tpl,
                      FaultyFileSystem copyFails = copies())
{
    return createOn(copyFails, d, p, tpl);
}

class CreationStaging : public ::testing::TestWithParam<Deliverable> {};

TEST_P(CreationStaging, ACopyThatFailsPartWayLeavesNothingAndTheRetryWorks)
{
    const Deliverable d = GetParam();
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp / "template", 6);
    writeBytes(tmp / "projects/Other/mine.txt", "not ours");
    const auto before = folderContents(tmp / "projects");

    for (size_t failAt : {1, 3, 7}) {
        const CreationResult r = create(d, record(d, tmp / "projects", "Half"), tpl, copies(failAt));
        EXPECT_FALSE(r.ok) << failAt;
        if (d == Deliverable::windows) {
            EXPECT_EQ(r.message, "Could not copy the template folder: " + tpl);
            EXPECT_EQ(r.creationLog, "Project Destination (dest):" + (tmp / "projects/Half") +
                                         "\nValidating destination: Succeeded in creating destination folder. \n\n"
                                         "Template Folder XCopy: FAILED \n");
        } else {
            EXPECT_EQ(r.message, "Could not copy the basis directory to destination.");
            EXPECT_EQ(r.informativeText, tmp / "projects/Half");
            EXPECT_EQ(r.systemLog, std::vector<std::string>{"Error: \"template\" couldn't be copied to \"projects\"."});
        }
        EXPECT_EQ(folderContents(tmp / "projects"), before) << failAt;
    }
    const CreationResult retry = create(d, record(d, tmp / "projects", "Half"), tpl);
    ASSERT_TRUE(retry.ok) << retry.message;
    EXPECT_EQ(readBytes(tmp / "projects/Half/source/file5.cpp"), "// x\n");
}

TEST_P(CreationStaging, AProjectThatAppearsMeanwhileIsNeverReplaced)
{
    const Deliverable d = GetParam();
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp / "template", 1);
    fs::create_directories(tmp / "projects");
    // Another run takes the name while this one copies.
    FaultyFileSystem racing = copies();
    racing.before = [&](size_t n, const std::string&) {
        if (n == 1) writeBytes(tmp / "projects/Race/theirs.txt", "the other run's");
    };
    const CreationResult r = create(d, record(d, tmp / "projects", "Race"), tpl, racing);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, d == Deliverable::windows ? "Project already exists. Delete it or change the project name."
                                                   : "Could not copy the basis directory to destination.");
    EXPECT_EQ(folderContents(tmp / "projects"),
              (std::map<std::string, std::string>{{"Race/", ""}, {"Race/theirs.txt", "the other run's"}}));
}

TEST_P(CreationStaging, AKilledRunLeavesNoProjectAndTheNextRunClearsItsFolder)
{
    const Deliverable d = GetParam();
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp / "template", 3);
    fs::create_directories(tmp / "projects");

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Copies one file, then waits to be killed.
        FaultyFileSystem stalling = copies();
        stalling.before = [](size_t n, const std::string&) {
            if (n == 2)
                for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        };
        create(d, record(d, tmp / "projects", "Killed"), tpl, stalling);
        _exit(0);
    }
    // Wait for the half-made copy, then kill the run.
    fs::path staging;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (staging.empty() && std::chrono::steady_clock::now() < deadline) {
        for (const auto& e : fs::recursive_directory_iterator(tmp / "projects"))
            if (e.path().filename() == "CMakeLists.txt") staging = e.path().parent_path();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_FALSE(staging.empty());

    // Nothing under the project's name; the leftover is a hidden folder of ours.
    EXPECT_FALSE(fs::exists(tmp / "projects/Killed"));
    std::string leftover = staging.filename().string();
    if (d == Deliverable::mac) leftover = staging.parent_path().filename().string();
    const std::string prefix = ".zizavizerovo-creating-";
    EXPECT_EQ(leftover.rfind(prefix, 0), 0u) << leftover;
    EXPECT_GT(leftover.size(), prefix.size()) << leftover;
    EXPECT_EQ(leftover.find_first_not_of("0123456789", prefix.size()), std::string::npos) << leftover;

    // A moment later the next creation in that folder clears it.
    fs::last_write_time(tmp.path() / "projects" / leftover, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    const CreationResult next = create(d, record(d, tmp / "projects", "Killed"), tpl);
    ASSERT_TRUE(next.ok) << next.message;
    EXPECT_EQ(folderContents(tmp / "projects").count(leftover + "/"), 0u);
    EXPECT_EQ(readBytes(tmp / "projects/Killed/source/file2.cpp"), "// x\n");
}

// The project file's bytes are on the disk before the project takes its name:
// a crash after the move never leaves a project with an empty project file.
TEST_P(CreationStaging, TheProjectFileIsSyncedBeforeTheMoveIntoPlace)
{
    const Deliverable d = GetParam();
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp / "template", 1);
    fs::create_directories(tmp / "projects");
    FaultyFileSystem watched;
    const CreationResult r = createOn(watched, d, record(d, tmp / "projects", "Synced"), tpl);
    ASSERT_TRUE(r.ok) << r.message;
    const auto at = [&](const std::string& call) {
        return std::find(watched.calls.begin(), watched.calls.end(), call) - watched.calls.begin();
    };
    const auto moved = std::find_if(watched.calls.rbegin(), watched.calls.rend(), [](const std::string& call) {
        return call.rfind("renameNoReplace ", 0) == 0;
    });
    ASSERT_NE(moved, watched.calls.rend());
    // The file written (the macOS write goes to a file beside it first).
    const auto written = std::find_if(watched.synced.begin(), watched.synced.end(), [](const std::string& path) {
        return path.find("CMakeLists.txt") != std::string::npos;
    });
    ASSERT_NE(written, watched.synced.end()) << "the project file was never synced";
    EXPECT_LT(at("close " + *written), at(*moved)) << *written;
}

// A file system too small for the template: the copy fails with the disk full.
TEST_P(CreationStaging, AFullDiskLeavesNothing)
{
    const Deliverable d = GetParam();
    TempFolder tmp;
    const std::string small = tmp / "small";
    fs::create_directories(small);
    if (geteuid() != 0 || mount("zz-test", small.c_str(), "tmpfs", 0, "size=300k") != 0)
        GTEST_SKIP() << "needs root and a tmpfs mount";
    std::string tpl = tmp / "template";
    writeBytes(tpl + "/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    for (int i = 0; i < 4; ++i) writeBytes(tpl + "/big" + std::to_string(i) + ".bin", std::string(100 * 1024, 'z'));
    const CreationResult r = create(d, record(d, small, "Full"), tpl);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(fs::is_empty(small));
    umount(small.c_str());
}

INSTANTIATE_TEST_SUITE_P(Styles, CreationStaging, ::testing::Values(Deliverable::windows, Deliverable::mac),
                         [](const auto& info) { return info.param == Deliverable::windows ? "windows" : "macos"; });

}  // namespace
