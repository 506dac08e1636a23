#include <gtest/gtest.h>

#include "project/diagnostics.h"
#include "tempfolder.h"

namespace zz {
namespace {

TEST(Diagnostics, SavedLogOfASuccessfulRunHasTenLines)
{
    // The pieces as the Windows creation appends them.
    const std::string log = "Project Destination (dest):C:\\Dev\\Synth\n"
                            "Validating destination: " "Succeeded in creating destination folder. \n" "\n"
                            "Template Folder XCopy: " "PASSED \n" "Editing CMake \n"
                            "Path is: C:\\Dev\\Synth\\CMakeLists.txt\n"
                            "Opening File..." "PASSED \n" "Modifying & writing File to dest..." "PASSED \n" "END \n";
    TempFolder dir;
    writeBytes(dir / "diagnostics.txt", std::string(4096, 'x'));  // an earlier file is replaced
    EXPECT_EQ(saveDiagnostics(log, dir / "diagnostics.txt").message, "Wrote diagnostics file at: " + (dir / "diagnostics.txt"));
    EXPECT_EQ(readBytes(dir / "diagnostics.txt"),
              "Project Destination (dest):C:\\Dev\\Synth\r\n"
              "Validating destination: Succeeded in creating destination folder. \r\n"
              "\r\n"
              "Template Folder XCopy: PASSED \r\n"
              "Editing CMake \r\n"
              "Path is: C:\\Dev\\Synth\\CMakeLists.txt\r\n"
              "Opening File...PASSED \r\n"
              "Modifying & writing File to dest...PASSED \r\n"
              "END \r\n"
              "\r\n");
    EXPECT_EQ(diagnosticsPath("C:\\Tools\\Zz"), "C:\\Tools\\Zz\\diagnostics.txt");
    EXPECT_EQ(diagnosticsPath("/opt/zz", '/'), "/opt/zz/diagnostics.txt");
}

TEST(Diagnostics, FailedWriteIsReported)
{
    TempFolder dir;
    std::filesystem::create_directory(dir / "diagnostics.txt");
    EXPECT_EQ(saveDiagnostics("log\n", dir / "diagnostics.txt").message,
              "Failed to write diagnostics file at: " + (dir / "diagnostics.txt"));
}

TEST(Diagnostics, OnlyOkWithTheBoxTickedSaves)
{
    for (const auto& [ok, ticked] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
        TempFolder dir;
        const Result saved = saveDiagnosticsAfterSuccess(ok, ticked, "log\n", dir.str(), '/');
        EXPECT_EQ(std::filesystem::exists(dir / "diagnostics.txt"), ok && ticked);
        EXPECT_EQ(saved.shown() ? saved.message : "nothing",
                  ok && ticked ? "Wrote diagnostics file at: " + (dir / "diagnostics.txt") : "nothing");
    }
}

}  // namespace
}  // namespace zz
