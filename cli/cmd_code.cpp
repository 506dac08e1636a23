#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "coder/coderfields.h"
#include "coder/parametertable.h"
#include "commands.h"
#include "common/files.h"
#include "common/json.h"
#include "options.h"

// zizavizerovo code: the parameter code (or, with --var, the bound-variable
// declaration) of one control, described field by field as the user would
// type it into the style's control coder page.
namespace zz::cli {

namespace {

const char* kCodeUsage =
    "usage: zizavizerovo code [--style windows|macos] [--var] [--json] [--preset FILE.json]\n"
    "                         [--set FIELD=VALUE]... [--comment TEXT]\n"
    "       zizavizerovo code [--style windows|macos] [--var] [--json] --table FILE.json\n"
    "\n"
    "Prints the C++ code that creates and registers one plug-in parameter, after the\n"
    "checks the control coder page makes; with --var, the declaration of the bound\n"
    "variable instead (no checks). The description starts as the style's page shows\n"
    "it at start; --preset (a JSON object whose keys are field names) and then each\n"
    "--set in order change it. VALUE is what you would type into the field on the\n"
    "style's page and is read as that page reads it.\n"
    "\n"
    "Options:\n"
    "  --style windows|macos  whose page and code to follow (default: this host's)\n"
    "  --var                  print the bound-variable declaration\n"
    "  --json                 print a JSON array of the code fragments\n"
    "  --preset FILE.json     set fields from a JSON object\n"
    "  --set FIELD=VALUE      set one field (may be repeated)\n"
    "  --comment TEXT         the comment box's text (line breaks allowed)\n"
    "  --table FILE.json      a whole parameter table: a JSON array of objects, each a\n"
    "                         description as a preset gives it (commentString too), on top\n"
    "                         of the start values. Each entry is checked as the page checks\n"
    "                         it and no two may share a controlID; the first refused entry\n"
    "                         stops everything (\"entry N (NAME): ...\"). Prints each entry's\n"
    "                         code (or declaration), one empty line between; with --json\n"
    "                         an array of the entries' fragment arrays.\n"
    "  --help                 show this text\n"
    "\n"
    "Exit status: 0 code printed, 1 refused (the message goes to stderr), 2 usage error.\n"
    "\n"
    "Fields (windows / macos start value):\n";

// What a field takes, for --help; an enumeration the values its page offers.
std::string kindWord(const CoderFieldInfo& field)
{
    switch (field.kind) {
    case CoderFieldKind::text: return "text";
    case CoderFieldKind::decimal: return "decimal number";
    case CoderFieldKind::whole:
    case CoderFieldKind::precision: return "whole number";
    case CoderFieldKind::boolean: return "true/false/1/0";
    case CoderFieldKind::enumeration: break;
    }
    const std::string windows = "0.." + std::to_string(largestEnumValue(Deliverable::windows, field));
    const std::string mac = "0.." + std::to_string(largestEnumValue(Deliverable::mac, field));
    return "enumeration, " + (windows == mac ? windows : "windows " + windows + ", macos " + mac);
}

// The start value of a field as the page shows it, for --help.
std::string startValue(const Zizudavuveva& r, const CoderFieldInfo& field)
{
    if (field.kind == CoderFieldKind::text) return jsonString(r.*field.text);
    return shownCoderField(r, field);
}

void printHelp()
{
    std::string text = kCodeUsage;
    const Zizudavuveva win = pageDefaults(Deliverable::windows);
    const Zizudavuveva mac = pageDefaults(Deliverable::mac);
    for (const auto& field : coderFields()) {
        std::string line = "  ";
        line += field.name;
        line.resize(std::max<size_t>(line.size() + 1, 29), ' ');
        line += startValue(win, field) + " / " + startValue(mac, field);
        line += "  (" + kindWord(field) + ")\n";
        if (field.alias) line += "  " + std::string(field.alias) + "  (another name of " + field.name + ")\n";
        text += line;
    }
    text +=
        "\n"
        "controlType: 0 continuous, 1 on/off switch, 2 multi-position switch, 3 meter.\n"
        "controlDataType: 0 float, 1 double, 2 int.  controlTaper: 0 linear, 1 log, 2 anti-log,\n"
        "3 volt/octave.  boundVarDataType: 0 float, 1 double, 2 int, 3 unsigned int.\n"
        "meterDetector: 0 peak, 1 mean-square, 2 RMS.  meterCal: 0 linear, 1 logarithmic.\n";
    std::fputs(text.c_str(), stdout);
}

int usageError(const std::string& what)
{
    return cli::usageError("code", what);
}

// code --table: every entry's code, or the first refusal.
int runTable(const std::string& path, Deliverable style, bool wantVar, bool wantJson)
{
    ResultWith<std::vector<PresetFields>> table = readTable(files::realFileSystem(), path);
    if (!table) return usageError(table.detail);

    std::vector<Zizudavuveva> records;
    records.reserve(table.value.size());
    for (size_t n = 0; n < table.value.size(); ++n) {
        Zizudavuveva record = pageDefaults(style);
        if (const Result set = setCoderFields(record, style, table.value[n]); !set)
            return usageError("table " + path + ": entry " + std::to_string(n + 1) + ": " + set.detail);
        records.push_back(std::move(record));
    }

    const TableCode code = codeForTable(records, style, wantVar);
    if (!code) {
        writeText(stderr, code.message + "\n");
        return 1;
    }
    std::string out;
    if (wantJson) {
        out = "[";
        for (size_t n = 0; n < code.codes.size(); ++n) out += (n ? "," : "") + jsonArray(code.codes[n]);
        out += "]\n";
    } else {
        out = joinTableCode(code.codes);
    }
    writeText(stdout, out);
    return 0;
}

}  // namespace

int runCode(const Invocation& inv)
{
    Deliverable style = hostDeliverable();
    bool wantVar = false;
    bool wantJson = false;
    std::vector<std::string> presets;
    std::vector<Assignment> sets;
    std::optional<std::string> comment;
    std::optional<std::string> table;

    OptionScanner scan(inv.args);
    while (scan.next()) {
        if (scan.is("--help") || scan.is("-h")) {
            printHelp();
            return 0;
        }
        if (scan.is("--var") || scan.is("--json")) {
            if (!scan.flag()) return usageError(scan.name() + " takes no value");
            (scan.is("--var") ? wantVar : wantJson) = true;
            continue;
        }
        const bool known = scan.is("--style") || scan.is("--preset") || scan.is("--set") || scan.is("--comment") ||
                           scan.is("--table");
        if (!known) return usageError(unknownWordMessage(scan.word()));
        const std::string option = scan.name();
        const auto v = scan.value();
        if (!v) return usageError(option + " needs a value");
        if (option == "--style") {
            const auto parsed = parseStyle(*v);
            if (!parsed) return usageError("unknown style '" + *v + "' (windows or macos)");
            style = *parsed;
        } else if (option == "--preset") {
            presets.push_back(*v);
        } else if (option == "--set") {
            const auto a = parseAssignment(*v);
            if (!a) return usageError("--set needs FIELD=VALUE, not '" + *v + "'");
            sets.push_back(*a);
        } else if (option == "--table") {
            table = *v;
        } else {
            comment = *v;
        }
    }
    if (table) {
        if (!presets.empty() || !sets.empty() || comment)
            return usageError("--table describes every parameter itself: it takes no --preset, --set or --comment");
        return runTable(*table, style, wantVar, wantJson);
    }

    Zizudavuveva record = pageDefaults(style);
    for (const auto& path : presets) {
        const ResultWith<PresetFields> preset = readPreset(files::realFileSystem(), path);
        if (!preset) return usageError(preset.detail);
        if (const Result set = setCoderFields(record, style, preset.value); !set)
            return usageError("preset " + path + ": " + set.detail);
    }
    if (const Result set = setCoderFields(record, style, sets); !set) return usageError(set.detail);
    if (comment) record.commentString = *comment;

    const CodeResult result = codeFor(record, style, wantVar);
    if (!result) {
        writeText(stderr, refusalText(result) + "\n");
        return 1;
    }

    if (wantJson) {
        writeText(stdout, jsonArray(result.fragments) + "\n");
    } else {
        writeText(stdout, fragmentsAsText(result.fragments));
    }
    return 0;
}

}  // namespace zz::cli
