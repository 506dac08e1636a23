#include <filesystem>

#include <gtest/gtest.h>

#include "project/macfiles.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using namespace zz;

TEST(MacFiles, AtomicWriteReplacesAndLeavesNoTemporaryFile)
{
    TempFolder tmp;
    const std::string file = tmp / "f.txt";
    writeBytes(file, "old");
    ASSERT_TRUE(macfiles::writeToFileAtomically(files::realFileSystem(), file, "new\r\ntext"));
    EXPECT_EQ(readBytes(file), "new\r\ntext");

    // A folder in the way: the rename fails and the temporary file goes.
    fs::create_directories(tmp / "dir/inside");
    EXPECT_FALSE(macfiles::writeToFileAtomically(files::realFileSystem(), tmp / "dir", "x"));
    EXPECT_FALSE(macfiles::writeToFileAtomically(files::realFileSystem(), tmp / "missing/f.txt", "x"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp.path())) ++entries;
    EXPECT_EQ(entries, 2);
}
