#include <gtest/gtest.h>

#include "project/diagnostics.h"
#include "tempfolder.h"

namespace zz {
namespace {


// The creation log of a successful run, as the Windows creation puts it together piece by piece.
std::string successfulRunLog(const std::string& dest, const std::string& copyResult)
{
    std::string log;
    log += "Project Destination (dest):" + dest + "\n";
    log += "Validating destination: ";
    log += "Succeeded in creating destination folder. \n";
    log += "\n";
    log += "Template Folder XCopy: " + copyResult;
    log += "Editing CMake \n";
    log += "Path is: " + dest + "\\CMakeLists.txt\n";
    log += "Opening File...";
    log += "PASSED \n";
    log += "Modifying & writing File to dest...";
    log += "PASSED \n";
    log += "END \n";
    return log;
}

TEST(Diagnostics, PathBesideTheProgram)
{
    EXPECT_EQ(diagnosticsPath("C:\\Tools\\Zizavizerovo"), "C:\\Tools\\Zizavizerovo\\diagnostics.txt");
}

TEST(Diagnostics, SavedLogHasTenLines)
{
    TempFolder dir;
    const std::string path = dir / "diagnostics.txt";
    const std::string dest = "C:\\Dev\\Synth";
    EXPECT_EQ(saveDiagnostics(successfulRunLog(dest, "PASSED \n"), path), "Wrote diagnostics file at: " + path);

    const std::string expected =
        "Project Destination (dest):C:\\Dev\\Synth\r\n"
        "Validating destination: Succeeded in creating destination folder. \r\n"
        "\r\n"
        "Template Folder XCopy: PASSED \r\n"
        "Editing CMake \r\n"
        "Path is: C:\\Dev\\Synth\\CMakeLists.txt\r\n"
        "Opening File...PASSED \r\n"
        "Modifying & writing File to dest...PASSED \r\n"
        "END \r\n"
        "\r\n";
    EXPECT_EQ(readBytes(path), expected);
}

TEST(Diagnostics, SecondSaveReplacesTheFirst)
{
    TempFolder dir;
    const std::string path = dir / "diagnostics.txt";
    writeBytes(path, std::string(4096, 'x'));
    saveDiagnostics(successfulRunLog("C:\\A", "PASSED \n"), path);
    saveDiagnostics("short\n", path);
    EXPECT_EQ(readBytes(path), "short\r\n\r\n");
}

TEST(Diagnostics, FailedWriteIsReported)
{
    TempFolder dir;
    std::filesystem::create_directory(dir / "diagnostics.txt");
    EXPECT_EQ(saveDiagnostics("log\n", dir / "diagnostics.txt"),
              "Failed to write diagnostics file at: " + (dir / "diagnostics.txt"));

    const auto failing = [](const std::string&, const std::string&) { return false; };
    EXPECT_EQ(saveDiagnostics("log\n", dir / "other.txt", failing),
              "Failed to write diagnostics file at: " + (dir / "other.txt"));
}

TEST(Diagnostics, OnlyOkWithTheBoxTickedSaves)
{
    struct Case {
        bool ok, ticked, saves;
    };
    for (const Case& c : {Case{true, true, true}, Case{true, false, false}, Case{false, true, false},
                          Case{false, false, false}}) {
        int writes = 0;
        const auto counting = [&](const std::string&, const std::string&) {
            ++writes;
            return true;
        };
        const auto message = saveDiagnosticsAfterSuccess(c.ok, c.ticked, "log\n", "C:\\Prog", counting);
        EXPECT_EQ(message.has_value(), c.saves);
        EXPECT_EQ(writes, c.saves ? 1 : 0);
        if (message) {
            EXPECT_EQ(*message, "Wrote diagnostics file at: C:\\Prog\\diagnostics.txt");
        }
    }
}

}  // namespace
}  // namespace zz
