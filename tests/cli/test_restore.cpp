// Drives `zizavizerovo restore-template` as a user would: with --yes, from a
// terminal, and with no terminal at all.

#include <gtest/gtest.h>

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
        writeBytes(templ / "CMakeLists.txt", "edited\n");
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
        if (c.restores) {
            EXPECT_EQ(o.exitCode, 0) << c.answer;
            EXPECT_EQ(o.out, kSuccess) << c.answer;
            EXPECT_EQ(folderContents(templ), folderContents(kShipped)) << c.answer;
        } else {
            EXPECT_EQ(o.exitCode, 1) << c.answer;
            EXPECT_EQ(o.out, "") << c.answer;
            EXPECT_EQ(folderContents(templ), before) << c.answer;
        }
    }
}

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
    EXPECT_EQ(readBytes(templ / "CMakeLists.txt"), "edited\n");
}
