#include "project/projectfields.h"

#include <cmath>

#include "common/json.h"
#include "common/numtext.h"
#include "common/text.h"
#include "common/utf16.h"
#include "project/markers.h"
#include "project/projectchecks.h"

namespace zz {

namespace {

using K = ProjectFieldKind;
using P = ZezureProject;
using F = numtext::TextFilter;

ProjectFieldInfo textField(const char* name, std::string P::*m, size_t maxLength = 0)
{
    ProjectFieldInfo f{name, K::text, false, m};
    f.maxLength = maxLength;
    return f;
}
// A four-character code: no page lets a fifth character in.
ProjectFieldInfo codeField(const char* name, std::string P::*m)
{
    ProjectFieldInfo f = textField(name, m, kFourCharCodeLength);
    f.lengthIsHard = true;
    return f;
}
ProjectFieldInfo withAlias(ProjectFieldInfo f, const char* alias)
{
    f.alias = alias;
    return f;
}
ProjectFieldInfo boolField(const char* name, bool P::*m, bool macOnly = false)
{
    return {name, K::boolean, macOnly, nullptr, m};
}
// The times are digits-only edits on Windows that the page fills with two
// decimals; numeric-only fields on macOS.
ProjectFieldInfo timeField(const char* name, double P::*m)
{
    return {name, K::time, false, nullptr, nullptr, m, nullptr, F::windowsDecimal, F::macNumeric};
}
ProjectFieldInfo wholeField(const char* name, K kind, uint32_t P::*m)
{
    const F windows = kind == K::category ? F::any : F::windowsDigits;
    const F mac = kind == K::category ? F::any : F::macNumeric;
    return {name, kind, false, nullptr, nullptr, nullptr, m, windows, mac};
}

// A category by its name or by its code in plain decimal (no sign, no
// leading zeros), blanks around it allowed.
bool setCategory(P& record, uint32_t P::*field, std::string_view value)
{
    const std::string_view t = trimWhiteSpace(value);
    for (const AaxCategory& c : kAaxCategories) {
        if (t == c.name || t == numtext::unsignedText(c.code)) {
            record.*field = c.code;
            return true;
        }
    }
    return false;
}

// A number field as the style's page reads it, when the page's field could
// hold the text.
bool setNumber(P& record, const ProjectFieldInfo& f, Deliverable style, std::string_view value)
{
    if (!numtext::filterAdmits(style == Deliverable::windows ? f.windowsFilter : f.macFilter, value)) return false;
    switch (f.kind) {
    case K::time: {
        const double time = readTimeField(style, value);
        if (!std::isfinite(time)) return false;
        record.*f.number = time;
        return true;
    }
    case K::count: record.*f.whole = readCountField(style, value); return true;
    case K::blockSize: record.*f.whole = readBlockSizeField(style, value); return true;
    default: return false;
    }
}

}  // namespace

const std::vector<ProjectFieldInfo>& projectFields()
{
    static const std::vector<ProjectFieldInfo> table = {
        textField("projectFolderPath", &P::projectFolderPath),
        textField("projectName", &P::projectName),
        textField("pluginName", &P::pluginName),
        textField("vendorName", &P::vendorName),
        codeField("fourCharProductID", &P::fourCharProductID),
        textField("fourCharAAXID", &P::fourCharAAXID),
        codeField("fourCharVendorID", &P::fourCharVendorID),
        textField("vendorURL", &P::vendorURL),
        textField("vendorEmail", &P::vendorEmail),
        textField("aaxPluginName", &P::aaxPluginName, kAaxNameLimit),
        textField("aaxShortPluginName", &P::aaxShortPluginName, kShortNameLimit),
        boolField("synthPlugin", &P::synthPlugin),
        boolField("enableSidechain", &P::enableSidechain),
        boolField("enableParamSmoothing", &P::enableParamSmoothing),
        timeField("smoothingTimeMsec", &P::smoothingTimeMsec),
        timeField("tailTimeMsec", &P::tailTimeMsec),
        boolField("infiniteTail", &P::infiniteTail),
        boolField("linkFFTW", &P::linkFFTW),
        boolField("useTemplate", &P::useTemplate, true),
        boolField("universalAPI", &P::universalAPI),
        boolField("makeAAX", &P::makeAAX),
        boolField("makeVST", &P::makeVST),
        boolField("makeAU", &P::makeAU),
        boolField("includeFXObjects", &P::includeFXObjects),
        boolField("wantPTGRMeter", &P::wantPTGRMeter),
        boolField("enableSAAVST3", &P::enableSAAVST3),
        withAlias(wholeField("saaGranulatity", K::count, &P::saaGranulatity), "saaGranularity"),
        wholeField("latencyInSamples", K::count, &P::latencyInSamples),
        withAlias(wholeField("aaxCagtegory", K::category, &P::aaxCagtegory), "aaxCategory"),
        boolField("processFrames", &P::processFrames),
        wholeField("blockSize", K::blockSize, &P::blockSize),
    };
    return table;
}

const ProjectFieldInfo* findProjectField(std::string_view name, Deliverable style)
{
    for (const ProjectFieldInfo& f : projectFields())
        if ((name == f.name || (f.alias && name == f.alias)) && f.inStyle(style)) return &f;
    return nullptr;
}

double readTimeField(Deliverable style, std::string_view typed)
{
    if (style == Deliverable::windows) return numtext::windowsReadDecimal(typed);
    return static_cast<double>(numtext::macFloatValue(typed));
}

uint32_t readCountField(Deliverable style, std::string_view typed)
{
    if (style == Deliverable::windows) return static_cast<uint32_t>(numtext::windowsReadInteger(typed));
    return numtext::truncToUnsigned(static_cast<double>(numtext::macFloatValue(typed)));
}

uint32_t readBlockSizeField(Deliverable style, std::string_view typed)
{
    if (style == Deliverable::windows) return static_cast<uint32_t>(numtext::windowsReadInteger(typed));
    // A negative block size cannot be a number of samples: it reads as 0.
    const int32_t n = numtext::macIntValue(typed);
    return n < 0 ? 0u : static_cast<uint32_t>(n);
}

FieldSet setProjectField(ZezureProject& record, Deliverable style, std::string_view name, std::string_view value)
{
    const ProjectFieldInfo* f = findProjectField(name, style);
    if (!f) return FieldSet::unknownField;
    switch (f->kind) {
    case K::text:
        // Every text field is one line on both pages, and a code no longer
        // than a page lets one be typed.
        if (!isOneLine(value)) return FieldSet::badValue;
        if (f->lengthIsHard && utf16::length(value) > f->maxLength) return FieldSet::badValue;
        record.*f->text = std::string(value);
        return FieldSet::ok;
    case K::boolean: {
        const auto b = booleanWord(value);
        if (!b) return FieldSet::badValue;
        record.*f->flag = *b;
        return FieldSet::ok;
    }
    case K::category: return setCategory(record, f->whole, value) ? FieldSet::ok : FieldSet::badValue;
    default: return setNumber(record, *f, style, value) ? FieldSet::ok : FieldSet::badValue;
    }
}

Result setProjectFields(ZezureProject& record, Deliverable style, const std::vector<Assignment>& values,
                        std::set<std::string>& given)
{
    for (const Assignment& a : values) {
        switch (setProjectField(record, style, a.field, a.value)) {
        case FieldSet::ok: given.insert(findProjectField(a.field, style)->name); continue;
        case FieldSet::unknownField: return Result::failure(unknownFieldMessage(a.field));
        case FieldSet::badValue:
            return Result::failure(
                fieldValueMessage(a.field, a.value, describeProjectField(style, *findProjectField(a.field, style))));
        }
    }
    // The names the page derives once the project name has been typed; a
    // name given itself keeps its value.
    if (given.count("projectName")) fillDerivedNames(record, style, given);
    return Result::success();
}

std::string projectPreset(const ZezureProject& record, Deliverable style)
{
    std::vector<PresetEntry> entries;
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(style)) continue;
        const PresetEntry::Kind kind = f.kind == K::text      ? PresetEntry::text
                                       : f.kind == K::boolean ? PresetEntry::boolean
                                                              : PresetEntry::number;
        entries.push_back({f.name, projectFieldText(record, f, style), kind});
    }
    return presetText(entries);
}

std::string projectFieldText(const ZezureProject& record, const ProjectFieldInfo& f, Deliverable style)
{
    switch (f.kind) {
    case K::text: return record.*f.text;
    case K::boolean: return record.*f.flag ? "true" : "false";
    case K::time:
        // macOS holds a single-precision value: its sixteen digits read back
        // as the same float.
        return style == Deliverable::windows ? numtext::shortestFixed(record.*f.number)
                                             : numtext::nsNumberString(record.*f.number);
    default: return numtext::unsignedText(record.*f.whole);
    }
}

std::string describeProjectField(Deliverable style, const ProjectFieldInfo& f)
{
    const bool windows = style == Deliverable::windows;
    switch (f.kind) {
    case K::text:
        if (f.lengthIsHard)
            return "one line of at most " + std::to_string(f.maxLength) + " characters without control characters";
        return "one line of text without control characters";
    case K::boolean: return "true, false, 1 or 0";
    case K::category: return "an AAX category code or name (0, 1, 2, 4, ... 8192)";
    case K::time: return windows ? "a finite unsigned decimal number" : "one finite number";
    default: return windows ? "digits only" : "one number";
    }
}

std::string shownProjectField(const ZezureProject& record, const ProjectFieldInfo& f, Deliverable style)
{
    switch (f.kind) {
    case K::text: return record.*f.text;
    case K::boolean: return record.*f.flag ? "true" : "false";
    case K::time:
        return style == Deliverable::windows ? numtext::fixed(record.*f.number, 2)
                                             : numtext::nsNumberString(record.*f.number);
    case K::category: {
        const uint32_t code = record.*f.whole;
        for (const AaxCategory& c : kAaxCategories)
            if (c.code == code) return numtext::unsignedText(code) + " (" + c.name + ")";
        return numtext::unsignedText(code);
    }
    default: return numtext::unsignedText(record.*f.whole);
    }
}

}  // namespace zz
