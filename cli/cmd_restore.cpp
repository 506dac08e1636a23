#include <cstdio>
#include <string>

#include "options.h"
#include "commands.h"
#include "interactive.h"
#include "common/files.h"
#include "project/makeproject.h"
#include "restore/templaterestore.h"

namespace zz::cli {

namespace {

const char* kRestoreUsage =
    "usage: zizavizerovo restore-template [--archive ZIP] --to DIR [--yes] [--force]\n"
    "\n"
    "Deletes the PluginTemplate folder DIR and restores it from the template archive.\n"
    "Only a folder that looks like a template folder is replaced: one that is missing,\n"
    "empty, or holds a CMakeLists.txt with a marker such as $$$PROJECT_NAME$$$.\n"
    "  --archive ZIP  the template archive (default: PluginTemplate.zip beside the program\n"
    "                 or in ../share/zizavizerovo)\n"
    "  --to DIR       the PluginTemplate folder to restore\n"
    "  --yes          restore without asking for confirmation\n"
    "  --force        replace DIR even when it does not look like a template folder\n"
    "  --help         this text\n"
    "\n"
    "Exit status: 0 restored, 1 refused, declined or failed (nothing changed), 2 usage error.\n";

int usageError(const std::string& why)
{
    std::fprintf(stderr, "zizavizerovo restore-template: %s\n\n%s", why.c_str(), kRestoreUsage);
    return 2;
}

}  // namespace

int runRestoreTemplate(const Invocation& inv)
{
    std::string archive;
    std::string to;
    bool haveArchive = false;
    bool haveTo = false;
    bool yes = false;
    bool force = false;

    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            std::fputs(kRestoreUsage, stdout);
            return 0;
        }
        if (scan.is("--yes") || scan.is("-y") || scan.is("--force")) {
            if (!scan.flag()) return usageError(scan.name() + " takes no value");
            (scan.is("--force") ? force : yes) = true;
        } else if (scan.is("--archive") || scan.is("--to")) {
            const bool isArchive = scan.is("--archive");
            const auto value = scan.value();
            if (!value) return usageError(isArchive ? "--archive needs a file" : "--to needs a folder");
            (isArchive ? archive : to) = *value;
            (isArchive ? haveArchive : haveTo) = true;
        } else {
            return usageError(unknownWordMessage(scan.word()));
        }
    }
    if (!haveTo || to.empty()) return usageError("--to DIR is required");
    if (!haveArchive) archive = shippedPath(inv.program, kTemplateArchiveName);
    if (archive.empty()) return usageError("--archive needs a file");

    // A project folder named by mistake is never replaced without --force.
    if (!force && !looksLikeTemplateFolder(files::realFileSystem(), to)) {
        writeText(stderr, "zizavizerovo restore-template: " + to +
                              " does not look like a template folder (no CMakeLists.txt with a marker); nothing was "
                              "changed. Add --force to replace it.\n");
        return 1;
    }
    if (!yes) {
        if (!isTerminal(stdin)) {
            std::fputs("zizavizerovo restore-template: no terminal to confirm on; nothing was changed "
                       "(add --yes to restore without asking)\n",
                       stderr);
            return 1;
        }
        writeText(stderr, std::string(kRestoreConfirmMessage) + "\nThe folder " + to + " will be replaced.\n[" +
                              kRestoreYesButton + "/" + kRestoreNoButton + "] ");
        std::fflush(stderr);
        std::string answer;
        if (!readAnswer(stdin, answer) || !yesOrNo(answer).value_or(false)) {
            std::fputs("zizavizerovo restore-template: nothing was changed\n", stderr);
            return 1;
        }
    }

    const Result result = restoreTemplateDirectory(to, archive);
    for (const std::string& line : result.systemLog) std::fprintf(stderr, "zizavizerovo: %s\n", line.c_str());
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", result.message.c_str());
        if (!result.detail.empty()) std::fprintf(stderr, "zizavizerovo restore-template: %s\n", result.detail.c_str());
        return 1;
    }
    std::printf("%s\n", result.message.c_str());
    return 0;
}

}  // namespace zz::cli
