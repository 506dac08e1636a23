#pragma once

#include <string>

#include "common/result.h"
#include "project/zezureproject.h"

// The command-line tool's own settings memory file and creation log, as the
// create command uses them. Each reports its problems on stderr itself.
namespace zz::cli {

// Prints what a page would show of a result on stderr: its message, then
// its informative text.
void printResult(const Result& result);

// The tool's own settings file ("" when there is no place for it: no HOME).
std::string ownSettingsPath();

// Puts the remembered vendor details and project folder (and the macOS
// template flag) over the record's defaults, as a project page does when it
// opens; the file is read in this host's format and never written here. When
// the file does not exist yet the record gets what the style's page gets on its
// first start (Windows: its defaults; macOS: "My Company", "DIRO", the example
// addresses and "path not set"). Answers the file's path ("" when there is no
// place for it).
std::string loadRememberedSettings(ZezureProject& project, Deliverable style);

// Writes the record back to the tool's own settings file, as Exit does.
// False (after a message on stderr) when it could not be written.
bool rememberSettings(const ZezureProject& project, const std::string& path);

// Writes a creation log to `file` with the Windows text rules, replacing an
// earlier file. False (after a message on stderr) when it could not be written.
bool writeCreationLog(const std::string& creationLog, const std::string& file);

}  // namespace zz::cli
