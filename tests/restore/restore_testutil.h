#pragma once

// Helpers for the restore tests: small file-tree utilities and shell
// commands for archives made by other tools.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "tempfolder.h"

namespace zz::test {

namespace fs = std::filesystem;

using ::readBytes;
using ::TempFolder;
using ::writeBytes;

// Every entry below `root`: folders as "name/" -> "", files as name -> content.
inline std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> tree;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string name = e.path().lexically_relative(root).generic_string();
        if (e.is_directory())
            tree[name + "/"] = "";
        else
            tree[name] = readBytes(e.path());
    }
    return tree;
}

// A single-quoted shell word.
inline std::string sh(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Runs a shell command; answers its exit status (-1 when it did not exit).
inline int run(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    const fs::path file = archive.string() + ".py";
    writeBytes(file, script);
    return run("python3 " + sh(file.string()) + " " + sh(archive.string())) == 0;
}

}  // namespace zz::test
