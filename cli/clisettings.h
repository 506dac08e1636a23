#pragma once

#include <string>

#include "common/files.h"
#include "common/result.h"
#include "project/settingsfile.h"

// What every command that touches the tool's own settings file shares: where
// the file is, and how a result is told on the command line.
namespace zz::cli {

// Prints what a page would show of a result on stderr: its message, then
// its informative text.
void printResult(const Result& result);

// Prints a refusal of COMMAND on stderr: what a page would show, then (for
// the command line) why, "zizavizerovo COMMAND: " + its detail, and the field
// it is about, "zizavizerovo COMMAND: field NAME".
void printRefusal(const char* command, const Result& refusal);

// The tool's own settings file ("" when there is no place for it: no HOME).
std::string ownSettingsPath();

// The tool's own settings file as a command reads it: where it is, and the
// working folder as the project folder when none is remembered (the program's
// folder, `programFolder`, counts as none).
OwnSettingsFile ownSettingsFile(const std::string& programFolder, files::FileSystem& fs = files::realFileSystem());

}  // namespace zz::cli
