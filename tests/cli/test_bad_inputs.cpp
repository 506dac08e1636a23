// Bad inputs through the real zizavizerovo program: odd project names, broken
// templates, strange settings files and hostile archives. Every run must end
// with an exit code and, when it fails, a message; nothing outside the folder
// the command works on may change, and no file that was there before may be
// altered.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "restore/templaterestore.h"
#include "runprogram.h"
#include "tempfolder.h"

namespace fs = std::filesystem;

namespace {

// ---- Running the program ----------------------------------------------------

using zz::testing::Command;
using zz::testing::programOnPath;
using Outcome = zz::testing::Finished;

void writeWhole(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// Runs the program with `args`, stdin from /dev/null and the settings file
// of the tool under `scratch`. A run that takes longer than the runner's
// deadline is killed and marked.
Outcome runProgram(const std::vector<std::string>& args, const fs::path& scratch,
                   std::chrono::milliseconds deadline = std::chrono::seconds(180))
{
    Command command{ZZ_CLI_PROGRAM, args};
    command.deadline = deadline;
    command.unset = {"APPDATA"};
    command.set = {{"XDG_CONFIG_HOME", (scratch / "config").string()},
                   {"HOME", (scratch / "home").string()},
                   {"ZIZAVIZEROVO_PLUGIN_PATH_ONLY", "1"}};
    return zz::testing::runProgram(command);
}

// ---- What is on disk ----------------------------------------------------------

// One entry of a folder tree, as lstat sees it (links are not followed).
struct Entry {
    char kind;          // 'f' file, 'd' folder, 'l' link, '?' other
    std::string bytes;  // a file's content, a link's target
    bool operator==(const Entry& o) const { return kind == o.kind && bytes == o.bytes; }
};

using Tree = std::map<std::string, Entry>;

Tree snapshot(const fs::path& root)
{
    Tree tree;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::none, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const fs::path& p = it->path();
        const std::string rel = p.lexically_relative(root).string();
        const auto status = fs::symlink_status(p);
        Entry e{'?', {}};
        if (fs::is_symlink(status)) e = {'l', fs::read_symlink(p).string()};
        else if (fs::is_directory(status)) e = {'d', {}};
        else if (fs::is_regular_file(status)) e = {'f', readBytes(p)};
        tree[rel] = e;
    }
    return tree;
}

bool isUnder(const std::string& rel, const std::string& folder)
{
    return !folder.empty() && (rel == folder || rel.rfind(folder + "/", 0) == 0);
}

// Everything that was in `before` is in `after`, unchanged; everything new in
// `after` lies in one of the `allowed` folders (relative paths).
void expectUntouched(const Tree& before, const Tree& after, const std::vector<std::string>& allowed)
{
    for (const auto& [rel, entry] : before) {
        const auto found = after.find(rel);
        if (found == after.end()) {
            ADD_FAILURE() << "removed: " << rel;
            continue;
        }
        EXPECT_TRUE(found->second == entry) << "changed: " << rel;
    }
    for (const auto& [rel, entry] : after) {
        if (before.count(rel)) continue;
        bool ok = false;
        for (const auto& folder : allowed) ok = ok || isUnder(rel, folder);
        EXPECT_TRUE(ok) << "made outside the target folder: " << rel;
    }
}

// A fresh folder per test: `root/work` is watched, `root/scratch` holds the
// program's output and its own settings file.
class Sandbox {
public:
    Sandbox()
    {
        fs::create_directories(work());
        fs::create_directories(scratch() / "config");
        fs::create_directories(scratch() / "home");
        // Something outside every target, that must survive every run.
        writeWhole(work() / "outside" / "keep.txt", "precious\n");
    }

    fs::path work() const { return root_.path() / "work"; }
    fs::path scratch() const { return root_.path() / "scratch"; }
    fs::path operator/(const std::string& rel) const { return work() / rel; }

private:
    TempFolder root_;
};

// ---- create ---------------------------------------------------------------------

const char* kSmallCMake =
    "cmake_minimum_required(VERSION 3.20)\n"
    "project($$$PROJECT_NAME$$$)\n"
    "set(VENDOR \"$$$VENDOR_NAME$$$\")\n"
    "set(CODE $$$4_CHAR_CODE$$$ $$$4_CHAR_AAXID$$$)\n"
    "set(CATEGORY $$AAX_PLUGIN_CATEGORY$$)\n";

void makeTemplate(const Sandbox& box)
{
    writeWhole(box / "template/CMakeLists.txt", kSmallCMake);
    writeWhole(box / "template/Source/plugin.cpp", "// plug-in\n");
    fs::create_directories(box / "projects");
}

enum class Style { windows, macos };

const char* styleWord(Style s) { return s == Style::windows ? "windows" : "macos"; }

void PrintTo(Style s, std::ostream* os) { *os << styleWord(s); }

// One row of the create table, written as a sentence:
//   create("NameWithSlash").name("sub/Plugin").refused(windowsMessage, macMessage)
//   create("HugeProjectFile").prepare(...).name("Huge").succeeds().check(...)
// Without prepare() the sandbox has the small template and the project folder.
struct CreateCase {
    using Prepare = std::function<void(const Sandbox&)>;
    using Check = std::function<void(const Sandbox&, Style, const Outcome&)>;

    const char* title;
    Prepare before;
    std::string projectName;
    bool succeeded = false;
    bool usageError = false;     // exit code 2 rather than 1
    std::string windowsMessage;  // the start of the first line on stderr of a refusal
    std::string macMessage;
    Check after;  // further checks after the run (both styles)

    CreateCase& prepare(Prepare p) { return before = std::move(p), *this; }
    CreateCase& name(std::string n) { return projectName = std::move(n), *this; }
    CreateCase& succeeds() { return succeeded = true, *this; }
    // Exit code 1 in both styles, with each style's message.
    CreateCase& refused(std::string windows, std::string mac)
    {
        succeeded = false;
        windowsMessage = std::move(windows);
        macMessage = std::move(mac);
        return *this;
    }
    // Exit code 2 in both styles, with the same message.
    CreateCase& usage(const std::string& message)
    {
        refused(message, message);
        usageError = true;
        return *this;
    }
    CreateCase& check(Check c) { return after = std::move(c), *this; }

    int exitCode() const { return succeeded ? 0 : usageError ? 2 : 1; }
    const std::string& message(Style style) const { return style == Style::windows ? windowsMessage : macMessage; }
};

CreateCase create(const char* title) { return CreateCase{title, nullptr, "", false, false, "", "", nullptr}; }

std::string str(const char* bytes, size_t n) { return std::string(bytes, n); }

const std::string kHugeMarkerLine = "set(V \"$$$VENDOR_NAME$$$\" $$$PROJECT_NAME$$$ $$$BLOCK_SIZE$$$)\n";

std::string hugeCMake()
{
    std::string text = "project($$$PROJECT_NAME$$$)\n";
    while (text.size() < 24u * 1024 * 1024) text += kHugeMarkerLine;
    return text;
}

std::string withoutCarriageReturns(std::string s)
{
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

// Messages that several rows expect.
const char* const kNotAFolderName = "Project name is not a valid folder name.";
const char* const kMacNotAFolderName = "The project name is not a valid folder name.";
const char* const kMacCopyFailed = "Could not copy the basis directory to destination.";
const char* const kMacNotModified = "Could not modify the project file.";

const std::vector<CreateCase>& createCases()
{
    static const std::vector<CreateCase> cases = {
        // Project names.
        create("NameWithSlash").name("sub/Plugin").refused(kNotAFolderName, kMacNotAFolderName),
        create("NameWithBackslash").name("sub\\Plugin").refused(kNotAFolderName, kMacNotAFolderName),
        create("NameDotDot").name("..").refused(kNotAFolderName, kMacNotAFolderName),
        create("NameDot").name(".").refused(kNotAFolderName, kMacNotAFolderName),
        create("NameClimbing").name("../outside").refused(kNotAFolderName, kMacNotAFolderName),
        // A text field is one line without control characters.
        create("NameWithControlCharacters")
            .name("Bad\x01\x1b[31mName")
            .usage("zizavizerovo create: field 'projectName' takes one line of text without control characters, "
                   "not 'Bad\\x01\\x1B[31mName'"),
        create("NameWithLineBreak")
            .name("Two\nLines")
            .usage("zizavizerovo create: field 'projectName' takes one line of text without control characters, "
                   "not 'Two\\nLines'"),
        // Quotes and backslashes are escaped for CMake where the template
        // writes the name (here an unquoted argument).
        create("NameWithQuoteAndDollar")
            .name("Odd\"Name${X}")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                const std::string text = readBytes(box / "projects/Odd\"Name${X}/CMakeLists.txt");
                EXPECT_NE(text.find("project(Odd\\\"Name\\${X})"), std::string::npos) << text;
            }),
        create("Name300Characters")
            .name(std::string(300, 'N'))
            .refused("Could not create destination folder: ", kMacCopyFailed),
        // A NUL byte (possible through a preset) would silently cut the path
        // that the file system sees: a control character, refused at once.
        create("NameWithNul")
            .name(str("Nul\0Name", 8))
            .usage("zizavizerovo create: field 'projectName' takes one line of text without control characters, "
                   "not 'Nul\\x00Name'"),
        create("NameNotUtf8")
            .name("Bad\xff\xfeName")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                EXPECT_TRUE(fs::is_directory(box / "projects/Bad\xff\xfeName"));
            }),
        // Templates.
        create("TemplateSymlinkLoop")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::create_directory_symlink("..", box / "template/Source/loop");
                fs::create_directory_symlink("self", box / "template/self");
            })
            .name("Looped")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                // Links are copied as links, never entered.
                EXPECT_TRUE(fs::is_symlink(box / "projects/Looped/Source/loop"));
                EXPECT_TRUE(fs::is_symlink(box / "projects/Looped/self"));
            }),
        create("TemplateLinkToOutsideFile")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::create_symlink(box / "outside/keep.txt", box / "template/Source/shared.txt");
            })
            .name("Linked")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                EXPECT_TRUE(fs::is_symlink(box / "projects/Linked/Source/shared.txt"));
            }),
        // The project file is a link to a file outside: the rewrite must not
        // reach through it.
        create("TemplateProjectFileIsLinkOutside")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "outside/CMakeLists.txt", kSmallCMake);
                fs::remove(box / "template/CMakeLists.txt");
                fs::create_symlink(box / "outside/CMakeLists.txt", box / "template/CMakeLists.txt");
            })
            .name("LinkedFile")
            .succeeds(),
        // Special files: a pipe cannot be copied; a project file that leads to
        // a device would be read for ever.
        create("TemplateWithPipe")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                ASSERT_EQ(mkfifo((box / "template/Source/pipe").c_str(), 0644), 0);
            })
            .name("Piped")
            .refused("Could not copy the template folder: ", kMacCopyFailed),
        create("TemplateProjectFileIsPipe")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::remove(box / "template/CMakeLists.txt");
                ASSERT_EQ(mkfifo((box / "template/CMakeLists.txt").c_str(), 0644), 0);
            })
            .name("PipedFile")
            .refused("Could not copy the template folder: ", kMacCopyFailed),
        create("TemplateProjectFileIsLinkToDevice")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::remove(box / "template/CMakeLists.txt");
                fs::create_symlink("/dev/zero", box / "template/CMakeLists.txt");
            })
            .name("Endless")
            .refused("Could not readFile: ", kMacNotModified),
        // The macOS copy takes a file as readily as a folder; the project file
        // below it then cannot be read.
        create("TemplateIsAFile")
            .prepare([](const Sandbox& box) {
                writeWhole(box / "template", "not a folder\n");
                fs::create_directories(box / "projects");
            })
            .name("FromFile")
            .refused("Could not copy the template folder: ", kMacNotModified),
        create("TemplateMissing")
            .prepare([](const Sandbox& box) { fs::create_directories(box / "projects"); })
            .name("NoTemplate")
            .refused("Could not copy the template folder: ", kMacCopyFailed),
        create("ProjectFolderIsAFile")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::remove_all(box / "projects");
                writeWhole(box / "projects", "a file where the project folder should be\n");
            })
            .name("Below")
            .refused("Could not create destination folder: ", kMacCopyFailed),
        create("DestinationExists")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "projects/Existing/notes.txt", "mine\n");
            })
            .name("Existing")
            .refused("Project already exists. Delete it or change the project name.", kMacCopyFailed),
        create("DestinationIsAFile")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "projects/Existing", "mine\n");
            })
            .name("Existing")
            .refused("Project already exists. Delete it or change the project name.", kMacCopyFailed),
        create("ProjectFileIsAFolder")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                fs::remove(box / "template/CMakeLists.txt");
                fs::create_directories(box / "template/CMakeLists.txt/inner");
            })
            .name("FolderFile")
            .refused("Could not readFile: ", kMacNotModified),
        create("HugeProjectFile")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "template/CMakeLists.txt", hugeCMake());
            })
            .name("Huge")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                const std::string text = readBytes(box / "projects/Huge/CMakeLists.txt");
                EXPECT_EQ(text.find("$$$"), std::string::npos);
                EXPECT_NE(text.find("set(V \"Bench Co\" Huge "), std::string::npos);
            }),
        create("ProjectFileWithoutMarkers")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "template/CMakeLists.txt", "project(Fixed)\nadd_subdirectory(src)\n");
            })
            .name("Plain")
            .succeeds()
            .check([](const Sandbox& box, Style style, const Outcome&) {
                const std::string text = readBytes(box / "projects/Plain/CMakeLists.txt");
                if (style == Style::macos) EXPECT_EQ(text, "project(Fixed)\nadd_subdirectory(src)\n");
                else EXPECT_EQ(text, "project(Fixed)\r\nadd_subdirectory(src)\r\n\r\n");
            }),
        create("ProjectFileWithNulBytes")
            .prepare([](const Sandbox& box) {
                makeTemplate(box);
                writeWhole(box / "template/CMakeLists.txt", str("a\0b $$$PROJECT_NAME$$$\0\nc\0\n", 27));
            })
            .name("Nul")
            .succeeds()
            .check([](const Sandbox& box, Style, const Outcome&) {
                const std::string text = withoutCarriageReturns(readBytes(box / "projects/Nul/CMakeLists.txt"));
                EXPECT_EQ(text.substr(0, 12), str("a\0b Nul\0\nc\0\n", 12));
            }),
    };
    return cases;
}

class CreateBadInput : public ::testing::TestWithParam<std::tuple<size_t, Style>> {};

TEST_P(CreateBadInput, EndsClearlyAndTouchesNothingElse)
{
    const CreateCase& c = createCases()[std::get<0>(GetParam())];
    const Style style = std::get<1>(GetParam());
    Sandbox box;
    if (c.before) c.before(box);
    else makeTemplate(box);
    const Tree before = snapshot(box.work());

    std::vector<std::string> args = {"create", "--style", styleWord(style), "--template", (box / "template").string(),
                                     "--folder", (box / "projects").string(), "--set", "fourCharProductID=BdIn",
                                     "--set", "vendorName=Bench Co"};
    const bool nul = c.projectName.find('\0') != std::string::npos;
    if (nul) {
        // A command line cannot carry a NUL byte; a preset can.
        std::string json = "{\"projectName\":\"";
        for (char ch : c.projectName) json += ch == '\0' ? std::string("\\u0000") : std::string(1, ch);
        writeWhole(box.scratch() / "preset.json", json + "\"}");
        args.insert(args.end(), {"--preset", (box.scratch() / "preset.json").string()});
    } else {
        args.insert(args.end(), {"--set", "projectName=" + c.projectName});
    }
    const Outcome run = runProgram(args, box.scratch());
    ASSERT_FALSE(run.timedOut) << run;
    const int expectedExit = c.exitCode();
    const std::string& expectedMessage = c.message(style);
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    if (expectedExit == 0) {
        EXPECT_EQ(run.err, "");
        EXPECT_FALSE(run.out.empty());
    } else {
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.firstErrorLine().substr(0, expectedMessage.size()), expectedMessage) << run.err;
    }
    // Only the new project folder may appear, and only when the creation
    // succeeds: a failed run leaves nothing of its own.
    std::vector<std::string> allowed;
    const fs::path destination = fs::path("projects") / c.projectName;
    if (expectedExit == 0) allowed.push_back(destination.lexically_normal().string());
    expectUntouched(before, snapshot(box.work()), allowed);
    if (c.after) c.after(box, style, run);
}

INSTANTIATE_TEST_SUITE_P(Table, CreateBadInput,
                         ::testing::Combine(::testing::Range<size_t>(0, createCases().size()),
                                            ::testing::Values(Style::windows, Style::macos)),
                         [](const auto& info) {
                             return std::string(createCases()[std::get<0>(info.param)].title) + "_" +
                                    styleWord(std::get<1>(info.param));
                         });

// ---- presets ---------------------------------------------------------------------

struct PresetCase {
    const char* name;
    std::string content;
    std::string errorPiece;  // a piece of the message on stderr
    // Makes the preset file instead of writing `content` (a pipe, a device).
    std::function<void(const fs::path&)> make = nullptr;
};

const std::vector<PresetCase>& presetCases()
{
    static const std::vector<PresetCase> cases = {
        {"Binary", str("\0\xff{\x01\"", 5), "a preset must be a JSON object"},
        {"Truncated", "{\"projectName\": \"Gain", "preset.json"},
        {"Array", "[\"projectName\", \"Gain\"]", "a preset must be a JSON object"},
        {"NestedObject", "{\"projectName\": {\"a\": 1}}", "projectName"},
        {"UnknownField", "{\"projectNam\": \"Gain\"}", "projectNam"},
        {"NotANumber", "{\"latencyInSamples\": \"abc\"}", "latencyInSamples"},
        {"TextAfterObject", "{\"projectName\": \"Gain\"} {}", "preset.json"},
        // Files that never end: refused before anything reads them.
        {"Pipe", "", "preset.json", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0644), 0); }},
        {"LinkToDevice", "", "preset.json", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
        {"LargerThan16MiB", "", "preset.json",
         [](const fs::path& f) { writeWhole(f, "{\"projectName\": \"" + std::string(17u << 20, 'x') + "\"}"); }},
    };
    return cases;
}

class PresetBadInput : public ::testing::TestWithParam<std::tuple<size_t, Style>> {};

TEST_P(PresetBadInput, IsAUsageErrorAndMakesNothing)
{
    const PresetCase& c = presetCases()[std::get<0>(GetParam())];
    const Style style = std::get<1>(GetParam());
    Sandbox box;
    makeTemplate(box);
    if (c.make) c.make(box / "preset.json");
    else writeWhole(box / "preset.json", c.content);
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"create", "--style", styleWord(style), "--template", (box / "template").string(),
                                    "--folder", (box / "projects").string(), "--preset",
                                    (box / "preset.json").string()},
                                   box.scratch(), std::chrono::seconds(20));
    ASSERT_FALSE(run.timedOut) << run;
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find(c.errorPiece), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    expectUntouched(before, snapshot(box.work()), {});
}

INSTANTIATE_TEST_SUITE_P(Table, PresetBadInput,
                         ::testing::Combine(::testing::Range<size_t>(0, presetCases().size()),
                                            ::testing::Values(Style::windows, Style::macos)),
                         [](const auto& info) {
                             return std::string(presetCases()[std::get<0>(info.param)].name) + "_" +
                                    styleWord(std::get<1>(info.param));
                         });

// ---- settings -----------------------------------------------------------------

struct SettingsCase {
    const char* name;
    std::function<std::string()> content;
    // Extra checks of what was printed (both styles).
    std::function<void(Style, const Outcome&)> check;
    // Makes the file instead of writing `content` (a pipe, a device).
    std::function<void(const fs::path&)> make = nullptr;
};

// The settings file could not be read: the style's message, the defaults.
void cannotBeRead(Style style, const Outcome& run, const std::string& file)
{
    if (style == Style::windows) EXPECT_EQ(run.err, "Could not find or create: " + file + "\n");
    else EXPECT_EQ(run.err, "Setup logfile was empty.\nCan't read log data. \n");
}

std::string binaryBytes(size_t n)
{
    std::mt19937 rng(7);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(rng());
    return s;
}

const std::vector<SettingsCase>& settingsCases()
{
    static const std::vector<SettingsCase> cases = {
        {"Binary", [] { return binaryBytes(4096); }, nullptr},
        {"NulBytes", [] { return str("Vendor\0X\nDI\0O\nu\nm\n/p\0q\n1\n", 26); }, nullptr},
        {"Huge",
         [] {
             std::string s;
             while (s.size() < 32u * 1024 * 1024) s += "a very long first line without an end ";
             return s + "\nDIRO\n";
         },
         nullptr},
        {"CarriageReturnsOnly", [] { return std::string("Acme\rACME\rhttps://a.example\rm@a.example\r/p\r1\r"); },
         [](Style style, const Outcome& run) {
             // The macOS reader ends a line at a CR; the Windows one does not.
             if (style == Style::macos) {
                 EXPECT_NE(run.out.find("vendorName=Acme\n"), std::string::npos) << run.out;
                 EXPECT_NE(run.out.find("projectFolderPath=/p\n"), std::string::npos) << run.out;
             }
         }},
        {"OnlyBlanks", [] { return std::string(" \t \r\n  \n"); }, nullptr},
        // Files that never end: never opened for reading, never read whole.
        {"Pipe", nullptr, nullptr, [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0644), 0); }},
        {"LinkToDevice", nullptr, nullptr, [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
    };
    return cases;
}

class SettingsBadInput : public ::testing::TestWithParam<std::tuple<size_t, Style>> {};

TEST_P(SettingsBadInput, ReadsWithoutHarm)
{
    const SettingsCase& c = settingsCases()[std::get<0>(GetParam())];
    const Style style = std::get<1>(GetParam());
    Sandbox box;
    const fs::path file = box / "settings/zezurelog.txt";
    if (c.make) {
        fs::create_directories(file.parent_path());
        c.make(file);
    } else {
        writeWhole(file, c.content());
    }
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"settings", "--style", styleWord(style), "--file", file.string()}, box.scratch(),
                                   std::chrono::seconds(20));
    if (c.make) cannotBeRead(style, run, file.string());
    ASSERT_FALSE(run.timedOut) << run;
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("vendorName=", 0), 0u);
    // A blank file is refilled from the defaults, as the page does; any other
    // file is only read.
    if (std::string(c.name) == "OnlyBlanks" && style == Style::windows) {
        Tree after = snapshot(box.work());
        after.erase("settings/zezurelog.txt");
        Tree was = before;
        was.erase("settings/zezurelog.txt");
        expectUntouched(was, after, {});
    } else {
        expectUntouched(before, snapshot(box.work()), {});
    }
    if (c.check) c.check(style, run);
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsBadInput,
                         ::testing::Combine(::testing::Range<size_t>(0, settingsCases().size()),
                                            ::testing::Values(Style::windows, Style::macos)),
                         [](const auto& info) {
                             return std::string(settingsCases()[std::get<0>(info.param)].name) + "_" +
                                    styleWord(std::get<1>(info.param));
                         });

// The tool's own settings file never ends: create reads the defaults, says so
// and creates.
TEST(OwnSettingsBadInput, APipeOrADeviceIsReportedAndTheCreationGoesOn)
{
    for (const Style style : {Style::windows, Style::macos}) {
        for (const bool pipe : {true, false}) {
            Sandbox box;
            makeTemplate(box);
            const fs::path own = box.scratch() / "config/zizavizerovo/zezurelog.txt";
            fs::create_directories(own.parent_path());
            if (pipe) ASSERT_EQ(mkfifo(own.c_str(), 0644), 0);
            else fs::create_symlink("/dev/zero", own);
            const Outcome run = runProgram({"create", "--style", styleWord(style), "--template",
                                            (box / "template").string(), "--folder", (box / "projects").string(),
                                            "--set", "projectName=Goes", "--set", "fourCharProductID=GoOn",
                                            "--no-register"},
                                           box.scratch(), std::chrono::seconds(20));
            ASSERT_FALSE(run.timedOut) << run;
            EXPECT_EQ(run.exitCode, 0) << run;
            // The tool's own file is in this host's format (macOS rules here).
            EXPECT_EQ(run.err.substr(0, 47), "Setup logfile was empty.\nCan't read log data. \n") << run;
            EXPECT_TRUE(fs::exists(box / "projects/Goes/CMakeLists.txt"));
        }
    }
}

// ---- restore-template -----------------------------------------------------------

const char* const kArchivePassword = zz::kTemplateArchivePassword;

// Packs `folder`'s content into `zip` with Info-ZIP and a password.
void zipFolder(const fs::path& folder, const fs::path& zip, const std::string& password)
{
    Command command{"zip", {"-q", "-r", "-P", password, zip.string(), "."}};
    command.folder = folder.string();
    const Outcome run = zz::testing::runProgram(command);
    ASSERT_EQ(run.exitCode, 0) << run;
}

// An archive with one entry of the given name, stored without encryption
// (written by Python's zipfile, which takes any name).
void zipOneEntry(const fs::path& zip, const std::string& entryName)
{
    const Outcome run = zz::testing::runProgram(
        {"python3",
         {"-c",
          "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1], 'w'); "
          "z.writestr('ok.txt', 'fine\\n'); z.writestr(sys.argv[2], 'escaped\\n'); z.close()",
          zip.string(), entryName}});
    ASSERT_EQ(run.exitCode, 0) << run;
}

struct RestoreCase {
    const char* name;
    std::function<void(const Sandbox&)> makeArchive;  // writes work/archive/PluginTemplate.zip
};

void makeGoodArchiveContent(const Sandbox& box)
{
    writeWhole(box.scratch() / "content/CMakeLists.txt", kSmallCMake);
    writeWhole(box.scratch() / "content/Source/plugin.cpp", "// plug-in\n");
    fs::create_directories(box / "archive");
}

const std::vector<RestoreCase>& restoreCases()
{
    static const std::vector<RestoreCase> cases = {
        {"Missing", [](const Sandbox& box) { fs::create_directories(box / "archive"); }},
        {"Truncated",
         [](const Sandbox& box) {
             makeGoodArchiveContent(box);
             zipFolder(box.scratch() / "content", box.scratch() / "full.zip", kArchivePassword);
             const std::string full = readBytes(box.scratch() / "full.zip");
             writeWhole(box / "archive/PluginTemplate.zip", full.substr(0, full.size() / 2));
         }},
        {"TruncatedToCentralDirectory",
         [](const Sandbox& box) {
             makeGoodArchiveContent(box);
             zipFolder(box.scratch() / "content", box.scratch() / "full.zip", kArchivePassword);
             const std::string full = readBytes(box.scratch() / "full.zip");
             writeWhole(box / "archive/PluginTemplate.zip", full.substr(0, full.size() - 10));
         }},
        {"WrongPassword",
         [](const Sandbox& box) {
             makeGoodArchiveContent(box);
             zipFolder(box.scratch() / "content", box / "archive/PluginTemplate.zip", "not-the-password");
         }},
        {"NotAnArchive",
         [](const Sandbox& box) { writeWhole(box / "archive/PluginTemplate.zip", binaryBytes(10000)); }},
        {"ArchiveIsAFolder", [](const Sandbox& box) { fs::create_directories(box / "archive/PluginTemplate.zip"); }},
        {"SlipParent",
         [](const Sandbox& box) {
             fs::create_directories(box / "archive");
             zipOneEntry(box / "archive/PluginTemplate.zip", "../escaped.txt");
         }},
        {"SlipDeep",
         [](const Sandbox& box) {
             fs::create_directories(box / "archive");
             zipOneEntry(box / "archive/PluginTemplate.zip", "Source/../../../outside/escaped.txt");
         }},
        {"SlipAbsolute",
         [](const Sandbox& box) {
             fs::create_directories(box / "archive");
             zipOneEntry(box / "archive/PluginTemplate.zip", (box / "outside/escaped.txt").string());
         }},
        {"SlipBackslash",
         [](const Sandbox& box) {
             fs::create_directories(box / "archive");
             zipOneEntry(box / "archive/PluginTemplate.zip", "..\\..\\escaped.txt");
         }},
        {"SlipDriveLetter",
         [](const Sandbox& box) {
             fs::create_directories(box / "archive");
             zipOneEntry(box / "archive/PluginTemplate.zip", "C:/escaped.txt");
         }},
    };
    return cases;
}

class RestoreBadInput : public ::testing::TestWithParam<size_t> {};

TEST_P(RestoreBadInput, FailsAndKeepsTheOldTemplate)
{
    if (!programOnPath("zip") || !programOnPath("python3")) GTEST_SKIP() << "zip and python3 make the archives";
    const RestoreCase& c = restoreCases()[GetParam()];
    Sandbox box;
    writeWhole(box / "sdk/PluginTemplate/CMakeLists.txt", "# edited by the user\nproject($$$PROJECT_NAME$$$)\n");
    writeWhole(box / "sdk/PluginTemplate/mine.txt", "mine\n");
    c.makeArchive(box);
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"restore-template", "--archive", (box / "archive/PluginTemplate.zip").string(), "--to",
                                (box / "sdk/PluginTemplate").string(), "--yes"},
                               box.scratch());
    ASSERT_FALSE(run.timedOut) << run;
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_EQ(run.firstErrorLine(), "PluginTemplate extraction failed.") << run.err;
    // The old template stays exactly as it was, and nothing is left beside it.
    expectUntouched(before, snapshot(box.work()), {});
    EXPECT_FALSE(fs::exists(box / "escaped.txt"));
    EXPECT_FALSE(fs::exists(box / "outside/escaped.txt"));
}

INSTANTIATE_TEST_SUITE_P(Table, RestoreBadInput, ::testing::Range<size_t>(0, restoreCases().size()),
                         [](const auto& info) { return std::string(restoreCases()[info.param].name); });

}  // namespace

namespace {

TEST(RestoreTarget, BelowAFileFailsAndLeavesTheFile)
{
    if (!programOnPath("zip")) GTEST_SKIP() << "zip makes the archive";
    Sandbox box;
    makeGoodArchiveContent(box);
    zipFolder(box.scratch() / "content", box / "archive/PluginTemplate.zip", kArchivePassword);
    writeWhole(box / "sdk", "a file where the SDK folder should be\n");
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"restore-template", "--archive", (box / "archive/PluginTemplate.zip").string(),
                                    "--to", (box / "sdk/PluginTemplate").string(), "--yes"},
                                   box.scratch());
    ASSERT_FALSE(run.timedOut) << run;
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.firstErrorLine(), "PluginTemplate extraction failed.") << run.err;
    expectUntouched(before, snapshot(box.work()), {});
}

}  // namespace

namespace {

// Output that never arrives (a full disk) is no success, whatever the command.
TEST(LostOutput, IsAFailureWithTheReason)
{
    Sandbox box;
    writeWhole(box / "table.json", R"([{"controlID": "kGain"}, {"controlID": "kTrim"}])");
    const std::vector<std::vector<std::string>> commands = {
        {"code", "--table", (box / "table.json").string()},
        {"create", "--style", "windows", "--dry-run", "--folder", box.work().string(), "--set", "projectName=Lost"},
        {"--help"},
        {"codes", "--suggest", "Lost Echo"},
    };
    for (const auto& args : commands) {
        Command command{ZZ_CLI_PROGRAM, args};
        command.unset = {"APPDATA"};
        command.set = {{"XDG_CONFIG_HOME", (box.scratch() / "config").string()},
                       {"HOME", (box.scratch() / "home").string()},
                       {"ZIZAVIZEROVO_PLUGIN_PATH_ONLY", "1"}};
        command.output = "/dev/full";
        const Outcome run = zz::testing::runProgram(command);
        EXPECT_EQ(run.exitCode, 1) << run;
        const std::string last = "zizavizerovo: cannot write the output: No space left on device\n";
        EXPECT_TRUE(run.err.size() >= last.size() && run.err.compare(run.err.size() - last.size(), last.size(), last) == 0)
            << run;
    }
}

}  // namespace
