#include <cstdio>
#include <string>

#include "options.h"
#include "clisettings.h"
#include "commands.h"
#include "project/settingsfile.h"

// zizavizerovo settings: shows what a project page would find in the settings
// memory file when it opens, making the file as the page would when it is
// missing or blank.
namespace zz::cli {

namespace {

const char* kSettingsUsage =
    "usage: zizavizerovo settings [--style windows|macos] [--file PATH]\n"
    "\n"
    "Reads the settings memory file as the style's project page does when it\n"
    "opens (creating it when it is missing or blank) and prints the remembered\n"
    "values, one name=value line each.\n"
    "\n"
    "  --style windows|macos  whose page to follow (default: this host's)\n"
    "  --file PATH            the settings file, read in the style's format\n"
    "                         (default: the tool's own, in this host's format)\n";

// Values are printed byte for byte, whatever they hold.
void printValue(const std::string& name, const std::string& value)
{
    writeText(stdout, name + "=" + value + "\n");
}

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "zizavizerovo settings: %s\n\n%s", problem.c_str(), kSettingsUsage);
    return 2;
}

}  // namespace

int runSettings(const Invocation& inv)
{
    Deliverable style = hostDeliverable();
    std::string path;
    bool haveFile = false;

    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            std::fputs(kSettingsUsage, stdout);
            return 0;
        }
        if (!scan.is("--style") && !scan.is("--file")) return usageError(unknownWordMessage(scan.word()));
        const std::string option = scan.name();
        const auto value = scan.value();
        if (!value) return usageError(option + " needs a value");
        if (option == "--style") {
            const auto parsed = parseStyle(*value);
            if (!parsed) return usageError("unknown style '" + *value + "' (windows or macos)");
            style = *parsed;
        } else {
            if (value->empty()) return usageError("--file needs a path");
            path = *value;
            haveFile = true;
        }
    }

    if (!haveFile) {
        path = ownSettingsPath();
        if (path.empty()) {
            std::fputs("zizavizerovo settings: no place for the settings file (HOME is not set); use --file\n",
                       stderr);
            return 1;
        }
    }

    ZezureProject project = makeDefaultProject(style, executableFolder(inv.program));
    // The tool's own file is kept in this host's format, whichever page's
    // defaults and output are asked for; a file named with --file is read as
    // the style's page reads its own.
    const SettingsLoad loaded =
        haveFile ? loadLogFile(style, project, path)
                 : ownSettingsFile(executableFolder(inv.program)).load(style, project, true);
    printResult(loaded);
    for (const auto& [name, value] : rememberedValues(style, project)) printValue(name, value);
    // The values shown are what the page would have; a file that could not
    // be written is a failure all the same.
    return loaded.unwritten ? 1 : 0;
}

}  // namespace zz::cli
