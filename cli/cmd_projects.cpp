#include <cstdio>
#include <string>

#include "clisettings.h"
#include "commands.h"
#include "common/files.h"
#include "options.h"
#include "project/projectregister.h"

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
    const ResultWith<Register> projects = readRegister(files::realFileSystem(), registerPath(settings));
    if (!projects) {
        std::fprintf(stderr, "zizavizerovo projects: %s\n", projects.detail.c_str());
        return 1;
    }
    for (const RegisteredProject& p : newestFirst(projects.value))
        writeText(stdout,
                  p.date + "\t" + p.name + "\t" + p.pluginCode + "\t" + p.companyCode + "\t" + p.folder + "\n");
    return 0;
}

}  // namespace zz::cli
