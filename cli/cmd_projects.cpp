#include <cstdio>
#include <string>

#include "clisettings.h"
#include "commands.h"
#include "common/files.h"
#include "common/json.h"
#include "options.h"
#include "project/projectregister.h"

// zizavizerovo projects: the register of the projects the tool has made,
// newest first.
namespace zz::cli {

namespace {

const char* kProjectsUsage =
    "usage: zizavizerovo projects [--prune] [--json]\n"
    "\n"
    "Lists the projects this tool has made (create keeps a register beside its settings\n"
    "file unless --no-register is given), newest first, one a line:\n"
    "date, project name, plug-in code, company code and folder, separated by tabs.\n"
    "\n"
    "  --prune  first drop the projects whose folder is gone (each told on stderr)\n"
    "  --json   a JSON array of objects (date, name, pluginCode, companyCode, folder)\n"
    "  --help   this text\n";

std::string jsonOf(const Register& projects)
{
    std::vector<JsonMembers> objects;
    for (const RegisteredProject& p : projects)
        objects.push_back({{"date", p.date},
                           {"name", p.name},
                           {"pluginCode", p.pluginCode},
                           {"companyCode", p.companyCode},
                           {"folder", p.folder}});
    return jsonObjectLines(objects);
}

}  // namespace

int runProjects(const Invocation& inv)
{
    bool prune = false;
    bool json = false;
    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            std::fputs(kProjectsUsage, stdout);
            return 0;
        }
        if (!scan.is("--prune") && !scan.is("--json")) return usageError("projects", unknownWordMessage(scan.word()));
        if (!scan.flag()) return usageError("projects", scan.name() + " takes no value");
        (scan.is("--prune") ? prune : json) = true;
    }
    const std::string settings = ownSettingsPath();
    if (settings.empty()) {
        std::fputs("zizavizerovo projects: no place for the register (HOME is not set)\n", stderr);
        return 1;
    }
    files::FileSystem& disk = files::realFileSystem();
    const std::string file = registerPath(settings);
    if (prune) {
        const ResultWith<Register> dropped = pruneRegister(disk, file);
        if (!dropped) {
            std::fprintf(stderr, "zizavizerovo projects: %s\n", dropped.detail.c_str());
            return 1;
        }
        for (const RegisteredProject& p : dropped.value)
            writeText(stderr, "zizavizerovo projects: dropped " + p.name + " (" + p.folder + "): its folder is gone\n");
    }
    const ResultWith<Register> projects = readRegister(disk, file);
    if (!projects) {
        std::fprintf(stderr, "zizavizerovo projects: %s\n", projects.detail.c_str());
        return 1;
    }
    const Register listed = newestFirst(projects.value);
    if (json) {
        writeText(stdout, jsonOf(listed));
        return 0;
    }
    for (const RegisteredProject& p : listed)
        writeText(stdout,
                  p.date + "\t" + p.name + "\t" + p.pluginCode + "\t" + p.companyCode + "\t" + p.folder + "\n");
    return 0;
}

}  // namespace zz::cli
