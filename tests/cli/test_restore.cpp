// Drives `zizavizerovo restore-template` as a user would: with --yes, from a
// terminal, and with no terminal at all.

#include <gtest/gtest.h>

#include <future>

#include "../restore/restore_testutil.h"
#include "cli_run.h"
#include "runprogram.h"
#include "terminal.h"

using namespace zz::test;
using zz::testing::Command;
using zz::testing::Finished;
using zz::testing::runProgram;
using zz::testing::Terminal;

namespace {

const std::string kZippack = std::string(ZZ_BINARY_DIR) + "/bin/zippack";
const std::string kShipped = std::string(ZZ_SOURCE_DIR) + "/templates/PluginTemplate";
const std::string kSuccess = "PluginTemplate folder has been restored to factory fresh condition.\n";
const std::string kFailure = "PluginTemplate extraction failed.\n";
const std::string kConfirm =
    "This will delete your PluginTemplate directory and restore it to original SDK condition. Are you sure you "
    "want to restore the directory?";

struct RestoreCli : ::testing::Test {
    TempFolder tmp;
    fs::path templ = tmp.path() / "SDK" / "PluginTemplate";

    Finished restore(const std::vector<std::string>& args)
    {
        Command command = zz::testing::toolCommand(tmp, {"restore-template"});
        command.args.insert(command.args.end(), args.begin(), args.end());
        return runProgram(command);
    }

    // Runs on a terminal and types `answer` to the prompt; the output goes
    // apart, the transcript holds the prompt.
    Finished restoreOnTerminal(const std::vector<std::string>& args, const std::string& answer, std::string& transcript)
    {
        Command command = zz::testing::toolCommand(tmp, {"restore-template"});
        command.args.insert(command.args.end(), args.begin(), args.end());
        command.deadline = std::chrono::seconds(60);
        Terminal terminal(command, true);
        terminal.expect("[Yes/No] ");
        terminal.type(answer);
        const Finished o = terminal.finish();
        transcript = o.err;
        return o;
    }

    void makeEditedTemplate()
    {
        writeBytes(templ / "CMakeLists.txt", "edited $$$PROJECT_NAME$$$\n");
        writeBytes(templ / "mine" / "notes.txt", "user file\n");
    }
};

}  // namespace

TEST_F(RestoreCli, YesRestoresFromTheArchiveBesideTheProgram)
{
    makeEditedTemplate();
    const Finished o = restore({"--to", templ.string(), "--yes"});
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, kSuccess);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(folderContents(templ), folderContents(kShipped));
}

// Restores side by side onto one folder take turns: each ends in success,
// the template is the shipped one, and nothing of theirs is left beside it.
TEST_F(RestoreCli, RestoresSideBySideEachEndWhole)
{
    makeEditedTemplate();
    std::vector<std::future<Finished>> runs;
    for (int i = 0; i < 10; ++i)
        runs.push_back(std::async(std::launch::async, [&] { return restore({"--to", templ.string(), "--yes"}); }));
    for (auto& run : runs) {
        const Finished o = run.get();
        EXPECT_EQ(o.exitCode, 0) << o;
        EXPECT_EQ(o.out, kSuccess) << o;
    }
    EXPECT_EQ(folderContents(templ), folderContents(kShipped));
    for (const auto& e : fs::directory_iterator(templ.parent_path())) EXPECT_EQ(e.path(), templ);
}

TEST_F(RestoreCli, FailuresKeepTheFolder)
{
    const fs::path foreign = tmp.path() / "foreign.zip";
    ASSERT_EQ(runProgram({kZippack, {"--password", "other", kShipped, foreign.string()}}).exitCode, 0);
    for (const fs::path& archive : {tmp.path() / "missing.zip", foreign}) {
        makeEditedTemplate();
        const auto before = folderContents(templ);
        const Finished o = restore({"--archive", archive.string(), "--to", templ.string(), "--yes"});
        EXPECT_EQ(o.exitCode, 1) << archive;
        EXPECT_EQ(o.out, "") << archive;
        EXPECT_EQ(o.err.substr(0, kFailure.size()), kFailure) << archive;
        EXPECT_EQ(folderContents(templ), before) << archive;
    }
}

TEST_F(RestoreCli, WithoutYesOrTerminalNothingHappens)
{
    makeEditedTemplate();
    const auto before = folderContents(templ);
    const Finished o = restore({"--to", templ.string()});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(folderContents(templ), before);
}

TEST_F(RestoreCli, TerminalConfirmation)
{
    struct Case {
        const char* answer;
        bool restores;
    } cases[] = {{"y", true}, {"yes", true}, {"n", false}, {"", false}, {"no", false}, {"yess", false}};
    for (const auto& c : cases) {
        fs::remove_all(templ);
        makeEditedTemplate();
        const auto before = folderContents(templ);
        std::string transcript;
        const Finished o = restoreOnTerminal({"--to", templ.string()}, c.answer, transcript);
        EXPECT_NE(transcript.find(kConfirm), std::string::npos) << c.answer << ": " << transcript;
        EXPECT_NE(transcript.find("The folder " + templ.string() + " will be replaced."), std::string::npos)
            << transcript;
        if (c.restores) {
            EXPECT_EQ(o.exitCode, 0) << c.answer;
            EXPECT_EQ(o.out, kSuccess) << c.answer;
            EXPECT_EQ(folderContents(templ), folderContents(kShipped)) << c.answer;
        } else {
            EXPECT_EQ(o.exitCode, 1) << c.answer;
            EXPECT_EQ(o.out, "") << c.answer;
            EXPECT_NE(transcript.find("zizavizerovo restore-template: nothing was changed"), std::string::npos)
                << transcript;
            EXPECT_EQ(folderContents(templ), before) << c.answer;
        }
    }
}

// A folder named by mistake is no template folder: refused, unchanged, unless
// --force; missing and empty folders are restored.
TEST_F(RestoreCli, OnlyWhatLooksLikeATemplateFolderIsReplaced)
{
    const struct {
        std::map<std::string, std::string> files;  // the folder's content; none: no folder at all
        bool replaced;
    } cases[] = {
        {{}, true},
        {{{"keep/", ""}}, false},                                        // no CMakeLists.txt
        {{{"CMakeLists.txt", "project(MyPlugin)\n"}}, false},           // a project: no marker left
        {{{"CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n"}}, true},  // a template, edited or not
    };
    for (const auto& c : cases) {
        fs::remove_all(templ.parent_path());
        for (const auto& [name, bytes] : c.files) {
            if (name.back() == '/') fs::create_directories(templ / name);
            else writeBytes(templ / name, bytes);
        }
        const Finished o = restore({"--to", templ.string(), "--yes"});
        if (c.replaced) {
            EXPECT_EQ(o.exitCode, 0) << o.err;
            EXPECT_EQ(folderContents(templ), folderContents(kShipped));
            continue;
        }
        EXPECT_EQ(o.exitCode, 1);
        EXPECT_EQ(o.err, "zizavizerovo restore-template: " + templ.string() +
                             " does not look like a template folder (no CMakeLists.txt with a marker); nothing was "
                             "changed. Add --force to replace it.\n");
        EXPECT_EQ(folderContents(templ), c.files);
        EXPECT_EQ(restore({"--to", templ.string(), "--yes", "--force"}).exitCode, 0);
        EXPECT_EQ(folderContents(templ), folderContents(kShipped));
    }
    fs::create_directories(templ.parent_path() / "Empty");
    EXPECT_EQ(restore({"--to", (templ.parent_path() / "Empty").string(), "--yes"}).exitCode, 0);
}

#ifdef ZZ_CLI_WITHOUT_RESTORE
// A build without the archive library (the Windows zip made here) lists no
// restore-template and answers that it is not there, with status 1.
TEST_F(RestoreCli, ABuildWithoutItSaysSo)
{
    const Finished help = runProgram({ZZ_CLI_WITHOUT_RESTORE, {"--help"}});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.find("restore-template"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("  projects "), std::string::npos) << help.out;
    const Finished o = runProgram({ZZ_CLI_WITHOUT_RESTORE, {"restore-template", "--to", templ.string(), "--yes"}});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "zizavizerovo: restore-template is not available in this build (it needs libzip)\n");
}
#endif

TEST_F(RestoreCli, UsageErrors)
{
    const std::vector<std::string> lines[] = {{"--yes"}, {"--to"}, {"--to", "x", "--bogus"}};
    for (const auto& args : lines) {
        const Finished o = restore(args);
        EXPECT_EQ(o.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(o.err.find("usage: zizavizerovo restore-template"), std::string::npos) << ::testing::PrintToString(args);
    }
}

// Run inside the template folder, "--to ." names no folder: refused with the
// reason, and the folder stays as it was.
TEST_F(RestoreCli, DotInsideTheTemplateFolderIsRefusedWithItsReason)
{
    makeEditedTemplate();
    Command command = zz::testing::toolCommand(tmp, {"restore-template", "--to", ".", "--yes"});
    command.folder = templ.string();
    const Finished o = runProgram(command);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, kFailure + "zizavizerovo restore-template: \".\" does not name the template folder: give its "
                                "path, such as ../PluginTemplate\n");
    EXPECT_EQ(readBytes(templ / "CMakeLists.txt"), "edited $$$PROJECT_NAME$$$\n");
}
