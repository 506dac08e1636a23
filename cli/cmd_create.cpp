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

#include "cliargs.h"
#include "clisettings.h"
#include "commands.h"
#include "common/numtext.h"
#include "common/text.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/zezureproject.h"

namespace zz::cli {

namespace {

#ifdef _WIN32
constexpr char kHostSeparator = '\\';
#else
constexpr char kHostSeparator = '/';
#endif

// How a field's value is given on the command line.
enum class Kind {
    text,      // taken as it stands
    boolean,   // true/false/1/0
    time,      // a time field of the page (milliseconds)
    count,     // latency and granularity
    block,     // the block size
    category,  // an AAX category code (or its name)
};

struct Field {
    const char* name;
    Kind kind;
    std::string ZezureProject::*text = nullptr;
    bool ZezureProject::*flag = nullptr;
    double ZezureProject::*number = nullptr;
    uint32_t ZezureProject::*whole = nullptr;
    bool macOnly = false;
};

Field textField(const char* name, std::string ZezureProject::*m) { return {name, Kind::text, m}; }
Field boolField(const char* name, bool ZezureProject::*m, bool macOnly = false)
{
    return {name, Kind::boolean, nullptr, m, nullptr, nullptr, macOnly};
}
Field timeField(const char* name, double ZezureProject::*m) { return {name, Kind::time, nullptr, nullptr, m}; }
Field wholeField(const char* name, Kind kind, uint32_t ZezureProject::*m)
{
    return {name, kind, nullptr, nullptr, nullptr, m};
}

// Every field of the record, in its order.
const std::vector<Field>& fields()
{
    static const std::vector<Field> table = {
        textField("projectFolderPath", &ZezureProject::projectFolderPath),
        textField("projectName", &ZezureProject::projectName),
        textField("pluginName", &ZezureProject::pluginName),
        textField("vendorName", &ZezureProject::vendorName),
        textField("fourCharProductID", &ZezureProject::fourCharProductID),
        textField("fourCharAAXID", &ZezureProject::fourCharAAXID),
        textField("fourCharVendorID", &ZezureProject::fourCharVendorID),
        textField("vendorURL", &ZezureProject::vendorURL),
        textField("vendorEmail", &ZezureProject::vendorEmail),
        textField("aaxPluginName", &ZezureProject::aaxPluginName),
        textField("aaxShortPluginName", &ZezureProject::aaxShortPluginName),
        boolField("synthPlugin", &ZezureProject::synthPlugin),
        boolField("enableSidechain", &ZezureProject::enableSidechain),
        boolField("enableParamSmoothing", &ZezureProject::enableParamSmoothing),
        timeField("smoothingTimeMsec", &ZezureProject::smoothingTimeMsec),
        timeField("tailTimeMsec", &ZezureProject::tailTimeMsec),
        boolField("infiniteTail", &ZezureProject::infiniteTail),
        boolField("linkFFTW", &ZezureProject::linkFFTW),
        boolField("useTemplate", &ZezureProject::useTemplate, true),
        boolField("universalAPI", &ZezureProject::universalAPI),
        boolField("makeAAX", &ZezureProject::makeAAX),
        boolField("makeVST", &ZezureProject::makeVST),
        boolField("makeAU", &ZezureProject::makeAU),
        boolField("includeFXObjects", &ZezureProject::includeFXObjects),
        boolField("wantPTGRMeter", &ZezureProject::wantPTGRMeter),
        boolField("enableSAAVST3", &ZezureProject::enableSAAVST3),
        wholeField("saaGranulatity", Kind::count, &ZezureProject::saaGranulatity),
        wholeField("latencyInSamples", Kind::count, &ZezureProject::latencyInSamples),
        wholeField("aaxCagtegory", Kind::category, &ZezureProject::aaxCagtegory),
        boolField("processFrames", &ZezureProject::processFrames),
        wholeField("blockSize", Kind::block, &ZezureProject::blockSize),
    };
    return table;
}

const Field* findField(const std::string& name, Deliverable style)
{
    for (const Field& f : fields())
        if (name == f.name && (!f.macOnly || style == Deliverable::mac)) return &f;
    return nullptr;
}

bool allDigits(const std::string& text)
{
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The text is one number and nothing else (white space around it allowed),
// the way the macOS numeric fields accept their text.
bool isOneNumber(const std::string& text)
{
    const std::string t(trimWhiteSpace(text));
    return !t.empty() && numtext::leadingNumberLength(t) == t.size();
}

// Reads a number field the way the style's page reads the typed text. The
// value must be one number (white space around it allowed); the Windows page
// also takes an empty field, which reads as 0. The Windows count edits hold
// digits only, so they take no negative number.
bool readNumberField(const Field& f, Deliverable style, const std::string& value, ZezureProject& record)
{
    if (f.kind == Kind::category) {
        const std::string t(trimWhiteSpace(value));
        for (const AaxCategory& c : kAaxCategories) {
            if (t == c.name || (allDigits(t) && !t.empty() && t == numtext::unsignedText(c.code))) {
                record.*f.whole = c.code;
                return true;
            }
        }
        return false;
    }
    if (style == Deliverable::windows) {
        const std::string t(trimWhiteSpace(value));
        if (!t.empty() && !isOneNumber(t)) return false;
        if (f.kind == Kind::time) {
            record.*f.number = numtext::windowsReadDecimal(value);
            return true;
        }
        const int32_t n = numtext::windowsReadInteger(value);
        if (n < 0 || (!t.empty() && t[0] == '-')) return false;
        record.*f.whole = static_cast<uint32_t>(n);
        return true;
    }
    if (!isOneNumber(value)) return false;
    switch (f.kind) {
    case Kind::time:
        record.*f.number = static_cast<double>(numtext::macFloatValue(value));
        return true;
    case Kind::count:
        record.*f.whole = numtext::truncToUnsigned(static_cast<double>(numtext::macFloatValue(value)));
        return true;
    case Kind::block: {
        // A negative block size cannot be a number of samples: it reads as 0.
        const int32_t n = numtext::macIntValue(value);
        record.*f.whole = n < 0 ? 0u : static_cast<uint32_t>(n);
        return true;
    }
    default:
        return false;
    }
}

// Sets one field from its command-line text. Answers an error text naming the
// field, or nothing.
std::optional<std::string> setField(ZezureProject& record, Deliverable style, const Assignment& a)
{
    const Field* f = findField(a.field, style);
    if (!f) return "unknown field '" + a.field + "'";
    switch (f->kind) {
    case Kind::text:
        record.*f->text = a.value;
        return std::nullopt;
    case Kind::boolean: {
        const auto b = parseBool(a.value);
        if (!b) return "field '" + a.field + "' takes true, false, 1 or 0, not '" + a.value + "'";
        record.*f->flag = *b;
        return std::nullopt;
    }
    case Kind::category:
        if (!readNumberField(*f, style, a.value, record))
            return "field '" + a.field + "' takes an AAX category code (0, 1, 2, 4, ... 8192), not '" + a.value + "'";
        return std::nullopt;
    default:
        if (!readNumberField(*f, style, a.value, record))
            return "field '" + a.field + "' takes a number, not '" + a.value + "'";
        return std::nullopt;
    }
}

// A field's value as the page shows it, for --help.
std::string shownValue(const ZezureProject& record, const Field& f, Deliverable style)
{
    switch (f.kind) {
    case Kind::text: return jsonString(record.*f.text);
    case Kind::boolean: return record.*f.flag ? "true" : "false";
    case Kind::time:
        return style == Deliverable::windows ? numtext::fixed(record.*f.number, 2)
                                             : numtext::nsNumberString(record.*f.number);
    case Kind::category: {
        const uint32_t code = record.*f.whole;
        for (const AaxCategory& c : kAaxCategories)
            if (c.code == code) return numtext::unsignedText(code) + " (" + c.name + ")";
        return numtext::unsignedText(code);
    }
    default: return numtext::unsignedText(record.*f.whole);
    }
}

const char* kindWord(Kind kind)
{
    switch (kind) {
    case Kind::text: return "text";
    case Kind::boolean: return "boolean";
    case Kind::time: return "number";
    case Kind::count: return "number";
    case Kind::block: return "number";
    case Kind::category: return "category";
    }
    return "";
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
        "  --template DIR         the template folder (default: PluginTemplate beside the program)\n"
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
    for (const Field& f : fields()) {
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
    const auto isSeparator = [](char c) { return c == kHostSeparator || c == '/'; };
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

void printOutcome(const Outcome& outcome)
{
    std::fprintf(stderr, "%s\n", outcome.message.c_str());
    if (!outcome.informativeText.empty()) std::fprintf(stderr, "%s\n", outcome.informativeText.c_str());
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
    const Outcome check = style == Deliverable::windows
                              ? checkProjectName(record.projectName)
                              : validateShit(record.projectName, record.pluginName, record.fourCharProductID);
    if (!check.ok) {
        printOutcome(check);
        return 1;
    }

    // 8. The creation.
    const std::string templateFolder =
        options.templateFolder ? *options.templateFolder : programFolder + kHostSeparator + "PluginTemplate";
    CreationResult result;
    if (style == Deliverable::windows) {
        WindowsCreateOptions windows;
        windows.separator = kHostSeparator;
        result = makeProjectWindows(record, templateFolder, windows);
    } else {
        result = makeProjectMac(record, templateFolder);
    }
    if (!result.ok) {
        printOutcome(result);
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
