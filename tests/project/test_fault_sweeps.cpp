// Every file-system call of a creation, a remembered setting, a register
// update and a settings write made to fail in turn, alone and with every
// call after it: each run ends in success with everything written, or in a
// failure that says so with every file holding its old or its new content and
// nothing half-made left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "faultyfiles.h"
#include "project/creation.h"
#include "project/projectregister.h"
#include "project/settingsfile.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using namespace zz;

namespace {

using Tree = std::map<std::string, std::string>;

// Takes out of `tree` what a run may leave when the disk failed it for good
// (`andLater`) or failed the removal itself: hidden folders of ours that no
// run holds any more, which the next run in the folder clears, and hidden
// temporary files beside `file`. Anything else stays in the tree for the
// comparison.
void dropLeftovers(Tree& tree, const fs::path& root, const FaultyFileSystem& faults, const std::string& file = "")
{
    const bool removalFailed = faults.failAt != 0 && faults.calls.size() >= faults.failAt &&
                               faults.calls[faults.failAt - 1].rfind("remove", 0) == 0;
    if (!faults.andLater && !removalFailed) return;
    for (auto it = tree.begin(); it != tree.end();) {
        const std::string top = it->first.substr(0, it->first.find('/'));
        const bool staging = files::isStagingName(top, kCreationStaging) && it->first.find('/') != std::string::npos;
        const bool temporary = !file.empty() && top.rfind("." + file + ".tmp-", 0) == 0;
        if (staging) {
            EXPECT_FALSE(files::realFileSystem().folderIsHeld((root / top).string())) << top;
        }
        it = staging || temporary ? tree.erase(it) : std::next(it);
    }
}

// Nothing but `file` (and `lock`, when given) in `folder`, apart from the
// leftovers dropLeftovers allows.
void expectOnlyTheFile(const fs::path& folder, const std::string& file, const FaultyFileSystem& faults,
                       const std::string& where, const std::string& lock = "")
{
    if (!fs::exists(folder)) return;
    Tree found = folderContents(folder);
    found.erase(file);
    found.erase(lock);
    dropLeftovers(found, folder, faults, file);
    std::string names;
    for (const auto& [name, bytes] : found) names += " " + name;
    EXPECT_TRUE(found.empty()) << where << ", left:" << names;
}

// ---- A creation -------------------------------------------------------------

class CreationSweep : public ::testing::TestWithParam<Deliverable> {};

TEST_P(CreationSweep, ThereIsTheWholeProjectOrNothing)
{
    const Deliverable style = GetParam();
    const bool windows = style == Deliverable::windows;
    // The template's files and what the project holds of them.
    const Tree project = {
        {"Swept/", ""},
        {"Swept/CMakeLists.txt", windows ? "project(Swept)\r\nset(VENDOR \"Sweep Co\")\r\n\r\n"
                                         : "project(Swept)\nset(VENDOR \"Sweep Co\")\n"},
        {"Swept/Source/", ""},
        {"Swept/Source/plugin.cpp", "// plug-in\n"},
        {"Swept/Source/dsp/", ""},
        {"Swept/Source/dsp/filter.h", "// filter\n"},
        {"Swept/.gitignore", "build/\n"},
    };
    const Tree others = {{"Other/", ""}, {"Other/mine.txt", "not ours"}};

    const std::size_t points = sweepFaults([&](FaultyFileSystem& faults, const std::string& fault) {
        TempFolder tmp;
        writeBytes(tmp / "template/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\nset(VENDOR \"$$$VENDOR_NAME$$$\")\n");
        writeBytes(tmp / "template/Source/plugin.cpp", "// plug-in\n");
        writeBytes(tmp / "template/Source/dsp/filter.h", "// filter\n");
        writeBytes(tmp / "template/.gitignore", "build/\n");
        writeBytes(tmp / "projects/Other/mine.txt", "not ours");

        ZezureProject record = makeDefaultProject(style, "/program");
        record.projectFolderPath = windows ? tmp / "projects" : tmp / "projects" + "/";
        record.projectName = "Swept";
        record.vendorName = "Sweep Co";
        CreationRequest request;
        request.style = style;
        request.templateFolder = tmp / "template";
        request.fileSystem = &faults;
        request.separator = '/';
        request.wait = [](int) {};
        const CreationResult made = makeProject(record, request);

        Tree found = folderContents(tmp / "projects");
        dropLeftovers(found, tmp.path() / "projects", faults);
        Tree expected = others;
        if (made.ok) expected.insert(project.begin(), project.end());
        else {
            EXPECT_FALSE(made.message.empty()) << fault;
        }
        EXPECT_EQ(found, expected) << fault << "\n" << made.message;
        if (fault.empty()) {
            EXPECT_TRUE(made.ok) << made.message;
        }
    });
    EXPECT_GT(points, 25u);
    std::cout << "[ sweep    ] creation (" << (windows ? "windows" : "macos") << "): " << points << " calls\n";
}

INSTANTIATE_TEST_SUITE_P(Styles, CreationSweep, ::testing::Values(Deliverable::windows, Deliverable::mac),
                         [](const auto& info) { return info.param == Deliverable::windows ? "windows" : "macos"; });

// ---- A remembered setting (create --remember) ------------------------------------

// The tool's own file holds this host's format (macOS rules here).
const std::string kRemembered = "Old Co\nOLDC\nhttps://old.example\nold@old.example\n/old/\n1\n";

struct RememberCase {
    const char* title;
    Deliverable style;
    std::optional<std::string> before;  // the file before the run; none: no file and no folder
    std::string after;                  // the file once the values are remembered
};

TEST(RememberSweep, TheSettingsFileHoldsItsOldValuesOrTheNewOnes)
{
    const RememberCase cases[] = {
        {"windows", Deliverable::windows, kRemembered,
         "New Co\nOLDC\nhttps://old.example\nold@old.example\n/new/\n1\n"},
        {"macos", Deliverable::mac, kRemembered, "New Co\nOLDC\nhttps://old.example\nold@old.example\n/new/\n1\n"},
        {"windows first", Deliverable::windows, std::nullopt,
         "New Co\nDIRO\nhttps://www.example.com\nsupport@example.com\n/new/\n0\n"},
        {"macos first", Deliverable::mac, std::nullopt,
         "New Co\nDIRO\nhttps://www.example.com\nsupport@example.com\n/new/\n0\n"},
    };
    for (const RememberCase& c : cases) {
        const std::size_t points = sweepFaults([&](FaultyFileSystem& faults, const std::string& fault) {
            TempFolder tmp;
            const std::string path = tmp / "cfg/zezurelog.txt";
            if (c.before) writeBytes(path, *c.before);
            // As create --remember does: the values read, the user's over
            // them, the project made, the values written.
            OwnSettingsFile own(path, faults);
            ZezureProject record = makeDefaultProject(c.style, "/program");
            own.load(c.style, record, false);
            record.vendorName = "New Co";
            record.projectFolderPath = "/new/";
            const Result remembered = own.remember(record);

            const std::string where = std::string(c.title) + ", " + fault;
            if (remembered.ok) {
                EXPECT_EQ(readBytes(path), c.after) << where;
            } else {
                EXPECT_TRUE(remembered.shown() || !remembered.detail.empty()) << where;
                if (c.before) {
                    EXPECT_EQ(readBytes(path), *c.before) << where;
                } else {
                    EXPECT_FALSE(fs::exists(path)) << where;
                }
            }
            expectOnlyTheFile(tmp / "cfg", "zezurelog.txt", faults, where);
            if (fault.empty()) {
                EXPECT_TRUE(remembered.ok) << remembered.message << remembered.detail;
            }
        });
        EXPECT_GT(points, 10u) << c.title;
        std::cout << "[ sweep    ] remember (" << c.title << "): " << points << " calls\n";
    }
}

// ---- A register update -------------------------------------------------------------

TEST(RegisterSweep, TheRegisterHoldsItsOldLinesOrOneMore)
{
    // Lines the tool does not understand stay byte for byte; the last one has
    // no line end.
    const std::string before = "# made on the old laptop\n"
                               "2024-01-02T03:04:05Z\tOld\tOldP\tDIRO\t/p/Old\tan extra field\n"
                               "too\tfew\tfields\n"
                               "2023-05-06T07:08:09Z\tTwo\\nLines\tTwoP\tDIRO\t/p/Two";
    const std::string after = before + "\n2025-06-07T08:09:10Z\tNew\\tTab\\\\\tNewP\tACME\t/p/New\n";
    const std::size_t points = sweepFaults([&](FaultyFileSystem& faults, const std::string& fault) {
        TempFolder tmp;
        const std::string path = tmp / "projects.tsv";
        writeBytes(path, before);
        const Result added = addToRegister(faults, path, {"2025-06-07T08:09:10Z", "New\tTab\\", "NewP", "ACME", "/p/New"},
                                           std::chrono::milliseconds(100));
        if (added.ok && added.message.empty()) {
            EXPECT_EQ(readBytes(path), after) << fault;
        } else {
            // Left alone: a failure, or a lock that was not had (a warning).
            EXPECT_TRUE(added.ok ? added.message.rfind("warning: ", 0) == 0 : !added.detail.empty()) << fault;
            EXPECT_EQ(readBytes(path), before) << fault;
        }
        expectOnlyTheFile(tmp.path(), "projects.tsv", faults, fault, "projects.tsv.lock");
        if (!fault.empty()) return;
        EXPECT_TRUE(added.ok && added.message.empty()) << added.message << added.detail;
        // What the tool understands reads back as it was written.
        const ResultWith<Register> read = readRegister(files::realFileSystem(), path);
        ASSERT_EQ(read.value.size(), 3u) << read.detail;
        EXPECT_EQ(read.value[1].name, "Two\nLines");
        EXPECT_EQ(read.value[2].name, "New\tTab\\");
        EXPECT_EQ(read.value[2].folder, "/p/New");
    });
    EXPECT_GT(points, 10u);
    std::cout << "[ sweep    ] register update: " << points << " calls\n";
}

// ---- A settings write ------------------------------------------------------------------

struct SettingsWriteCase {
    const char* title;
    Deliverable style;
    bool firstStart;  // the settings command's first start (no file); else Exit's write over the old file
    std::string before, after;
};

TEST(SettingsWriteSweep, TheFileHoldsItsOldValuesOrTheNewOnes)
{
    const SettingsWriteCase cases[] = {
        {"windows exit", Deliverable::windows, false, "Old Co\r\nOLDC\r\nu\r\nm\r\nC:\\Old\r\n\r\n",
         "New Co\r\nNEWC\r\nhttps://new.example\r\nnew@new.example\r\nC:\\New\r\n\r\n"},
        {"macos exit", Deliverable::mac, false, "Old Co\nOLDC\nu\nm\n/old/\n0\n",
         "New Co\nNEWC\nhttps://new.example\nnew@new.example\n/new/\n1\n"},
        // The tool's own file (this host's format) on the style's first start.
        {"windows first start", Deliverable::windows, true, "",
         "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\n/program\n0\n"},
        {"macos first start", Deliverable::mac, true, "",
         "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\npath not set\n0\n"},
    };
    for (const SettingsWriteCase& c : cases) {
        const std::size_t points = sweepFaults([&](FaultyFileSystem& faults, const std::string& fault) {
            TempFolder tmp;
            const std::string path = tmp / "cfg/zezurelog.txt";
            const std::string where = std::string(c.title) + ", " + fault;
            ZezureProject record = makeDefaultProject(c.style, "/program");
            Result written;
            if (c.firstStart) {
                written = OwnSettingsFile(path, faults).load(c.style, record, true);
                if (c.style == Deliverable::windows) {
                    // The style's first-start values, written or not.
                    EXPECT_EQ(record.projectFolderPath, "/program") << where;
                    EXPECT_EQ(record.vendorName, "My Company") << where;
                }
            } else {
                writeBytes(path, c.before);
                record.vendorName = "New Co", record.fourCharVendorID = "NEWC";
                record.vendorURL = "https://new.example", record.vendorEmail = "new@new.example";
                record.projectFolderPath = c.style == Deliverable::windows ? "C:\\New" : "/new/";
                record.useTemplate = true;
                SettingsFileServices services;
                services.fileSystem = &faults;
                written = saveLogFile(c.style, record, path, services);
            }
            const std::string bytes = fs::exists(path) ? readBytes(path) : "(none)";
            if (written.ok) {
                EXPECT_EQ(bytes, c.after) << where;
            } else {
                // A first start may leave the empty file the macOS page makes
                // before it writes (read as the first-start values).
                if (c.firstStart) {
                    EXPECT_TRUE(bytes == "(none)" || bytes == "" || bytes == c.after) << where << bytes;
                } else {
                    EXPECT_EQ(bytes, c.before) << where;
                }
                // A failed write says so; a first start may also find the file
                // it wrote unreadable.
                const bool told = written.message == "Could not write to: " + path ||
                                  (c.firstStart && written.message == "Setup logfile was empty.");
                if (c.style == Deliverable::windows || c.firstStart) {
                    EXPECT_TRUE(told) << where << ": " << written.message;
                }
            }
            expectOnlyTheFile(tmp / "cfg", "zezurelog.txt", faults, where);
            if (fault.empty()) {
                EXPECT_TRUE(written.ok) << where << written.message;
            }
        });
        EXPECT_GT(points, 5u) << c.title;
        std::cout << "[ sweep    ] settings write (" << c.title << "): " << points << " calls\n";
    }
}

}  // namespace
