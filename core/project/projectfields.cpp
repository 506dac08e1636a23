#include "project/projectfields.h"

#include "common/numtext.h"
#include "common/text.h"

namespace zz {

namespace {

using K = ProjectFieldKind;
using P = ZezureProject;

ProjectFieldInfo textField(const char* name, std::string P::*m) { return {name, K::text, false, m}; }
ProjectFieldInfo boolField(const char* name, bool P::*m, bool macOnly = false)
{
    return {name, K::boolean, macOnly, nullptr, m};
}
ProjectFieldInfo timeField(const char* name, double P::*m) { return {name, K::time, false, nullptr, nullptr, m}; }
ProjectFieldInfo wholeField(const char* name, K kind, uint32_t P::*m)
{
    return {name, kind, false, nullptr, nullptr, nullptr, m};
}

bool allDigits(std::string_view text)
{
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The text is one number and nothing else (white space around it allowed).
bool isOneNumber(std::string_view text)
{
    const std::string_view t = trimWhiteSpace(text);
    return !t.empty() && numtext::leadingNumberLength(t) == t.size();
}

bool setCategory(P& record, uint32_t P::*field, std::string_view value)
{
    const std::string_view t = trimWhiteSpace(value);
    for (const AaxCategory& c : kAaxCategories) {
        if (t == c.name || (!t.empty() && allDigits(t) && t == numtext::unsignedText(c.code))) {
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
    if (style == Deliverable::windows) {
        const std::string_view t = trimWhiteSpace(value);
        if (!t.empty() && !isOneNumber(t)) return false;
        if (f.kind == K::time) {
            record.*f.number = readTimeField(style, value);
            return true;
        }
        // The count edits hold digits only: no sign.
        if (numtext::windowsReadInteger(value) < 0 || (!t.empty() && t[0] == '-')) return false;
        record.*f.whole = f.kind == K::count ? readCountField(style, value) : readBlockSizeField(style, value);
        return true;
    }
    if (!isOneNumber(value)) return false;
    switch (f.kind) {
    case K::time: record.*f.number = readTimeField(style, value); return true;
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
        textField("fourCharProductID", &P::fourCharProductID),
        textField("fourCharAAXID", &P::fourCharAAXID),
        textField("fourCharVendorID", &P::fourCharVendorID),
        textField("vendorURL", &P::vendorURL),
        textField("vendorEmail", &P::vendorEmail),
        textField("aaxPluginName", &P::aaxPluginName),
        textField("aaxShortPluginName", &P::aaxShortPluginName),
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
        wholeField("saaGranulatity", K::count, &P::saaGranulatity),
        wholeField("latencyInSamples", K::count, &P::latencyInSamples),
        wholeField("aaxCagtegory", K::category, &P::aaxCagtegory),
        boolField("processFrames", &P::processFrames),
        wholeField("blockSize", K::blockSize, &P::blockSize),
    };
    return table;
}

const ProjectFieldInfo* findProjectField(std::string_view name, Deliverable style)
{
    for (const ProjectFieldInfo& f : projectFields())
        if (name == f.name && (!f.macOnly || style == Deliverable::mac)) return &f;
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
    case K::text: record.*f->text = std::string(value); return FieldSet::ok;
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
