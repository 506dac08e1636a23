#include <functional>

#include <gtest/gtest.h>

#include <limits>

#include "coder/controlcheck.h"
#include "coder/paramcode.h"

using namespace zz;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const char* kIdEmpty = "The Control ID can not be empty.";
const char* kMaxMin = "The max value must be greater than the min value.";
const char* kDefault = "The default value must be between the min and max values.";
const char* kOutOfBounds = "Multi-string default index is out of bounds.";
const std::string kOnOffWin = "On-off string list must contain only two strings (e.g. ON, OFF)";
const std::string kMultiWin = "Multi-string list must contain at least two strings (e.g. A, B)";

// Message for the deliverable: the two list messages end with a full stop on macOS.
std::string forDeliverable(const std::string& message, Deliverable d)
{
    if (d == Deliverable::mac && (message == kOnOffWin || message == kMultiWin)) return message + ".";
    return message;
}

struct CheckCase {
    const char* name;
    std::function<void(Zizudavuveva&)> change;
    std::string message;  // empty: passes
};

}  // namespace

TEST(Checks, RulesInOrderForBothDeliverables)
{
    const CheckCase cases[] = {
        {"page defaults", [](Zizudavuveva&) {}, ""},
        // A blank identifier passes the page's rule, but is no expression.
        {"blank identifier", [](Zizudavuveva& r) { r.controlID = " "; }, "The Control ID \" \" is not a C++ expression."},
        {"empty identifier", [](Zizudavuveva& r) { r.controlID.clear(); }, kIdEmpty},
        {"identifier before range", [](Zizudavuveva& r) { r.controlID.clear(); r.minValue = 5; }, kIdEmpty},
        {"min equals max", [](Zizudavuveva& r) { r.minValue = r.maxValue = 1; }, kMaxMin},
        {"inverted range", [](Zizudavuveva& r) { r.minValue = 2; r.maxValue = 1; r.defValue = 9; }, kMaxMin},
        {"default at min", [](Zizudavuveva& r) { r.minValue = -1; r.defValue = -1; }, ""},
        {"default at max", [](Zizudavuveva& r) { r.defValue = 1; }, ""},
        {"default above", [](Zizudavuveva& r) { r.defValue = 1.5; }, kDefault},
        {"default below", [](Zizudavuveva& r) { r.defValue = -0.001; }, kDefault},
        {"continuous ignores lists", [](Zizudavuveva& r) { r.offOnStringList = r.multiStringList = ""; }, ""},
        {"switch OFF, ON", [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = "OFF, ON"; }, ""},
        {"switch ignores range", [](Zizudavuveva& r) { r.controlType = 1; r.minValue = 3; }, ""},
        {"switch one entry", [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = "OFF"; }, kOnOffWin},
        {"switch three", [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = "A,B,C"; }, kOnOffWin},
        {"switch final comma", [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = "A,B,"; }, kOnOffWin},
        {"switch empty list", [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = ""; }, kOnOffWin},
        {"multi index 2", [](Zizudavuveva& r) { r.controlType = 2; r.defaultMultiStringIndex = 2; }, ""},
        {"multi index 3", [](Zizudavuveva& r) { r.controlType = 2; r.defaultMultiStringIndex = 3; }, kOutOfBounds},
        {"multi wrapped -1",
         [](Zizudavuveva& r) { r.controlType = 2; r.defaultMultiStringIndex = 0xFFFFFFFFu; }, kOutOfBounds},
        {"multi empty entry",
         [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = "A,,B"; r.defaultMultiStringIndex = 1; },
         kOutOfBounds},
        {"multi empty list", [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = ""; }, kMultiWin},
        {"multi one entry", [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = "A"; }, kMultiWin},
        {"multi blank entry passes",
         [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = "A, ,B"; r.defaultMultiStringIndex = 1; }, ""},
        {"infinite max", [](Zizudavuveva& r) { r.maxValue = kInf; }, "The max value must be a finite number."},
        {"infinite min before range",
         [](Zizudavuveva& r) { r.minValue = -kInf; r.maxValue = -1; }, "The min value must be a finite number."},
        {"infinite default",
         [](Zizudavuveva& r) { r.defValue = kInf; r.maxValue = kInf; }, "The max value must be a finite number."},
        {"infinite default alone", [](Zizudavuveva& r) { r.defValue = -kInf; }, "The default value must be a finite number."},
        {"identifier before infinity", [](Zizudavuveva& r) { r.controlID.clear(); r.maxValue = kInf; }, kIdEmpty},
        {"switch ignores infinity", [](Zizudavuveva& r) { r.controlType = 1; r.maxValue = kInf; }, ""},
        {"infinite attack", [](Zizudavuveva& r) { r.controlType = 3; r.attackTime = kInf; }, "The attack time must be a finite number."},
        {"infinite release", [](Zizudavuveva& r) { r.controlType = 3; r.releaseTime = kInf; }, "The release time must be a finite number."},
        {"meter ignores everything",
         [](Zizudavuveva& r) {
             r.controlType = 3;
             r.minValue = 5;
             r.offOnStringList = r.multiStringList = "";
             r.attackTime = -1;
         },
         ""},
    };
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        for (const auto& c : cases) {
            Zizudavuveva r = windowsDefKontrol();
            c.change(r);
            const Zizudavuveva before = r;
            const Result result = validateShit(r, d);
            EXPECT_EQ(result.ok, c.message.empty()) << c.name;
            EXPECT_EQ(result.message, c.message.empty() ? "" : forDeliverable(c.message, d)) << c.name;
            EXPECT_EQ(r, before) << c.name;
        }
    }
}

TEST(Checks, MacDefaultsFailOnTheIdentifier)
{
    const Result result = validateShit(pageDefaults(Deliverable::mac), Deliverable::mac);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, kIdEmpty);
}

TEST(Checks, UnknownControlTypeFailsWithoutMessage)
{
    Zizudavuveva r = windowsDefKontrol();
    r.controlType = 4;
    const Result result = validateShit(r, Deliverable::windows);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "");
}

// What reaches the emitters after the checks is refused there, never written
// as "inf".
TEST(Checks, EmittersRefuseNumbersTheCheckDidNotSee)
{
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        Zizudavuveva r = windowsDefKontrol();
        r.enableParamSmoothing = true;
        r.smoothingTimeMsec = kInf;
        const CodeResult code = makeParameterCode(r, "", d);
        EXPECT_FALSE(code.ok);
        EXPECT_EQ(code.message, "The smoothing time must be a finite number.");
        r.controlType = 3;  // a meter writes no smoothing
        EXPECT_TRUE(makeParameterCode(r, "", d).ok);

        Zizudavuveva v = windowsDefKontrol();
        v.defValue = -kInf;
        const CodeResult declaration = makeBoundVarCode(v, d);
        EXPECT_FALSE(declaration.ok);
        EXPECT_EQ(declaration.message, "The default value must be a finite number.");
        v.controlType = 1;  // a switch declares its entry, not the value
        EXPECT_TRUE(makeBoundVarCode(v, d).ok);
    }
}

// After the page's rules, what the code needs to compile; one message per
// case, naming the field and, where it helps, the text.
TEST(Checks, CodeThatWouldNotCompileIsRefused)
{
    const std::string notExpression = " is not a C++ expression.";
    const std::string quote = " holds a double quote: write \\\" for one.";
    const std::string escape = ", which C++ does not know as an escape: write \\\\ for a backslash.";
    const CheckCase cases[] = {
        // The Control ID: an expression of names, numbers and operators.
        {"id name", [](Zizudavuveva& r) { r.controlID = "kGain"; }, ""},
        {"id qualified", [](Zizudavuveva& r) { r.controlID = "ControlID::bypass"; }, ""},
        {"id sum", [](Zizudavuveva& r) { r.controlID = " kBase + 3 "; }, ""},
        {"id cast", [](Zizudavuveva& r) { r.controlID = "static_cast<int>(Id::gain)"; }, ""},
        {"id numbers", [](Zizudavuveva& r) { r.controlID = "(-0x1F + 07 * 2u) / 'a' - 1'000 + int{0b1}"; }, ""},
        {"id call and member", [](Zizudavuveva& r) { r.controlID = "ids[2]->at(1, x ? 2 : 3).value"; }, ""},
        {"id beyond ascii", [](Zizudavuveva& r) { r.controlID = "k\xc3\xa4"; }, ""},
        {"id two names", [](Zizudavuveva& r) { r.controlID = "my id"; }, "The Control ID \"my id\"" + notExpression},
        {"id two arguments", [](Zizudavuveva& r) { r.controlID = "1, 2"; }, "The Control ID \"1, 2\"" + notExpression},
        {"id statement", [](Zizudavuveva& r) { r.controlID = "kGain;"; }, "The Control ID \"kGain;\"" + notExpression},
        {"id string", [](Zizudavuveva& r) { r.controlID = "\"1\""; }, "The Control ID \"\"1\"\"" + notExpression},
        {"id dangling operator", [](Zizudavuveva& r) { r.controlID = "1 +"; }, "The Control ID \"1 +\"" + notExpression},
        {"id open parenthesis", [](Zizudavuveva& r) { r.controlID = "(1"; }, "The Control ID \"(1\"" + notExpression},
        {"id closing parenthesis", [](Zizudavuveva& r) { r.controlID = "1)"; }, "The Control ID \"1)\"" + notExpression},
        {"id bad number", [](Zizudavuveva& r) { r.controlID = "08"; }, "The Control ID \"08\"" + notExpression},
        {"id bad suffix", [](Zizudavuveva& r) { r.controlID = "1abc"; }, "The Control ID \"1abc\"" + notExpression},
        {"id comment", [](Zizudavuveva& r) { r.controlID = "/* gain */ k$1"; }, ""},
        {"id open comment", [](Zizudavuveva& r) { r.controlID = "1 /* x"; }, "The Control ID \"1 /* x\"" + notExpression},
        {"id line comment", [](Zizudavuveva& r) { r.controlID = "1 // x"; }, "The Control ID \"1 // x\"" + notExpression},
        // Quoted texts: bodies of string literals; escapes typed on purpose stay.
        {"name escapes", [](Zizudavuveva& r) { r.controlName = "Say \\\"hi\\\" \\u00B5s \\x41\\101 \\\\ ??" "= */ ${X}"; }, ""},
        {"name quote", [](Zizudavuveva& r) { r.controlName = "Say \"hi\""; }, "The control name" + quote},
        {"name unknown escape", [](Zizudavuveva& r) { r.controlName = "Bob \\ Co"; }, "The control name holds \\ " + escape},
        {"name hex past 8 bits", [](Zizudavuveva& r) { r.controlName = "\\x41B"; }, "The control name holds \\x41B" + escape},
        {"name octal past 8 bits", [](Zizudavuveva& r) { r.controlName = "\\777"; }, "The control name holds \\777" + escape},
        {"name surrogate", [](Zizudavuveva& r) { r.controlName = "\\uD800"; }, "The control name holds \\uD800" + escape},
        {"name short universal name", [](Zizudavuveva& r) { r.controlName = "\\u12"; }, "The control name holds \\u12" + escape},
        {"name final backslash", [](Zizudavuveva& r) { r.controlName = "C:\\"; }, "The control name holds \\" + escape},
        {"name line break", [](Zizudavuveva& r) { r.controlName = "two\nlines"; }, "The control name must be one line."},
        {"units quote", [](Zizudavuveva& r) { r.controlUnits = "\""; }, "The control units" + quote},
        {"switch units not written", [](Zizudavuveva& r) { r.controlType = 1; r.controlUnits = "\""; }, ""},
        {"on-off list quote",
         [](Zizudavuveva& r) { r.controlType = 1; r.offOnStringList = "O\"FF, ON"; }, "The on-off string list" + quote},
        {"multi list escape",
         [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = "A\\q, B"; }, "The multi-string list holds \\q" + escape},
        {"multi list of odd names passes", [](Zizudavuveva& r) { r.controlType = 2; r.multiStringList = "-12 dB, 1x, int"; }, ""},
        // Lists the code names an item of.
        {"no value type", [](Zizudavuveva& r) { r.controlDataType = kNoSelection; }, "The value type must be one of the listed items."},
        {"no taper", [](Zizudavuveva& r) { r.controlTaper = 4; }, "The control taper must be one of the listed items."},
        {"no bound type", [](Zizudavuveva& r) { r.boundVarDataType = 7; }, "The bound variable type must be one of the listed items."},
        {"no bound type unbound", [](Zizudavuveva& r) { r.boundVarDataType = 7; r.enableVariableBinding = false; }, ""},
        {"no detector", [](Zizudavuveva& r) { r.controlType = 3; r.meterDetector = 3; }, "The meter detect mode must be one of the listed items."},
        {"no calibration", [](Zizudavuveva& r) { r.controlType = 3; r.meterCal = kNoSelection; }, "The meter calibration must be one of the listed items."},
        {"meter ignores taper", [](Zizudavuveva& r) { r.controlType = 3; r.controlTaper = 4; }, ""},
        // The bound variable, when bound.
        {"bound name beyond ascii", [](Zizudavuveva& r) { r.boundVariableName = "gr\xc3\xb6\xc3\x9f" "e\\u00B5"; }, ""},
        {"bound name universal name of ascii", [](Zizudavuveva& r) { r.boundVariableName = "a\\u0041"; },
         "The bound variable name \"a\\u0041\" is not a C++ identifier."},
        {"bound name empty", [](Zizudavuveva& r) { r.boundVariableName = ""; }, "The bound variable name can not be empty."},
        {"bound name blank", [](Zizudavuveva& r) { r.boundVariableName = "my var"; },
         "The bound variable name \"my var\" is not a C++ identifier."},
        {"bound name digit first", [](Zizudavuveva& r) { r.boundVariableName = "1x"; },
         "The bound variable name \"1x\" is not a C++ identifier."},
        {"bound name keyword", [](Zizudavuveva& r) { r.boundVariableName = "int"; },
         "The bound variable name \"int\" is a C++ keyword."},
        {"unbound name not looked at", [](Zizudavuveva& r) { r.boundVariableName = "int"; r.enableVariableBinding = false; }, ""},
        // The page's rules come first.
        {"page rule first", [](Zizudavuveva& r) { r.controlName = "\""; r.maxValue = -1; }, kMaxMin},
    };
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        for (const auto& c : cases) {
            Zizudavuveva r = windowsDefKontrol();
            c.change(r);
            const Result result = validateShit(r, d);
            EXPECT_EQ(result.ok, c.message.empty()) << c.name;
            EXPECT_EQ(result.message, c.message) << c.name;
        }
    }
}

// The declaration is refused where it would not compile: the variable's name,
// a switch's entries as the declaration writes them.
TEST(Checks, DeclarationsThatWouldNotCompileAreRefused)
{
    struct DeclarationCase {
        Deliverable deliverable;
        uint32_t controlType;
        const char* list;
        const char* name;
        std::string message;  // empty: declared
    } cases[] = {
        {Deliverable::windows, 0, "", "my var", "The bound variable name \"my var\" is not a C++ identifier."},
        {Deliverable::mac, 3, "", "for", "The bound variable name \"for\" is a C++ keyword."},
        {Deliverable::mac, 0, "", "", "The bound variable name can not be empty."},
        {Deliverable::windows, 2, "1x, 2x", "v", "The multi-string list entry \"1x\" is not a C++ identifier."},
        {Deliverable::mac, 2, "A,-12 dB", "v", "The multi-string list entry \"-12 dB\" is not a C++ identifier."},
        {Deliverable::windows, 2, "Slow, default", "v", "The multi-string list entry \"default\" is a C++ keyword."},
        {Deliverable::windows, 1, "ON, ON", "v", "The on-off string list entry \"ON\" is there twice."},
        {Deliverable::mac, 1, " ON ,ON", "v", "The on-off string list entry \"ON\" is there twice."},
        {Deliverable::mac, 2, "A, ,B", "v", "The multi-string list has an empty entry."},
        {Deliverable::windows, 1, "", "v", "The on-off string list has an empty entry."},
        {Deliverable::windows, 1, "A", "v", ""},             // { A,  }: a final comma
        {Deliverable::windows, 1, "OFF, ON, 1x", "v", ""},   // only the first two are written
        {Deliverable::mac, 1, "OFF, ON, 1x", "v", "The on-off string list entry \"1x\" is not a C++ identifier."},
        {Deliverable::mac, 2, "", "v", ""},                  // an enumeration without entries
        {Deliverable::mac, 2, "\xce\xb1, \xce\xb2,", "v", ""},
    };
    for (const auto& c : cases) {
        Zizudavuveva r = windowsDefKontrol();
        r.controlType = c.controlType;
        r.offOnStringList = r.multiStringList = c.list;
        r.boundVariableName = c.name;
        const CodeResult result = makeBoundVarCode(r, c.deliverable);
        EXPECT_EQ(result.ok, c.message.empty()) << c.list << " " << c.name;
        EXPECT_EQ(result.message, c.message) << c.list << " " << c.name;
    }
}

TEST(Checks, ACommentThatWouldEndEarlyIsRefused)
{
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        EXPECT_EQ(makeParameterCode(windowsDefKontrol(), "gain */ knob", d).message,
                  "The comment can not hold */, which would end it early.");
        EXPECT_TRUE(makeParameterCode(windowsDefKontrol(), "a * / b /* c \"d\" \\e", d).ok);
    }
}
