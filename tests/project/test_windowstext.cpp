#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "project/windowstext.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using namespace zz;

namespace {
files::FileSystem& disk = files::realFileSystem();
}

TEST(WinFiles, TextRulesOnReading)
{
    struct Case {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\r\nb", "a\nb\n"},        // the last line gets its LF
        {"a\nb\n", "a\nb\n"},        // bare LF lines read the same
        {"a\n\n", "a\n\n"},          // an empty last line stays
        {"\r\n", "\n"},
        {"a\rb\r\n", "a\rb\n"},      // a lone CR is kept
        {"a\r\r\n", "a\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(windowsTextFromBytes(c.bytes), c.text) << '"' << c.bytes << '"';
}

TEST(WinFiles, WriteAddsOneLineEndAndWritesCrLf)
{
    TempFolder tmp;
    struct Case {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"", "\r\n"},
        {"a", "a\r\n"},
        {"a\nb\n", "a\r\nb\r\n\r\n"},
        {"x\n\ny", "x\r\n\r\ny\r\n"},
    };
    for (const auto& c : cases) {
        const std::string file = tmp / "out.txt";
        ASSERT_TRUE(writeTextFile(disk, file, c.text));
        EXPECT_EQ(readBytes(file), c.bytes) << '"' << c.text << '"';
    }
}

TEST(WinFiles, ReadMissingFileSucceedsEmptyAndCreatesOnlyWhenAsked)
{
    TempFolder tmp;
    std::string text = "old";
    ASSERT_TRUE(readTextFile(disk, tmp / "a.txt", text, {1, false}));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(fs::exists(tmp / "a.txt"));

    ASSERT_TRUE(readTextFile(disk, tmp / "b.txt", text, {1, true}));
    EXPECT_TRUE(fs::is_regular_file(tmp / "b.txt"));
    EXPECT_EQ(fs::file_size(tmp / "b.txt"), 0u);
}

TEST(WinFiles, ReadRetriesThroughTheInjectedWait)
{
    TempFolder tmp;
    const std::string file = tmp / "locked.txt";
    fs::create_directory(file);  // something that exists but cannot be opened as a file

    std::vector<int> waits;
    const RetryWait record = [&](int ms) { waits.push_back(ms); };
    std::string text = "old";

    EXPECT_FALSE(readTextFile(disk, file, text, {0, true, files::kUserFileLimit, record}));
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(text, "");

    EXPECT_FALSE(readTextFile(disk, file, text, {1, true, files::kUserFileLimit, record}));
    EXPECT_EQ(waits, std::vector<int>{2500});

    waits.clear();
    EXPECT_FALSE(readTextFile(disk, file, text, {3, true, files::kUserFileLimit, record}));
    EXPECT_EQ(waits.size(), 3u);

    // The file becomes readable while we wait: the second try succeeds.
    const RetryWait unlock = [&](int) {
        fs::remove(file);
        writeBytes(file, "free\r\n");
    };
    EXPECT_TRUE(readTextFile(disk, file, text, {1, true, files::kUserFileLimit, unlock}));
    EXPECT_EQ(text, "free\n");
}

TEST(WinFiles, WriteFailsWhereNoFileCanBeMade)
{
    TempFolder tmp;
    fs::create_directory(tmp / "folder");
    writeBytes(tmp / "plain", "x");
    EXPECT_FALSE(writeTextFile(disk, tmp / "folder", "text"));
    EXPECT_FALSE(writeTextFile(disk, tmp / "plain/below.txt", "text"));
    EXPECT_FALSE(writeTextFile(disk, tmp / "missing/below.txt", "text"));
}

TEST(WinFiles, CopyFolderTreeCopiesEverythingAndReplacesFiles)
{
    TempFolder tmp;
    const std::string src = tmp / "src";
    const std::string dst = tmp / "dst";
    writeBytes(src + "/CMakeLists.txt", "top\r\n");
    writeBytes(src + "/.hidden", "h");
    writeBytes(src + "/source/a/b/deep.cpp", "deep");
    fs::create_directories(src + "/empty");
    writeBytes(dst + "/CMakeLists.txt", "old content");
    fs::create_directories(dst + "/source");  // an existing folder is accepted

    ASSERT_TRUE(disk.copyFolderTree(src, dst));
    EXPECT_EQ(readBytes(dst + "/CMakeLists.txt"), "top\r\n");
    EXPECT_EQ(readBytes(dst + "/.hidden"), "h");
    EXPECT_EQ(readBytes(dst + "/source/a/b/deep.cpp"), "deep");
    EXPECT_TRUE(fs::is_directory(dst + "/empty"));
}

TEST(WinFiles, CopyFolderTreeFailures)
{
    TempFolder tmp;
    const std::string src = tmp / "src";
    writeBytes(src + "/sub/file.txt", "x");
    writeBytes(src + "/top.txt", "t");

    EXPECT_FALSE(disk.copyFolderTree(tmp / "missing", tmp.str()));

    // A file where a sub-folder must go.
    const std::string d1 = tmp / "d1";
    writeBytes(d1 + "/sub", "in the way");
    EXPECT_FALSE(disk.copyFolderTree(src, d1));

    // A folder where a file must go: the file cannot be copied, so the copy
    // fails instead of silently leaving the file out.
    const std::string d2 = tmp / "d2";
    fs::create_directories(d2 + "/top.txt");
    fs::create_directories(d2 + "/sub");
    EXPECT_FALSE(disk.copyFolderTree(src, d2));
}

TEST(WinFiles, CopyFolderTreeCopiesLinksAsLinks)
{
    TempFolder tmp;
    const std::string src = tmp / "src";
    const std::string outside = tmp / "outside";
    writeBytes(outside + "/secret.txt", "s");
    writeBytes(src + "/real.txt", "r");
    fs::create_directory_symlink(outside, src + "/linkdir");
    fs::create_symlink("real.txt", src + "/linkfile");
    // A link back to its own folder would never end if it were entered.
    fs::create_directory_symlink(".", src + "/loop");

    const std::string dst = tmp / "dst";
    fs::create_directory(dst);
    ASSERT_TRUE(disk.copyFolderTree(src, dst));
    EXPECT_TRUE(fs::is_symlink(dst + "/linkdir"));
    EXPECT_EQ(fs::read_symlink(dst + "/linkdir"), fs::path(outside));
    EXPECT_TRUE(fs::is_symlink(dst + "/linkfile"));
    EXPECT_EQ(fs::read_symlink(dst + "/linkfile"), fs::path("real.txt"));
    EXPECT_TRUE(fs::is_symlink(dst + "/loop"));
    EXPECT_EQ(readBytes(dst + "/real.txt"), "r");
}
