#include "coder/zizudavuveva.h"

#include <algorithm>
#include <cstdint>

namespace zz {

bool Zizudavuveva::operator==(const Zizudavuveva& o) const
{
    return controlName == o.controlName && controlID == o.controlID && controlUnits == o.controlUnits &&
           offOnStringList == o.offOnStringList && boundVariableName == o.boundVariableName &&
           multiStringList == o.multiStringList && commentString == o.commentString && minValue == o.minValue &&
           maxValue == o.maxValue && defValue == o.defValue && displayPrecision == o.displayPrecision &&
           defaultMultiStringIndex == o.defaultMultiStringIndex && attackTime == o.attackTime &&
           releaseTime == o.releaseTime && enableParamSmoothing == o.enableParamSmoothing &&
           smoothingTimeMsec == o.smoothingTimeMsec && onfOffDefOFF == o.onfOffDefOFF &&
           invertedMeter == o.invertedMeter && proToolsGainMeter == o.proToolsGainMeter &&
           includePIParamDeclaration == o.includePIParamDeclaration && controlType == o.controlType &&
           boundVarDataType == o.boundVarDataType && controlDataType == o.controlDataType &&
           enableVariableBinding == o.enableVariableBinding && controlTaper == o.controlTaper &&
           meterDetector == o.meterDetector && meterCal == o.meterCal;
}

Zizudavuveva makeZizudavuveva(Deliverable deliverable)
{
    Zizudavuveva record;  // the member initialisers are the Windows defaults
    if (deliverable == Deliverable::mac) {
        record.controlName = "Control";
        record.offOnStringList = "OFF,ON";
        record.boundVariableName = "myBoundVar";
        record.multiStringList = "SEL1,SEL2,SEL3";
        record.enableVariableBinding = false;
    }
    return record;
}

Zizudavuveva windowsDefKontrol()
{
    Zizudavuveva record = makeZizudavuveva(Deliverable::windows);
    record.controlName = "Control";
    record.controlUnits.clear();
    record.controlID = "0";
    record.boundVariableName = "myBoundVar";
    record.offOnStringList = "OFF, ON";
    record.multiStringList = "SEL1, SEL2, SEL3";
    record.defaultMultiStringIndex = 0;
    return record;
}

Zizudavuveva pageDefaults(Deliverable deliverable)
{
    return deliverable == Deliverable::windows ? windowsDefKontrol() : makeZizudavuveva(Deliverable::mac);
}

// ---- Enumerations -----------------------------------------------------------

namespace {

struct EnumTable {
    std::vector<std::string> windowsItems;
    std::vector<std::string> macItems;
    std::vector<std::string> identifiers;
};

const EnumTable& table(Enumeration enumeration)
{
    static const EnumTable controlType{
        {"Continuous Numeric (knob, slider)", "String List - Switch (OFF, ON)",
         "String List Switch (multiple taps)", "Meter"},
        {"Continuous", "On-Off Switch", "Multi-String Switch", "Meter"},
        {}};
    static const EnumTable controlDataType{
        {"float", "double", "integer"},
        {"float", "double", "int"},
        {"controlVariableType::kFloat", "controlVariableType::kDouble", "controlVariableType::kInt",
         "controlVariableType::kTypedEnumStringList", "controlVariableType::kMeter",
         "controlVariableType::kNonVariableBoundControl"}};
    static const EnumTable controlTaper{
        {"Linear", "Log", "Anti-Log", "Volt/Octave"},
        {"Linear", "Log", "Anti-Log", "Volt/Octave"},
        {"taper::kLinearTaper", "taper::kLogTaper", "taper::kAntiLogTaper", "taper::kVoltOctaveTaper"}};
    static const EnumTable boundVarDataType{
        {"float", "double", "integer"},
        {"float", "double", "int", "unsigned int"},
        {"boundVariableType::kFloat", "boundVariableType::kDouble", "boundVariableType::kInt",
         "boundVariableType::kUInt"}};
    static const EnumTable meterDetector{
        {"Peak", "Mean-Square", "R.M.S."},
        {"Peak", "Mean-Square", "R.M.S."},
        {"ENVELOPE_DETECT_MODE_PEAK", "ENVELOPE_DETECT_MODE_MS", "ENVELOPE_DETECT_MODE_RMS"}};
    static const EnumTable meterCal{
        {"Linear", "Logarithmic"},
        {"linear", "logarithmic"},
        {"meterCal::kLinearMeter", "meterCal::kLogMeter"}};
    switch (enumeration) {
    case Enumeration::controlType: return controlType;
    case Enumeration::controlDataType: return controlDataType;
    case Enumeration::controlTaper: return controlTaper;
    case Enumeration::boundVarDataType: return boundVarDataType;
    case Enumeration::meterDetector: return meterDetector;
    case Enumeration::meterCal: return meterCal;
    }
    return controlType;
}

}  // namespace

std::vector<std::string> enumDisplayItems(Deliverable deliverable, Enumeration enumeration)
{
    const EnumTable& t = table(enumeration);
    return deliverable == Deliverable::windows ? t.windowsItems : t.macItems;
}

std::string enumIdentifier(Enumeration enumeration, uint32_t value)
{
    const auto& ids = table(enumeration).identifiers;
    return value < ids.size() ? ids[value] : std::string();
}

uint32_t enumValueOfSelection(int index)
{
    return index < 0 ? kNoSelection : static_cast<uint32_t>(index);
}

int selectionOfEnumValue(uint32_t value)
{
    return value > 0x7FFFFFFFu ? -1 : static_cast<int>(value);
}

std::string stringForControlDataType(const Zizudavuveva& r)
{
    return enumIdentifier(Enumeration::controlDataType, r.controlDataType);
}

std::string stringForControlTaper(const Zizudavuveva& r)
{
    return enumIdentifier(Enumeration::controlTaper, r.controlTaper);
}

std::string stringForBoundVarType(const Zizudavuveva& r)
{
    return enumIdentifier(Enumeration::boundVarDataType, r.boundVarDataType);
}

std::string stringForDetectorType(const Zizudavuveva& r)
{
    return enumIdentifier(Enumeration::meterDetector, r.meterDetector);
}

std::string stringForMeterCal(const Zizudavuveva& r)
{
    return enumIdentifier(Enumeration::meterCal, r.meterCal);
}

// ---- Lists and texts --------------------------------------------------------

int getNumEnums(Deliverable deliverable, std::string_view list)
{
    if (deliverable == Deliverable::windows && trimWhiteSpace(list).empty()) return 0;
    const auto commas = std::count(list.begin(), list.end(), ',');
    return static_cast<int>(std::min<std::ptrdiff_t>(commas, std::ptrdiff_t{INT32_MAX} - 1)) + 1;
}

std::vector<std::string_view> switchEntries(const Zizudavuveva& r, Deliverable deliverable)
{
    const bool onOff = r.controlType == controltype::onOffSwitch;
    if (!onOff && r.controlType != controltype::multiSwitch) return {};
    const std::string_view list = onOff ? r.offOnStringList : r.multiStringList;
    const size_t entriesInList = static_cast<size_t>(std::count(list.begin(), list.end(), ',')) + 1;
    size_t count = entriesInList;
    if (deliverable == Deliverable::windows) count = onOff ? 2 : static_cast<size_t>(getNumEnums(deliverable, list));
    // One walk over the list, so a long list costs no more than its length.
    std::vector<std::string_view> entries;
    entries.reserve(std::min(count, entriesInList + 1));
    for (size_t start = 0; entries.size() < count;) {
        if (start > list.size()) {
            entries.emplace_back();
            continue;
        }
        const size_t end = std::min(list.find(',', start), list.size());
        entries.push_back(trimWhiteSpace(list.substr(start, end - start)));
        start = end + 1;
    }
    return entries;
}

std::string getEnumString(std::string_view list, uint32_t index)
{
    size_t start = 0;
    for (uint32_t i = 0; i < index; ++i) {
        const size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) return std::string();
        start = comma + 1;
    }
    const size_t end = list.find(',', start);
    return std::string(list.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string makeQuoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace zz
