// zizavizerovo create: a plug-in project from the PluginTemplate folder, with
// the rules of the Windows program or of the macOS application.
//
// The command works in this order, as the project page would:
//   1. the style's defaults,
//   2. the remembered values of the tool's own settings file,
//   3. --preset, then each --set in order,
//   4. the names the page derives from the project name,
//   5. --folder, as the style's folder chooser gives it,
//   6. with --interactive, each field asked for on the terminal,
//   7. the record-level rules (a synthesizer is a "Software Synth"),
//   8. the style's name checks,
//   9. the plan (every check of the creation, nothing made) and its warnings,
//  10. the style's makeProject, then the log, the settings and the register.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clisettings.h"
#include "commands.h"
#include "common/files.h"
#include "interactive.h"
#include "json.h"
#include "options.h"
#include "plugins/installedplugins.h"
#include "project/makeproject.h"
#include "project/markers.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/zezureproject.h"
#include "projectregister.h"

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
    return fieldValueError(a.field, a.value, describeProjectField(style, *findProjectField(a.field, style)));
}

void printHelp(Deliverable style, const ZezureProject& defaults)
{
    const bool windows = style == Deliverable::windows;
    std::printf(
        "usage: zizavizerovo create [--style windows|macos] [--template DIR] [--folder DIR]\n"
        "                           [--preset FILE.json] [--set FIELD=VALUE]... [--interactive]\n"
        "                           [--remember] [--log FILE] [--strict] [--no-register]\n"
        "                           [--dry-run] [--save-preset FILE.json]\n"
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
        "  --interactive          ask for each field on the terminal, then for confirmation\n"
        "  --strict               refuse (exit 1, nothing made) when there is any warning\n"
        "  --no-register          do not add the project to the register of made projects\n"
        "                         (see 'zizavizerovo projects')\n"
        "  --dry-run              print the destination and each marker's value; make nothing\n"
        "  --save-preset FILE     write the final answers as a preset that replays this creation\n"
        "  --help                 this text\n"
        "\n"
        "Texts are taken as given, booleans as true/false/1/0, numbers as typed into the page.\n"
        "Warnings (on stderr, each line starting with \"warning: \"): a plug-in or company code\n"
        "that is not four printable ASCII characters, a company code without an upper-case\n"
        "letter, a plug-in code an earlier project of the register has, a marker-shaped word\n"
        "the tool does not fill in that is left in the project file.\n"
        "Setting projectName also fills pluginName, aaxPluginName and aaxShortPluginName\n"
        "%s, unless they are set themselves.\n"
        "\n"
        "Fields of the %s style, with their defaults:\n",
        hostDeliverable() == Deliverable::windows ? "windows" : "macos",
        windows ? "(whole, when the name passes its check)" : "(cut to 31 and 15 characters)",
        windows ? "windows" : "macos");
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(style)) continue;
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
    bool interactive = false;
    bool strict = false;       // warnings refuse the creation
    bool noRegister = false;   // leave the register alone
    bool dryRun = false;       // make nothing, print the plan
    std::optional<std::string> savePreset;
};

// Parses the words after "create". Answers an error text or nothing.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, Options& o)
{
    OptionScanner scan(args);
    while (scan.next()) {
        bool* flag = scan.is("--help") || scan.is("-h") ? &o.help
                     : scan.is("--remember")            ? &o.remember
                     : scan.is("--interactive")         ? &o.interactive
                     : scan.is("--strict")              ? &o.strict
                     : scan.is("--no-register")         ? &o.noRegister
                     : scan.is("--dry-run")             ? &o.dryRun
                                                        : nullptr;
        if (flag) {
            if (!scan.flag()) return scan.name() + " takes no value";
            *flag = true;
            continue;
        }
        const bool known = scan.is("--style") || scan.is("--template") || scan.is("--folder") ||
                           scan.is("--preset") || scan.is("--set") || scan.is("--log") || scan.is("--save-preset");
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
        } else if (option == "--save-preset") {
            if (value.empty()) return "--save-preset needs a file";
            o.savePreset = value;
        } else {
            o.sets.push_back(value);
        }
    }
    return std::nullopt;
}


// The creation, made for real or only planned (a dry run).
CreationResult createProject(const ZezureProject& record, Deliverable style, const std::string& templateFolder,
                             bool dryRun)
{
    if (style == Deliverable::windows) {
        WindowsCreateOptions windows;
        windows.separator = files::hostPathSeparator();
        windows.dryRun = dryRun;
        return makeProjectWindows(record, templateFolder, windows);
    }
    MacCreateOptions mac;
    mac.dryRun = dryRun;
    return makeProjectMac(record, templateFolder, mac);
}

// The warnings of a planned creation, in order: the codes, an earlier project
// of the register with the same plug-in code, installed plug-ins, markers left
// in the project file.
std::vector<std::string> warningsFor(const ZezureProject& record, const CreationResult& plan,
                                     const std::string& registerFile)
{
    std::vector<std::string> warnings = fourCharCodeWarnings(record);
    std::vector<RegisteredProject> projects;
    std::string error;
    if (registerFile.empty()) {
        // No place for a register: nothing to compare with.
    } else if (!readRegister(registerFile, projects, error)) {
        warnings.push_back("warning: " + error);
    } else {
        for (const RegisteredProject& p : projects) {
            if (p.pluginCode == record.fourCharProductID) {
                warnings.push_back("warning: the plug-in code '" + p.pluginCode + "' is already used by " + p.name +
                                   " (" + p.folder + ", made " + p.date + ")");
                break;
            }
        }
    }
    // Installed plug-ins with the same codes, or the same name and vendor; a
    // bundle that could not be read is told here and refuses nothing.
    const plugins::InstalledCheck installed = plugins::checkInstalledPlugins(
        {record.fourCharProductID, record.fourCharVendorID, record.pluginName, record.vendorName}, std::getenv);
    for (const std::string& line : installed.skipped) writeText(stderr, line + "\n");
    warnings.insert(warnings.end(), installed.warnings.begin(), installed.warnings.end());
    for (const std::string& marker : unknownMarkers(plan.projectText))
        warnings.push_back("warning: the project file still holds " + marker + ", a marker the tool does not know");
    return warnings;
}

// The final answers as a preset: every field of the style, in table order.
std::string presetOf(const ZezureProject& record, Deliverable style)
{
    std::vector<PresetEntry> entries;
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(style)) continue;
        const PresetEntry::Kind kind = f.kind == ProjectFieldKind::text      ? PresetEntry::text
                                       : f.kind == ProjectFieldKind::boolean ? PresetEntry::boolean
                                                                             : PresetEntry::number;
        entries.push_back({f.name, projectFieldText(record, f, style), kind});
    }
    return presetText(entries);
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
    if (options.logFile && style != Deliverable::windows)
        return usageError("--log writes the Windows creation log: it needs --style windows");
    if (options.interactive && !isTerminal(stdin))
        return usageError("--interactive asks on a terminal: standard input is none");

    // 2. The remembered values of the tool's settings file.
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
    if (given.count("projectName")) deriveNamesFromProjectName(record, style, given);

    // 5. The project folder.
    if (options.folder) record.projectFolderPath = chosenFolder(*options.folder, style);

    // 6. On a terminal: each field asked for.
    if (options.interactive && !askForFields(record, style, given, stdin, stderr)) {
        std::fputs("\nzizavizerovo create: the answers ended; nothing was created\n", stderr);
        return 1;
    }

    // 7. Record-level rules.
    applySynthCategory(record);

    // 8. The style's name checks.
    const Result check = style == Deliverable::windows
                             ? checkProjectName(record.projectName)
                             : validateShit(record.projectName, record.pluginName, record.fourCharProductID);
    if (!check.ok) {
        printResult(check);
        return 1;
    }

    // 9. The plan: every check of the creation, nothing made; then the
    // warnings.
    const std::string templateFolder =
        options.templateFolder ? *options.templateFolder : shippedPath(inv.program, "PluginTemplate");
    const CreationResult plan = createProject(record, style, templateFolder, true);
    if (!plan.ok) {
        printResult(plan);
        return 1;
    }
    const std::string registerFile = settingsPath.empty() ? std::string() : registerPath(settingsPath);
    const std::vector<std::string> warnings = warningsFor(record, plan, registerFile);
    for (const std::string& w : warnings) std::fprintf(stderr, "%s\n", w.c_str());
    if (options.strict && !warnings.empty()) {
        std::fputs("zizavizerovo create: refused for the warnings above (--strict); nothing was created\n", stderr);
        return 1;
    }

    if (options.savePreset && !files::replaceFileAtomically(*options.savePreset, presetOf(record, style))) {
        std::fprintf(stderr, "zizavizerovo create: cannot write the preset %s\n", options.savePreset->c_str());
        return 1;
    }

    if (options.dryRun) {
        writeText(stdout, "destination: " + plan.destination + "\n");
        for (const Marker& m : markerTable(style, record)) writeText(stdout, m.tag + " = " + m.value + "\n");
        return 0;
    }

    if (options.interactive) {
        std::fprintf(stderr, "\ndestination: %s\n", plan.destination.c_str());
        for (const ProjectFieldInfo& f : projectFields()) {
            if (!f.inStyle(style)) continue;
            writeText(stderr, "  " + std::string(f.name) + ": " + shownProjectField(record, f, style) + "\n");
        }
        if (!askToConfirm("Create?", stdin, stderr)) {
            std::fputs("zizavizerovo create: nothing was created\n", stderr);
            return 1;
        }
    }

    // 10. The creation.
    const CreationResult result = createProject(record, style, templateFolder, false);
    if (!result.ok) {
        printResult(result);
        return 1;
    }
    std::printf("%s\n", result.destination.c_str());

    // After the creation: its log, the values to remember, the register.
    bool kept = true;
    if (options.logFile) kept = writeCreationLog(result.creationLog, *options.logFile) && kept;
    if (options.remember) kept = rememberSettings(record, settingsPath) && kept;
    if (!options.noRegister && !registerFile.empty()) {
        std::string error;
        const RegisteredProject entry{registerDateNow(), record.projectName, record.fourCharProductID,
                                      record.fourCharVendorID, result.destination};
        if (!addToRegister(registerFile, entry, error)) {
            std::fprintf(stderr, "zizavizerovo create: %s\n", error.c_str());
            kept = false;
        }
    }
    return kept ? 0 : 1;
}

}  // namespace zz::cli
