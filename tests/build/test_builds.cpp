// Every output the tool makes without a refusal builds. Records drawn at
// random, in both styles, with texts made of quotes, backslashes, escapes,
// "*/", CMake variable references, ";", brackets, letters beyond ASCII and
// names that are no C++ names:
// - parameter code and declarations compile with the host compiler against
//   pluginparameter.h (a stand-in for the framework's parameter API), all of
//   them in one translation unit;
// - projects made from the bundled template configure with CMake, all of
//   them in one run, and their description headers compile in one program
//   that prints their texts back, which must be the texts typed;
// - a refusal carries one of the checks' messages, and refused parameter code
//   would indeed not compile.
//
//   ZZ_BUILDS_SEED=n    draws with another seed (the default is fixed)
//   ZZ_BUILDS_CASES=n   records drawn per style for the code (default 1500);
//                       a tenth as many projects
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "coder/controlcheck.h"
#include "coder/paramcode.h"
#include "common/text.h"
#include "project/markers.h"
#include "project/projectchecks.h"
#include "runprogram.h"
#include "tempfolder.h"

using namespace zz;
using zz::testing::Command;
using Outcome = zz::testing::Finished;

namespace {

unsigned envNumber(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

const unsigned kSeed = envNumber("ZZ_BUILDS_SEED", 20261209);
const unsigned kCases = envNumber("ZZ_BUILDS_CASES", 1500);

const char* styleName(Deliverable d) { return d == Deliverable::windows ? "windows" : "macos"; }

// ---- Drawing ------------------------------------------------------------------------

// Words a user types, names among them.
const char* const kWords[] = {"Gain", "Mix", "Drive", "dB", "ms", "A", "Slow", "Fast", "level_1", "_x", "k$",
                              "Gr\xc3\xbc\xc3\x9f" "e", "\xce\xb1\xce\xb2", "\xe6\x97\xa5\xe6\x9c\xac", "OFF", "ON"};

// Pieces that break one kind of output or another when written as typed.
const char* const kHostile[] = {
    "\"",      "\\",       "\\\"",      "\\\\",     "\\n",      "\\u00B5", "\\x41",  "\\101",   "\\q",
    "\\x41B",  "\\uD800",  "\\777",     "*/",       "/*",       "//",      "${PATH}", "$ENV{HOME}", "$CACHE{X}",
    "$",       ";",        "(",         ")",        "#",        "[[",      "]]",     "[=[",     "]=]",
    "'",       "??" "=",   "@ZZ_VENDOR_NAME@", "1x", "int",     "default", "-12 dB", " ",       ",",
    "\n",      "\r\n",     "\t",        "\x01",     "\xc2\x85", "\xf0\x9f\x98\x80", "\xff", "\\;", "\\$",
    "$$$VENDOR_NAME$$$", "?",
};

// Control IDs the prelude of the code declares, and ones that are no
// expression.
const char* const kGoodIds[] = {"0",   "1",          "42",    "kGain", "kBypass", "ControlID::bypass", "kBase + 3",
                                "(kGain)", "-1", "0x10", "'a'", " 7 ", "static_cast<int>(Scoped::gain)",
                                "k$", "\xce\xb1Id", "/* gain */ kGain", "kGain\n", "{1}", "int{1'000}"};
const char* const kBadIds[] = {"", " ", "my id", "1, 2", "kGain;", "\"1\"", "1 +", "(1", "1)", "08", "1abc",
                               "1 /* x", "a\tb", "#1", "1 // x", "kGain kBypass", "{1"};

const char* const kPrelude =
    "#include \"pluginparameter.h\"\n"
    "enum ControlIDs { kGain, kBypass, kBase = 10, k$ = 20, \xce\xb1Id = 21 };\n"
    "namespace ControlID { enum { bypass = 3 }; }\n"
    "enum class Scoped { gain = 4 };\n";

class Draw {
public:
    explicit Draw(unsigned seed) : rng_(seed) {}

    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    template <size_t N>
    const char* pick(const char* const (&list)[N])
    {
        return list[below(N)];
    }

    // An ordinary word half of the time, otherwise up to four pieces.
    std::string text()
    {
        if (chance(0.5)) return pick(kWords);
        std::string t;
        for (size_t n = below(4) + 1; n > 0; --n) t += chance(0.4) ? pick(kWords) : pick(kHostile);
        return t;
    }

    // A comma-separated list of `entries` entries, mostly names.
    std::string list(size_t entries)
    {
        std::string l;
        for (size_t i = 0; i < entries; ++i) {
            if (i) l += chance(0.5) ? ", " : ",";
            l += chance(0.7) ? pick(kWords) : text();
        }
        return l;
    }

    std::string controlID()
    {
        if (chance(0.15)) return pick(kBadIds);
        if (chance(0.15)) return std::string(pick(kGoodIds)) + (chance(0.5) ? " + " : " * ") + pick(kGoodIds);
        return pick(kGoodIds);
    }

    double number() { return std::uniform_real_distribution<double>(-1000, 1000)(rng_); }

private:
    std::mt19937 rng_;
};

Zizudavuveva drawControl(Draw& d, Deliverable style, std::string& comment)
{
    Zizudavuveva r = pageDefaults(style);
    r.controlType = static_cast<uint32_t>(d.below(4));
    r.controlID = d.controlID();
    r.controlName = d.text();
    r.controlUnits = d.text();
    r.offOnStringList = d.list(d.chance(0.8) ? 2 : d.below(4));
    r.multiStringList = d.list(d.below(5) + 1);
    r.defaultMultiStringIndex = static_cast<uint32_t>(d.below(4));
    r.onfOffDefOFF = d.chance(0.5);
    r.boundVariableName = d.chance(0.6) ? std::string(d.pick(kWords)) : d.text();
    r.enableVariableBinding = d.chance(0.6);
    r.includePIParamDeclaration = d.chance(0.3);
    r.enableParamSmoothing = d.chance(0.3);
    r.smoothingTimeMsec = std::abs(d.number());
    r.minValue = d.number();
    r.maxValue = r.minValue + std::abs(d.number()) + (d.chance(0.05) ? -2000 : 0.5);
    r.defValue = d.chance(0.95) ? r.minValue + (r.maxValue - r.minValue) / 3 : r.maxValue + 1;
    r.attackTime = std::abs(d.number());
    r.releaseTime = std::abs(d.number());
    const auto item = [&](size_t count) { return d.chance(0.05) ? kNoSelection : static_cast<uint32_t>(d.below(count)); };
    r.controlDataType = item(6);
    r.controlTaper = item(4);
    r.boundVarDataType = item(4);
    r.meterDetector = item(3);
    r.meterCal = item(2);
    r.invertedMeter = d.chance(0.5);
    r.proToolsGainMeter = d.chance(0.5);
    comment = d.chance(0.3) ? d.text() : "";
    r.commentString = comment;
    return r;
}

// ---- Refusals ---------------------------------------------------------------------

// Whether `text` has the shape of `pattern`, where "%" stands for any text.
bool matches(const std::string& pattern, const std::string& text)
{
    const size_t gap = pattern.find('%');
    if (gap == std::string::npos) return pattern == text;
    if (text.compare(0, gap, pattern, 0, gap) != 0) return false;
    const std::string rest = pattern.substr(gap + 1);
    for (size_t at = gap; at <= text.size(); ++at)
        if (matches(rest, text.substr(at))) return true;
    return false;
}

// The messages the checks give, "%" for a field's words or a typed text.
const std::vector<std::string> kMessages = {
    // The pages' own rules.
    "The Control ID can not be empty.",
    "The max value must be greater than the min value.",
    "The default value must be between the min and max values.",
    "On-off string list must contain only two strings (e.g. ON, OFF)%",
    "Multi-string list must contain at least two strings (e.g. A, B)%",
    "Multi-string default index is out of bounds.",
    "Variable binding is not enabled.",
    // What the code needs to compile.
    "The Control ID \"%\" is not a C++ expression.",
    "The % must be one line.",
    "The % holds a double quote: write \\\" for one.",
    "The % holds \\%, which C++ does not know as an escape: write \\\\ for a backslash.",
    "The % must be one of the listed items.",
    "The bound variable name can not be empty.",
    "The bound variable name \"%\" is not a C++ identifier.",
    "The bound variable name \"%\" is a C++ keyword.",
    "The % entry \"%\" is not a C++ identifier.",
    "The % entry \"%\" is a C++ keyword.",
    "The % entry \"%\" is there twice.",
    "The % has an empty entry.",
    "The comment can not hold */, which would end it early.",
    // The project file.
    "The % must be one line without control characters.",
};

// The pattern of kMessages that a message has; empty for none.
std::string shapeOf(const std::string& message)
{
    for (const std::string& m : kMessages)
        if (matches(m, message)) return m;
    return {};
}

// ---- Compiling ------------------------------------------------------------------------

std::string compiler() { return ZZ_CXX; }

Outcome compile(const std::string& file, const std::vector<std::string>& flags)
{
    std::vector<std::string> args = flags;
    args.insert(args.end(), {"-I", std::string(ZZ_SOURCE_DIR) + "/tests/build", file});
    Command command{compiler(), args};
    command.deadline = std::chrono::seconds(240);
    return zz::testing::runProgram(command);
}

// The lines of a compiler's output that report an error, by line number of
// `file`.
std::set<size_t> errorLines(const std::string& err, const std::string& file)
{
    std::set<size_t> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(file + ":", 0) != 0 || line.find(": error:") == std::string::npos) continue;
        lines.insert(std::strtoul(line.c_str() + file.size() + 1, nullptr, 10));
    }
    return lines;
}

size_t lineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

// The fragments as a text to paste: the Windows clipboard joins them, macOS
// pastes one item after the other on lines of their own.
std::string pasted(const Fragments& fragments, Deliverable style)
{
    if (style == Deliverable::windows) return joinFragments(fragments);
    std::string text;
    for (const std::string& f : fragments) text += f + "\n";
    return text;
}

std::string describe(const Zizudavuveva& r, const std::string& comment)
{
    std::ostringstream out;
    out << "type " << r.controlType << ", id [" << r.controlID << "], name [" << r.controlName << "], units ["
        << r.controlUnits << "], on-off [" << r.offOnStringList << "], multi [" << r.multiStringList << "], bound "
        << r.enableVariableBinding << " [" << r.boundVariableName << "], comment [" << comment << "]";
    return out.str();
}

struct Snippet {
    std::string what;  // the case, for a failure's message
    std::string code;  // a class of its own
};

}  // namespace

// Parameter code and declarations: what is accepted compiles, what is refused
// says why in one of the checks' messages.
TEST(Builds, GeneratedCodeCompiles)
{
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " (ZZ_BUILDS_SEED)");
    Draw draw(kSeed);
    TempFolder folder;
    std::vector<Snippet> snippets;
    std::vector<Snippet> refusedCode;
    std::map<std::string, size_t> refusalsByShape;
    size_t accepted = 0;
    size_t refused = 0;

    for (const Deliverable style : {Deliverable::windows, Deliverable::mac}) {
        for (unsigned n = 0; n < kCases; ++n) {
            std::string comment;
            const Zizudavuveva r = drawControl(draw, style, comment);
            const std::string what = std::string(styleName(style)) + " " + describe(r, comment);
            const std::string name = "Case" + std::to_string(snippets.size());

            const Result check = validateShit(r, style);
            const CodeResult code = check ? makeParameterCode(r, comment, style) : CodeResult::refusal(check.message);
            const CodeResult declaration = makeBoundVarCode(r, style);
            for (const CodeResult* result : {&code, &declaration}) {
                if (result->ok) {
                    ++accepted;
                    continue;
                }
                ++refused;
                if (r.controlType <= controltype::meter) {
                    EXPECT_NE(shapeOf(result->message), "") << result->message << "\n" << what;
                }
            }

            // Refused by a check of what compiles: the code as it would be,
            // compiled strictly on its own, must fail (but a stray double
            // quote may join two literals, a comment may reopen itself, and a
            // name with white space around it is no identifier, though a
            // compiler takes the blanks).
            const bool blanksAround = trimWhiteSpace(r.boundVariableName).size() != r.boundVariableName.size();
            if (!check && r.controlType <= controltype::meter && !blanksAround) {
                const std::string shape = shapeOf(check.message);
                const CodeResult unchecked = makeParameterCode(r, "", style);
                const bool fromCompileChecks = matches("The Control ID \"%", check.message) ||
                                               matches("The % must be one %", check.message) ||
                                               matches("The % holds \\%", check.message) ||
                                               matches("The bound variable %", check.message);
                if (fromCompileChecks && unchecked.ok && refusalsByShape[shape]++ < 4)
                    refusedCode.push_back({what + "\nrefused: " + check.message,
                                           std::string(kPrelude) + "struct " + name + " : PluginBase {\n\tint " +
                                               r.boundVariableName + ";\n\tvoid initPluginParameters()\n\t{\n" +
                                               "\t\tPluginParameter* piParam = nullptr;\n" +
                                               pasted(unchecked.fragments, style) + "\t}\n};\n"});
            }

            if (!code.ok && !declaration.ok) continue;
            std::string body = "struct " + name + " : PluginBase {\n";
            if (declaration.ok) body += pasted(declaration.fragments, style);
            else if (code.ok && r.enableVariableBinding) body += "\tint " + r.boundVariableName + " = 0;\n";
            body += "\tvoid initPluginParameters()\n\t{\n\t\tPluginParameter* piParam = nullptr;\n\t\t(void)piParam;\n";
            if (code.ok) body += "\t\t{\n" + pasted(code.fragments, style) + "\t\t}\n";
            body += "\t}\n};\n";
            snippets.push_back({what, body});
        }
    }
    // The draws reach both sides of every check.
    EXPECT_GT(accepted, kCases / 2);
    EXPECT_GT(refused, kCases / 4);

    // Everything accepted, in one translation unit.
    std::string unit = kPrelude;
    std::vector<size_t> firstLine;
    for (const Snippet& s : snippets) {
        firstLine.push_back(lineCount(unit) + 1);
        unit += s.code;
    }
    const std::string file = folder / "accepted.cpp";
    writeBytes(file, unit);
    const Outcome run = compile(file, {"-std=c++17", "-fsyntax-only", "-Wall", "-Wextra"});
    ASSERT_FALSE(run.timedOut) << run;
    if (run.exitCode != 0) {
        size_t shown = 0;
        for (const size_t line : errorLines(run.err, file)) {
            const size_t at = static_cast<size_t>(std::upper_bound(firstLine.begin(), firstLine.end(), line) -
                                                  firstLine.begin());
            if (at == 0 || shown++ >= 5) continue;
            ADD_FAILURE() << "does not compile (line " << line << "): " << snippets[at - 1].what << "\n"
                          << snippets[at - 1].code;
        }
        FAIL() << run.err.substr(0, 4000);
    }

    // Refused code would not have compiled.
    for (size_t i = 0; i < refusedCode.size(); ++i) {
        const std::string one = folder / ("refused" + std::to_string(i) + ".cpp");
        writeBytes(one, refusedCode[i].code);
        const Outcome strict = compile(one, {"-std=c++20", "-fsyntax-only", "-pedantic-errors"});
        ASSERT_FALSE(strict.timedOut) << strict;
        EXPECT_NE(strict.exitCode, 0) << "refused, yet it compiles: " << refusedCode[i].what << "\n"
                                      << refusedCode[i].code;
    }
    EXPECT_GT(refusedCode.size(), 8u);
}

namespace {

// The texts a project's description header holds, in its order, with the
// record's fields they come from.
struct HeaderText {
    const char* name;
    std::string ZezureProject::*field;
};
const HeaderText kHeaderTexts[] = {
    {"projectName", &ZezureProject::projectName},        {"pluginName", &ZezureProject::pluginName},
    {"vendorName", &ZezureProject::vendorName},          {"vendorURL", &ZezureProject::vendorURL},
    {"vendorEmail", &ZezureProject::vendorEmail},        {"fourCharCode", &ZezureProject::fourCharProductID},
    {"fourCharManufacturer", &ZezureProject::fourCharVendorID}, {"fourCharAAXID", &ZezureProject::fourCharProductID},
};

std::string hex(const std::string& text)
{
    static const char* const digits = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : text) out += {digits[c >> 4], digits[c & 15]};
    return out;
}

ZezureProject drawProject(Draw& d, Deliverable style)
{
    ZezureProject p = makeDefaultProject(style, "/opt/zezure");
    do p.projectName = std::string(d.pick(kWords)) + (d.chance(0.7) ? d.text() : "");
    while (p.projectName.find("$$$") != std::string::npos);
    for (std::string ZezureProject::*field : {&ZezureProject::pluginName, &ZezureProject::vendorName,
                                              &ZezureProject::vendorURL, &ZezureProject::vendorEmail,
                                              &ZezureProject::fourCharProductID, &ZezureProject::fourCharVendorID})
        do {
            // A marker's text in a value is the next marker's to replace.
            p.*field = d.chance(0.2) ? "" : d.text();
        } while ((p.*field).find("$$$") != std::string::npos);
    p.universalAPI = d.chance(0.5);
    p.makeAAX = d.chance(0.5);
    p.makeAU = d.chance(0.5);
    p.makeVST = d.chance(0.5);
    p.synthPlugin = d.chance(0.5);
    p.processFrames = d.chance(0.3);
    p.blockSize = static_cast<uint32_t>(d.below(3) * 64);
    p.latencyInSamples = static_cast<uint32_t>(d.below(100000));
    p.tailTimeMsec = std::abs(d.number());
    p.aaxCagtegory = kAaxCategories[d.below(std::size(kAaxCategories))].code;
    return p;
}

}  // namespace

// Projects made from the bundled template: what is accepted configures with
// CMake and its description header gives back exactly the typed texts.
TEST(Builds, CreatedProjectsConfigureAndReadBack)
{
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " (ZZ_BUILDS_SEED)");
    const std::string templ = std::string(ZZ_SOURCE_DIR) + "/templates/PluginTemplate/";
    const std::string code = readBytes(templ + "CMakeLists.txt");
    const std::string header = readBytes(templ + "source/plugindescription.h.in");
    ASSERT_FALSE(code.empty());
    ASSERT_FALSE(header.empty());

    Draw draw(kSeed + 1);
    TempFolder folder;
    std::vector<ZezureProject> made;
    std::vector<std::string> what;
    std::string batch = "cmake_minimum_required(VERSION 3.16)\nproject(Batch LANGUAGES NONE)\n";
    size_t refused = 0;
    for (const Deliverable style : {Deliverable::windows, Deliverable::mac}) {
        for (unsigned n = 0; n < kCases / 10; ++n) {
            const ZezureProject p = drawProject(draw, style);
            const Result names = style == Deliverable::windows
                                     ? checkProjectName(p.projectName)
                                     : validateShit(p.projectName, p.pluginName, p.fourCharProductID);
            if (!names) continue;  // the page's own name checks
            const Result check = checkMarkerValues(style, p, code);
            if (!check) {
                ++refused;
                EXPECT_EQ(shapeOf(check.message), "The % must be one line without control characters.")
                    << check.message;
                continue;
            }
            std::string text = code;
            replaceMarkers(style, text, p);
            const std::string sub = "p" + std::to_string(made.size());
            writeBytes(folder / (sub + "/CMakeLists.txt"), text);
            writeBytes(folder / (sub + "/source/plugindescription.h.in"), header);
            batch += "add_subdirectory(" + sub + ")\n";
            made.push_back(p);
            std::string texts;
            for (const HeaderText& t : kHeaderTexts) texts += std::string(" ") + t.name + "=[" + p.*t.field + "]";
            what.push_back(std::string(styleName(style)) + texts);
        }
    }
    EXPECT_GT(made.size(), kCases / 20);
    EXPECT_GT(refused, 0u);

    // All projects configured in one run of CMake; when that fails, each on
    // its own tells which.
    writeBytes(folder / "CMakeLists.txt", batch);
    Command configure{"cmake", {"-S", folder.str(), "-B", folder / "build"}};
    configure.deadline = std::chrono::seconds(240);
    const Outcome configured = zz::testing::runProgram(configure);
    ASSERT_FALSE(configured.timedOut) << configured;
    if (configured.exitCode != 0) {
        size_t shown = 0;
        for (size_t i = 0; i < made.size() && shown < 5; ++i) {
            const std::string sub = folder / ("p" + std::to_string(i));
            const Outcome one = zz::testing::runProgram(Command{"cmake", {"-S", sub, "-B", sub + "/build"}});
            if (one.exitCode == 0) continue;
            ++shown;
            ADD_FAILURE() << "does not configure: " << what[i] << "\n" << one.err.substr(0, 2000);
        }
        FAIL() << configured.err.substr(0, 4000);
    }

    // Every description header in one program that prints their texts.
    std::string reader = "#include <cstdio>\n";
    for (size_t i = 0; i < made.size(); ++i)
        reader += "namespace p" + std::to_string(i) + " {\n#include \"" + folder / ("build/p" + std::to_string(i)) +
                  "/generated/plugindescription.h\"\n}\n";
    reader += "static void put(const char* s)\n{\n    for (; *s; ++s) std::printf(\"%02x\", static_cast<unsigned char>(*s));\n"
              "    std::printf(\"\\n\");\n}\nint main()\n{\n";
    for (size_t i = 0; i < made.size(); ++i)
        for (const HeaderText& t : kHeaderTexts)
            reader += "    put(p" + std::to_string(i) + "::PluginDescription::" + t.name + ");\n";
    reader += "}\n";
    writeBytes(folder / "reader.cpp", reader);
    const Outcome built = zz::testing::runProgram(
        Command{compiler(), {"-std=c++17", "-Wall", "-Wextra", "-Werror", "-o", folder / "reader", folder / "reader.cpp"}});
    ASSERT_EQ(built.exitCode, 0) << built.err.substr(0, 4000);
    const Outcome read = zz::testing::runProgram(Command{folder / "reader"});
    ASSERT_EQ(read.exitCode, 0) << read;

    std::istringstream lines(read.out);
    for (size_t i = 0; i < made.size(); ++i) {
        for (const HeaderText& t : kHeaderTexts) {
            std::string line;
            std::getline(lines, line);
            EXPECT_EQ(line, hex(made[i].*t.field)) << t.name << " of " << what[i];
        }
    }
}
