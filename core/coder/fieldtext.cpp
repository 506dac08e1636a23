#include "coder/fieldtext.h"

#include <optional>

#include "common/numtext.h"

namespace zz {

double readDecimalField(Deliverable deliverable, std::string_view typed)
{
    if (deliverable == Deliverable::windows) return numtext::windowsReadDecimal(typed);
    return static_cast<double>(numtext::macFloatValue(typed));
}

uint32_t readWholeField(Deliverable deliverable, std::string_view typed)
{
    const int32_t value =
        deliverable == Deliverable::windows ? numtext::windowsReadInteger(typed) : numtext::macIntValue(typed);
    return static_cast<uint32_t>(value);
}

const std::vector<FieldInfo>& zizudavuvevaFields()
{
    static const std::vector<FieldInfo> fields{
        {"controlName", FieldKind::text},
        {"controlID", FieldKind::text},
        {"controlUnits", FieldKind::text},
        {"offOnStringList", FieldKind::text},
        {"boundVariableName", FieldKind::text},
        {"multiStringList", FieldKind::text},
        {"commentString", FieldKind::text},
        {"minValue", FieldKind::decimal},
        {"maxValue", FieldKind::decimal},
        {"defValue", FieldKind::decimal},
        {"displayPrecision", FieldKind::whole},
        {"defaultMultiStringIndex", FieldKind::whole},
        {"attackTime", FieldKind::decimal},
        {"releaseTime", FieldKind::decimal},
        {"enableParamSmoothing", FieldKind::boolean},
        {"smoothingTimeMsec", FieldKind::decimal},
        {"onfOffDefOFF", FieldKind::boolean},
        {"invertedMeter", FieldKind::boolean},
        {"proToolsGainMeter", FieldKind::boolean},
        {"includePIParamDeclaration", FieldKind::boolean},
        {"controlType", FieldKind::enumeration},
        {"boundVarDataType", FieldKind::enumeration},
        {"controlDataType", FieldKind::enumeration},
        {"enableVariableBinding", FieldKind::boolean},
        {"controlTaper", FieldKind::enumeration},
        {"meterDetector", FieldKind::enumeration},
        {"meterCal", FieldKind::enumeration},
    };
    return fields;
}

namespace {

// Unsigned 32-bit decimal: digits only, no sign, no blanks.
std::optional<uint32_t> parseEnumValue(std::string_view text)
{
    if (text.empty() || text.size() > 10) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<bool> parseBoolValue(std::string_view text)
{
    if (text == "true" || text == "1") return true;
    if (text == "false" || text == "0") return false;
    return std::nullopt;
}

std::string* textField(Zizudavuveva& r, std::string_view f)
{
    if (f == "controlName") return &r.controlName;
    if (f == "controlID") return &r.controlID;
    if (f == "controlUnits") return &r.controlUnits;
    if (f == "offOnStringList") return &r.offOnStringList;
    if (f == "boundVariableName") return &r.boundVariableName;
    if (f == "multiStringList") return &r.multiStringList;
    if (f == "commentString") return &r.commentString;
    return nullptr;
}

double* decimalField(Zizudavuveva& r, std::string_view f)
{
    if (f == "minValue") return &r.minValue;
    if (f == "maxValue") return &r.maxValue;
    if (f == "defValue") return &r.defValue;
    if (f == "attackTime") return &r.attackTime;
    if (f == "releaseTime") return &r.releaseTime;
    if (f == "smoothingTimeMsec") return &r.smoothingTimeMsec;
    return nullptr;
}

uint32_t* wholeField(Zizudavuveva& r, std::string_view f)
{
    if (f == "displayPrecision") return &r.displayPrecision;
    if (f == "defaultMultiStringIndex") return &r.defaultMultiStringIndex;
    return nullptr;
}

uint32_t* enumField(Zizudavuveva& r, std::string_view f)
{
    if (f == "controlType") return &r.controlType;
    if (f == "boundVarDataType") return &r.boundVarDataType;
    if (f == "controlDataType") return &r.controlDataType;
    if (f == "controlTaper") return &r.controlTaper;
    if (f == "meterDetector") return &r.meterDetector;
    if (f == "meterCal") return &r.meterCal;
    return nullptr;
}

bool* boolField(Zizudavuveva& r, std::string_view f)
{
    if (f == "enableParamSmoothing") return &r.enableParamSmoothing;
    if (f == "onfOffDefOFF") return &r.onfOffDefOFF;
    if (f == "invertedMeter") return &r.invertedMeter;
    if (f == "proToolsGainMeter") return &r.proToolsGainMeter;
    if (f == "includePIParamDeclaration") return &r.includePIParamDeclaration;
    if (f == "enableVariableBinding") return &r.enableVariableBinding;
    return nullptr;
}

}  // namespace

FieldSet setFieldFromText(Zizudavuveva& r, Deliverable deliverable, std::string_view field, std::string_view typed)
{
    if (std::string* text = textField(r, field)) {
        *text = std::string(typed);
        return FieldSet::ok;
    }
    if (double* number = decimalField(r, field)) {
        *number = readDecimalField(deliverable, typed);
        return FieldSet::ok;
    }
    if (uint32_t* whole = wholeField(r, field)) {
        *whole = readWholeField(deliverable, typed);
        return FieldSet::ok;
    }
    if (uint32_t* value = enumField(r, field)) {
        const auto parsed = parseEnumValue(typed);
        if (!parsed) return FieldSet::badValue;
        *value = *parsed;
        return FieldSet::ok;
    }
    if (bool* flag = boolField(r, field)) {
        const auto parsed = parseBoolValue(typed);
        if (!parsed) return FieldSet::badValue;
        *flag = *parsed;
        return FieldSet::ok;
    }
    return FieldSet::unknownField;
}

}  // namespace zz
