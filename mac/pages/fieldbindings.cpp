#include "fieldbindings.h"

#include <stdexcept>
#include <string>

namespace zz::mac {

namespace {

ProjectFieldBinding bind(const char* fieldName, Outlet outlet, bool shownOnly = false)
{
    const ProjectFieldInfo* field = findProjectField(fieldName, Deliverable::mac);
    if (!field) throw std::logic_error(std::string("the project record has no field ") + fieldName);
    return {field, outlet, shownOnly};
}

}  // namespace

const std::vector<ProjectFieldBinding>& projectFieldBindings()
{
    using O = Outlet;
    static const std::vector<ProjectFieldBinding> bindings = {
        bind("projectFolderPath", O::projectFolderBox, true),
        bind("projectName", O::projectName),
        bind("pluginName", O::pluginName),
        bind("fourCharProductID", O::fourCharCode),
        bind("fourCharVendorID", O::fourCharCompany),
        bind("vendorName", O::vendorName),
        bind("vendorURL", O::vendorURL),
        bind("vendorEmail", O::vendorEmail),
        bind("aaxPluginName", O::aaxPluginName),
        bind("aaxShortPluginName", O::shortPluginName),
        bind("synthPlugin", O::synthPlugin),
        bind("enableSidechain", O::enableSidechain),
        bind("enableParamSmoothing", O::enableParameterSmoothing),
        bind("linkFFTW", O::linkFFTW),
        bind("infiniteTail", O::infiniteTail),
        bind("enableSAAVST3", O::saaAutomation),
        bind("wantPTGRMeter", O::exposePTGRMeter),
        bind("includeFXObjects", O::includeFXObjects),
        bind("smoothingTimeMsec", O::smoothingTime),
        bind("latencyInSamples", O::pluginLatency),
        bind("tailTimeMsec", O::tailTime),
        bind("saaGranulatity", O::saaGranulatiry),
        bind("blockSize", O::blockSize),
        bind("universalAPI", O::universalProject),
        bind("processFrames", O::processFrames),
        bind("aaxCagtegory", O::categoryCombo),
    };
    return bindings;
}

std::optional<Outlet> outletOfField(std::string_view fieldName)
{
    for (const ProjectFieldBinding& b : projectFieldBindings()) {
        if (fieldName == b.field->name) return b.outlet;
    }
    return std::nullopt;
}

std::optional<FormatterRule> formatterRuleOf(const ProjectFieldBinding& binding)
{
    const ProjectFieldInfo& field = *binding.field;
    if (binding.shownOnly || outletKind(binding.outlet) != ControlKind::textField) return std::nullopt;
    FormatterRule rule;
    if (field.maxLength > 0) rule.maxLength = static_cast<int>(field.maxLength);
    rule.numericOnly = field.macFilter == numtext::TextFilter::macNumeric;
    rule.singleLine = field.kind == ProjectFieldKind::text;
    return rule;
}

}  // namespace zz::mac
