// zizavizerovo codes: the plug-in codes in use on this machine (the installed
// Audio Units and the register of made projects), and a free one for a name.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clisettings.h"
#include "commands.h"
#include "common/files.h"
#include "common/json.h"
#include "options.h"
#include "plugins/installedplugins.h"
#include "project/codesinuse.h"
#include "project/projectchecks.h"
#include "project/projectregister.h"

namespace zz::cli {

namespace {

using plugins::PluginFolder;

const char* environment(const char* name) { return std::getenv(name); }

// The platform's folders as the help shows them, HOME as "~":
// "Audio Units in A, B; VST3 bundles in C".
std::string platformFoldersText()
{
    const auto shown = [](const char* name) -> const char* {
        const std::string_view n = name;
        return n == "HOME" ? "~" : n == "COMMONPROGRAMFILES" ? "%COMMONPROGRAMFILES%" : nullptr;
    };
    const std::vector<PluginFolder> folders = plugins::platformPluginFolders(shown);
    std::string text;
    for (const bool audioUnits : {true, false}) {
        std::string list;
        for (const PluginFolder& f : folders)
            if (audioUnits ? f.audioUnits : f.vst3) list += (list.empty() ? "" : ", ") + f.path;
        if (list.empty()) continue;
        text += (text.empty() ? "" : "; ") + std::string(audioUnits ? "Audio Units in " : "VST3 bundles in ") + list;
    }
    return text;
}

void printHelp()
{
    std::printf(
        "usage: zizavizerovo codes [--json]\n"
        "       zizavizerovo codes --suggest NAME [--company CODE]\n"
        "\n"
        "Lists the plug-in codes in use on this machine, one a line: plug-in code, company\n"
        "code, name and where (the bundle or the project folder), separated by tabs, sorted\n"
        "by code. They come from the installed Audio Units (type, subtype, manufacturer and\n"
        "name of the AudioComponents in each *.component bundle's Contents/Info.plist, XML\n"
        "or binary) and from the register of the projects this tool has made (see\n"
        "'zizavizerovo projects').\n"
        "\n"
        "Options:\n"
        "  --json          the list as a JSON array of objects: code, company, name, where\n"
        "                  and source (\"audio unit\" or \"register\")\n"
        "  --suggest NAME  print a plug-in code that is free against both: four printable\n"
        "                  ASCII characters with an upper-case letter, made from NAME where\n"
        "                  it can be (initials, then consonants, then digits); the same\n"
        "                  answer for the same machine\n"
        "  --company CODE  with --suggest: an Audio Unit takes a code away only with this\n"
        "                  company code (a registered project's code is always taken)\n"
        "  --help          this text\n"
        "\n"
        "Where plug-ins are looked for: the platform's folders, here\n"
        "    %s\n"
        "(none with ZIZAVIZEROVO_PLUGIN_PATH_ONLY=1), and each folder of\n"
        "ZIZAVIZEROVO_PLUGIN_PATH ('%c'-separated) for both kinds. A bundle that cannot be\n"
        "read (not a property list, truncated, over 1 MiB, a link loop) is skipped with one\n"
        "\"warning: \" line on stderr.\n"
        "\n"
        "create reads the same folders and warns about an installed Audio Unit with the new\n"
        "plug-in's code and company code (whatever its type), and about a VST3 plug-in\n"
        "(Contents/Resources/moduleinfo.json) of the same name by the same vendor; --strict\n"
        "refuses then, but not for a skipped bundle. code reads none of them.\n",
        platformFoldersText().c_str(),
#ifdef _WIN32
        ';'
#else
        ':'
#endif
    );
    if (!plugins::audioUnitsReadable())
        std::printf(
            "\n"
            "This build has no property-list reader (it was built without libplist): it reads\n"
            "no Audio Unit, so it lists the register only, and create checks VST3 bundles only.\n");
    std::printf("\nExit status: 0 listed or suggested, 1 no free code is left, 2 usage error.\n");
}

int usageError(const std::string& what) { return cli::usageError("codes", what); }

// The register's projects; a register that cannot be read is told on stderr.
Register registeredProjects()
{
    const std::string settings = ownSettingsPath();
    if (settings.empty()) return {};  // no place for a register: nothing made
    const ResultWith<Register> projects = readRegister(files::realFileSystem(), registerPath(settings));
    if (!projects) std::fprintf(stderr, "warning: %s\n", projects.detail.c_str());
    return projects.value;
}

void printList(const std::vector<CodeInUse>& codes, bool json)
{
    if (json) {
        std::vector<JsonMembers> objects;
        for (const CodeInUse& c : codes)
            objects.push_back(
                {{"code", c.code}, {"company", c.company}, {"name", c.name}, {"where", c.where}, {"source", c.source}});
        writeText(stdout, jsonObjectLines(objects));
        return;
    }
    using plugins::displayText;
    for (const CodeInUse& c : codes)
        writeText(stdout, displayText(c.code) + "\t" + displayText(c.company) + "\t" + displayText(c.name) + "\t" +
                              displayText(c.where) + "\n");
}

}  // namespace

int runCodes(const Invocation& inv)
{
    bool json = false;
    std::optional<std::string> suggest;
    std::optional<std::string> company;
    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            printHelp();
            return 0;
        }
        if (scan.is("--json")) {
            if (!scan.flag()) return usageError("--json takes no value");
            json = true;
            continue;
        }
        if (!scan.is("--suggest") && !scan.is("--company")) return usageError(unknownWordMessage(scan.word()));
        const std::string option = scan.name();
        const auto value = scan.value();
        if (!value) return usageError(option + " needs a value");
        (option == "--suggest" ? suggest : company) = *value;
    }
    if (company && !suggest) return usageError("--company goes with --suggest");
    if (suggest && json) return usageError("--json goes with the list, not with --suggest");
    if (company && !isFourCharCode(*company))
        return usageError("--company takes four printable ASCII characters, not " + quotedText(*company));

    const plugins::InstalledPlugins installed = plugins::scanInstalledPlugins(plugins::pluginFolders(environment));
    for (const std::string& line : installed.skipped) writeText(stderr, line + "\n");
    const Register made = registeredProjects();
    if (!suggest) {
        printList(codesInUse(installed, made), json);
        return 0;
    }
    const auto code = freePluginCode(*suggest, company, installed, made);
    if (!code) {
        std::fputs("zizavizerovo codes: no free plug-in code is left\n", stderr);
        return 1;
    }
    std::printf("%s\n", code->c_str());
    return 0;
}

}  // namespace zz::cli
