#include "coder/coderfields.h"

#include <cmath>
#include <optional>

#include "common/numtext.h"
#include "common/text.h"

namespace zz {

namespace {

using K = CoderFieldKind;
using Z = Zizudavuveva;

using F = numtext::TextFilter;

CoderFieldInfo textField(const char* name, std::string Z::*m) { return {name, K::text, m}; }
CoderFieldInfo decimalField(const char* name, double Z::*m, F windows = F::any, F mac = F::any)
{
    return {name, K::decimal, nullptr, m, nullptr, nullptr, windows, mac};
}
CoderFieldInfo wholeField(const char* name, K kind, uint32_t Z::*m, F windows = F::any, F mac = F::any)
{
    return {name, kind, nullptr, nullptr, m, nullptr, windows, mac};
}
CoderFieldInfo enumField(const char* name, Enumeration enumeration, uint32_t Z::*m)
{
    CoderFieldInfo f = wholeField(name, K::enumeration, m);
    f.enumeration = enumeration;
    return f;
}
CoderFieldInfo boolField(const char* name, bool Z::*m, const char* alias = nullptr)
{
    CoderFieldInfo f{name, K::boolean, nullptr, nullptr, nullptr, m};
    f.alias = alias;
    return f;
}

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

}  // namespace

const CoderFieldInfo* findCoderField(std::string_view name)
{
    for (const CoderFieldInfo& f : coderFields())
        if (name == f.name || (f.alias && name == f.alias)) return &f;
    return nullptr;
}

const std::vector<CoderFieldInfo>& coderFields()
{
    static const std::vector<CoderFieldInfo> fields{
        textField("controlName", &Z::controlName),
        textField("controlID", &Z::controlID),
        textField("controlUnits", &Z::controlUnits),
        textField("offOnStringList", &Z::offOnStringList),
        textField("boundVariableName", &Z::boundVariableName),
        textField("multiStringList", &Z::multiStringList),
        textField("commentString", &Z::commentString),
        decimalField("minValue", &Z::minValue),
        decimalField("maxValue", &Z::maxValue),
        decimalField("defValue", &Z::defValue),
        wholeField("displayPrecision", K::precision, &Z::displayPrecision, F::windowsDigits, F::macNumeric),
        wholeField("defaultMultiStringIndex", K::whole, &Z::defaultMultiStringIndex, F::windowsDigits,
                   F::macNumeric),
        decimalField("attackTime", &Z::attackTime, F::any, F::macNumeric),
        decimalField("releaseTime", &Z::releaseTime, F::any, F::macNumeric),
        boolField("enableParamSmoothing", &Z::enableParamSmoothing),
        decimalField("smoothingTimeMsec", &Z::smoothingTimeMsec, F::windowsDecimal, F::macNumeric),
        boolField("onfOffDefOFF", &Z::onfOffDefOFF, "onOffDefOFF"),
        boolField("invertedMeter", &Z::invertedMeter),
        boolField("proToolsGainMeter", &Z::proToolsGainMeter),
        boolField("includePIParamDeclaration", &Z::includePIParamDeclaration),
        enumField("controlType", Enumeration::controlType, &Z::controlType),
        enumField("boundVarDataType", Enumeration::boundVarDataType, &Z::boundVarDataType),
        enumField("controlDataType", Enumeration::controlDataType, &Z::controlDataType),
        boolField("enableVariableBinding", &Z::enableVariableBinding),
        enumField("controlTaper", Enumeration::controlTaper, &Z::controlTaper),
        enumField("meterDetector", Enumeration::meterDetector, &Z::meterDetector),
        enumField("meterCal", Enumeration::meterCal, &Z::meterCal),
    };
    return fields;
}

uint32_t largestEnumValue(Deliverable deliverable, const CoderFieldInfo& field)
{
    return static_cast<uint32_t>(enumDisplayItems(deliverable, field.enumeration).size()) - 1;
}

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

uint32_t readPrecisionField(Deliverable deliverable, std::string_view typed)
{
    if (deliverable == Deliverable::windows) return readWholeField(deliverable, typed);
    const int32_t precision = numtext::macIntValue(typed);
    return precision < 0 ? 0u : static_cast<uint32_t>(precision);
}

FieldSet setFieldFromText(Zizudavuveva& r, Deliverable deliverable, std::string_view name, std::string_view typed)
{
    const CoderFieldInfo* f = findCoderField(name);
    if (!f) return FieldSet::unknownField;
    if (!numtext::filterAdmits(deliverable == Deliverable::windows ? f->windowsFilter : f->macFilter, typed))
        return FieldSet::badValue;
    switch (f->kind) {
    case K::text: r.*f->text = std::string(typed); return FieldSet::ok;
    case K::decimal: {
        const double value = readDecimalField(deliverable, typed);
        if (!std::isfinite(value)) return FieldSet::badValue;
        r.*f->number = value;
        return FieldSet::ok;
    }
    case K::whole: r.*f->whole = readWholeField(deliverable, typed); return FieldSet::ok;
    case K::precision: r.*f->whole = readPrecisionField(deliverable, typed); return FieldSet::ok;
    case K::enumeration: {
        const auto parsed = parseEnumValue(typed);
        if (!parsed) return FieldSet::badValue;
        r.*f->whole = *parsed;
        return FieldSet::ok;
    }
    case K::boolean: {
        const auto parsed = booleanWord(typed);
        if (!parsed) return FieldSet::badValue;
        r.*f->flag = *parsed;
        return FieldSet::ok;
    }
    }
    return FieldSet::unknownField;
}

std::string describeCoderField(Deliverable deliverable, const CoderFieldInfo& f)
{
    const F filter = deliverable == Deliverable::windows ? f.windowsFilter : f.macFilter;
    switch (f.kind) {
    case K::text: return "any text";
    case K::boolean: return "true, false, 1 or 0";
    case K::enumeration: return "an unsigned number (0 to 4294967295)";
    case K::decimal:
        if (filter == F::macNumeric) return "one finite number";
        if (filter == F::windowsDecimal) return "a finite unsigned decimal number";
        return "a finite number";
    case K::whole:
    case K::precision: break;
    }
    if (filter == F::windowsDigits) return "digits only";
    if (filter == F::macNumeric) return "one number";
    return "a whole number";
}

std::string shownCoderField(const Zizudavuveva& r, const CoderFieldInfo& f)
{
    switch (f.kind) {
    case K::text: return r.*f.text;
    case K::decimal: return numtext::nsNumberString(r.*f.number);
    case K::whole:
    case K::precision:
    case K::enumeration: return std::to_string(r.*f.whole);
    case K::boolean: return r.*f.flag ? "true" : "false";
    }
    return {};
}

Result setCoderFields(Zizudavuveva& record, Deliverable deliverable, const std::vector<Assignment>& values)
{
    for (const Assignment& a : values) {
        switch (setFieldFromText(record, deliverable, a.field, a.value)) {
        case FieldSet::ok: continue;
        case FieldSet::unknownField: return Result::failure(unknownFieldMessage(a.field));
        case FieldSet::badValue:
            return Result::failure(
                fieldValueMessage(a.field, a.value, describeCoderField(deliverable, *findCoderField(a.field))));
        }
    }
    return Result::success();
}

}  // namespace zz
