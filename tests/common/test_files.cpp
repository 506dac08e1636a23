#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/files.h"
#include "tempfolder.h"

namespace zz::files {
namespace {

namespace fs = std::filesystem;

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
        EXPECT_EQ(entryAt(dir / c.name), c.entry) << c.name;
        EXPECT_EQ(targetAt(dir / c.name), c.target) << c.name;
    }
}

TEST(Files, ReadWholeFileTakesFilesOnly)
{
    TempFolder dir;
    writeBytes(dir / "file", std::string("a\0b\r\n", 5));
    std::string bytes = "stale";
    ASSERT_TRUE(readWholeFile(dir / "file", bytes));
    EXPECT_EQ(bytes, std::string("a\0b\r\n", 5));
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(readWholeFile(dir / "folder", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(readWholeFile(dir / "missing", bytes));
}

TEST(Files, UniqueSiblingsAreHiddenAndFree)
{
    TempFolder dir;
    const std::string first = uniqueSiblingPath(dir / "PluginTemplate", "restore");
    const std::string name = fs::path(first).filename().string();
    EXPECT_EQ(fs::path(first).parent_path(), dir.path());
    EXPECT_EQ(name.rfind(".PluginTemplate.restore-", 0), 0u) << name;
    writeBytes(first, "taken");
    for (int i = 0; i < 20; ++i) EXPECT_NE(uniqueSiblingPath(dir / "PluginTemplate", "restore"), first);
    // A folder named with a final separator has its siblings beside it.
    EXPECT_EQ(fs::path(uniqueSiblingPath(dir / "Name/", "tmp")).parent_path(), dir.path());
}

TEST(Files, AtomicReplacementKeepsFoldersAndLeavesNothingBehind)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(replaceFileAtomically(dir / "folder", "x"));
    EXPECT_FALSE(replaceFileAtomically(dir / "missing/f.txt", "x"));
    ASSERT_TRUE(replaceFileAtomically(dir / "new.txt", "fresh"));
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

    // The test program itself lives in the build tree's tests/common.
    const std::string folder = programFolder();
    EXPECT_EQ(fs::path(folder), fs::path(programFile()).parent_path());
    EXPECT_TRUE(fs::exists(fs::path(folder) / fs::path(programFile()).filename()));
}

}  // namespace
}  // namespace zz::files
