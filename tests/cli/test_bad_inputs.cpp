// Bad inputs through the real zizavizerovo program: odd project names, broken
// templates, strange settings files and hostile archives. Every run must end
// with an exit code and, when it fails, a message; nothing outside the folder
// the command works on may change, and no file that was there before may be
// altered.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tempfolder.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// ---- Running the program ----------------------------------------------------

struct Outcome {
    int exitCode = -1;
    bool timedOut = false;
    std::string out;
    std::string err;

    std::string firstErrorLine() const { return err.substr(0, err.find('\n')); }
};

void writeWhole(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// Runs the program with `args`, stdin from /dev/null, stdout and stderr into
// files under `scratch`, and the settings file of the tool under `scratch`
// too. A run that takes longer than `limit` is killed and marked.
Outcome runProgram(const std::vector<std::string>& args, const fs::path& scratch,
               std::chrono::seconds limit = std::chrono::seconds(180))
{
    const fs::path outFile = scratch / "stdout";
    const fs::path errFile = scratch / "stderr";
    std::vector<std::string> words = {ZZ_CLI_PROGRAM};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("XDG_CONFIG_HOME=", 0) == 0 || entry.rfind("HOME=", 0) == 0 ||
            entry.rfind("APPDATA=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.push_back("XDG_CONFIG_HOME=" + (scratch / "config").string());
    env.push_back("HOME=" + (scratch / "home").string());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    Outcome run;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.err = "could not start " + words[0];
        return run;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status)) run.exitCode = 128 + WTERMSIG(status);
    run.out = readBytes(outFile);
    run.err = readBytes(errFile);
    return run;
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

struct CreateCase {
    const char* name;
    // Changes the sandbox (template, project folder) before the run.
    std::function<void(const Sandbox&)> prepare;
    std::string projectName;
    int windowsExit;
    std::string windowsMessage;  // the first line on stderr, or "" when it succeeds
    int macExit;
    std::string macMessage;
    // Further checks after the run (both styles).
    std::function<void(const Sandbox&, Style, const Outcome&)> check;
};

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

const std::vector<CreateCase>& createCases()
{
    static const std::vector<CreateCase> cases = {
        // Project names.
        {"NameWithSlash", nullptr, "sub/Plugin", 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        {"NameWithBackslash", nullptr, "sub\\Plugin", 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        {"NameDotDot", nullptr, "..", 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        {"NameDot", nullptr, ".", 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        {"NameClimbing", nullptr, "../outside", 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        // Control characters make an odd but harmless folder name inside the
        // project folder.
        {"NameWithControlCharacters", nullptr, "Bad\x01\x1b[31mName", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             EXPECT_TRUE(fs::is_directory(box / "projects/Bad\x01\x1b[31mName"));
         }},
        {"Name300Characters", nullptr, std::string(300, 'N'), 1,
         "Could not create destination folder: ", 1, "Could not copy the basis directory to destination.",
         nullptr},
        // A NUL byte (possible through a preset) would silently cut the path
        // that the file system sees.
        {"NameWithNul", nullptr, str("Nul\0Name", 8), 1, "Project name is not a valid folder name.", 1,
         "The project name is not a valid folder name.", nullptr},
        {"NameNotUtf8", nullptr, "Bad\xff\xfeName", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             EXPECT_TRUE(fs::is_directory(box / "projects/Bad\xff\xfeName"));
         }},
        // Templates.
        {"TemplateSymlinkLoop",
         [](const Sandbox& box) {
             makeTemplate(box);
             fs::create_directory_symlink("..", box / "template/Source/loop");
             fs::create_directory_symlink("self", box / "template/self");
         },
         "Looped", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             // Links are copied as links, never entered.
             EXPECT_TRUE(fs::is_symlink(box / "projects/Looped/Source/loop"));
             EXPECT_TRUE(fs::is_symlink(box / "projects/Looped/self"));
         }},
        {"TemplateLinkToOutsideFile",
         [](const Sandbox& box) {
             makeTemplate(box);
             fs::create_symlink(box / "outside/keep.txt", box / "template/Source/shared.txt");
         },
         "Linked", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             EXPECT_TRUE(fs::is_symlink(box / "projects/Linked/Source/shared.txt"));
         }},
        // The project file is a link to a file outside: the rewrite must not
        // reach through it.
        {"TemplateProjectFileIsLinkOutside",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "outside/CMakeLists.txt", kSmallCMake);
             fs::remove(box / "template/CMakeLists.txt");
             fs::create_symlink(box / "outside/CMakeLists.txt", box / "template/CMakeLists.txt");
         },
         "LinkedFile", 0, "", 0, "", nullptr},
        // Special files: a pipe cannot be copied; a project file that leads to
        // a device would be read for ever.
        {"TemplateWithPipe",
         [](const Sandbox& box) {
             makeTemplate(box);
             ASSERT_EQ(mkfifo((box / "template/Source/pipe").c_str(), 0644), 0);
         },
         "Piped", 1, "Could not copy the template folder: ", 1, "Could not copy the basis directory to destination.",
         nullptr},
        {"TemplateProjectFileIsLinkToDevice",
         [](const Sandbox& box) {
             makeTemplate(box);
             fs::remove(box / "template/CMakeLists.txt");
             fs::create_symlink("/dev/zero", box / "template/CMakeLists.txt");
         },
         "Endless", 1, "Could not readFile: ", 1, "Could not modify the project file.", nullptr},
        {"TemplateIsAFile",
         [](const Sandbox& box) {
             writeWhole(box / "template", "not a folder\n");
             fs::create_directories(box / "projects");
         },
         // The macOS copy takes a file as readily as a folder; the project file
         // below it then cannot be read.
         "FromFile", 1, "Could not copy the template folder: ", 1, "Could not modify the project file.", nullptr},
        {"TemplateMissing", [](const Sandbox& box) { fs::create_directories(box / "projects"); }, "NoTemplate", 1,
         "Could not copy the template folder: ", 1, "Could not copy the basis directory to destination.", nullptr},
        {"ProjectFolderIsAFile",
         [](const Sandbox& box) {
             makeTemplate(box);
             fs::remove_all(box / "projects");
             writeWhole(box / "projects", "a file where the project folder should be\n");
         },
         "Below", 1, "Could not create destination folder: ", 1,
         "Could not copy the basis directory to destination.", nullptr},
        {"DestinationExists",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "projects/Existing/notes.txt", "mine\n");
         },
         "Existing", 1, "Project already exists. Delete it or change the project name.", 1,
         "Could not copy the basis directory to destination.", nullptr},
        {"DestinationIsAFile",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "projects/Existing", "mine\n");
         },
         "Existing", 1, "Project already exists. Delete it or change the project name.", 1,
         "Could not copy the basis directory to destination.", nullptr},
        {"ProjectFileIsAFolder",
         [](const Sandbox& box) {
             makeTemplate(box);
             fs::remove(box / "template/CMakeLists.txt");
             fs::create_directories(box / "template/CMakeLists.txt/inner");
         },
         "FolderFile", 1, "Could not readFile: ", 1, "Could not modify the project file.", nullptr},
        {"HugeProjectFile",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "template/CMakeLists.txt", hugeCMake());
         },
         "Huge", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             const std::string text = readBytes(box / "projects/Huge/CMakeLists.txt");
             EXPECT_EQ(text.find("$$$"), std::string::npos);
             EXPECT_NE(text.find("set(V \"Bench Co\" Huge "), std::string::npos);
         }},
        {"ProjectFileWithoutMarkers",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "template/CMakeLists.txt", "project(Fixed)\nadd_subdirectory(src)\n");
         },
         "Plain", 0, "", 0, "",
         [](const Sandbox& box, Style style, const Outcome&) {
             const std::string text = readBytes(box / "projects/Plain/CMakeLists.txt");
             if (style == Style::macos) EXPECT_EQ(text, "project(Fixed)\nadd_subdirectory(src)\n");
             else EXPECT_EQ(text, "project(Fixed)\r\nadd_subdirectory(src)\r\n\r\n");
         }},
        {"ProjectFileWithNulBytes",
         [](const Sandbox& box) {
             makeTemplate(box);
             writeWhole(box / "template/CMakeLists.txt", str("a\0b $$$PROJECT_NAME$$$\0\nc\0\n", 27));
         },
         "Nul", 0, "", 0, "",
         [](const Sandbox& box, Style, const Outcome&) {
             const std::string text = withoutCarriageReturns(readBytes(box / "projects/Nul/CMakeLists.txt"));
             EXPECT_EQ(text.substr(0, 12), str("a\0b Nul\0\nc\0\n", 12));
         }},
    };
    return cases;
}

class CreateBadInput : public ::testing::TestWithParam<std::tuple<size_t, Style>> {};

TEST_P(CreateBadInput, EndsClearlyAndTouchesNothingElse)
{
    const CreateCase& c = createCases()[std::get<0>(GetParam())];
    const Style style = std::get<1>(GetParam());
    Sandbox box;
    if (c.prepare) c.prepare(box);
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
    ASSERT_FALSE(run.timedOut);
    const int expectedExit = style == Style::windows ? c.windowsExit : c.macExit;
    const std::string& expectedMessage = style == Style::windows ? c.windowsMessage : c.macMessage;
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    if (expectedExit == 0) {
        EXPECT_EQ(run.err, "");
        EXPECT_FALSE(run.out.empty());
    } else {
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.firstErrorLine().substr(0, expectedMessage.size()), expectedMessage) << run.err;
    }
    // Only the new project folder may appear (a failed Windows run may leave
    // the empty destination folder it made; nothing is rolled back).
    std::vector<std::string> allowed;
    const fs::path destination = fs::path("projects") / c.projectName;
    if (!nul && c.projectName.find('/') == std::string::npos && c.projectName != "." && c.projectName != "..")
        allowed.push_back(destination.lexically_normal().string());
    expectUntouched(before, snapshot(box.work()), allowed);
    if (c.check) c.check(box, style, run);
}

INSTANTIATE_TEST_SUITE_P(Table, CreateBadInput,
                         ::testing::Combine(::testing::Range<size_t>(0, createCases().size()),
                                            ::testing::Values(Style::windows, Style::macos)),
                         [](const auto& info) {
                             return std::string(createCases()[std::get<0>(info.param)].name) + "_" +
                                    styleWord(std::get<1>(info.param));
                         });

// ---- presets ---------------------------------------------------------------------

struct PresetCase {
    const char* name;
    std::string content;
    std::string errorPiece;  // a piece of the message on stderr
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
    writeWhole(box / "preset.json", c.content);
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"create", "--style", styleWord(style), "--template", (box / "template").string(),
                                    "--folder", (box / "projects").string(), "--preset",
                                    (box / "preset.json").string()},
                                   box.scratch());
    ASSERT_FALSE(run.timedOut);
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
};

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
    };
    return cases;
}

class SettingsBadInput : public ::testing::TestWithParam<std::tuple<size_t, Style>> {};

TEST_P(SettingsBadInput, ReadsWithoutHarm)
{
    const SettingsCase& c = settingsCases()[std::get<0>(GetParam())];
    const Style style = std::get<1>(GetParam());
    Sandbox box;
    const std::string content = c.content();
    writeWhole(box / "settings/zezurelog.txt", content);
    const Tree before = snapshot(box.work());

    const Outcome run =
        runProgram({"settings", "--style", styleWord(style), "--file", (box / "settings/zezurelog.txt").string()},
                   box.scratch());
    ASSERT_FALSE(run.timedOut);
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

// ---- restore-template -----------------------------------------------------------

const char* kArchivePassword = "5d1e9c3a-28f4-4b67-9a0e-c3f7b2d86e15";

bool haveCommand(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Packs `folder`'s content into `zip` with Info-ZIP and a password.
void zipFolder(const fs::path& folder, const fs::path& zip, const std::string& password)
{
    const std::string cmd = "cd '" + folder.string() + "' && zip -q -r -P '" + password + "' '" + zip.string() + "' .";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

// An archive with one entry of the given name, stored without encryption
// (written by Python's zipfile, which takes any name).
void zipOneEntry(const fs::path& zip, const std::string& entryName)
{
    const std::string cmd = "python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1], \"w\"); "
                            "z.writestr(\"ok.txt\", \"fine\\n\"); z.writestr(sys.argv[2], \"escaped\\n\"); z.close()' '" +
                            zip.string() + "' '" + entryName + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
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
    if (!haveCommand("zip") || !haveCommand("python3")) GTEST_SKIP() << "zip and python3 make the archives";
    const RestoreCase& c = restoreCases()[GetParam()];
    Sandbox box;
    writeWhole(box / "sdk/PluginTemplate/CMakeLists.txt", "# edited by the user\n");
    writeWhole(box / "sdk/PluginTemplate/mine.txt", "mine\n");
    c.makeArchive(box);
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"restore-template", "--archive", (box / "archive/PluginTemplate.zip").string(), "--to",
                                (box / "sdk/PluginTemplate").string(), "--yes"},
                               box.scratch());
    ASSERT_FALSE(run.timedOut);
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
    if (!haveCommand("zip")) GTEST_SKIP() << "zip makes the archive";
    Sandbox box;
    makeGoodArchiveContent(box);
    zipFolder(box.scratch() / "content", box / "archive/PluginTemplate.zip", kArchivePassword);
    writeWhole(box / "sdk", "a file where the SDK folder should be\n");
    const Tree before = snapshot(box.work());

    const Outcome run = runProgram({"restore-template", "--archive", (box / "archive/PluginTemplate.zip").string(),
                                    "--to", (box / "sdk/PluginTemplate").string(), "--yes"},
                                   box.scratch());
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.firstErrorLine(), "PluginTemplate extraction failed.") << run.err;
    expectUntouched(before, snapshot(box.work()), {});
}

}  // namespace
