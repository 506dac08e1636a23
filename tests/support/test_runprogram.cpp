// The program runner the tests drive the real programs with: what it hands
// the program and what it reports back.
#include <gtest/gtest.h>

#include "runprogram.h"
#include "tempfolder.h"

namespace zz::testing {
namespace {

TEST(RunProgram, CapturesBothStreamsAndTheExitCode)
{
    const Finished run = runProgram({"sh", {"-c", "printf 'out\\n'; printf 'err one\\nerr two\\n' >&2; exit 3"}});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.out, "out\n");
    EXPECT_EQ(run.err, "err one\nerr two\n");
    EXPECT_EQ(run.firstErrorLine(), "err one");
}

TEST(RunProgram, ArgumentsReachTheProgramAsTheyAre)
{
    const Finished run = runProgram({"printf", {"[%s]", "two words", "'q'", "$HOME", ""}});
    EXPECT_EQ(run.out, "[two words]['q'][$HOME][]");
}

TEST(RunProgram, EnvironmentInputAndFolder)
{
    TempFolder tmp;
    writeBytes(tmp / "in.txt", "typed answer\n");
    Command command{"sh", {"-c", "echo \"${HOME-unset}|${ZZ_GIVEN}|$(pwd)\"; cat"}};
    command.unset = {"HOME"};
    command.set["ZZ_GIVEN"] = "given value";
    command.input = tmp / "in.txt";
    command.folder = tmp.str();
    const Finished run = runProgram(command);
    EXPECT_EQ(run.out, "unset|given value|" + tmp.str() + "\ntyped answer\n");

    EXPECT_EQ(runProgram({"cat"}).out, "") << "stdin is empty by default";
}

TEST(RunProgram, DeadlineKillsTheProgramAndWhatItStarted)
{
    TempFolder tmp;
    Command command{"sh", {"-c", "(sleep 1; touch late) & sleep 30"}};
    command.folder = tmp.str();
    command.deadline = std::chrono::milliseconds(300);
    const auto start = std::chrono::steady_clock::now();
    const Finished run = runProgram(command);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(run.exitCode, 128 + 9);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_FALSE(std::filesystem::exists(tmp / "late")) << "the program's own child outlived the deadline";
}

TEST(RunProgram, SignalsAndMissingPrograms)
{
    EXPECT_EQ(runProgram({"sh", {"-c", "kill -TERM $$"}}).exitCode, 128 + 15);
    const Finished missing = runProgram({"/nonexistent/zz-program"});
    EXPECT_EQ(missing.exitCode, 127);
    EXPECT_EQ(missing.err, "could not start /nonexistent/zz-program: No such file or directory\n");
    EXPECT_TRUE(programOnPath("sh"));
    EXPECT_FALSE(programOnPath("zz-no-such-program"));
}

}  // namespace
}  // namespace zz::testing
