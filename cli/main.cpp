#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"

namespace {

const char* kUsage =
    "usage: zizavizerovo COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  create            create a plug-in project from the PluginTemplate folder\n"
    "  code              print the C++ code of one plug-in parameter\n"
    "  settings          show the remembered vendor details and project folder\n"
    "  restore-template  restore the PluginTemplate folder from its archive\n"
    "\n"
    "Run 'zizavizerovo COMMAND --help' for the options of a command.\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    zz::cli::Invocation inv;
    inv.program = argv[0];
    for (int i = 2; i < argc; ++i) inv.args.emplace_back(argv[i]);

    if (command == "create") return zz::cli::runCreate(inv);
    if (command == "code") return zz::cli::runCode(inv);
    if (command == "settings") return zz::cli::runSettings(inv);
    if (command == "restore-template") return zz::cli::runRestoreTemplate(inv);

    std::fprintf(stderr, "zizavizerovo: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}
