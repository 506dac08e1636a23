#pragma once

#include <string>

#include "common/files.h"
#include "common/result.h"
#include "project/windowstext.h"

// Saving the Windows creation log as diagnostics.txt beside the program.
namespace zz {

// programFolder + "\diagnostics.txt"; `separator` as in windowsSettingsPath.
std::string diagnosticsPath(const std::string& programFolder, char separator = '\\');

// Writes `creationLog` to `path` with the Windows text rules (CR LF line ends
// and one more line end at the end), replacing an earlier file. The message
// the page shows: "Wrote diagnostics file at: " + path, or (not ok)
// "Failed to write diagnostics file at: " + path.
Result saveDiagnostics(const std::string& creationLog, const std::string& path,
                       files::FileSystem& fs = files::realFileSystem());

// The success dialog's outcome decides: only a dialog closed with OK while its
// "Save Diagnostics File" box was ticked saves the log beside the program.
// Nothing is shown when nothing was written.
Result saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked, const std::string& creationLog,
                                   const std::string& programFolder, char separator = '\\',
                                   files::FileSystem& fs = files::realFileSystem());

}  // namespace zz
