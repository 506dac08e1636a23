#include "project/diagnostics.h"

namespace zz {

std::string diagnosticsPath(const std::string& programFolder, char separator)
{
    return programFolder + separator + "diagnostics.txt";
}

Result saveDiagnostics(const std::string& creationLog, const std::string& path, files::FileSystem& fs)
{
    // Written in place like any text file of the Windows program; a failed
    // write loses nothing of value, the project is already complete.
    const bool written = writeTextFile(fs, path, creationLog);
    Result r;
    r.ok = written;
    r.message = (written ? "Wrote diagnostics file at: " : "Failed to write diagnostics file at: ") + path;
    return r;
}

Result saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked, const std::string& creationLog,
                                   const std::string& programFolder, char separator, files::FileSystem& fs)
{
    if (!closedWithOk || !saveBoxTicked) return Result::success();
    return saveDiagnostics(creationLog, diagnosticsPath(programFolder, separator), fs);
}

}  // namespace zz
