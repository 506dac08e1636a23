#include "clisettings.h"

#include <cstdio>
#include <cstdlib>

#include "common/files.h"
#include "project/settingsfile.h"
#include "project/winfiles.h"

namespace zz::cli {

void printResult(const Result& result)
{
    if (!result.shown()) return;
    std::fprintf(stderr, "%s\n", result.message.c_str());
    if (!result.informativeText.empty()) std::fprintf(stderr, "%s\n", result.informativeText.c_str());
}

std::string ownSettingsPath()
{
    return cliSettingsPath([](const char* name) -> const char* { return std::getenv(name); });
}

std::string loadRememberedSettings(ZezureProject& project, Deliverable style)
{
    const std::string path = ownSettingsPath();
    if (path.empty()) return path;
    // Nothing remembered yet: the record gets what the style's page would get
    // on its first start. The Windows page writes its defaults and reads them
    // back, so they stand; the macOS page takes its first-start content.
    const files::EntryKind kind = files::targetAt(path);
    const bool missing = kind == files::EntryKind::missing || kind == files::EntryKind::unknown;
    if (missing && style == Deliverable::windows) return path;
    SettingsFileServices services;
    services.leaveFileAlone = true;
    printResult(loadLogFile(missing ? Deliverable::mac : hostDeliverable(), project, path, services));
    return path;
}

bool rememberSettings(const ZezureProject& project, const std::string& path)
{
    if (path.empty()) {
        std::fputs("zizavizerovo create: no place for the settings file (HOME is not set); nothing remembered\n",
                   stderr);
        return false;
    }
    files::makeParentFolders(path);  // the first --remember makes the folder
    const Result report = saveLogFile(hostDeliverable(), project, path);
    printResult(report);
    if (report.ok) return true;
    if (!report.shown()) std::fprintf(stderr, "Could not write to: %s\n", path.c_str());
    return false;
}

bool writeCreationLog(const std::string& creationLog, const std::string& file)
{
    if (writeTextFile(file, creationLog)) return true;
    std::fprintf(stderr, "Failed to write diagnostics file at: %s\n", file.c_str());
    return false;
}

}  // namespace zz::cli
