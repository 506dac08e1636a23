#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "faultyfiles.h"
#include "project/settingsfile.h"
#include "tempfolder.h"

namespace zz {
namespace {

namespace fs = std::filesystem;

// vendorName, fourCharVendorID, vendorURL, vendorEmail, projectFolderPath, useTemplate.
using Values = std::vector<std::string>;

Values valuesOf(const ZezureProject& p)
{
    return {p.vendorName, p.fourCharVendorID, p.vendorURL, p.vendorEmail, p.projectFolderPath,
            p.useTemplate ? "1" : "0"};
}

const std::string kProgram = "C:\\Zz";
const std::string kUrl = "https://www.example.com", kMail = "support@example.com";
const Values kWindowsDefaults{"My Company", "DIRO", kUrl, kMail, kProgram, "0"};
const Values kMacFirstStart{"My Company", "DIRO", kUrl, kMail, "path not set", "0"};
const Values kMacDefaults{"", "", "", "", "", "0"};
const std::string kWindowsDefaultBytes = "My Company\r\nDIRO\r\n" + kUrl + "\r\n" + kMail + "\r\n" + kProgram + "\r\n\r\n";
const std::string kMacFirstStartBytes = "My Company\nDIRO\n" + kUrl + "\n" + kMail + "\npath not set\n0\n";

struct Loaded {
    ZezureProject project;
    Result report;
    std::vector<int> waits;  // the pauses between tries to open the Windows file
};

Loaded load(Deliverable d, const std::string& path, bool useTemplate = false, files::FileSystem* fileSystem = nullptr)
{
    Loaded l{makeDefaultProject(d, kProgram), {}, {}};
    l.project.useTemplate = useTemplate;
    SettingsFileServices io;
    io.wait = [&l](int ms) { l.waits.push_back(ms); };
    if (fileSystem) io.fileSystem = fileSystem;
    l.report = loadLogFile(d, l.project, path, io);
    return l;
}

std::vector<std::string> entriesOf(const TempFolder& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A file system whose writes fail: a full disk.
struct FullDisk : FaultyFileSystem {
    FullDisk()
    {
        only = {"write"};
        failAt = 1;
    }
};

struct FileCase {
    Deliverable deliverable;
    std::string bytes;
    bool useTemplateBefore;
    Values expected;
};

TEST(SettingsFile, ValuesReadFromAFile)
{
    const auto W = Deliverable::windows, M = Deliverable::mac;
    const std::vector<FileCase> cases = {
        {W, "Acme\r\nACME\r\nu\r\nm\r\nD:\\P\r\n\r\n", false, {"Acme", "ACME", "u", "m", "D:\\P", "0"}},
        {W, "Acme\nACME\nu\nm\n/dev/\n1\nmore\n", false, {"Acme", "ACME", "u", "m", "/dev/", "0"}},
        {W, " Acme Audio \t\r\n\tACME\r\r\nu \nm\nf", false, {"Acme Audio", "ACME", "u", "m", "f", "0"}},
        {W, "\r\nACME\r\nu\r\nm\r\nf\r\n", false, {"", "ACME", "u", "m", "f", "0"}},
        {W, "Acme\r\nACME\r\n", false, {"Acme", "ACME", "", "", "", "0"}},
        {M, "Acme\nACME\nu\nm\n/Users/me/\n1\n", false, {"Acme", "ACME", "u", "m", "/Users/me/", "1"}},
        {M, "a\nb\nc\nd\ne\n  1xyz\n", false, {"a", "b", "c", "d", "e", "1"}},
        {M, "a\nb\nc\nd\ne\n2\n", true, {"a", "b", "c", "d", "e", "0"}},
        {M, "a\nb\nc\nd\ne", true, {"a", "b", "c", "d", "e", "1"}},  // five items: useTemplate kept
        {M, "a\nb\nc\nd\n", true, {"a", "b", "c", "d", "", "1"}},
        {M, "\n\n\n\n\n", true, {"", "", "", "", "", "0"}},
        {M, " A \n\tB\nu \n m\n /x/ \n0\n", false, {" A ", "\tB", "u ", " m", " /x/ ", "0"}},
        {M, "Acme\r\nACME\r\nu\r\nm\r\nf\r\n\r\n", false, {"Acme", "", "ACME", "", "u", "0"}},
        {M, "a\rb\xE2\x80\xA8" "c\xE2\x80\xA9" "d\xC2\x85" "e\x0B" "1", false, {"a", "b", "c", "d", "e", "1"}},
        {M, "", true, kMacFirstStart},
        {M, "Acme", true, kMacFirstStart},
        {M, "a\nb\nc\nd", true, kMacFirstStart},
        // A byte-order mark (an editor's "UTF-8 with BOM") is no part of the vendor name.
        {W, "\xEF\xBB\xBFM\xC3\xBCller\r\nACME\r\nu\r\nm\r\nf\r\n", false, {"M\xC3\xBCller", "ACME", "u", "m", "f", "0"}},
        {M, "\xEF\xBB\xBFM\xC3\xBCller\nACME\nu\nm\n/p/\n1\n", false, {"M\xC3\xBCller", "ACME", "u", "m", "/p/", "1"}},
    };
    for (const FileCase& c : cases) {
        TempFolder dir;
        writeBytes(dir / "z.txt", c.bytes);
        const Loaded l = load(c.deliverable, dir / "z.txt", c.useTemplateBefore);
        EXPECT_EQ(valuesOf(l.project), c.expected) << "[" << c.bytes << "]";
        EXPECT_FALSE(l.report.shown()) << l.report.message;
        EXPECT_EQ(readBytes(dir / "z.txt"), c.bytes) << "a file with values is left as it is";
    }
}

TEST(SettingsFile, MissingFileAndFolderAreMadeFromTheDefaults)
{
    TempFolder dir;
    const Loaded w = load(Deliverable::windows, dir / "AppData/Zizavizerovo/zezurelog.txt");
    EXPECT_FALSE(w.report.shown());
    EXPECT_EQ(valuesOf(w.project), kWindowsDefaults);
    EXPECT_EQ(readBytes(dir / "AppData/Zizavizerovo/zezurelog.txt"), kWindowsDefaultBytes);

    const Loaded m = load(Deliverable::mac, dir / "Support/org.zizavizerovo.VADEzeravi/zezurelog.txt");
    EXPECT_FALSE(m.report.shown());
    EXPECT_EQ(m.report.systemLog, std::vector<std::string>{"created log file!"});
    EXPECT_EQ(valuesOf(m.project), kMacFirstStart);
    EXPECT_EQ(readBytes(dir / "Support/org.zizavizerovo.VADEzeravi/zezurelog.txt"), kMacFirstStartBytes);
}

TEST(SettingsFile, WindowsBlankFileIsRewrittenFromTheDefaults)
{
    for (const std::string blank : {"", "  \t", " \r\n\r\n  \n"}) {
        TempFolder dir;
        writeBytes(dir / "z.txt", blank);
        const Loaded l = load(Deliverable::windows, dir / "z.txt");
        EXPECT_EQ(valuesOf(l.project), kWindowsDefaults);
        EXPECT_EQ(readBytes(dir / "z.txt"), kWindowsDefaultBytes) << "[" << blank << "]";
    }
}

TEST(SettingsFile, FileThatCannotBeOpened)
{
    TempFolder dir;
    fs::create_directory(dir / "z.txt");  // something is there, but no file to open
    const Loaded w = load(Deliverable::windows, dir / "z.txt");
    EXPECT_EQ(w.report.message, "Could not find or create: " + (dir / "z.txt"));
    EXPECT_EQ(w.waits, std::vector<int>(5, 2500));
    EXPECT_EQ(valuesOf(w.project), kWindowsDefaults);

    writeBytes(dir / "latin1.txt", "Caf\xE9\nb\nc\nd\ne\n0\n");
    for (const std::string& path : {dir / "z.txt", dir / "latin1.txt"}) {
        const Loaded m = load(Deliverable::mac, path);
        EXPECT_EQ(m.report.message, "Setup logfile was empty.");
        EXPECT_EQ(m.report.informativeText, "Can't read log data. ");
        EXPECT_EQ(m.report.systemLog, std::vector<std::string>{"found log file!"});
        EXPECT_EQ(valuesOf(m.project), kMacDefaults);
    }
}

TEST(SettingsFile, FolderThatCannotBeMade)
{
    TempFolder dir;
    writeBytes(dir / "AppData", "a file where the folder should be");
    const std::string path = dir / "AppData/Zizavizerovo/zezurelog.txt";
    const Loaded w = load(Deliverable::windows, path);
    EXPECT_EQ(w.report.message, "Could not write to: " + path);
    EXPECT_EQ(valuesOf(w.project), kWindowsDefaults);
    EXPECT_EQ(saveLogFile(Deliverable::windows, w.project, path).message, "Could not write to: " + path);

    const Loaded m = load(Deliverable::mac, path);
    EXPECT_EQ(m.report.message, "Setup logfile was empty.");
    const Result saved = saveLogFile(Deliverable::mac, m.project, path);
    EXPECT_FALSE(saved.shown());
    EXPECT_FALSE(saved.ok);
}

TEST(SettingsFile, SaveThenLoadGivesTheSameValues)
{
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        for (const Values& v : {Values{"Acme Audio", "ACME", "https://acme.test", "a@acme.test", "C:\\Dev", "1"},
                                Values{"M\xC3\xBCller", "", "", "", "/Users/\xC3\xA5/", "0"}}) {
            TempFolder dir;
            ZezureProject out = makeDefaultProject(d, kProgram);
            out.vendorName = v[0], out.fourCharVendorID = v[1], out.vendorURL = v[2], out.vendorEmail = v[3];
            out.projectFolderPath = v[4], out.useTemplate = v[5] == "1";
            ASSERT_TRUE(saveLogFile(d, out, dir / "z.txt").ok);
            Values expected = v;
            if (d == Deliverable::windows) expected[5] = "0";  // the Windows file has no sixth value
            EXPECT_EQ(valuesOf(load(d, dir / "z.txt").project), expected);
        }
    }
    ZezureProject p = makeDefaultProject(Deliverable::mac);
    p.vendorName = "V", p.useTemplate = true;
    TempFolder dir;
    saveLogFile(Deliverable::windows, p, dir / "w.txt");
    saveLogFile(Deliverable::mac, p, dir / "m.txt");
    EXPECT_EQ(readBytes(dir / "w.txt"), "V\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readBytes(dir / "m.txt"), "V\n\n\n\n\n1\n");
}

TEST(SettingsFile, FailedWriteLeavesTheEarlierFileWhole)
{
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        TempFolder dir;
        const std::string earlier = "Old\r\nOLDC\r\nu\r\nm\r\nf\r\n\r\n";
        writeBytes(dir / "z.txt", earlier);
        FullDisk full;
        SettingsFileServices io;
        io.fileSystem = &full;
        const Result r = saveLogFile(d, makeDefaultProject(d, kProgram), dir / "z.txt", io);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, d == Deliverable::windows ? "Could not write to: " + (dir / "z.txt") : "");
        EXPECT_EQ(readBytes(dir / "z.txt"), earlier);
        EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"z.txt"}) << "no temporary file left behind";
    }
    // The first-start writes go the same way: a blank Windows file stays blank,
    // the empty macOS file stays empty (and reads as the first-start values).
    TempFolder dir;
    writeBytes(dir / "w.txt", " \r\n");
    FullDisk full;
    EXPECT_EQ(load(Deliverable::windows, dir / "w.txt", false, &full).report.message,
              "Could not write to: " + (dir / "w.txt"));
    EXPECT_EQ(readBytes(dir / "w.txt"), " \r\n");
    FullDisk fullAgain;
    EXPECT_EQ(valuesOf(load(Deliverable::mac, dir / "m.txt", false, &fullAgain).project), kMacFirstStart);
    EXPECT_EQ(readBytes(dir / "m.txt"), "");
    EXPECT_EQ(entriesOf(dir), (std::vector<std::string>{"m.txt", "w.txt"}));
}

// A settings file that is there but could not be read is never written over:
// the remembered values would be lost. The values are not remembered and the
// file keeps its bytes.
TEST(SettingsFile, NothingIsRememberedOverAFileThatCouldNotBeRead)
{
    for (const Deliverable style : {Deliverable::windows, Deliverable::mac}) {
        TempFolder dir;
        const std::string bytes = "Kept Co\nKEPT\nhttps://kept.example\nk@kept.example\n/kept/\n1\n";
        writeBytes(dir / "z.txt", bytes);
        FaultyFileSystem failedRead;
        failedRead.only = {"readFile"};
        failedRead.failAt = 1;
        OwnSettingsFile own(dir / "z.txt", failedRead);
        ZezureProject record = makeDefaultProject(style, kProgram);
        const SettingsLoad loaded = own.load(style, record, false);
        EXPECT_TRUE(loaded.unreadable);
        EXPECT_EQ(loaded.message, "Setup logfile was empty.");
        record.vendorName = "New Co";
        const Result remembered = own.remember(record);
        EXPECT_FALSE(remembered.ok);
        EXPECT_EQ(remembered.detail, "the settings file " + (dir / "z.txt") +
                                         " could not be read, so it was left as it is; nothing remembered");
        EXPECT_EQ(readBytes(dir / "z.txt"), bytes);
    }
}

TEST(SettingsFile, ReplacedFileKeepsItsAccessRights)
{
    TempFolder dir;
    writeBytes(dir / "z.txt", "old");
    fs::permissions(dir / "z.txt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(files::realFileSystem().replaceFileAtomically(dir / "z.txt", "new"));
    EXPECT_EQ(readBytes(dir / "z.txt"), "new");
    EXPECT_EQ(fs::status(dir / "z.txt").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

// A one-off command reads the values a page would get, making and fixing nothing.
TEST(SettingsFile, LeftAloneGivesThePagesValues)
{
    for (const FileCase& c : std::vector<FileCase>{{Deliverable::windows, "", false, kWindowsDefaults},
                                                   {Deliverable::windows, " \r\n", false, kWindowsDefaults},
                                                   {Deliverable::mac, "", false, kMacFirstStart},
                                                   {Deliverable::mac, "A\nB", false, kMacFirstStart}}) {
        TempFolder dir;
        const std::string path = dir / "sub/z.txt";
        if (!c.bytes.empty()) writeBytes(path, c.bytes);
        ZezureProject p = makeDefaultProject(c.deliverable, kProgram);
        SettingsFileServices io;
        io.leaveFileAlone = true;
        EXPECT_FALSE(loadLogFile(c.deliverable, p, path, io).shown());
        EXPECT_EQ(valuesOf(p), c.expected);
        EXPECT_EQ(fs::exists(dir / "sub"), !c.bytes.empty());
        if (!c.bytes.empty()) {
            EXPECT_EQ(readBytes(path), c.bytes);
        }
    }
}

TEST(SettingsFile, PopFirstLine)
{
    const std::vector<std::array<std::string, 3>> cases = {
        {"abc\ndef\n", "abc", "def\n"}, {"abc", "abc", ""},         {"", "", ""},
        {"\nx", "", "x"},               {" \t a b \r\nn", "a b", "n"}, {"  \n  \n", "", "  \n"},
    };
    for (const auto& [text, line, rest] : cases) {
        std::string t = text;
        EXPECT_EQ(popFirstLine(t), line) << "[" << text << "]";
        EXPECT_EQ(t, rest) << "[" << text << "]";
    }
}

TEST(SettingsFile, Locations)
{
    EXPECT_EQ(windowsSettingsPath("C:\\Users\\me\\AppData\\Roaming"),
              "C:\\Users\\me\\AppData\\Roaming\\Zizavizerovo\\zezurelog.txt");
    EXPECT_EQ(windowsSettingsPath(std::nullopt), "\\Zizavizerovo\\zezurelog.txt");
    // The pages' tests run on hosts that join paths with "/".
    EXPECT_EQ(windowsSettingsPath("/tmp/AppData", '/'), "/tmp/AppData/Zizavizerovo/zezurelog.txt");
    EXPECT_EQ(macSettingsPath("/Users/me/Library/Application Support"),
              "/Users/me/Library/Application Support/org.zizavizerovo.VADEzeravi/zezurelog.txt");
#if !defined(_WIN32) && !defined(__APPLE__)
    const auto env = [](const char* xdg, const char* home) {
        return [=](const char* name) -> const char* { return std::string(name) == "HOME" ? home : xdg; };
    };
    EXPECT_EQ(cliSettingsPath(env("/cfg/", "/h")), "/cfg/zizavizerovo/zezurelog.txt");
    EXPECT_EQ(cliSettingsPath(env("relative", "/h")), "/h/.config/zizavizerovo/zezurelog.txt");
    EXPECT_EQ(cliSettingsPath(env(nullptr, "/h")), "/h/.config/zizavizerovo/zezurelog.txt");
    EXPECT_EQ(cliSettingsPath(env(nullptr, nullptr)), "");
#endif
}

}  // namespace
}  // namespace zz
