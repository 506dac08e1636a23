#pragma once

// Runs the real zizavizerovo with its own settings file kept inside a fresh
// temporary folder: HOME is cleared and XDG_CONFIG_HOME is the folder's cfg/.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tempfolder.h"

namespace zz::testing {

namespace fs = std::filesystem;

using ::readBytes;
using ::TempFolder;
using ::writeBytes;

// The tool's own settings file, as runTool sets it up inside `dir`.
inline std::string ownFile(const TempFolder& dir) { return dir / "cfg/zizavizerovo/zezurelog.txt"; }

inline std::string quoted(const std::string& word)
{
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Outcome {
    int status;
    std::string out, err;
};

// `ownSettings` false: no HOME and no XDG_CONFIG_HOME, so the tool has no file of its own.
inline Outcome runTool(const TempFolder& dir, const std::vector<std::string>& args, bool ownSettings = true)
{
    std::string command = "env -u HOME -u XDG_CONFIG_HOME ";
    if (ownSettings) command += "XDG_CONFIG_HOME=" + quoted(dir / "cfg") + " ";
    command += quoted(ZZ_CLI_PROGRAM);
    for (const auto& a : args) command += " " + quoted(a);
    const std::string out = dir / ".stdout", err = dir / ".stderr";
    command += " >" + quoted(out) + " 2>" + quoted(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return o;
}

}  // namespace zz::testing
