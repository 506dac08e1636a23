#include "coder/paramcode.h"

#include <cmath>
#include <cstdint>

#include "coder/controlcheck.h"
#include "common/numtext.h"

namespace zz {

namespace {

using numtext::fixed;

// Windows comment block: continuation lines are indented by a tab after each
// line feed (a carriage return before the line feed stays where it is).
std::string indentContinuationLines(std::string_view comment)
{
    std::string out;
    out.reserve(comment.size() + 8);
    for (char c : comment) {
        out += c;
        if (c == '\n') out += '\t';
    }
    return out;
}

std::string constructorLine(const Zizudavuveva& r, const char* end)
{
    std::string line = "\tpiParam = new PluginParameter(" + r.controlID + ", " + makeQuoted(r.controlName) + ", ";
    switch (r.controlType) {
    case controltype::continuous:
        line += makeQuoted(r.controlUnits) + ", " + stringForControlDataType(r) + ", " + fixed(r.minValue, 6) + ", " +
                fixed(r.maxValue, 6) + ", " + fixed(r.defValue, 6) + ", " + stringForControlTaper(r);
        break;
    case controltype::onOffSwitch:
        line += makeQuoted(r.offOnStringList) + ", " +
                makeQuoted(getEnumString(r.offOnStringList, r.onfOffDefOFF ? 0 : 1));
        break;
    case controltype::multiSwitch:
        line += makeQuoted(r.multiStringList) + ", " +
                makeQuoted(getEnumString(r.multiStringList, r.defaultMultiStringIndex));
        break;
    default:  // meter
        line += fixed(r.attackTime, 2) + ", " + fixed(r.releaseTime, 2) + ", " + stringForDetectorType(r) + ", " +
                stringForMeterCal(r);
        break;
    }
    return line + end;
}

// The bound type named in setBoundVariable: switches bind an int and meters
// a float, whatever the record's data type says.
std::string boundTypeIdentifier(const Zizudavuveva& r)
{
    switch (r.controlType) {
    case controltype::continuous: return stringForBoundVarType(r);
    case controltype::meter: return "boundVariableType::kFloat";
    default: return "boundVariableType::kInt";
    }
}

// "%d" of a value cut toward zero; values past the int range stop at its ends
// (a plain conversion would be undefined there), NaN gives 0.
std::string truncatedInt(double value)
{
    if (std::isnan(value)) return "0";
    if (value <= static_cast<double>(INT32_MIN)) return std::to_string(INT32_MIN);
    if (value >= static_cast<double>(INT32_MAX)) return std::to_string(INT32_MAX);
    return std::to_string(static_cast<int32_t>(value));
}

std::string continuousDeclaration(const Zizudavuveva& r, bool windows)
{
    const std::string& n = r.boundVariableName;
    const int decimals = windows ? 8 : 6;
    switch (r.boundVarDataType) {
    case boundvartype::floatType: return "\tfloat " + n + " = " + fixed(r.defValue, decimals) + ";\n";
    case boundvartype::intType:
        return "\tint " + n + " = " + (windows ? fixed(r.defValue, 8) : truncatedInt(r.defValue)) + ";\n";
    case boundvartype::unsignedInt:
        return "\tunsigned int " + n + " = " + numtext::unsignedText(numtext::truncToUnsigned(r.defValue)) + ";\n";
    default:  // double, and a type outside the table
        return "\tdouble " + n + " = " + fixed(r.defValue, decimals) + ";\n";
    }
}

// Windows enumeration body: the switch's entries joined by ", ".
std::string windowsEnumBody(const std::vector<std::string_view>& entries)
{
    std::string body;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) body += ", ";
        body += entries[i];
    }
    return body;
}

}  // namespace

CodeResult makeParameterCode(const Zizudavuveva& r, std::string_view comment, Deliverable deliverable)
{
    if (r.controlType > controltype::meter) return CodeResult::refusal(std::string());
    // The project's smoothing time reaches the code after the checks.
    if (r.controlType == controltype::continuous && r.enableParamSmoothing && !std::isfinite(r.smoothingTimeMsec))
        return CodeResult::refusal(notFiniteMessage("smoothing time"));
    if (const Result check = checkComment(comment); !check) return CodeResult::refusal(check.message);
    const bool windows = deliverable == Deliverable::windows;
    const char* end = windows ? ");\n" : ");";
    const char* lineEnd = windows ? "\n" : "";

    Fragments out;
    if (r.includePIParamDeclaration)
        out.push_back(windows ? "\tPluginParameter* piParam = nullptr;\n\n" : "\tPluginParameter* piParam = nullptr;\n");

    if (!comment.empty()) {
        if (windows)
            out.push_back("/* " + indentContinuationLines(comment) + " */ \n\n");
        else
            out.push_back("/* " + std::string(comment) + "*/ ");
    }

    out.push_back(constructorLine(r, end));

    if (r.controlType == controltype::continuous && r.enableParamSmoothing)
        out.push_back("\tpiParam->setParameterSmoothing(true);\n\tpiParam->setSmoothingTimeMsec(" +
                      fixed(r.smoothingTimeMsec, 6) + end);

    if (r.controlType == controltype::meter) {
        out.push_back(std::string("\tpiParam->setInvertedMeter(") + (r.invertedMeter ? "true" : "false") + end);
        out.push_back(std::string("\tpiParam->setIsProtoolsGRMeter(") + (r.proToolsGainMeter ? "true" : "false") + end);
    }

    if (r.enableVariableBinding)
        out.push_back("\tpiParam->setBoundVariable(&" + r.boundVariableName + ", " + boundTypeIdentifier(r) + end);

    out.push_back(std::string("\taddPluginParameter(piParam);") + lineEnd);
    out.push_back("\n");
    return CodeResult::code(std::move(out));
}

CodeResult makeBoundVarCode(const Zizudavuveva& r, Deliverable deliverable)
{
    if (!r.enableVariableBinding) return CodeResult::refusal(std::string(kBindingNotEnabled));
    if (r.controlType > controltype::meter) return CodeResult::refusal(std::string());
    if (r.controlType == controltype::continuous && !std::isfinite(r.defValue))
        return CodeResult::refusal(notFiniteMessage("default value"));
    if (const Result check = checkBoundVariableName(r.boundVariableName); !check)
        return CodeResult::refusal(check.message);
    const std::vector<std::string_view> entries = switchEntries(r, deliverable);
    if (const Result check = checkSwitchEntries(r, entries); !check) return CodeResult::refusal(check.message);
    const bool windows = deliverable == Deliverable::windows;
    const std::string& n = r.boundVariableName;

    Fragments out;
    switch (r.controlType) {
    case controltype::continuous: out.push_back(continuousDeclaration(r, windows)); break;
    case controltype::onOffSwitch: {
        const std::string v = r.onfOffDefOFF ? "0" : "1";
        if (windows)
            out.push_back("\tint " + n + " = " + v + ";\n" + "enum class " + n + "Enum" + " { " + windowsEnumBody(entries) +
                          " };\n");
        else {
            out.push_back("\tint " + n + " = " + v + ";");
            out.push_back("\tenum class " + n + "Enum { " + r.offOnStringList + " };\n");
        }
        break;
    }
    case controltype::multiSwitch: {
        // "%d" of the unsigned index, so a wrapped negative entry shows as negative.
        const std::string v = std::to_string(static_cast<int32_t>(r.defaultMultiStringIndex));
        if (windows) {
            out.push_back("\tint " + n + " = " + v + ";\n" + "enum class " + n + "Enum" + " { " + windowsEnumBody(entries) +
                          " };\n");
        } else {
            out.push_back("\tint " + n + " = " + v + ";");
            out.push_back("\tenum class " + n + "Enum { " + r.multiStringList + " };\n");
        }
        break;
    }
    default:  // meter
        out.push_back("\tfloat " + n + " = 0.0;\n");
        break;
    }
    if (windows) out.push_back("\n");
    return CodeResult::code(std::move(out));
}

std::string joinFragments(const Fragments& fragments)
{
    std::string text;
    for (const auto& f : fragments) text += f;
    return text;
}

std::string fragmentsAsText(const Fragments& fragments)
{
    std::string text;
    for (const auto& f : fragments) {
        text += f;
        if (f.empty() || f.back() != '\n') text += '\n';
    }
    return text;
}

}  // namespace zz
