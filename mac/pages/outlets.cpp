#include "outlets.h"

#include <array>

namespace zz::mac {

namespace {

struct OutletInfo {
    const char* name;
    ControlKind kind;
};

using K = ControlKind;

constexpr std::array<OutletInfo, kOutletCount> kOutlets{{
    {"projectName", K::textField},
    {"categoryCombo", K::popUpButton},
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
    {"controlTaperCombo", K::popUpButton},
    {"controlDataCombo", K::popUpButton},
    {"boundVarDataypeCombo", K::popUpButton},
    {"meterDetectCombo", K::popUpButton},
    {"meterCalCombo", K::popUpButton},
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

}  // namespace zz::mac
