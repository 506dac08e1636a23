// zizavizerovo create: a plug-in project from the PluginTemplate folder, with
// the rules of the Windows program or of the macOS application. The command
// gathers the record as the project page would (the style's defaults, the
// remembered values, --preset and each --set, --folder, the answers of
// --interactive) and leaves every rule to the core: the plan and its
// warnings, the creation, the log, the remembered values and the register.

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
#include "interactive.h"
#include "options.h"
#include "project/creation.h"
#include "project/diagnostics.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/projectregister.h"
#include "project/settingsfile.h"
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

// Where a start value of --help comes from: "" for the style's default.
// `settingsFile` is "" when there is no settings file yet.
std::string sourceOf(const ProjectFieldInfo& f, Deliverable style, const ZezureProject& defaults,
                     const ZezureProject& start, const std::string& settingsFile, bool workingFolder)
{
    if (f.text == &ZezureProject::projectFolderPath && workingFolder) return "the working folder";
    if (projectFieldText(start, f, style) == projectFieldText(defaults, f, style)) return {};
    return settingsFile.empty() ? "nothing remembered yet" : "remembered in " + settingsFile;
}

void printHelp(Deliverable style, const ZezureProject& defaults, const ZezureProject& start,
               const std::string& settingsFile, bool workingFolder)
{
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
        "Texts are taken as given (one line each), booleans as true/false/1/0, numbers as\n"
        "typed into the page.\n"
        "Warnings (on stderr, each line starting with \"warning: \"): a plug-in or company code\n"
        "that is not four printable ASCII characters, a company code without an upper-case\n"
        "letter, a plug-in code an earlier project of the register has (while its folder is\n"
        "there), an installed plug-in with the same codes or the same name and vendor (see\n"
        "'zizavizerovo codes'), a marker-shaped word the tool does not fill in that is left in\n"
        "the project file.\n"
        "Setting projectName also fills pluginName, aaxPluginName and aaxShortPluginName\n"
        "%s, unless they are set themselves.\n"
        "Without a remembered project folder (and without --folder) the project goes into the\n"
        "working folder.\n"
        "\n"
        "Fields of the %s style, with the values a create starts from here:\n",
        styleName(hostDeliverable()), describeDerivedNames(style).c_str(), styleName(style));
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(style)) continue;
        const std::string source = sourceOf(f, style, defaults, start, settingsFile, workingFolder);
        const std::string value = shownValue(start, f, style) + (source.empty() ? "" : "  (" + source + ")");
        std::printf("  %-22s %-9s ", f.name, kindWord(f.kind));
        writeText(stdout, value + "\n");
        if (f.alias) std::printf("  %-22s (another name of %s)\n", f.alias, f.name);
    }
    std::printf("\nExit status: 0 created (the project folder is printed), 1 refused or failed, 2 usage error.\n");
}

int usageError(const std::string& what)
{
    return cli::usageError("create", what);
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
        if (!known) return unknownWordMessage(scan.word());
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


// At the summary of --interactive: the answers as a preset, when a file is
// named. False when the input ends.
bool offerToSavePreset(const ZezureProject& record, Deliverable style, files::FileSystem& disk)
{
    for (;;) {
        std::fputs("Save these answers as a preset? File name (Enter for none): ", stderr);
        std::fflush(stderr);
        std::string file;
        if (!readAnswer(stdin, file)) return false;
        if (file.empty()) return true;
        Result saved = checkPresetTarget(disk, file);
        if (saved) saved = writePreset(disk, file, projectPreset(record, style));
        if (saved) {
            writeText(stderr, "  saved to " + file + "\n");
            return true;
        }
        writeText(stderr, "  " + saved.detail + "\n");
    }
}

// One create command as it goes: its options, the record it gathers, the
// tool's own settings file.
struct Run {
    Run(const Options& o, Deliverable s, files::FileSystem& fs, const std::string& programFolder)
        : options(o), style(s), disk(fs), record(makeDefaultProject(s, programFolder)),
          settings(ownSettingsFile(programFolder, fs))
    {
    }
    const Options& options;
    const Deliverable style;
    files::FileSystem& disk;
    ZezureProject record;
    OwnSettingsFile settings;
    std::set<std::string> given;  // the fields the user set
};

int printHelp(Run& run)
{
    // The values this user's create starts from, and where they come from.
    ZezureProject start = run.record;
    run.settings.load(run.style, start, false);
    const std::string& file = run.settings.path();
    const bool fileThere = !file.empty() && run.disk.targetAt(file) == files::EntryKind::file;
    printHelp(run.style, run.record, start, fileThere ? file : std::string(), run.settings.tookWorkingFolder());
    return 0;
}

int answersEnded()
{
    std::fputs("\nzizavizerovo create: the answers ended; nothing was created\n", stderr);
    return 1;
}

// Options that cannot go together or cannot be followed; an exit status
// when the command stops here.
std::optional<int> checkOptions(const Run& run)
{
    const Options& o = run.options;
    if (o.logFile && !keepsCreationLog(run.style))
        return usageError("--log writes the Windows creation log: it needs --style windows");
    if (o.interactive && !isTerminal(stdin))
        return usageError("--interactive asks on a terminal: standard input is none");
    if (o.savePreset) {
        if (const Result target = checkPresetTarget(run.disk, *o.savePreset); !target)
            return usageError(target.detail + "; nothing was created");
    }
    return std::nullopt;
}

// The record as the page would hold it: the remembered values, then the
// preset and each --set in order, then the folder as the style's chooser
// gives it, then the answers on the terminal.
std::optional<int> gatherRecord(Run& run)
{
    const Options& o = run.options;
    printResult(run.settings.load(run.style, run.record, false));
    std::vector<Assignment> values;
    if (o.preset) {
        ResultWith<PresetFields> preset = readPreset(run.disk, *o.preset);
        if (!preset) return usageError(preset.detail);
        values = std::move(preset.value);
    }
    for (const std::string& word : o.sets) {
        const auto a = parseAssignment(word);
        if (!a) return usageError("--set takes FIELD=VALUE, not " + quotedText(word));
        values.push_back(*a);
    }
    if (const Result set = setProjectFields(run.record, run.style, values, run.given); !set)
        return usageError(set.detail);
    if (o.folder) run.record.projectFolderPath = chosenFolder(run.style, *o.folder, files::hostPathSeparators());
    if (o.interactive && !askForFields(run.record, run.style, run.given, stdin, stderr)) return answersEnded();
    applySynthCategory(run.record);
    return std::nullopt;
}

// The plan: every check, nothing made (on a terminal a refusal that names a
// field asks for that field again); then its warnings and the preset.
std::optional<int> planAndWarn(Run& run, const CreationRequest& request, CreationPlan& plan)
{
    plan = planCreation(run.record, request);
    while (!plan && run.options.interactive && findProjectField(plan.field, run.style)) {
        printRefusal("create", plan);
        if (!askForField(run.record, run.style, run.given, *findProjectField(plan.field, run.style), stdin, stderr))
            return answersEnded();
        applySynthCategory(run.record);
        plan = planCreation(run.record, request);
    }
    if (!plan) {
        printRefusal("create", plan);
        return 1;
    }
    for (const std::string& line : plan.skipped) writeText(stderr, line + "\n");
    for (const std::string& w : plan.warnings) writeText(stderr, w + "\n");
    if (run.options.strict && !plan.warnings.empty()) {
        std::fputs("zizavizerovo create: refused for the warnings above (--strict); nothing was created\n", stderr);
        return 1;
    }
    if (run.options.savePreset) {
        const Result saved = writePreset(run.disk, *run.options.savePreset, projectPreset(run.record, run.style));
        if (!saved) {
            std::fprintf(stderr, "zizavizerovo create: %s\n", saved.detail.c_str());
            return 1;
        }
    }
    return std::nullopt;
}

// The summary on the terminal, the offer of a preset, the last question.
bool confirmOnTerminal(const Run& run, const CreationPlan& plan)
{
    writeText(stderr, "\ndestination: " + plan.destination + "\n");
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(run.style)) continue;
        writeText(stderr, "  " + std::string(f.name) + ": " + shownProjectField(run.record, f, run.style) + "\n");
    }
    if (!offerToSavePreset(run.record, run.style, run.disk)) {
        answersEnded();
        return false;
    }
    if (askToConfirm("Create?", stdin, stderr)) return true;
    std::fputs("zizavizerovo create: nothing was created\n", stderr);
    return false;
}

// After the creation: its log, the values to remember, the register. Each
// that fails is told; the project stays.
int afterCreation(Run& run, const CreationRequest& request, const CreationResult& made)
{
    bool kept = true;
    if (run.options.logFile) {
        const Result saved = saveDiagnostics(made.creationLog, *run.options.logFile, run.disk);
        if (!saved) std::fprintf(stderr, "%s\n", saved.message.c_str());
        kept = saved.ok && kept;
    }
    if (run.options.remember) {
        const Result remembered = run.settings.remember(run.record);
        if (!remembered) {
            if (remembered.shown()) printResult(remembered);
            else std::fprintf(stderr, "zizavizerovo create: %s\n", remembered.detail.c_str());
        }
        kept = remembered.ok && kept;
    }
    if (!run.options.noRegister) {
        const Result registered = registerProject(run.record, made, request);
        printResult(registered);  // a warning when another run held the register too long
        if (!registered) std::fprintf(stderr, "zizavizerovo create: %s\n", registered.detail.c_str());
        kept = registered.ok && kept;
    }
    return kept ? 0 : 1;
}

}  // namespace

int runCreate(const Invocation& inv)
{
    Options options;
    if (const auto error = parseOptions(inv.args, options)) return usageError(*error);
    Run run{options, options.style, files::realFileSystem(), executableFolder(inv.program)};
    if (options.help) return printHelp(run);
    if (const auto stop = checkOptions(run)) return *stop;
    if (const auto stop = gatherRecord(run)) return *stop;

    CreationRequest request;
    request.style = run.style;
    request.templateFolder =
        options.templateFolder ? *options.templateFolder : shippedPath(inv.program, "PluginTemplate");
    request.registerFile = run.settings.path().empty() ? std::string() : registerPath(run.settings.path());
    request.fileSystem = &run.disk;
    request.environment = [](const char* name) -> const char* { return std::getenv(name); };
    CreationPlan plan;
    if (const auto stop = planAndWarn(run, request, plan)) return *stop;
    if (options.dryRun) {
        writeText(stdout, "destination: " + plan.destination + "\n");
        for (const Marker& m : plan.markers) writeText(stdout, m.tag + " = " + m.value + "\n");
        return 0;
    }
    if (options.interactive && !confirmOnTerminal(run, plan)) return 1;

    const CreationResult made = makeProject(run.record, request);
    if (!made) {
        printRefusal("create", made);
        return 1;
    }
    std::printf("%s\n", made.destination.c_str());
    return afterCreation(run, request, made);
}

}  // namespace zz::cli
