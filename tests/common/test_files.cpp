#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "common/files.h"
#include "tempfolder.h"

namespace zz::files {
namespace {

namespace fs = std::filesystem;

FileSystem& disk = realFileSystem();

TEST(Files, EntryAndTargetKinds)
{
    TempFolder dir;
    writeBytes(dir / "file", "x");
    fs::create_directory(dir / "folder");
    fs::create_symlink(dir / "file", dir / "linkToFile");
    fs::create_symlink(dir / "folder", dir / "linkToFolder");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0644), 0);
    struct Case {
        std::string name;
        EntryKind entry, target;
    } cases[] = {
        {"file", EntryKind::file, EntryKind::file},
        {"folder", EntryKind::folder, EntryKind::folder},
        {"linkToFile", EntryKind::link, EntryKind::file},
        {"linkToFolder", EntryKind::link, EntryKind::folder},
        {"dangling", EntryKind::link, EntryKind::missing},
        {"pipe", EntryKind::other, EntryKind::other},
        {"missing", EntryKind::missing, EntryKind::missing},
        {"file/below", EntryKind::missing, EntryKind::missing},  // a path through a file
        {std::string(300, 'n'), EntryKind::unknown, EntryKind::unknown},  // a name too long
    };
    for (const Case& c : cases) {
        EXPECT_EQ(disk.entryAt(dir / c.name), c.entry) << c.name;
        EXPECT_EQ(disk.targetAt(dir / c.name), c.target) << c.name;
    }
}

TEST(Files, ReadWholeFileTakesRegularFilesOnlyAndNeverWaits)
{
    TempFolder dir;
    writeBytes(dir / "file", std::string("a\0b\r\n", 5));
    writeBytes(dir / "big", std::string(1000, 'x'));
    fs::create_directory(dir / "folder");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0644), 0);  // no writer: opening it to read would wait
    fs::create_symlink("/dev/zero", dir / "endless");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    fs::create_symlink(dir / "file", dir / "linkToFile");
    struct Case {
        std::string name;
        std::uintmax_t limit;
        ReadStatus status;
        std::string bytes;
    } cases[] = {
        {"file", 100, ReadStatus::ok, std::string("a\0b\r\n", 5)},
        {"linkToFile", 100, ReadStatus::ok, std::string("a\0b\r\n", 5)},
        {"big", 1000, ReadStatus::ok, std::string(1000, 'x')},
        {"big", 999, ReadStatus::tooLarge, ""},
        {"folder", 100, ReadStatus::folder, ""},
        {"pipe", 100, ReadStatus::special, ""},
        {"endless", kUserFileLimit, ReadStatus::special, ""},
        {"dangling", 100, ReadStatus::missing, ""},
        {"missing", 100, ReadStatus::missing, ""},
        // Size 0 to stat, read in pieces: the bound counts them all.
        {"/proc/self/smaps", 5000, ReadStatus::tooLarge, ""},
    };
    for (const Case& c : cases) {
        std::string bytes = "stale";
        EXPECT_EQ(disk.readFile(dir / c.name, bytes, c.limit), c.status) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
    }
}

// A pipe swapped in for the file between the look and the open: the read
// neither waits for a writer nor takes the pipe's nothing for the file's bytes.
TEST(Files, ReadOfAFileSwappedForAPipeNeverWaits)
{
    TempFolder dir;
    writeBytes(dir / "file", "bytes");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0644), 0);
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        for (bool pipe = false; !done; pipe = !pipe) {
            ::link((dir / (pipe ? "pipe" : "file")).c_str(), (dir / "next").c_str());
            ::rename((dir / "next").c_str(), (dir / "swapped").c_str());
        }
    });
    auto reads = std::async(std::launch::async, [&] {
        std::map<ReadStatus, int> seen;
        for (int i = 0; i < 20000; ++i) {
            std::string bytes;
            const ReadStatus status = disk.readFile(dir / "swapped", bytes, 100);
            EXPECT_EQ(bytes, status == ReadStatus::ok ? "bytes" : "") << i;
            ++seen[status];
        }
        return seen;
    });
    const bool finished = reads.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    done = true;
    swapper.join();
    if (!finished) {
        // Let the read that waits for a writer go.
        const int writer = ::open((dir / "pipe").c_str(), O_WRONLY | O_NONBLOCK);
        ::close(writer);
    }
    ASSERT_TRUE(finished) << "a read waited for a writer of the pipe";
    const std::map<ReadStatus, int> seen = reads.get();
    EXPECT_GT(seen.count(ReadStatus::ok), 0u);
    EXPECT_GT(seen.count(ReadStatus::special), 0u);
}

TEST(Files, StagingFolderIsHeldAndGoesUnlessMoved)
{
    TempFolder dir;
    std::string left;
    {
        StagingFolder staging(disk, dir.str(), "creating");
        ASSERT_TRUE(staging.made());
        left = staging.path();
        EXPECT_EQ(fs::path(left).parent_path(), dir.path());
        EXPECT_TRUE(isStagingName(fs::path(left).filename().string(), "creating")) << left;
        EXPECT_TRUE(disk.folderIsHeld(left));
        writeBytes(left + "/sub/file.txt", "content");
    }
    EXPECT_FALSE(fs::exists(left));

    StagingFolder moved(disk, dir.str(), "creating");
    writeBytes(moved.path() + "/file.txt", "content");
    writeBytes(dir / "Taken/mine.txt", "mine");
    EXPECT_FALSE(moved.moveTo(dir / "Taken"));  // never over anything
    EXPECT_EQ(readBytes(dir / "Taken/mine.txt"), "mine");
    fs::create_directory(dir / "Empty");
    EXPECT_FALSE(moved.moveTo(dir / "Empty"));  // not even over an empty folder
    EXPECT_TRUE(fs::is_empty(dir / "Empty"));
    ASSERT_TRUE(moved.moveTo(dir / "Project"));
    EXPECT_EQ(readBytes(dir / "Project/file.txt"), "content");

    StagingFolder noParent(disk, dir / "missing", "creating");
    EXPECT_FALSE(noParent.made());
}

TEST(Files, OnlyAbandonedStagingFoldersAreCleared)
{
    TempFolder dir;
    const auto makeFolder = [&](const std::string& name) {
        fs::create_directory(dir / name);
        writeBytes(dir / name + "/inside.txt", "x");
    };
    makeFolder(".zizavizerovo-creating-123");     // left by a killed run
    makeFolder(".zizavizerovo-restore-123");      // another purpose
    makeFolder(".zizavizerovo-creating-12a");     // not our name
    makeFolder("zizavizerovo-creating-1");        // not hidden
    fs::create_directory(dir / "target");
    fs::create_directory_symlink(dir / "target", dir / ".zizavizerovo-creating-7");  // a link is never followed
    StagingFolder running(disk, dir.str(), "creating");  // a run that is alive
    writeBytes(running.path() + "/inside.txt", "x");

    disk.clearAbandonedStaging(dir.str(), "creating", std::chrono::seconds(0));
    EXPECT_FALSE(fs::exists(dir / ".zizavizerovo-creating-123"));
    for (const char* kept : {".zizavizerovo-restore-123", ".zizavizerovo-creating-12a", "zizavizerovo-creating-1",
                             ".zizavizerovo-creating-7", "target"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    EXPECT_TRUE(fs::exists(running.path() + "/inside.txt"));

    // A folder changed a moment ago may belong to a run that has just begun.
    makeFolder(".zizavizerovo-creating-456");
    disk.clearAbandonedStaging(dir.str(), "creating");
    EXPECT_TRUE(fs::exists(dir / ".zizavizerovo-creating-456"));
}

TEST(Files, UniqueSiblingsAreHiddenAndFree)
{
    TempFolder dir;
    const std::string first = disk.uniqueSiblingPath(dir / "PluginTemplate", "restore");
    const std::string name = fs::path(first).filename().string();
    EXPECT_EQ(fs::path(first).parent_path(), dir.path());
    EXPECT_EQ(name.rfind(".PluginTemplate.restore-", 0), 0u) << name;
    writeBytes(first, "taken");
    for (int i = 0; i < 20; ++i) EXPECT_NE(disk.uniqueSiblingPath(dir / "PluginTemplate", "restore"), first);
    // A folder named with a final separator has its siblings beside it.
    EXPECT_EQ(fs::path(disk.uniqueSiblingPath(dir / "Name/", "tmp")).parent_path(), dir.path());
}

TEST(Files, AtomicReplacementKeepsFoldersAndLeavesNothingBehind)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(disk.replaceFileAtomically(dir / "folder", "x"));
    EXPECT_FALSE(disk.replaceFileAtomically(dir / "missing/f.txt", "x"));
    ASSERT_TRUE(disk.replaceFileAtomically(dir / "new.txt", "fresh"));
    EXPECT_EQ(readBytes(dir / "new.txt"), "fresh");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // folder and new.txt
}

TEST(Files, ProgramFolder)
{
    EXPECT_EQ(folderOfProgramFile("/opt/tools/zizavizerovo"), "/opt/tools");
    EXPECT_EQ(folderOfProgramFile("zizavizerovo"), "");
    EXPECT_EQ(folderOfProgramFile("/zizavizerovo"), "");
    const std::string longFolder = "/" + std::string(300, 'x') + "/bin";
    EXPECT_EQ(folderOfProgramFile(longFolder + "/prog"), longFolder);

    // The test program itself is tests/common/test_common in the build tree.
    const fs::path folder = fs::canonical(fs::path(ZZ_BINARY_DIR) / "tests/common");
    EXPECT_EQ(programFile(), (folder / "test_common").string());
    EXPECT_EQ(programFolder(), folder.string());
}

}  // namespace
}  // namespace zz::files
