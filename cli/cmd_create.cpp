// zizavizerovo create: a plug-in project from the PluginTemplate folder, with
// the rules of the Windows program or of the macOS application.
//
// The command works in this order, as the project page would:
//   1. the style's defaults,
//   2. the remembered values of the tool's own settings file,
//   3. --preset, then each --set in order,
//   4. the names the page derives from the project name,
//   5. --folder, as the style's folder chooser gives it,
//   6. the record-level rules (a synthesizer is a "Software Synth"),
//   7. the style's name checks,
//   8. the style's makeProject.

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clisettings.h"
#include "commands.h"
#include "common/files.h"
#include "json.h"
#include "options.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/zezureproject.h"

namespace zz::cli {

namespace {

const char* kindWord(ProjectFieldKind kind)
{
    switch (kind) {
    case ProjectFieldKind::text: return "text";
    case ProjectFieldKind::boolean: return "boolean";
    case ProjectFieldKind::category: return "category";
    default: return "number";
    }
}

// What --help shows of a field's value: texts in JSON quotes.
std::string shownValue(const ZezureProject& record, const ProjectFieldInfo& f, Deliverable style)
{
    if (f.kind == ProjectFieldKind::text) return jsonString(record.*f.text);
    return shownProjectField(record, f, style);
}

// Sets one field from its command-line text. Answers an error text naming the
// field, or nothing.
std::optional<std::string> setField(ZezureProject& record, Deliverable style, const Assignment& a)
{
    switch (setProjectField(record, style, a.field, a.value)) {
    case FieldSet::ok: return std::nullopt;
    case FieldSet::unknownField: return "unknown field '" + a.field + "'";
    case FieldSet::badValue: break;
    }
    switch (findProjectField(a.field, style)->kind) {
    case ProjectFieldKind::boolean:
        return "field '" + a.field + "' takes true, false, 1 or 0, not '" + a.value + "'";
    case ProjectFieldKind::category:
        return "field '" + a.field + "' takes an AAX category code (0, 1, 2, 4, ... 8192), not '" + a.value + "'";
    default: return "field '" + a.field + "' takes a number, not '" + a.value + "'";
    }
}

void printHelp(Deliverable style, const ZezureProject& defaults)
{
    const bool windows = style == Deliverable::windows;
    std::printf(
        "usage: zizavizerovo create [--style windows|macos] [--template DIR] [--folder DIR]\n"
        "                           [--preset FILE.json] [--set FIELD=VALUE]...\n"
        "                           [--remember] [--log FILE]\n"
        "\n"
        "Creates a plug-in project folder named after projectName inside the project folder,\n"
        "copies the template into it and fills in the markers of its CMakeLists.txt.\n"
        "\n"
        "Options:\n"
        "  --style windows|macos  whose rules apply: defaults, checks, marker values, texts\n"
        "                         (default: %s)\n"
        "  --template DIR         the template folder (default: PluginTemplate beside the program\n"
        "                         or in ../share/zizavizerovo)\n"
        "  --folder DIR           the project folder, as the folder chooser gives it\n"
        "  --preset FILE.json     a JSON object of FIELD: VALUE pairs, applied first\n"
        "  --set FIELD=VALUE      one field, applied in order after the preset\n"
        "  --remember             after a creation, keep the vendor details and project folder\n"
        "                         in the tool's settings file (they are the starting values\n"
        "                         of every create, before --preset and --set)\n"
        "  --log FILE             after a creation, write its log to FILE (windows style)\n"
        "  --help                 this text\n"
        "\n"
        "Texts are taken as given, booleans as true/false/1/0, numbers as typed into the page.\n"
        "Setting projectName also fills pluginName, aaxPluginName and aaxShortPluginName\n"
        "%s, unless they are set themselves.\n"
        "\n"
        "Fields of the %s style, with their defaults:\n",
        hostDeliverable() == Deliverable::windows ? "windows" : "macos",
        windows ? "(whole, when the name passes its check)" : "(cut to 31 and 15 characters)",
        windows ? "windows" : "macos");
    for (const ProjectFieldInfo& f : projectFields()) {
        if (f.macOnly && windows) continue;
        std::printf("  %-22s %-9s %s\n", f.name, kindWord(f.kind), shownValue(defaults, f, style).c_str());
    }
    std::printf("\nExit status: 0 created (the project folder is printed), 1 refused or failed, 2 usage error.\n");
}

int usageError(const std::string& what)
{
    return cli::usageError("create", what);
}

// The folder as the style's folder chooser hands it over: macOS appends "/"
// when it is missing; the Windows chooser gives no trailing separator (except
// for the root of a drive).
std::string chosenFolder(const std::string& folder, Deliverable style)
{
    if (style == Deliverable::mac) {
        if (folder.empty() || folder.back() != '/') return folder + "/";
        return folder;
    }
    std::string f = folder;
    const auto isSeparator = [](char c) { return c == files::hostPathSeparator() || c == '/'; };
    while (f.size() > 1 && isSeparator(f.back())) {
        if (f.size() == 3 && f[1] == ':') break;  // "C:\"
        f.pop_back();
    }
    return f;
}

struct Options {
    Deliverable style = hostDeliverable();
    std::optional<std::string> templateFolder;
    std::optional<std::string> folder;
    std::optional<std::string> preset;
    std::vector<std::string> sets;
    bool help = false;
    bool remember = false;                // write the settings file after a creation
    std::optional<std::string> logFile;  // where the creation log goes
};

// Parses the words after "create". Answers an error text or nothing.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, Options& o)
{
    OptionScanner scan(args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h") || scan.is("--remember")) {
            if (!scan.flag()) return scan.name() + " takes no value";
            (scan.is("--remember") ? o.remember : o.help) = true;
            continue;
        }
        const bool known = scan.is("--style") || scan.is("--template") || scan.is("--folder") ||
                           scan.is("--preset") || scan.is("--set") || scan.is("--log");
        if (!known) return "unknown option '" + scan.word() + "'";
        const std::string option = scan.name();
        const auto v = scan.value();
        if (!v) return option + " needs a value";
        const std::string& value = *v;
        if (option == "--style") {
            const auto style = parseStyle(value);
            if (!style) return "--style takes windows or macos, not '" + value + "'";
            o.style = *style;
        } else if (option == "--template") {
            o.templateFolder = value;
        } else if (option == "--folder") {
            o.folder = value;
        } else if (option == "--preset") {
            o.preset = value;
        } else if (option == "--log") {
            if (value.empty()) return "--log needs a file";
            o.logFile = value;
        } else {
            o.sets.push_back(value);
        }
    }
    return std::nullopt;
}

}  // namespace

int runCreate(const Invocation& inv)
{
    Options options;
    if (const auto error = parseOptions(inv.args, options)) return usageError(*error);
    const Deliverable style = options.style;
    const std::string programFolder = executableFolder(inv.program);

    // 1. The style's defaults.
    ZezureProject record = makeDefaultProject(style, programFolder);
    if (options.help) {
        printHelp(style, record);
        return 0;
    }

    // 2. The remembered values of the tool's settings file.
    if (options.logFile && style != Deliverable::windows)
        return usageError("--log writes the Windows creation log: it needs --style windows");
    const std::string settingsPath = loadRememberedSettings(record, style);

    // 3. The preset, then each --set in order.
    std::vector<Assignment> assignments;
    if (options.preset) {
        std::string error;
        const auto preset = readPreset(*options.preset, error);
        if (!preset) return usageError(error);
        assignments = *preset;
    }
    for (const std::string& word : options.sets) {
        const auto a = parseAssignment(word);
        if (!a) return usageError("--set takes FIELD=VALUE, not '" + word + "'");
        assignments.push_back(*a);
    }
    std::set<std::string> given;
    for (const Assignment& a : assignments) {
        if (const auto error = setField(record, style, a)) return usageError(*error);
        given.insert(a.field);
    }

    // 4. The names the page derives once the project name has been typed; a
    // name given on the command line keeps its value.
    if (given.count("projectName") &&
        (style == Deliverable::mac || checkProjectName(record.projectName).ok)) {
        const DerivedNames names = deriveNames(style, record.projectName);
        if (!given.count("pluginName")) record.pluginName = names.pluginName;
        if (!given.count("aaxPluginName")) record.aaxPluginName = names.aaxPluginName;
        if (!given.count("aaxShortPluginName")) record.aaxShortPluginName = names.aaxShortPluginName;
    }

    // 5. The project folder.
    if (options.folder) record.projectFolderPath = chosenFolder(*options.folder, style);

    // 6. Record-level rules.
    applySynthCategory(record);

    // 7. The style's name checks.
    const Result check = style == Deliverable::windows
                              ? checkProjectName(record.projectName)
                              : validateShit(record.projectName, record.pluginName, record.fourCharProductID);
    if (!check.ok) {
        printResult(check);
        return 1;
    }

    // 8. The creation.
    const std::string templateFolder =
        options.templateFolder ? *options.templateFolder : shippedPath(inv.program, "PluginTemplate");
    CreationResult result;
    if (style == Deliverable::windows) {
        WindowsCreateOptions windows;
        windows.separator = files::hostPathSeparator();
        result = makeProjectWindows(record, templateFolder, windows);
    } else {
        result = makeProjectMac(record, templateFolder);
    }
    if (!result.ok) {
        printResult(result);
        return 1;
    }
    std::printf("%s\n", result.destination.c_str());

    // After the creation: its log, and the values to remember.
    bool kept = true;
    if (options.logFile) kept = writeCreationLog(result.creationLog, *options.logFile) && kept;
    if (options.remember) kept = rememberSettings(record, settingsPath) && kept;
    return kept ? 0 : 1;
}

}  // namespace zz::cli
