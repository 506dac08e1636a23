#include "project/diagnostics.h"

namespace zz {

std::string diagnosticsPath(const std::string& programFolder)
{
    return programFolder + "\\diagnostics.txt";
}

std::string saveDiagnostics(const std::string& creationLog, const std::string& path, const LogWriter& writer)
{
    // Written in place like any text file of the Windows program; a failed
    // write loses nothing of value, the project is already complete.
    const bool written = writer ? writer(path, creationLog) : writeTextFile(path, creationLog);
    if (written) return "Wrote diagnostics file at: " + path;
    return "Failed to write diagnostics file at: " + path;
}

std::optional<std::string> saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked,
                                                       const std::string& creationLog,
                                                       const std::string& programFolder, const LogWriter& writer)
{
    if (!closedWithOk || !saveBoxTicked) return std::nullopt;
    return saveDiagnostics(creationLog, diagnosticsPath(programFolder), writer);
}

}  // namespace zz
