// zizavizerovo create with the tool's own settings file: remembered starting
// values, --remember and --log, run for real.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace {

using namespace zz::testing;

const std::string kTemplate = ZZ_SOURCE_DIR "/templates/PluginTemplate";

Outcome create(const TempFolder& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), "create");
    args.insert(args.end(), {"--template", kTemplate});
    return runTool(dir, args);
}

// The value of a line "set(KEY "value")" of a created CMakeLists.txt.
std::string setting(const std::string& cmakeFile, const std::string& key)
{
    const std::string cmake = readBytes(cmakeFile), start = "set(" + key + " \"";
    const auto at = cmake.find(start);
    if (at == std::string::npos) return "<missing " + key + ">";
    return cmake.substr(at + start.size(), cmake.find("\")", at) - at - start.size());
}

TEST(CreateSettings, RememberedValuesComeBeforePresetAndSet)
{
    for (const std::string style : {"windows", "macos"}) {
        TempFolder dir;
        const std::string folder = dir / "projects" + (style == "macos" ? "/" : "");
        fs::create_directory(dir / "projects");
        writeBytes(ownFile(dir), "Acme Audio\nACME\nhttps://acme.test\nhelp@acme.test\n" + folder + "\n0\n");
        writeBytes(dir / "p.json", "{\"vendorURL\": \"https://preset.test\", \"vendorEmail\": \"p@preset.test\"}");
        const std::string before = readBytes(ownFile(dir));
        const Outcome r = create(dir, {"--style", style, "--preset", dir / "p.json", "--set", "vendorEmail=s@set.test",
                                       "--set", "projectName=Kept", "--set", "fourCharProductID=KepP"});
        ASSERT_EQ(r.exitCode, 0) << style << ": " << r.err;
        EXPECT_EQ(r.out, dir / "projects/Kept" + "\n") << "the remembered project folder";
        const std::string cmake = dir / "projects/Kept/CMakeLists.txt";
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "Acme Audio") << style;
        EXPECT_EQ(setting(cmake, "ZZ_FOUR_CHAR_MANU"), "ACME") << style;
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_URL"), "https://preset.test") << style;
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_EMAIL"), "s@set.test") << style;
        EXPECT_EQ(readBytes(ownFile(dir)), before) << "without --remember the file is never written";
    }
}

TEST(CreateSettings, NothingRememberedNothingWritten)
{
    TempFolder dir;
    const Outcome r = create(dir, {"--style", "macos", "--folder", dir.str(), "--set", "projectName=Plain", "--set",
                                   "fourCharProductID=PlnP"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // The register of made projects is the only file the tool keeps.
    EXPECT_FALSE(fs::exists(ownFile(dir)));
    EXPECT_TRUE(fs::exists(dir / "cfg/zizavizerovo/projects.tsv"));
    EXPECT_EQ(setting(dir / "Plain/CMakeLists.txt", "ZZ_VENDOR_NAME"), "My Company")
        << "what the macOS page gets on its first start";
    EXPECT_EQ(setting(dir / "Plain/CMakeLists.txt", "ZZ_FOUR_CHAR_MANU"), "DIRO");

    // A settings file the reader cannot use is reported, and the creation goes on.
    writeBytes(ownFile(dir), "not UTF-8 \xFF\n");
    const Outcome warned = create(dir, {"--style", "macos", "--folder", dir.str(), "--set", "projectName=Warned",
                                        "--set", "fourCharProductID=WrnP"});
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_EQ(warned.err, "Setup logfile was empty.\nCan't read log data. \n"
                          // The company code is the macOS default's: empty.
                          "warning: the company code '' is not exactly four characters of printable ASCII\n"
                          "warning: the company code '' has no upper-case letter (hosts of AU plug-ins reserve "
                          "all-lower-case company codes for Apple)\n");
}

TEST(CreateSettings, RememberWritesTheRecordAfterASuccessOnly)
{
    TempFolder dir;
    Outcome r = create(dir, {"--style", "windows", "--remember", "--folder", dir.str(), "--set", "projectName=One",
                             "--set", "vendorName=Kept Audio", "--set", "vendorEmail= spaced@kept.test "});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string kept = "Kept Audio\nDIRO\nhttps://www.example.com\n spaced@kept.test \n" + dir.str() + "\n0\n";
    EXPECT_EQ(readBytes(ownFile(dir)), kept);

    // A failed creation writes neither the settings file nor the log.
    r = create(dir, {"--style", "windows", "--remember", "--log", dir / "log.txt", "--set", "projectName=One",
                     "--set", "vendorName=Other"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Project already exists. Delete it or change the project name.\n"
                     "zizavizerovo create: field projectName\n");
    EXPECT_EQ(readBytes(ownFile(dir)), kept);
    EXPECT_FALSE(fs::exists(dir / "log.txt"));

    // A settings file that cannot be written fails the command; the project stays.
    TempFolder blocked;
    writeBytes(blocked / "cfg", "a file where the settings folder should be");
    r = create(blocked, {"--style", "macos", "--remember", "--folder", blocked.str(), "--set", "projectName=Two",
                         "--set", "fourCharProductID=TwoP"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, blocked.str() + "/Two\n");
    EXPECT_EQ(r.err, "Could not write to: " + ownFile(blocked) + "\n" + "zizavizerovo create: cannot write the register " +
                         (blocked / "cfg/zizavizerovo/projects.tsv") + "\n");
}

TEST(CreateSettings, LogOfASuccessfulWindowsCreation)
{
    TempFolder dir;
    const std::string log = dir / "creation.log", dest = dir / "Logged";
    writeBytes(log, std::string(3000, 'x'));  // an earlier file is replaced
    const Outcome r =
        create(dir, {"--style", "windows", "--log", log, "--folder", dir.str(), "--set", "projectName=Logged"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readBytes(log), "Project Destination (dest):" + dest + "\r\n" +
                                  "Validating destination: Succeeded in creating destination folder. \r\n\r\n"
                                  "Template Folder XCopy: PASSED \r\nEditing CMake \r\nPath is: " + dest +
                                  "/CMakeLists.txt\r\nOpening File...PASSED \r\n"
                                  "Modifying & writing File to dest...PASSED \r\nEND \r\n\r\n");
}

TEST(CreateSettings, LogOfAFolderGivenWithTrailingSeparators)
{
    // The Windows folder chooser hands over no trailing separator, so the
    // destination has one separator before the name.
    for (const std::string ending : {"/", "//"}) {
        TempFolder dir;
        const std::string log = dir / "creation.log";
        const Outcome r = create(dir, {"--style", "windows", "--log", log, "--folder", dir.str() + ending, "--set",
                                       "projectName=Slashed"});
        ASSERT_EQ(r.exitCode, 0) << ending << ": " << r.err;
        EXPECT_EQ(r.out, dir.str() + "/Slashed\n") << ending;
        const std::string text = readBytes(log);
        EXPECT_EQ(text.substr(0, text.find("\r\n")), "Project Destination (dest):" + dir.str() + "/Slashed") << ending;
        EXPECT_NE(text.find("Path is: " + dir.str() + "/Slashed/CMakeLists.txt\r\n"), std::string::npos) << text;
    }
}

TEST(CreateSettings, LogProblems)
{
    TempFolder dir;
    Outcome r = create(dir, {"--style", "macos", "--log", dir / "l.txt", "--folder", dir.str(), "--set",
                             "projectName=MacLog"});
    EXPECT_EQ(r.exitCode, 2) << "only the Windows creation keeps a log";
    EXPECT_FALSE(fs::exists(dir / "MacLog"));
    EXPECT_EQ(create(dir, {"--remember=yes"}).exitCode, 2);

    fs::create_directory(dir / "logdir");
    r = create(dir, {"--style", "windows", "--log", dir / "logdir", "--folder", dir.str(), "--set",
                     "projectName=LogFails"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Failed to write diagnostics file at: " + (dir / "logdir") + "\n");
    EXPECT_TRUE(fs::exists(dir / "LogFails/CMakeLists.txt"));
}

}  // namespace
