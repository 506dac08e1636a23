// The CRC-32 check of extracted entries. A stored (uncompressed) entry has no
// inflater to stumble over damaged bytes: only the checksum stands between a
// flipped byte and a restore that reports success.
#include <gtest/gtest.h>

#include "restore/templaterestore.h"
#include "restore/ziparchive.h"
#include "restore_testutil.h"

using namespace zz;
using namespace zz::test;

namespace {

// Offset of the first entry's data in an archive whose first local header
// starts at byte 0.
size_t firstEntryData(const std::string& zip)
{
    const auto le16 = [&](size_t at) {
        return size_t(static_cast<unsigned char>(zip[at])) | size_t(static_cast<unsigned char>(zip[at + 1])) << 8;
    };
    return 30 + le16(26) + le16(28);
}

struct Damaged {
    const char* what;
    std::string password;  // empty: the archive is not encrypted
    fs::path archive;
};

// Two archives holding greeting.txt = "hello", stored, each with one byte of
// the entry's data changed and the directory left intact: one unencrypted
// (Python's zipfile; "hello" becomes "helLo"), one made by `zip -0 -P`.
std::vector<Damaged> makeDamaged(const fs::path& dir)
{
    std::vector<Damaged> out;
    writeBytes(dir / "in" / "greeting.txt", "hello");

    const fs::path plain = dir / "plain.zip";
    const std::string script = "import sys, zipfile\n"
                               "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_STORED) as z:\n"
                               "    z.writestr('greeting.txt', 'hello')\n";
    EXPECT_TRUE(pythonOnArchive(plain, script));
    std::string bytes = readBytes(plain);
    const size_t at = bytes.find("hello");
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) bytes[at + 3] = 'L';
    writeBytes(plain, bytes);
    out.push_back({"unencrypted", "", plain});

    const fs::path secret = dir / "secret.zip";
    Command zip{"zip", {"-q", "-0", "-P", "pw", secret.string(), "greeting.txt"}};
    zip.folder = (dir / "in").string();
    EXPECT_EQ(run(zip).exitCode, 0);
    bytes = readBytes(secret);
    const size_t data = firstEntryData(bytes) + 12 + 3;  // after the encryption header
    EXPECT_LT(data, bytes.size());
    if (data < bytes.size()) bytes[data] = static_cast<char>(bytes[data] ^ 0x20);
    writeBytes(secret, bytes);
    out.push_back({"encrypted", "pw", secret});
    return out;
}

}  // namespace

TEST(ZipChecksum, StoredEntryWithAFlippedByteFailsAndLeavesNoFile)
{
    TempFolder tmp;
    for (const Damaged& d : makeDamaged(tmp.path())) {
        const fs::path out = tmp.path() / (std::string("out-") + d.what);
        fs::create_directory(out);
        std::string error;
        EXPECT_FALSE(kept(extractArchive(d.archive.string(), out.string(), false, d.password), error)) << d.what;
        EXPECT_NE(error.find("entry \"greeting.txt\" fails its checksum"), std::string::npos) << d.what << ": " << error;
        EXPECT_FALSE(fs::exists(out / "greeting.txt")) << d.what;
    }
}

TEST(ZipChecksum, UndamagedStoredEntriesExtract)
{
    TempFolder tmp;
    writeBytes(tmp.path() / "in" / "greeting.txt", "hello");
    Command secretZip{"zip", {"-q", "-0", "-P", "pw", "../secret.zip", "greeting.txt"}};
    secretZip.folder = (tmp.path() / "in").string();
    ASSERT_EQ(run(secretZip).exitCode, 0);
    Command plainZip{"zip", {"-q", "-0", "../plain.zip", "greeting.txt"}};
    plainZip.folder = (tmp.path() / "in").string();
    ASSERT_EQ(run(plainZip).exitCode, 0);
    for (const auto& [archive, password] : {std::pair{"secret.zip", "pw"}, std::pair{"plain.zip", ""}}) {
        const fs::path out = tmp.path() / (std::string("out-") + archive);
        fs::create_directory(out);
        std::string error;
        EXPECT_TRUE(kept(extractArchive((tmp.path() / archive).string(), out.string(), false, password), error))
            << archive << ": " << error;
        EXPECT_EQ(readBytes(out / "greeting.txt"), "hello") << archive;
    }
}

TEST(ZipChecksum, RestoreFromADamagedStoredEntryKeepsTheOldFolder)
{
    TempFolder tmp;
    const std::vector<Damaged> damaged = makeDamaged(tmp.path());
    const fs::path templ = tmp.path() / "SDK" / "PluginTemplate";
    writeBytes(templ / "mine.txt", "edited");
    // The template archive's password differs from the one the damaged
    // archive is made with, so only the unencrypted one reaches the checksum.
    const Result r = restoreTemplateDirectory(templ.string(), damaged[0].archive.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "PluginTemplate extraction failed.");
    EXPECT_EQ(r.detail, "entry \"greeting.txt\" fails its checksum");
    EXPECT_EQ(folderContents(templ), (std::map<std::string, std::string>{{"mine.txt", "edited"}}));
    for (const auto& e : fs::directory_iterator(tmp.path() / "SDK")) EXPECT_EQ(e.path(), templ);
}

// An empty folder packs into an archive with no entries, which extracts to
// nothing (libzip itself writes no file for an archive without entries).
TEST(ZipChecksum, EmptyFolderPacksIntoAnEmptyArchive)
{
    TempFolder tmp;
    fs::create_directories(tmp.path() / "in");
    std::string error;
    ASSERT_TRUE(kept(packFolder((tmp.path() / "in").string(), (tmp.path() / "a.zip").string(), "pw"), error)) << error;
    EXPECT_EQ(fs::file_size(tmp.path() / "a.zip"), 22u);
    EXPECT_EQ(run({"python3",
                   {"-c", "import sys, zipfile; assert zipfile.ZipFile(sys.argv[1]).namelist() == []",
                    (tmp.path() / "a.zip").string()}})
                  .exitCode,
              0);
    fs::create_directory(tmp.path() / "out");
    EXPECT_TRUE(kept(extractArchive((tmp.path() / "a.zip").string(), (tmp.path() / "out").string(), false, "pw"), error))
        << error;
    EXPECT_TRUE(fs::is_empty(tmp.path() / "out"));
}

// Archives forged from Python-made ones by patching their headers: the entry
// is refused with its reason and nothing is written.
// - libzip reads a deflated entry to the end of its data whatever size the
//   directory announces (1.7.3 hands over all 1,000,000 bytes of an entry that
//   claims 10, CRC intact, and reports no error); the extraction stops at the
//   announced size, so a forged entry cannot fill the disk.
// - An entry flagged with strong encryption (a method libzip does not read) is
//   refused by name, before libzip opens it. Under the sanitizers this also
//   guards against the leak of libzip 1.7.3 when it refuses the method itself.
TEST(ZipChecksum, ForgedEntriesAreRefusedAndWriteNothing)
{
    const struct {
        const char* what;
        std::string script;
        const char* password;
        const char* error;
    } cases[] = {
        {"longer than the directory says",
         "import sys, zipfile, struct\n"
         "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
         "    z.writestr('big.txt', 'A' * 1000000)\n"
         "b = bytearray(open(sys.argv[1], 'rb').read())\n"
         "struct.pack_into('<I', b, 22, 10)\n"
         "struct.pack_into('<I', b, b.find(b'PK\\x01\\x02') + 24, 10)\n"
         "open(sys.argv[1], 'wb').write(b)\n",
         "", "entry \"big.txt\" is damaged"},
        {"an unknown encryption",
         "import sys, zipfile, struct\n"
         "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_STORED) as z:\n"
         "    z.writestr('secret.txt', 'hello')\n"
         "b = bytearray(open(sys.argv[1], 'rb').read())\n"
         "struct.pack_into('<H', b, 6, 0x41)\n"
         "struct.pack_into('<H', b, b.find(b'PK\\x01\\x02') + 8, 0x41)\n"
         "open(sys.argv[1], 'wb').write(b)\n",
         "pw", "entry \"secret.txt\" uses an encryption this tool does not read"},
    };
    for (const auto& c : cases) {
        TempFolder tmp;
        const fs::path archive = tmp.path() / "forged.zip";
        ASSERT_TRUE(pythonOnArchive(archive, c.script)) << c.what;
        fs::create_directory(tmp.path() / "out");
        std::string error;
        EXPECT_FALSE(kept(extractArchive(archive.string(), (tmp.path() / "out").string(), false, c.password), error))
            << c.what;
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(fs::is_empty(tmp.path() / "out")) << c.what;
    }
}
