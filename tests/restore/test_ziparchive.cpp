#include <gtest/gtest.h>

#include "restore/ziparchive.h"
#include "restore_testutil.h"

using namespace zz;
using namespace zz::test;

namespace {

const std::string kPassword = "s3cret-Passw0rd";

// A tree with nested and empty folders, an empty file, a file larger than one
// read buffer, bytes of every value and an executable script.
void makeSampleTree(const fs::path& root)
{
    std::string binary;
    std::mt19937 gen(7);
    for (int i = 0; i < 200000; ++i) binary += static_cast<char>(gen() & 0xff);
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    writeBytes(root / "CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    writeBytes(root / "source" / "plugin.cpp", std::string(100000, 'x') + "\n");
    writeBytes(root / "source" / "deep" / "deeper" / "data.bin", binary);
    writeBytes(root / "empty.txt", "");
    writeBytes(root / "tools" / "run.sh", "#!/bin/sh\necho hi\n");
    fs::permissions(root / "tools" / "run.sh", fs::perms::owner_exec, fs::perm_options::add);
    fs::create_directories(root / "resources" / "empty");
}

}  // namespace

TEST(ZipArchive, PackedFolderComesBackIdentical)
{
    for (const std::string& password : {kPassword, std::string()}) {
        TempFolder tmp;
        makeSampleTree(tmp.path() / "in");
        std::string error;
        ASSERT_TRUE(kept(packFolder((tmp.path() / "in").string(), (tmp.path() / "a.zip").string(), password), error)) << error;
        fs::create_directory(tmp.path() / "out");
        ASSERT_TRUE(kept(extractArchive((tmp.path() / "a.zip").string(), (tmp.path() / "out").string(), false, password), error))
            << error;
        EXPECT_EQ(folderContents(tmp.path() / "out"), folderContents(tmp.path() / "in")) << "password '" << password << "'";
        EXPECT_NE(fs::status(tmp.path() / "out" / "tools" / "run.sh").permissions() & fs::perms::owner_exec,
                  fs::perms::none);
    }
}

TEST(ZipArchive, OurArchivesOpenInOtherTools)
{
    TempFolder tmp;
    makeSampleTree(tmp.path() / "in");
    ASSERT_TRUE(packFolder((tmp.path() / "in").string(), (tmp.path() / "a.zip").string(), kPassword));
    EXPECT_EQ(run({"unzip", {"-qq", "-t", "-P", kPassword, (tmp.path() / "a.zip").string()}}).exitCode, 0);
    EXPECT_NE(run({"unzip", {"-qq", "-t", "-P", "wrong", (tmp.path() / "a.zip").string()}}).exitCode, 0);
    // Python's zipfile reads every file with the password (it checks each
    // CRC) and refuses a wrong one.
    const std::string check = "import sys, zipfile\n"
                              "z = zipfile.ZipFile(sys.argv[1])\n"
                              "z.setpassword(sys.argv[2].encode())\n"
                              "files = [n for n in z.namelist() if not n.endswith('/')]\n"
                              "assert sorted(files) == sorted(sys.argv[3:]), files\n"
                              "for n in files: z.read(n)\n";
    writeBytes(tmp.path() / "check.py", check);
    const std::vector<std::string> files = {"CMakeLists.txt", "empty.txt", "source/deep/deeper/data.bin",
                                            "source/plugin.cpp", "tools/run.sh"};
    for (const std::string& password : {std::string(kPassword), std::string("wrong")}) {
        std::vector<std::string> args = {(tmp.path() / "check.py").string(), (tmp.path() / "a.zip").string(), password};
        args.insert(args.end(), files.begin(), files.end());
        const int exitCode = run({"python3", args}).exitCode;
        if (password == kPassword) EXPECT_EQ(exitCode, 0);
        else EXPECT_NE(exitCode, 0);
    }
}

TEST(ZipArchive, ExtractsInfoZipArchives)
{
    TempFolder tmp;
    makeSampleTree(tmp.path() / "in");
    // Info-ZIP stores folder entries ("resources/empty/") and, for encrypted
    // files, checks against the time when it writes sizes after the data.
    Command zip{"zip", {"-qr", "-P", kPassword, "../a.zip", "."}};
    zip.folder = (tmp.path() / "in").string();
    ASSERT_EQ(run(zip).exitCode, 0);
    zip.args = {"-qr", "../plain.zip", "."};
    ASSERT_EQ(run(zip).exitCode, 0);
    for (const char* archive : {"a.zip", "plain.zip"}) {
        const fs::path out = tmp.path() / (std::string("out-") + archive);
        fs::create_directory(out);
        std::string error;
        ASSERT_TRUE(kept(extractArchive((tmp.path() / archive).string(), out.string(), false, kPassword), error))
            << archive << ": " << error;
        EXPECT_EQ(folderContents(out), folderContents(tmp.path() / "in")) << archive;
    }
}

TEST(ZipArchive, BadArchivesFail)
{
    TempFolder tmp;
    makeSampleTree(tmp.path() / "in");
    const fs::path good = tmp.path() / "good.zip";
    ASSERT_TRUE(packFolder((tmp.path() / "in").string(), good.string(), kPassword));
    const std::string bytes = readBytes(good);

    writeBytes(tmp.path() / "truncated.zip", bytes.substr(0, bytes.size() / 2));
    writeBytes(tmp.path() / "notzip.zip", "this is not an archive\n");
    // One byte of file data changed, the directory intact: the checksum or
    // the inflater must notice.
    std::string flipped = bytes;
    flipped[bytes.size() / 3] = static_cast<char>(flipped[bytes.size() / 3] ^ 0x5a);
    writeBytes(tmp.path() / "flipped.zip", flipped);

    struct Case {
        const char* archive;
        std::string password;
    } cases[] = {
        {"missing.zip", kPassword}, {"truncated.zip", kPassword}, {"notzip.zip", kPassword},
        {"flipped.zip", kPassword}, {"good.zip", "another password"}, {"good.zip", ""},
    };
    for (const auto& c : cases) {
        const fs::path out = tmp.path() / "out";
        fs::remove_all(out);
        fs::create_directory(out);
        std::string error;
        EXPECT_FALSE(kept(extractArchive((tmp.path() / c.archive).string(), out.string(), true, c.password), error))
            << c.archive << " with '" << c.password << "'";
        EXPECT_FALSE(error.empty()) << c.archive;
        // A file that failed is not left behind half-written or garbled.
        for (const auto& [name, content] : folderContents(out)) {
            if (name.back() != '/') {
                EXPECT_EQ(content, readBytes(tmp.path() / "in" / name)) << c.archive << ": " << name;
            }
        }
    }
}

TEST(ZipArchive, EntryNames)
{
    struct Case {
        const char* name;
        bool safe;
    } cases[] = {
        {"a.txt", true},       {"a/b/c.txt", true},    {"dir/", true},         {"./a.txt", true},
        {"..a/b..", true},     {"a..b/c", true},       {"", false},            {"/etc/passwd", false},
        {"\\evil", false},     {"C:evil.txt", false},  {"c:/evil.txt", false}, {"Z:\\evil.txt", false},
        {"../evil", false},    {"a/../../evil", false}, {"..\\evil", false},   {"a\\..\\..\\evil", false},
        {"..", false},         {"a/..", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isSafeEntryName(c.name), c.safe) << '"' << c.name << '"';
}

TEST(ZipArchive, ZipSlipEntriesAreRefusedAndWriteNothingOutside)
{
    TempFolder tmp;
    const fs::path out = tmp.path() / "sdk" / "PluginTemplate";
    const fs::path outside = tmp.path() / "sdk";
    const std::string absolute = (outside / "abs-evil.txt").string();
    const std::vector<std::string> names = {
        "../evil.txt", "sub/../../evil.txt", "..\\evil.txt", absolute, "C:/evil.txt", "c:evil.txt", "/"};
    for (const auto& bad : names) {
        fs::remove_all(outside);
        fs::create_directories(out);
        // A harmless entry first: refusing the bad one must fail the whole run.
        const fs::path archive = tmp.path() / "slip.zip";
        ASSERT_TRUE(pythonZip(archive, {{"a-good.txt", "fine"}, {bad, "evil"}})) << bad;
        std::string error;
        EXPECT_FALSE(kept(extractArchive(archive.string(), out.string(), true, ""), error)) << bad;
        EXPECT_NE(error.find("refused"), std::string::npos) << bad << ": " << error;
        // Nothing but the destination (and what it holds) exists in its parent.
        for (const auto& e : fs::directory_iterator(outside)) EXPECT_EQ(e.path(), out) << bad;
        EXPECT_FALSE(fs::exists(tmp.path() / "evil.txt")) << bad;
    }
}

TEST(ZipArchive, SymbolicLinkInDestinationIsNotFollowed)
{
    TempFolder tmp;
    const fs::path out = tmp.path() / "out";
    fs::create_directories(out);
    fs::create_directories(tmp.path() / "elsewhere");
    fs::create_directory_symlink(tmp.path() / "elsewhere", out / "link");
    writeBytes(out / "file", "a file");
    const struct {
        std::string entry, error;
    } cases[] = {
        {"link/evil.txt", "entry \"link/evil.txt\" leads through a symbolic link"},
        {"link/sub/", "entry \"link/sub/\" leads through a symbolic link"},
        {"link/", "entry \"link/\" leads through a symbolic link"},
        {"file/evil.txt", "cannot create folder " + (out / "file").string()},
        {"file/sub/", "cannot create folder " + (out / "file" / "sub").string()},
    };
    for (const auto& c : cases) {
        const fs::path archive = tmp.path() / "a.zip";
        ASSERT_TRUE(pythonZip(archive, {{c.entry, ""}})) << c.entry;
        std::string error;
        EXPECT_FALSE(kept(extractArchive(archive.string(), out.string(), true, ""), error)) << c.entry;
        EXPECT_EQ(error, c.error);
    }
    EXPECT_TRUE(fs::is_empty(tmp.path() / "elsewhere"));
    EXPECT_EQ(readBytes(out / "file"), "a file");
}

TEST(ZipArchive, OverwriteFlag)
{
    TempFolder tmp;
    writeBytes(tmp.path() / "in" / "sub" / "f.txt", "new");
    ASSERT_TRUE(packFolder((tmp.path() / "in").string(), (tmp.path() / "a.zip").string(), kPassword));
    writeBytes(tmp.path() / "out" / "sub" / "f.txt", "old");
    writeBytes(tmp.path() / "out" / "other.txt", "kept");
    const std::string archive = (tmp.path() / "a.zip").string();
    const std::string out = (tmp.path() / "out").string();

    EXPECT_FALSE(extractArchive(archive, out, false, kPassword));
    EXPECT_EQ(readBytes(tmp.path() / "out" / "sub" / "f.txt"), "old");
    EXPECT_TRUE(extractArchive(archive, out, true, kPassword));
    EXPECT_EQ(readBytes(tmp.path() / "out" / "sub" / "f.txt"), "new");
    EXPECT_EQ(readBytes(tmp.path() / "out" / "other.txt"), "kept");
}

TEST(ZipArchive, PackingRefusesLinksAndLeavesNoArchive)
{
    TempFolder tmp;
    std::string error;
    writeBytes(tmp.path() / "in" / "f.txt", "x");
    fs::create_symlink(tmp.path() / "in" / "f.txt", tmp.path() / "in" / "link");
    EXPECT_FALSE(kept(packFolder((tmp.path() / "in").string(), (tmp.path() / "a.zip").string(), ""), error));
    EXPECT_FALSE(fs::exists(tmp.path() / "a.zip"));
}

TEST(ZipArchive, ArchiveInsideThePackedFolderLeavesItselfOut)
{
    TempFolder tmp;
    writeBytes(tmp.path() / "in" / "f.txt", "x");
    writeBytes(tmp.path() / "in" / "a.zip", "an older archive");
    ASSERT_TRUE(packFolder((tmp.path() / "in").string(), (tmp.path() / "in" / "a.zip").string(), ""));
    fs::create_directory(tmp.path() / "out");
    ASSERT_TRUE(extractArchive((tmp.path() / "in" / "a.zip").string(), (tmp.path() / "out").string(), false, ""));
    EXPECT_EQ(folderContents(tmp.path() / "out"), (std::map<std::string, std::string>{{"f.txt", "x"}}));
}
