#pragma once

// Runs the real zizavizerovo with its own settings file kept inside a fresh
// temporary folder: HOME and APPDATA are cleared and XDG_CONFIG_HOME is the
// folder's cfg/. The machine's plug-in folders are kept out of the scan of
// installed plug-ins (ZIZAVIZEROVO_PLUGIN_PATH_ONLY); a test that wants
// bundles sets ZIZAVIZEROVO_PLUGIN_PATH.
#include <filesystem>
#include <string>
#include <vector>

#include "runprogram.h"
#include "tempfolder.h"

namespace zz::testing {

namespace fs = std::filesystem;

using ::readBytes;
using ::TempFolder;
using ::writeBytes;

using Outcome = Finished;

// The tool's own settings file, as runTool sets it up inside `dir`.
inline std::string ownFile(const TempFolder& dir) { return dir / "cfg/zizavizerovo/zezurelog.txt"; }

// The tool with `args`. `ownSettings` false: no HOME and no XDG_CONFIG_HOME,
// so the tool has no file of its own.
inline Command toolCommand(const TempFolder& dir, const std::vector<std::string>& args, bool ownSettings = true)
{
    Command command{ZZ_CLI_PROGRAM, args};
    command.unset = {"HOME", "XDG_CONFIG_HOME", "APPDATA", "ZIZAVIZEROVO_PLUGIN_PATH"};
    command.set["ZIZAVIZEROVO_PLUGIN_PATH_ONLY"] = "1";
    if (ownSettings) command.set["XDG_CONFIG_HOME"] = dir / "cfg";
    return command;
}

inline Outcome runTool(const TempFolder& dir, const std::vector<std::string>& args, bool ownSettings = true)
{
    return runProgram(toolCommand(dir, args, ownSettings));
}

}  // namespace zz::testing
