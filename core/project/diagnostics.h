#pragma once

#include <optional>
#include <string>

#include "project/settingsfile.h"

// Saving the Windows creation log as diagnostics.txt beside the program.
namespace zz {

// programFolder + "\diagnostics.txt".
std::string diagnosticsPath(const std::string& programFolder);

// Writes `creationLog` to `path` with the Windows text rules (CR LF line ends
// and one more line end at the end), replacing an earlier file. Answers the
// message the page shows: "Wrote diagnostics file at: " + path, or
// "Failed to write diagnostics file at: " + path.
std::string saveDiagnostics(const std::string& creationLog, const std::string& path,
                            const FileWriter& writer = writeNewFile);

// The success dialog's outcome decides: only a dialog closed with OK while its
// "Save Diagnostics File" box was ticked saves the log. Answers the message to
// show, or nothing when nothing was written.
std::optional<std::string> saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked,
                                                       const std::string& creationLog,
                                                       const std::string& programFolder,
                                                       const FileWriter& writer = writeNewFile);

}  // namespace zz
