#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "cliargs.h"
#include "clisettings.h"
#include "commands.h"
#include "project/fspath.h"
#include "project/settingsfile.h"

// zizavizerovo settings: shows what a project page would find in the settings
// memory file when it opens, making the file as the page would when it is
// missing or blank.
namespace zz::cli {

namespace fs = std::filesystem;

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
void printValue(const char* name, const std::string& value)
{
    std::fputs(name, stdout);
    std::fputc('=', stdout);
    std::fwrite(value.data(), 1, value.size(), stdout);
    std::fputc('\n', stdout);
}

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "zizavizerovo settings: %s\n\n%s", problem.c_str(), kSettingsUsage);
    return 2;
}

void printReport(const SettingsFileReport& report)
{
    if (!report.shown()) return;
    std::fprintf(stderr, "%s\n", report.message.c_str());
    if (!report.informative.empty()) std::fprintf(stderr, "%s\n", report.informative.c_str());
}

}  // namespace

std::string ownSettingsPath()
{
    return cliSettingsPath([](const char* name) -> const char* { return std::getenv(name); });
}

std::string loadRememberedSettings(ZezureProject& project, Deliverable style)
{
    const std::string path = ownSettingsPath();
    if (path.empty()) return path;
    // Nothing remembered yet: the record gets what the style's page would get
    // on its first start. The Windows page writes its defaults and reads them
    // back, so they stand; the macOS page takes its first-start content.
    std::error_code ec;
    const bool missing = !fs::exists(fsPath(path), ec);
    if (missing && style == Deliverable::windows) return path;
    SettingsFileServices services;
    services.leaveFileAlone = true;
    printReport(loadLogFile(missing ? Deliverable::mac : hostDeliverable(), project, path, services));
    return path;
}

bool rememberSettings(const ZezureProject& project, const std::string& path)
{
    if (path.empty()) {
        std::fputs("zizavizerovo create: no place for the settings file (HOME is not set); nothing remembered\n",
                   stderr);
        return false;
    }
    std::error_code ec;
    fs::create_directories(fsPath(path).parent_path(), ec);  // the first --remember makes the folder
    const SettingsFileReport report = saveLogFile(hostDeliverable(), project, path);
    printReport(report);
    if (report.written) return true;
    if (!report.shown()) std::fprintf(stderr, "Could not write to: %s\n", path.c_str());
    return false;
}

bool writeCreationLog(const std::string& creationLog, const std::string& file)
{
    if (writeTextFile(file, creationLog)) return true;
    std::fprintf(stderr, "Failed to write diagnostics file at: %s\n", file.c_str());
    return false;
}

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
        if (!scan.is("--style") && !scan.is("--file")) return usageError("unknown option '" + scan.word() + "'");
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
    // The tool's own file is always kept in this host's format, whichever
    // page's defaults and output are asked for; a file named with --file is
    // read as the style's page reads its own.
    const Deliverable format = haveFile ? style : hostDeliverable();
    printReport(loadLogFile(format, project, path));

    printValue("vendorName", project.vendorName);
    printValue("fourCharVendorID", project.fourCharVendorID);
    printValue("vendorURL", project.vendorURL);
    printValue("vendorEmail", project.vendorEmail);
    printValue("projectFolderPath", project.projectFolderPath);
    if (style == Deliverable::mac) std::printf("useTemplate=%d\n", project.useTemplate ? 1 : 0);
    return 0;
}

}  // namespace zz::cli
