#include <cctype>
#include <cstdio>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define ZZ_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define ZZ_ISATTY(fd) isatty(fd)
#endif

#include "cliargs.h"
#include "commands.h"
#include "restore/templaterestore.h"

namespace zz::cli {

namespace {

const char* kRestoreUsage =
    "usage: zizavizerovo restore-template [--archive ZIP] --to DIR [--yes]\n"
    "\n"
    "Deletes the PluginTemplate folder DIR and restores it from the template archive.\n"
    "  --archive ZIP  the template archive (default: PluginTemplate.zip beside the program)\n"
    "  --to DIR       the PluginTemplate folder to restore\n"
    "  --yes          restore without asking for confirmation\n";

int usageError(const std::string& why)
{
    std::fprintf(stderr, "zizavizerovo restore-template: %s\n\n%s", why.c_str(), kRestoreUsage);
    return 2;
}

// "y" and "yes", in any case and with blanks around them, say Yes.
bool saysYes(std::string answer)
{
    const auto first = answer.find_first_not_of(" \t\r\n");
    const auto last = answer.find_last_not_of(" \t\r\n");
    answer = first == std::string::npos ? std::string() : answer.substr(first, last - first + 1);
    for (auto& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return answer == "y" || answer == "yes";
}

}  // namespace

int runRestoreTemplate(const Invocation& inv)
{
    std::string archive;
    std::string to;
    bool haveArchive = false;
    bool haveTo = false;
    bool yes = false;

    for (std::size_t i = 0; i < inv.args.size(); ++i) {
        const std::string& word = inv.args[i];
        std::string value;
        auto takeValue = [&](const std::string& option) -> bool {
            if (word == option) {
                if (i + 1 >= inv.args.size()) return false;
                value = inv.args[++i];
                return true;
            }
            value = word.substr(option.size() + 1);  // --option=VALUE
            return true;
        };
        auto is = [&](const std::string& option) {
            return word == option || word.rfind(option + "=", 0) == 0;
        };
        if (word == "--help" || word == "-h") {
            std::fputs(kRestoreUsage, stdout);
            return 0;
        } else if (word == "--yes" || word == "-y") {
            yes = true;
        } else if (is("--archive")) {
            if (!takeValue("--archive")) return usageError("--archive needs a file");
            archive = value;
            haveArchive = true;
        } else if (is("--to")) {
            if (!takeValue("--to")) return usageError("--to needs a folder");
            to = value;
            haveTo = true;
        } else {
            return usageError("unknown argument '" + word + "'");
        }
    }
    if (!haveTo || to.empty()) return usageError("--to DIR is required");
    if (!haveArchive) archive = executableFolder(inv.program) + "/" + kTemplateArchiveName;
    if (archive.empty()) return usageError("--archive needs a file");

    if (!yes) {
        if (!ZZ_ISATTY(0)) {
            std::fputs("zizavizerovo restore-template: no terminal to confirm on; nothing was changed "
                       "(add --yes to restore without asking)\n",
                       stderr);
            return 1;
        }
        std::fprintf(stderr, "%s\n[%s/%s] ", kRestoreConfirmMessage, kRestoreYesButton, kRestoreNoButton);
        std::fflush(stderr);
        std::string answer;
        if (!std::getline(std::cin, answer) || !saysYes(answer)) return 1;
    }

    const RestoreResult result = restoreTemplateDirectory(to, archive, [](const std::string& line) {
        std::fprintf(stderr, "zizavizerovo: %s\n", line.c_str());
    });
    if (!result.success) {
        std::fprintf(stderr, "%s\n", result.message.c_str());
        if (!result.detail.empty()) std::fprintf(stderr, "zizavizerovo: %s\n", result.detail.c_str());
        return 1;
    }
    std::printf("%s\n", result.message.c_str());
    return 0;
}

}  // namespace zz::cli
