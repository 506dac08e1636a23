// zizavizerovo settings, run for real.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace {

using namespace zz::testing;

Outcome settings(const TempFolder& dir, std::vector<std::string> args, bool ownSettings = true)
{
    args.insert(args.begin(), "settings");
    return runTool(dir, args, ownSettings);
}

// The first-start values; with no folder remembered ("path not set" in the
// file) the folder shown is the working folder, as the macOS chooser gives it.
const std::string kFirstStart = "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
                                "vendorEmail=support@example.com\nprojectFolderPath=" +
                                fs::current_path().string() + "/\n";

TEST(SettingsCommand, OwnFileIsMadeOnFirstRunInTheHostFormat)
{
    TempFolder dir;
    const Outcome r = settings(dir, {});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, kFirstStart + "useTemplate=0\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readBytes(ownFile(dir)), "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\npath not set\n0\n");

    // The tool's own file keeps this host's format whatever the style: an empty
    // one is read as the macOS page reads it, not rewritten with CR LF.
    writeBytes(ownFile(dir), "");
    EXPECT_EQ(settings(dir, {"--style", "windows"}).out,
              kFirstStart.substr(0, kFirstStart.size() - 2) + "\n");  // Windows: no trailing separator
    EXPECT_EQ(readBytes(ownFile(dir)), "");
}

TEST(SettingsCommand, FileGivenIsReadAsTheStylesPageReadsIt)
{
    TempFolder dir;
    const std::string file = dir / "w/z.txt";
    Outcome r = settings(dir, {"--style", "windows", "--file", file});
    const std::string program = fs::path(ZZ_CLI_PROGRAM).parent_path().string();
    EXPECT_EQ(r.out, "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
                     "vendorEmail=support@example.com\nprojectFolderPath=" + program + "\n");
    EXPECT_EQ(readBytes(file), "My Company\r\nDIRO\r\nhttps://www.example.com\r\nsupport@example.com\r\n" + program +
                                   "\r\n\r\n");

    writeBytes(file, " Acme \r\nACME\r\n");
    EXPECT_EQ(settings(dir, {"--file", file, "--style", "windows"}).out,
              "vendorName=Acme\nfourCharVendorID=ACME\nvendorURL=\nvendorEmail=\nprojectFolderPath=\n");
    EXPECT_EQ(settings(dir, {"--file", file, "--style", "macos"}).out,
              "vendorName= Acme \nfourCharVendorID=\nvendorURL=ACME\nvendorEmail=\nprojectFolderPath=\nuseTemplate=0\n");
}

TEST(SettingsCommand, ReaderMessagesGoToStderrAFailedWriteFails)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    Outcome r = settings(dir, {"--style", "macos", "--file", dir / "folder"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Setup logfile was empty.\nCan't read log data. \n");
    EXPECT_EQ(r.out, "vendorName=\nfourCharVendorID=\nvendorURL=\nvendorEmail=\nprojectFolderPath=\nuseTemplate=0\n");

    writeBytes(dir / "file", "x");
    r = settings(dir, {"--style", "windows", "--file", dir / "file/below/z.txt"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Could not write to: " + (dir / "file/below/z.txt") + "\n");
}

TEST(SettingsCommand, UsageErrorsAndNoPlaceForTheFile)
{
    TempFolder dir;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--style"}, {"--style", "linux"}, {"--file"}, {"--file", ""}, {"extra"}}) {
        const Outcome r = settings(dir, args);
        EXPECT_EQ(r.exitCode, 2) << args[0];
        EXPECT_NE(r.err.find("usage: zizavizerovo settings"), std::string::npos) << args[0];
    }
    EXPECT_FALSE(fs::exists(dir / "cfg")) << "a usage error touches no file";

    const Outcome r = settings(dir, {}, false);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("--file"), std::string::npos);
}

}  // namespace

// The first start follows the style: a Windows-style first start remembers
// the program folder, so a create without --folder that follows goes there.
// The Windows first start writes the program's folder, which counts as no
// folder remembered: the working folder is shown.
TEST(SettingsCommand, WindowsFirstStartWritesTheProgramFolderAndShowsTheWorkingFolder)
{
    TempFolder dir;
    const std::string program = fs::path(ZZ_CLI_PROGRAM).parent_path().string();
    const Outcome r = settings(dir, {"--style", "windows"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
                     "vendorEmail=support@example.com\nprojectFolderPath=" + fs::current_path().string() + "\n");
    EXPECT_EQ(readBytes(ownFile(dir)), "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\n" + program +
                                           "\n0\n");
    EXPECT_EQ(settings(dir, {"--style", "windows"}).out, r.out);  // and reads it back the same

    // A first start whose write fails says so and fails, with the first-start
    // values all the same.
    TempFolder blocked;
    writeBytes(blocked / "cfg", "a file where the settings folder should be");
    const Outcome failed = settings(blocked, {"--style", "windows"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "Could not write to: " + ownFile(blocked) + "\n");
    EXPECT_EQ(failed.out, r.out);
}
