#include "clisettings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "options.h"
#include "project/settingsfile.h"

namespace zz::cli {

void printResult(const Result& result)
{
    if (!result.shown()) return;
    std::fprintf(stderr, "%s\n", result.message.c_str());
    if (!result.informativeText.empty()) std::fprintf(stderr, "%s\n", result.informativeText.c_str());
}

void printRefusal(const char* command, const Result& refusal)
{
    printResult(refusal);
    if (!refusal.detail.empty()) writeText(stderr, std::string("zizavizerovo ") + command + ": " + refusal.detail + "\n");
    if (!refusal.field.empty()) std::fprintf(stderr, "zizavizerovo %s: field %s\n", command, refusal.field.c_str());
}

std::string ownSettingsPath()
{
    return cliSettingsPath([](const char* name) -> const char* { return std::getenv(name); });
}

OwnSettingsFile ownSettingsFile(const std::string& programFolder, files::FileSystem& fs)
{
    OwnSettingsFile file(ownSettingsPath(), fs);
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    if (!ec) file.setWorkingFolder(files::utf8Path(here), programFolder);
    return file;
}

}  // namespace zz::cli
