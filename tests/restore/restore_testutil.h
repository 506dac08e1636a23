#pragma once

// Helpers for the restore tests: small file-tree utilities and the other
// tools that make archives.

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "common/result.h"
#include "runprogram.h"
#include "tempfolder.h"

namespace zz::test {

namespace fs = std::filesystem;

using ::readBytes;
using ::TempFolder;
using ::folderContents;
using ::writeBytes;

using zz::testing::Command;
using zz::testing::Finished;

// An archive operation's success, with its reason kept in `error`:
//   EXPECT_FALSE(kept(extractArchive(...), error)) << error;
inline bool kept(const zz::Result& result, std::string& error)
{
    error = result.detail;
    return result.ok;
}

// Runs a helper program (unzip, zip, python3) with the shared runner.
inline Finished run(const Command& command) { return zz::testing::runProgram(command); }

// Runs a Python script (written beside the archive) with the archive's path
// as its one argument: it writes the archive, or changes one. True when it
// ran to the end.
inline bool pythonOnArchive(const fs::path& archive, const std::string& script)
{
    const fs::path file = archive.string() + ".py";
    writeBytes(file, script);
    return run({"python3", {file.string(), archive.string()}}).exitCode == 0;
}

// Writes a ZIP archive with Python's zipfile: `entries` maps each entry name
// (kept byte for byte, "../" and leading "/" included) to its content.
inline bool pythonZip(const fs::path& archive, const std::map<std::string, std::string>& entries)
{
    std::string script = "import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)\n";
    for (const auto& [name, content] : entries) {
        std::string pyName, pyContent;
        for (char c : name) pyName += (c == '\\' ? std::string("\\\\") : std::string(1, c));
        for (char c : content) pyContent += (c == '\\' ? std::string("\\\\") : std::string(1, c));
        script += "z.writestr(zipfile.ZipInfo('" + pyName + "'), '" + pyContent + "')\n";
    }
    script += "z.close()\n";
    return pythonOnArchive(archive, script);
}

}  // namespace zz::test
