#include "project/diagnostics.h"

namespace zz {

std::string diagnosticsPath(const std::string& programFolder, char separator)
{
    return programFolder + separator + "diagnostics.txt";
}

Result saveDiagnostics(const std::string& creationLog, const std::string& path, const LogWriter& writer)
{
    // Written in place like any text file of the Windows program; a failed
    // write loses nothing of value, the project is already complete.
    const bool written = writer ? writer(path, creationLog) : writeTextFile(path, creationLog);
    Result r;
    r.ok = written;
    r.message = (written ? "Wrote diagnostics file at: " : "Failed to write diagnostics file at: ") + path;
    return r;
}

Result saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked, const std::string& creationLog,
                                   const std::string& programFolder, char separator, const LogWriter& writer)
{
    if (!closedWithOk || !saveBoxTicked) return Result::success();
    return saveDiagnostics(creationLog, diagnosticsPath(programFolder, separator), writer);
}

}  // namespace zz
