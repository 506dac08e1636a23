#include "project/diagnostics.h"

namespace zz {

std::string diagnosticsPath(const std::string& programFolder)
{
    return programFolder + "\\diagnostics.txt";
}

std::string saveDiagnostics(const std::string& creationLog, const std::string& path, const FileWriter& writer)
{
    // Written in place like any text file of the Windows program; a failed
    // write leaves nothing of value behind, the project is already complete.
    const FileWriter& write = writer ? writer : FileWriter(writeNewFile);
    if (write(path, windowsFileBytes(creationLog))) return "Wrote diagnostics file at: " + path;
    return "Failed to write diagnostics file at: " + path;
}

std::optional<std::string> saveDiagnosticsAfterSuccess(bool closedWithOk, bool saveBoxTicked,
                                                       const std::string& creationLog,
                                                       const std::string& programFolder, const FileWriter& writer)
{
    if (!closedWithOk || !saveBoxTicked) return std::nullopt;
    return saveDiagnostics(creationLog, diagnosticsPath(programFolder), writer);
}

}  // namespace zz
