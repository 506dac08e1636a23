#include "outlets.h"

#include <array>
#include <cstdint>

#include "common/numtext.h"
#include "common/utf16.h"

namespace zz::mac {

namespace {

struct OutletInfo {
    const char* name;
    ControlKind kind;
};

using K = ControlKind;

constexpr std::array<OutletInfo, kOutletCount> kOutlets{{
    {"projectName", K::textField},
    {"categoryCombo", K::comboBox},
    {"individualProject", K::radioButton},
    {"universalProject", K::radioButton},
    {"browseProject", K::pushButton},
    {"projectFolderBox", K::textField},
    {"processFrames", K::radioButton},
    {"processBuffers", K::radioButton},
    {"processBlocks", K::radioButton},
    {"blockSize", K::textField},
    {"pluginName", K::textField},
    {"fourCharCode", K::textField},
    {"fourCharCompany", K::textField},
    {"vendorName", K::textField},
    {"vendorURL", K::textField},
    {"vendorEmail", K::textField},
    {"aaxPluginName", K::textField},
    {"shortPluginName", K::textField},
    {"synthPlugin", K::checkBox},
    {"enableSidechain", K::checkBox},
    {"enableParameterSmoothing", K::checkBox},
    {"smoothingTime", K::textField},
    {"pluginLatency", K::textField},
    {"tailTime", K::textField},
    {"linkFFTW", K::checkBox},
    {"infiniteTail", K::checkBox},
    {"saaAutomation", K::checkBox},
    {"saaGranulatiry", K::textField},
    {"exposePTGRMeter", K::checkBox},
    {"includeFXObjects", K::checkBox},
    {"indAAX", K::radioButton},
    {"indAU", K::radioButton},
    {"indVST", K::radioButton},
    {"uniAAX", K::checkBox},
    {"uniAU", K::checkBox},
    {"uniVST", K::checkBox},
    {"controlName", K::textField},
    {"controlID", K::textField},
    {"controlUnits", K::textField},
    {"minValue", K::textField},
    {"maxValue", K::textField},
    {"defaultValue", K::textField},
    {"displayPrecision", K::textField},
    {"onOffStringList", K::textField},
    {"boundVariableName", K::textField},
    {"multiStringList", K::textField},
    {"controlTaperCombo", K::comboBox},
    {"controlDataCombo", K::comboBox},
    {"boundVarDataypeCombo", K::comboBox},
    {"meterDetectCombo", K::comboBox},
    {"meterCalCombo", K::comboBox},
    {"defaultMultiStringIndex", K::textField},
    {"meterAttack", K::textField},
    {"meterRelease", K::textField},
    {"continuousControlButt", K::radioButton},
    {"onOffControlButt", K::radioButton},
    {"multiStringControlButt", K::radioButton},
    {"meterControlButt", K::radioButton},
    {"includePIPDeclaration", K::checkBox},
    {"enableVarBinding", K::checkBox},
    {"invertedMeter", K::checkBox},
    {"proToolsGRMeter", K::checkBox},
    {"offOnDefOff", K::radioButton},
    {"offOnDefOn", K::radioButton},
    {"textView", K::textView},
}};

const std::vector<std::vector<Outlet>>& radioGroups()
{
    static const std::vector<std::vector<Outlet>> groups{
        {Outlet::individualProject, Outlet::universalProject},
        {Outlet::processFrames, Outlet::processBuffers, Outlet::processBlocks},
        {Outlet::indAAX, Outlet::indAU, Outlet::indVST},
        {Outlet::continuousControlButt, Outlet::onOffControlButt, Outlet::multiStringControlButt,
         Outlet::meterControlButt},
        {Outlet::offOnDefOff, Outlet::offOnDefOn},
    };
    return groups;
}

// The white space and line breaks NSScanner skips by default.
bool isScannerSpace(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// Skips scanner white space from `i`; answers the index of the first other
// character (or the end).
size_t skipScannerSpace(const std::string& s, size_t i)
{
    while (i < s.size()) {
        const utf16::Utf8Char c = utf16::decodeAt(s, i);
        if (!isScannerSpace(c.codePoint)) break;
        i += c.bytes;
    }
    return i;
}

// NSScanner's scanDouble followed by isAtEnd: one decimal number with
// nothing but white space and line breaks around it.
bool readsAsOneNumber(const std::string& text)
{
    const size_t start = skipScannerSpace(text, 0);
    const size_t length = numtext::leadingNumberLength(std::string_view(text).substr(start));
    if (length == 0) return false;
    return skipScannerSpace(text, start + length) == text.size();
}

std::string upperCase(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace

const char* outletName(Outlet outlet)
{
    const int i = static_cast<int>(outlet);
    return i >= 0 && i < kOutletCount ? kOutlets[static_cast<size_t>(i)].name : "";
}

ControlKind outletKind(Outlet outlet)
{
    const int i = static_cast<int>(outlet);
    return i >= 0 && i < kOutletCount ? kOutlets[static_cast<size_t>(i)].kind : ControlKind::textField;
}

std::optional<Outlet> outletNamed(const std::string& name)
{
    for (int i = 0; i < kOutletCount; ++i) {
        if (name == kOutlets[static_cast<size_t>(i)].name) return static_cast<Outlet>(i);
    }
    return std::nullopt;
}

std::vector<Outlet> radioGroupOf(Outlet outlet)
{
    for (const auto& group : radioGroups()) {
        for (Outlet member : group) {
            if (member == outlet) return group;
        }
    }
    return {};
}

FormatterRule::Verdict FormatterRule::check(const std::string& proposed) const
{
    // The length limit compares unsigned numbers, so a negative limit lets
    // everything through.
    if (utf16::length(proposed) > static_cast<uint32_t>(maxLength)) return {false, std::nullopt};
    if (numericOnly && !readsAsOneNumber(proposed)) return {false, std::nullopt};
    if (forceUppercase) {
        std::string upper = upperCase(proposed);
        if (upper != proposed) return {false, std::move(upper)};
    }
    return {true, std::nullopt};
}

}  // namespace zz::mac
