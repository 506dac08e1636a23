#include "clisettings.h"

#include <cstdio>
#include <cstdlib>

#include "project/settingsfile.h"

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

}  // namespace zz::cli
