#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"
#include "options.h"

// The project's version, from CMake's project().
#ifndef ZZ_VERSION
#error "ZZ_VERSION must be defined by the build"
#endif

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

const char* kUsage =
    "usage: zizavizerovo COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  create            create a plug-in project from the PluginTemplate folder\n"
    "  code              print the C++ code of one plug-in parameter\n"
    "  settings          show the remembered vendor details and project folder\n"
#ifdef ZZ_HAS_RESTORE
    "  restore-template  restore the PluginTemplate folder from its archive\n"
#endif
    "  projects          list the projects this tool has made, newest first\n"
    "  codes             list the plug-in codes in use on this machine, or suggest a free one\n"
    "  version           print the program's version (also --version)\n"
    "\n"
    "Run 'zizavizerovo COMMAND --help' for the options of a command.\n";

}  // namespace

namespace {

int run(int argc, char** argv)
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
    if (command == "--version" || command == "version") {
        std::fputs("zizavizerovo " ZZ_VERSION "\n", stdout);
        return 0;
    }
    zz::cli::Invocation inv;
#ifdef _WIN32
    // The narrow argv is in the ANSI code page; take the words as UTF-8.
    int wargc = 0;
    if (LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &wargc)) {
        auto utf8 = [](const wchar_t* w) {
            const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
            std::string s(n > 0 ? size_t(n - 1) : 0, '\0');
            if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
            return s;
        };
        inv.program = utf8(wargv[0]);
        for (int i = 2; i < wargc; ++i) inv.args.push_back(utf8(wargv[i]));
        LocalFree(wargv);
    }
#else
    inv.program = argv[0];
    for (int i = 2; i < argc; ++i) inv.args.emplace_back(argv[i]);
#endif

    if (command == "create") return zz::cli::runCreate(inv);
    if (command == "code") return zz::cli::runCode(inv);
    if (command == "settings") return zz::cli::runSettings(inv);
    if (command == "restore-template") return zz::cli::runRestoreTemplate(inv);
    if (command == "projects") return zz::cli::runProjects(inv);
    if (command == "codes") return zz::cli::runCodes(inv);

    std::fprintf(stderr, "zizavizerovo: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    return zz::cli::finishOutput(run(argc, argv));
}
