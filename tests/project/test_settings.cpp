#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "project/settingsfile.h"
#include "tempfolder.h"

namespace zz {
namespace {


// Names of everything directly in the folder.
std::vector<std::string> entriesOf(const TempFolder& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kProgramFolder = "C:\\Tools\\Zizavizerovo";

// The five (six) remembered values of a record, for comparisons.
struct Remembered {
    std::string vendorName, fourCharVendorID, vendorURL, vendorEmail, projectFolderPath;
    bool useTemplate = false;
    bool operator==(const Remembered& o) const
    {
        return vendorName == o.vendorName && fourCharVendorID == o.fourCharVendorID && vendorURL == o.vendorURL &&
               vendorEmail == o.vendorEmail && projectFolderPath == o.projectFolderPath &&
               useTemplate == o.useTemplate;
    }
};

void PrintTo(const Remembered& r, std::ostream* os)
{
    *os << "{" << r.vendorName << "|" << r.fourCharVendorID << "|" << r.vendorURL << "|" << r.vendorEmail << "|"
        << r.projectFolderPath << "|" << r.useTemplate << "}";
}

Remembered remembered(const ZezureProject& p)
{
    return {p.vendorName, p.fourCharVendorID, p.vendorURL, p.vendorEmail, p.projectFolderPath, p.useTemplate};
}

const Remembered kWindowsDefaults{"My Company", "DIRO", kDefaultVendorURL, kDefaultVendorEmail, kProgramFolder,
                                  false};
const Remembered kMacFirstStart{"My Company", "DIRO", kDefaultVendorURL, kDefaultVendorEmail, "path not set",
                                false};
const Remembered kMacDefaults{"", "", "", "", "", false};

const std::string kWindowsDefaultBytes = "My Company\r\nDIRO\r\n" + std::string(kDefaultVendorURL) + "\r\n" +
                                         kDefaultVendorEmail + "\r\n" + kProgramFolder + "\r\n\r\n";
const std::string kMacFirstStartBytes = "My Company\nDIRO\n" + std::string(kDefaultVendorURL) + "\n" +
                                        kDefaultVendorEmail + "\npath not set\n0\n";

// Services whose retries do not really wait; they count the pauses.
struct CountingServices {
    std::vector<int> pauses;
    SettingsFileServices services;
    CountingServices()
    {
        services.wait = [this](int ms) { pauses.push_back(ms); };
    }
};

// A writer that puts half of the bytes on disk and then fails, as a full disk
// or a crash in the middle of a write would.
bool truncatingWriter(const std::string& path, const std::string& bytes)
{
    writeBytes(path, bytes.substr(0, bytes.size() / 2));
    return false;
}

// ---- Windows reader ---------------------------------------------------------

struct WindowsLoadCase {
    const char* name;
    std::string fileBytes;
    Remembered expected;
};

void PrintTo(const WindowsLoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowsLoad : public ::testing::TestWithParam<WindowsLoadCase> {};

TEST_P(WindowsLoad, ReadsTheFiveLines)
{
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    writeBytes(path, GetParam().fileBytes);
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
    CountingServices io;
    const auto report = loadLogFile(Deliverable::windows, project, path, io.services);
    EXPECT_FALSE(report.shown()) << report.message;
    EXPECT_EQ(remembered(project), GetParam().expected);
    EXPECT_EQ(readBytes(path), GetParam().fileBytes) << "a file with values is not rewritten";
    EXPECT_TRUE(io.pauses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowsLoad,
    ::testing::Values(
        WindowsLoadCase{"CrLf", "Acme\r\nACME\r\nhttps://acme.test\r\nhi@acme.test\r\nD:\\Plugins\r\n\r\n",
                        {"Acme", "ACME", "https://acme.test", "hi@acme.test", "D:\\Plugins", false}},
        WindowsLoadCase{"Lf", "Acme\nACME\nurl\nmail\n/home/me/dev\n",
                        {"Acme", "ACME", "url", "mail", "/home/me/dev", false}},
        WindowsLoadCase{"NoFinalLineEnd", "Acme\nACME\nurl\nmail\nfolder",
                        {"Acme", "ACME", "url", "mail", "folder", false}},
        WindowsLoadCase{"SpacesTabsAndCrTrimmed", "  Acme Audio \t\r\n\tACME\r\r\n url\r\n mail \r\n C:\\x \r\n",
                        {"Acme Audio", "ACME", "url", "mail", "C:\\x", false}},
        WindowsLoadCase{"EmptyFirstLineKeepsPlaces", "\r\nACME\r\nurl\r\nmail\r\nfolder\r\n",
                        {"", "ACME", "url", "mail", "folder", false}},
        WindowsLoadCase{"EmptyMiddleLine", "Acme\r\n\r\nurl\r\nmail\r\nfolder\r\n",
                        {"Acme", "", "url", "mail", "folder", false}},
        WindowsLoadCase{"FewerThanFiveLines", "Acme\r\nACME\r\n", {"Acme", "ACME", "", "", "", false}},
        WindowsLoadCase{"OneValueWithoutLineEnd", "Acme", {"Acme", "", "", "", "", false}},
        WindowsLoadCase{"LinesAfterTheFifthIgnored", "a\nb\nc\nd\ne\nf\ng\n", {"a", "b", "c", "d", "e", false}},
        WindowsLoadCase{"MacFileReadCorrectly",
                        "Acme\nACME\nurl\nmail\n/Users/me/dev/\n1\n",
                        {"Acme", "ACME", "url", "mail", "/Users/me/dev/", false}},
        WindowsLoadCase{"Utf8ValuesKeptByteExact", "M\xC3\xBCller Klang\r\nM\xC3\x9CLL\r\nu\r\nm\r\nC:\\\xC3\xA4\r\n",
                        {"M\xC3\xBCller Klang", "M\xC3\x9CLL", "u", "m", "C:\\\xC3\xA4", false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsSettingsFile, MissingFileIsCreatedFromTheDefaults)
{
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
    project.vendorName = "Typed Before Load";  // the record as it stands is what gets written
    const auto report = loadLogFile(Deliverable::windows, project, path);
    EXPECT_FALSE(report.shown());
    EXPECT_EQ(project.vendorName, "Typed Before Load");
    EXPECT_EQ(readBytes(path), "Typed Before Load\r\nDIRO\r\n" + std::string(kDefaultVendorURL) + "\r\n" +
                                   kDefaultVendorEmail + "\r\n" + kProgramFolder + "\r\n\r\n");
}

TEST(WindowsSettingsFile, BlankFileIsRewrittenFromTheDefaults)
{
    for (const std::string blank : {"", "   ", "\r\n", " \t\r\n\r\n  \n", "\n\n\n\n\n\n"}) {
        TempFolder dir;
        const std::string path = dir / "zezurelog.txt";
        writeBytes(path, blank);
        ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
        const auto report = loadLogFile(Deliverable::windows, project, path);
        EXPECT_FALSE(report.shown());
        EXPECT_EQ(remembered(project), kWindowsDefaults);
        EXPECT_EQ(readBytes(path), kWindowsDefaultBytes) << "blank text: [" << blank << "]";
    }
}

TEST(WindowsSettingsFile, MissingSettingsFolderIsCreated)
{
    TempFolder dir;
    const std::string path = dir / "AppData/Roaming/Zizavizerovo/zezurelog.txt";
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
    const auto report = loadLogFile(Deliverable::windows, project, path);
    EXPECT_FALSE(report.shown()) << report.message;
    EXPECT_EQ(readBytes(path), kWindowsDefaultBytes);

    // And Exit writes there too, after the folder went away in between.
    std::filesystem::remove_all(dir.path() / "AppData");
    project.vendorName = "Later";
    EXPECT_FALSE(saveLogFile(Deliverable::windows, project, path).shown());
    EXPECT_EQ(readBytes(path).substr(0, 7), "Later\r\n");
}

TEST(WindowsSettingsFile, FolderThatCannotBeMadeReportsCouldNotWrite)
{
    TempFolder dir;
    writeBytes(dir / "AppData", "a regular file where the folder should be");
    const std::string path = dir / "AppData/Zizavizerovo/zezurelog.txt";
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);

    auto report = loadLogFile(Deliverable::windows, project, path);
    EXPECT_EQ(report.message, "Could not write to: " + path);
    EXPECT_FALSE(report.written);
    EXPECT_EQ(remembered(project), kWindowsDefaults);

    report = saveLogFile(Deliverable::windows, project, path);
    EXPECT_EQ(report.message, "Could not write to: " + path);
}

TEST(WindowsSettingsFile, UnopenableFileIsRetriedFiveTimesThenReported)
{
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    std::filesystem::create_directory(path);  // exists, but is no file to open
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
    CountingServices io;
    const auto report = loadLogFile(Deliverable::windows, project, path, io.services);
    EXPECT_EQ(report.message, "Could not find or create: " + path);
    EXPECT_EQ(io.pauses, std::vector<int>(5, 2500));
    EXPECT_EQ(remembered(project), kWindowsDefaults);
}

// ---- macOS reader -----------------------------------------------------------

struct MacLoadCase {
    const char* name;
    std::string fileBytes;
    bool useTemplateBefore;
    Remembered expected;
};

void PrintTo(const MacLoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class MacLoad : public ::testing::TestWithParam<MacLoadCase> {};

TEST_P(MacLoad, SplitsIntoItems)
{
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    writeBytes(path, GetParam().fileBytes);
    ZezureProject project = makeDefaultProject(Deliverable::mac);
    project.useTemplate = GetParam().useTemplateBefore;
    const auto report = loadLogFile(Deliverable::mac, project, path);
    EXPECT_FALSE(report.shown()) << report.message;
    EXPECT_EQ(report.systemLog, std::vector<std::string>{"found log file!"});
    EXPECT_EQ(remembered(project), GetParam().expected);
    EXPECT_EQ(readBytes(path), GetParam().fileBytes) << "reading never rewrites an existing file";
}

INSTANTIATE_TEST_SUITE_P(
    Files, MacLoad,
    ::testing::Values(
        MacLoadCase{"SixLines", "Acme\nACME\nurl\nmail\n/Users/me/\n1\n", false,
                    {"Acme", "ACME", "url", "mail", "/Users/me/", true}},
        MacLoadCase{"UseTemplateZero", "a\nb\nc\nd\ne\n0\n", true, {"a", "b", "c", "d", "e", false}},
        MacLoadCase{"UseTemplateReadAsInteger", "a\nb\nc\nd\ne\n  1xyz\n", false, {"a", "b", "c", "d", "e", true}},
        MacLoadCase{"UseTemplateTwoIsFalse", "a\nb\nc\nd\ne\n2\n", true, {"a", "b", "c", "d", "e", false}},
        MacLoadCase{"FiveLinesNoBreakKeepsUseTemplate", "a\nb\nc\nd\ne", true, {"a", "b", "c", "d", "e", true}},
        MacLoadCase{"FiveLinesNoBreakDefaultFalse", "a\nb\nc\nd\ne", false, {"a", "b", "c", "d", "e", false}},
        MacLoadCase{"FourClosedLinesGiveEmptyFolder", "a\nb\nc\nd\n", true, {"a", "b", "c", "d", "", true}},
        MacLoadCase{"FiveEmptyLines", "\n\n\n\n\n", true, {"", "", "", "", "", false}},
        MacLoadCase{"SpacesKept", " Acme \n\tACME\nurl \n mail\n /x/ \n0\n", false,
                    {" Acme ", "\tACME", "url ", " mail", " /x/ ", false}},
        MacLoadCase{"CrLfShiftsValues", "Acme\r\nACME\r\nurl\r\nmail\r\nfolder\r\n\r\n", false,
                    {"Acme", "", "ACME", "", "url", false}},
        MacLoadCase{"EmptyFile", "", true, kMacFirstStart},
        MacLoadCase{"OneLineWithoutBreak", "Acme", true, kMacFirstStart},
        MacLoadCase{"ThreeBreaksGiveFourItems", "a\nb\nc\nd", true, kMacFirstStart},
        MacLoadCase{"LoneCrSeparates", "a\rb\rc\rd\re\r1", false, {"a", "b", "c", "d", "e", true}},
        MacLoadCase{"UnicodeLineSeparators", "a\xE2\x80\xA8" "b\xE2\x80\xA9" "c\xC2\x85" "d\x0B" "e\x0C" "1", false,
                    {"a", "b", "c", "d", "e", true}},
        MacLoadCase{"Utf8Values", "Kl\xC3\xA4nge\nK\xC3\x84NG\nu\nm\n/Users/\xC3\xA5/\n0\n", false,
                    {"Kl\xC3\xA4nge", "K\xC3\x84NG", "u", "m", "/Users/\xC3\xA5/", false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MacSettingsFile, MissingFileAndFolderAreCreatedWithFirstStartContent)
{
    TempFolder dir;
    const std::string path = dir / "Library/Application Support/org.zizavizerovo.VADEzeravi/zezurelog.txt";
    ZezureProject project = makeDefaultProject(Deliverable::mac);
    const auto report = loadLogFile(Deliverable::mac, project, path);
    EXPECT_FALSE(report.shown());
    EXPECT_EQ(report.systemLog, std::vector<std::string>{"created log file!"});
    EXPECT_EQ(readBytes(path), kMacFirstStartBytes);
    EXPECT_EQ(remembered(project), kMacFirstStart);
}

TEST(MacSettingsFile, UnreadableFileShowsTheAlertAndKeepsDefaults)
{
    struct Case {
        const char* name;
        bool folderAtPath;
        std::string bytes;
    };
    for (const Case& c : {Case{"folder at the path", true, ""}, Case{"not UTF-8", false, "Caf\xE9\nx\ny\nz\nw\n0\n"},
                          Case{"cut UTF-8 sequence", false, "a\nb\nc\nd\ne\xC3"},
                          Case{"encoded surrogate", false, "a\nb\nc\nd\n\xED\xA0\x80\n"}}) {
        TempFolder dir;
        const std::string path = dir / "zezurelog.txt";
        if (c.folderAtPath)
            std::filesystem::create_directory(path);
        else
            writeBytes(path, c.bytes);
        ZezureProject project = makeDefaultProject(Deliverable::mac);
        const auto report = loadLogFile(Deliverable::mac, project, path);
        EXPECT_EQ(report.message, "Setup logfile was empty.") << c.name;
        EXPECT_EQ(report.informative, "Can't read log data. ") << c.name;
        EXPECT_EQ(report.systemLog, std::vector<std::string>{"found log file!"}) << c.name;
        EXPECT_EQ(remembered(project), kMacDefaults) << c.name;
    }
}

TEST(MacSettingsFile, FolderThatCannotBeMadeShowsTheAlert)
{
    TempFolder dir;
    writeBytes(dir / "Support", "a regular file");
    const std::string path = dir / "Support/org.zizavizerovo.VADEzeravi/zezurelog.txt";
    ZezureProject project = makeDefaultProject(Deliverable::mac);
    const auto report = loadLogFile(Deliverable::mac, project, path);
    EXPECT_EQ(report.systemLog, std::vector<std::string>{"created log file!"});
    EXPECT_EQ(report.message, "Setup logfile was empty.");
    EXPECT_EQ(remembered(project), kMacDefaults);

    // Exit does not report it.
    const auto saved = saveLogFile(Deliverable::mac, project, path);
    EXPECT_FALSE(saved.shown());
    EXPECT_FALSE(saved.written);
}

// ---- Writing ----------------------------------------------------------------

TEST(SettingsFileText, LayoutOfEachDeliverable)
{
    ZezureProject p;
    p.vendorName = "V";
    p.fourCharVendorID = "CODE";
    p.vendorURL = "U";
    p.vendorEmail = "E";
    p.projectFolderPath = "F";
    p.useTemplate = true;
    EXPECT_EQ(settingsFileText(Deliverable::windows, p), "V\nCODE\nU\nE\nF\n");
    EXPECT_EQ(settingsFileText(Deliverable::mac, p), "V\nCODE\nU\nE\nF\n1\n");

    TempFolder dir;
    EXPECT_TRUE(saveLogFile(Deliverable::windows, p, dir / "w.txt").written);
    EXPECT_EQ(readBytes(dir / "w.txt"), "V\r\nCODE\r\nU\r\nE\r\nF\r\n\r\n");
    p.useTemplate = false;
    EXPECT_TRUE(saveLogFile(Deliverable::mac, p, dir / "m.txt").written);
    EXPECT_EQ(readBytes(dir / "m.txt"), "V\nCODE\nU\nE\nF\n0\n");
}

TEST(SettingsFileRoundTrip, SaveThenLoadGivesTheSameValues)
{
    const std::vector<Remembered> values = {
        {"Acme Audio", "ACME", "https://acme.test", "help@acme.test", "C:\\Users\\me\\Plugins", false},
        {"M\xC3\xBCller", "M\xC3\x9CL", "", "", "/Users/me/dev/", true},
        {"", "", "", "", "", false},
    };
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        for (Remembered v : values) {
            if (d == Deliverable::windows) v.useTemplate = false;  // not kept by the Windows file
            TempFolder dir;
            const std::string path = dir / "zezurelog.txt";
            ZezureProject out = makeDefaultProject(d, kProgramFolder);
            out.vendorName = v.vendorName;
            out.fourCharVendorID = v.fourCharVendorID;
            out.vendorURL = v.vendorURL;
            out.vendorEmail = v.vendorEmail;
            out.projectFolderPath = v.projectFolderPath;
            out.useTemplate = v.useTemplate;
            ASSERT_FALSE(saveLogFile(d, out, path).shown());

            ZezureProject in = makeDefaultProject(d, "elsewhere");
            const auto report = loadLogFile(d, in, path);
            EXPECT_FALSE(report.shown());
            if (d == Deliverable::windows && v.vendorName.empty() && v.projectFolderPath.empty() &&
                v.vendorURL.empty()) {
                // All five empty is a blank file: the Windows page rewrites it from its defaults.
                EXPECT_EQ(in.vendorName, "My Company");
                continue;
            }
            EXPECT_EQ(remembered(in), v) << (d == Deliverable::windows ? "windows" : "mac");
        }
    }
}

TEST(SettingsFileAtomicity, TruncatedWriteLeavesTheEarlierFileWhole)
{
    for (const Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        TempFolder dir;
        const std::string path = dir / "zezurelog.txt";
        const std::string earlier = d == Deliverable::windows ? "Old\r\nOLDC\r\nu\r\nm\r\nf\r\n\r\n"
                                                              : "Old\nOLDC\nu\nm\nf\n1\n";
        writeBytes(path, earlier);

        ZezureProject project = makeDefaultProject(d, kProgramFolder);
        project.vendorName = "A much longer vendor name that would be cut in half";
        SettingsFileServices io;
        io.writer = truncatingWriter;
        const auto report = saveLogFile(d, project, path, io);
        EXPECT_FALSE(report.written);
        if (d == Deliverable::windows) {
            EXPECT_EQ(report.message, "Could not write to: " + path);
        } else {
            EXPECT_FALSE(report.shown());
        }
        EXPECT_EQ(readBytes(path), earlier);
        EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"zezurelog.txt"}) << "no temporary file left behind";
    }
}

TEST(SettingsFileAtomicity, FirstStartWriteThatFailsLeavesNoHalfFile)
{
    // Windows: the blank file stays blank (and is rewritten at the next start).
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    writeBytes(path, "  \r\n");
    ZezureProject project = makeDefaultProject(Deliverable::windows, kProgramFolder);
    SettingsFileServices io;
    io.writer = truncatingWriter;
    EXPECT_EQ(loadLogFile(Deliverable::windows, project, path, io).message, "Could not write to: " + path);
    EXPECT_EQ(readBytes(path), "  \r\n");

    // macOS: the empty file made first stays empty and reads as the first-start values.
    TempFolder macDir;
    const std::string macPath = macDir / "zezurelog.txt";
    ZezureProject macProject = makeDefaultProject(Deliverable::mac);
    const auto report = loadLogFile(Deliverable::mac, macProject, macPath, io);
    EXPECT_FALSE(report.shown());
    EXPECT_EQ(readBytes(macPath), "");
    EXPECT_EQ(remembered(macProject), kMacFirstStart);
    EXPECT_EQ(entriesOf(macDir), std::vector<std::string>{"zezurelog.txt"});
}

TEST(SettingsFileAtomicity, ReplaceWritesThroughATemporaryFileInTheSameFolder)
{
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    std::string seen;
    const auto spy = [&](const std::string& temporary, const std::string& bytes) {
        seen = temporary;
        EXPECT_FALSE(std::filesystem::exists(path)) << "the real file is untouched while the temporary is written";
        return writeNewFile(temporary, bytes);
    };
    ASSERT_TRUE(replaceFileAtomically(path, "new", spy));
    EXPECT_EQ(std::filesystem::path(seen).parent_path(), std::filesystem::path(path).parent_path());
    EXPECT_NE(seen, path);
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"zezurelog.txt"});

    std::filesystem::create_directory(dir / "folder");
    EXPECT_FALSE(replaceFileAtomically(dir / "folder", "x"));
    EXPECT_EQ(entriesOf(dir).size(), 2u);
}

// ---- Line and text helpers --------------------------------------------------

TEST(PopFirstLine, TakesOneTrimmedLine)
{
    struct Case {
        std::string text, line, rest;
    };
    for (const Case& c : std::vector<Case>{
             {"abc\ndef\n", "abc", "def\n"},
             {"abc", "abc", ""},
             {"", "", ""},
             {"\n", "", ""},
             {"\nx", "", "x"},
             {" \t a b \r\nnext", "a b", "next"},
             {"\r\r\n", "", ""},
             {"  \n  \n", "", "  \n"},
         }) {
        std::string text = c.text;
        EXPECT_EQ(popFirstLine(text), c.line) << "[" << c.text << "]";
        EXPECT_EQ(text, c.rest) << "[" << c.text << "]";
    }
}

// ---- Locations --------------------------------------------------------------

TEST(SettingsLocations, DeliverablePaths)
{
    EXPECT_EQ(windowsSettingsPath("C:\\Users\\me\\AppData\\Roaming"),
              "C:\\Users\\me\\AppData\\Roaming\\Zizavizerovo\\zezurelog.txt");
    EXPECT_EQ(windowsSettingsPath(nullptr), "\\Zizavizerovo\\zezurelog.txt");
    EXPECT_EQ(macSettingsPath("/Users/me/Library/Application Support"),
              "/Users/me/Library/Application Support/org.zizavizerovo.VADEzeravi/zezurelog.txt");
    EXPECT_EQ(macSettingsPath("/Users/me/Library/Application Support/"),
              "/Users/me/Library/Application Support/org.zizavizerovo.VADEzeravi/zezurelog.txt");
}

#if !defined(_WIN32) && !defined(__APPLE__)
TEST(SettingsLocations, CommandLineToolOnOtherHosts)
{
    struct Case {
        const char* xdg;
        const char* home;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {"/cfg", "/home/me", "/cfg/zizavizerovo/zezurelog.txt"},
             {"/cfg/", "/home/me", "/cfg/zizavizerovo/zezurelog.txt"},
             {nullptr, "/home/me", "/home/me/.config/zizavizerovo/zezurelog.txt"},
             {"", "/home/me", "/home/me/.config/zizavizerovo/zezurelog.txt"},
             {"relative/cfg", "/home/me", "/home/me/.config/zizavizerovo/zezurelog.txt"},
             {nullptr, nullptr, ""},
             {nullptr, "", ""},
         }) {
        const auto env = [&](const char* name) -> const char* {
            if (std::string(name) == "XDG_CONFIG_HOME") return c.xdg;
            if (std::string(name) == "HOME") return c.home;
            return nullptr;
        };
        EXPECT_EQ(cliSettingsPath(env), c.expected);
    }
}
#endif

}  // namespace
}  // namespace zz

namespace zz {
namespace {

// Reading for a one-off command gives the values a page would get, without
// making the folder or the file, or fixing a blank one.
TEST(SettingsFileLeftAlone, SameValuesAsAPageWithoutWriting)
{
    struct Case {
        const char* name;
        Deliverable deliverable;
        const char* fileBytes;  // null: no file
    };
    for (const Case& c : {Case{"windows missing", Deliverable::windows, nullptr},
                          Case{"windows blank", Deliverable::windows, " \r\n"},
                          Case{"windows values", Deliverable::windows, "A\r\nB\r\n"},
                          Case{"mac missing", Deliverable::mac, nullptr},
                          Case{"mac short", Deliverable::mac, "A\nB"},
                          Case{"mac values", Deliverable::mac, "A\nB\nC\nD\nE\n1\n"}}) {
        ZezureProject asPage = makeDefaultProject(c.deliverable, "C:\\P");
        ZezureProject alone = asPage;
        {
            TempFolder dir;
            const std::string path = dir / "sub/zezurelog.txt";
            if (c.fileBytes) {
                std::filesystem::create_directory(dir / "sub");
                writeBytes(path, c.fileBytes);
            }
            loadLogFile(c.deliverable, asPage, path);
        }
        TempFolder dir;
        const std::string path = dir / "sub/zezurelog.txt";
        if (c.fileBytes) {
            std::filesystem::create_directory(dir / "sub");
            writeBytes(path, c.fileBytes);
        }
        SettingsFileServices io;
        io.leaveFileAlone = true;
        const auto report = loadLogFile(c.deliverable, alone, path, io);
        EXPECT_FALSE(report.shown()) << c.name;
        EXPECT_EQ(remembered(alone), remembered(asPage)) << c.name;
        if (c.fileBytes) {
            EXPECT_EQ(readBytes(path), c.fileBytes) << c.name;
        } else {
            EXPECT_FALSE(std::filesystem::exists(dir / "sub")) << c.name;
        }
    }
}

}  // namespace
}  // namespace zz

namespace zz {
namespace {

TEST(SettingsFileAtomicity, ReplacedFileKeepsItsAccessRights)
{
    namespace fs = std::filesystem;
    TempFolder dir;
    const std::string path = dir / "zezurelog.txt";
    writeBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(replaceFileAtomically(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace zz
