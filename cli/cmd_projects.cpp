#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "clisettings.h"
#include "commands.h"
#include "options.h"
#include "projectregister.h"

// zizavizerovo projects: the register of the projects the tool has made,
// newest first.
namespace zz::cli {

namespace {

const char* kProjectsUsage =
    "usage: zizavizerovo projects\n"
    "\n"
    "Lists the projects this tool has made (create keeps a register beside its settings\n"
    "file unless --no-register is given), newest first, one a line:\n"
    "date, project name, plug-in code, company code and folder, separated by tabs.\n";

}  // namespace

int runProjects(const Invocation& inv)
{
    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            std::fputs(kProjectsUsage, stdout);
            return 0;
        }
        return usageError("projects", "unknown option '" + scan.word() + "'");
    }
    const std::string settings = ownSettingsPath();
    if (settings.empty()) {
        std::fputs("zizavizerovo projects: no place for the register (HOME is not set)\n", stderr);
        return 1;
    }
    std::vector<RegisteredProject> projects;
    std::string error;
    if (!readRegister(registerPath(settings), projects, error)) {
        std::fprintf(stderr, "zizavizerovo projects: %s\n", error.c_str());
        return 1;
    }
    // Newest first; projects of the same second in the order they were made,
    // the last first.
    std::reverse(projects.begin(), projects.end());
    std::stable_sort(projects.begin(), projects.end(),
                     [](const RegisteredProject& a, const RegisteredProject& b) { return a.date > b.date; });
    for (const RegisteredProject& p : projects)
        writeText(stdout,
                  p.date + "\t" + p.name + "\t" + p.pluginCode + "\t" + p.companyCode + "\t" + p.folder + "\n");
    return 0;
}

}  // namespace zz::cli
