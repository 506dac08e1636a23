#include "coder/controlcheck.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <vector>

#include "common/text.h"
#include "cppsyntax.h"

namespace zz {

namespace {

// "The control taper must be one of the listed items." for a value whose
// identifier text is empty (a combo box without a selection).
Result chosen(const std::string& identifier, const char* what, const char* field)
{
    if (!identifier.empty()) return Result::success();
    return Result::refusal("The " + std::string(what) + " must be one of the listed items.", field);
}

Result quotable(const char* what, const std::string& text, const char* field)
{
    const std::string message = literalMessage(what, text);
    return message.empty() ? Result::success() : Result::refusal(message, field);
}

// What the generated code needs to compile, for a record that passed the
// page's rules.
Result checkCompiles(const Zizudavuveva& r)
{
    if (!cpp::isExpression(r.controlID))
        return Result::refusal("The Control ID \"" + r.controlID + "\" is not a C++ expression.", "controlID");
    Result check = quotable("control name", r.controlName, "controlName");
    switch (r.controlType) {
    case controltype::continuous:
        if (check) check = quotable("control units", r.controlUnits, "controlUnits");
        if (check) check = chosen(stringForControlDataType(r), "value type", "controlDataType");
        if (check) check = chosen(stringForControlTaper(r), "control taper", "controlTaper");
        if (check && r.enableVariableBinding)
            check = chosen(stringForBoundVarType(r), "bound variable type", "boundVarDataType");
        break;
    case controltype::onOffSwitch:
        if (check) check = quotable("on-off string list", r.offOnStringList, "offOnStringList");
        break;
    case controltype::multiSwitch:
        if (check) check = quotable("multi-string list", r.multiStringList, "multiStringList");
        break;
    default:  // meter
        if (check) check = chosen(stringForDetectorType(r), "meter detect mode", "meterDetector");
        if (check) check = chosen(stringForMeterCal(r), "meter calibration", "meterCal");
        break;
    }
    if (check && r.enableVariableBinding) check = checkBoundVariableName(r.boundVariableName);
    return check;
}

}  // namespace

std::string literalMessage(std::string_view what, std::string_view text)
{
    const cpp::LiteralFault fault = cpp::literalFault(text);
    const std::string the = "The " + std::string(what);
    switch (fault.kind) {
    case cpp::LiteralFault::none: return {};
    case cpp::LiteralFault::lineBreak: return the + " must be one line.";
    case cpp::LiteralFault::quote: return the + " holds a double quote: write \\\" for one.";
    case cpp::LiteralFault::escape: break;
    }
    return the + " holds " + fault.piece + ", which C++ does not know as an escape: write \\\\ for a backslash.";
}

Result checkBoundVariableName(const std::string& name)
{
    const char* field = "boundVariableName";
    if (name.empty()) return Result::refusal("The bound variable name can not be empty.", field);
    if (!cpp::isIdentifier(name))
        return Result::refusal("The bound variable name \"" + name + "\" is not a C++ identifier.", field);
    if (cpp::isKeyword(name)) return Result::refusal("The bound variable name \"" + name + "\" is a C++ keyword.", field);
    return Result::success();
}

Result checkSwitchEntries(const Zizudavuveva& r, Deliverable deliverable)
{
    return checkSwitchEntries(r, switchEntries(r, deliverable));
}

Result checkSwitchEntries(const Zizudavuveva& r, std::vector<std::string_view> entries)
{
    const bool onOff = r.controlType == controltype::onOffSwitch;
    const char* what = onOff ? "on-off string list" : "multi-string list";
    const char* field = onOff ? "offOnStringList" : "multiStringList";
    // A final empty entry leaves a final comma, which C++ takes; a body of
    // nothing is an enumeration without entries.
    if (!entries.empty() && entries.back().empty()) entries.pop_back();
    const auto refused = [&](std::string_view entry, const char* why) {
        const std::string the = "The " + std::string(what);
        if (entry.empty()) return Result::refusal(the + " has an empty entry.", field);
        return Result::refusal(the + " entry \"" + std::string(entry) + "\" " + why, field);
    };
    std::unordered_set<std::string_view> seen;
    seen.reserve(entries.size());
    for (const std::string_view entry : entries) {
        if (entry.empty()) return refused(entry, "");
        if (!cpp::isIdentifier(entry)) return refused(entry, "is not a C++ identifier.");
        if (cpp::isKeyword(entry)) return refused(entry, "is a C++ keyword.");
        if (!seen.insert(entry).second) return refused(entry, "is there twice.");
    }
    return Result::success();
}

Result checkComment(std::string_view comment)
{
    if (comment.find("*/") == std::string_view::npos) return Result::success();
    return Result::refusal("The comment can not hold */, which would end it early.", "commentString");
}

std::string notFiniteMessage(std::string_view what)
{
    return "The " + std::string(what) + " must be a finite number.";
}

namespace {

// The page's rules.
Result pageRules(const Zizudavuveva& r, Deliverable deliverable)
{
    // The two list messages end with a full stop on macOS only.
    const char* stop = deliverable == Deliverable::mac ? "." : "";

    if (r.controlID.empty()) return Result::refusal("The Control ID can not be empty.");

    switch (r.controlType) {
    case controltype::continuous:
        if (!std::isfinite(r.minValue)) return Result::refusal(notFiniteMessage("min value"));
        if (!std::isfinite(r.maxValue)) return Result::refusal(notFiniteMessage("max value"));
        if (!std::isfinite(r.defValue)) return Result::refusal(notFiniteMessage("default value"));
        if (r.maxValue <= r.minValue) return Result::refusal("The max value must be greater than the min value.");
        if (r.defValue > r.maxValue || r.defValue < r.minValue)
            return Result::refusal("The default value must be between the min and max values.");
        return Result::success();
    case controltype::onOffSwitch:
        if (getNumEnums(deliverable, r.offOnStringList) != 2)
            return Result::refusal(std::string("On-off string list must contain only two strings (e.g. ON, OFF)") +
                                       stop);
        return Result::success();
    case controltype::multiSwitch:
        if (getNumEnums(deliverable, r.multiStringList) < 2)
            return Result::refusal(std::string("Multi-string list must contain at least two strings (e.g. A, B)") +
                                       stop);
        if (getEnumString(r.multiStringList, r.defaultMultiStringIndex).empty())
            return Result::refusal("Multi-string default index is out of bounds.");
        return Result::success();
    case controltype::meter:
        if (!std::isfinite(r.attackTime)) return Result::refusal(notFiniteMessage("attack time"));
        if (!std::isfinite(r.releaseTime)) return Result::refusal(notFiniteMessage("release time"));
        return Result::success();
    default:
        return Result::refusal(std::string());
    }
}

}  // namespace

Result validateShit(const Zizudavuveva& r, Deliverable deliverable)
{
    const Result rules = pageRules(r, deliverable);
    return rules ? checkCompiles(r) : rules;
}

}  // namespace zz
