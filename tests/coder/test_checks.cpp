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
        {"blank identifier passes", [](Zizudavuveva& r) { r.controlID = " "; }, ""},
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
