#include "project/codesinuse.h"

#include <algorithm>
#include <set>

#include "plugins/codesuggest.h"

namespace zz {

std::vector<CodeInUse> codesInUse(const plugins::InstalledPlugins& installed, const Register& made)
{
    std::vector<CodeInUse> codes;
    for (const plugins::InstalledAudioUnit& au : installed.audioUnits)
        codes.push_back({au.unit.subtype, au.unit.manufacturer, au.unit.name, au.bundle, "audio unit"});
    for (const RegisteredProject& p : made) codes.push_back({p.pluginCode, p.companyCode, p.name, p.folder, "register"});
    std::stable_sort(codes.begin(), codes.end(), [](const CodeInUse& a, const CodeInUse& b) {
        return a.code != b.code ? a.code < b.code : a.company < b.company;
    });
    return codes;
}

std::optional<std::string> freePluginCode(const std::string& name, const std::optional<std::string>& company,
                                          const plugins::InstalledPlugins& installed, const Register& made)
{
    std::set<std::string> taken;
    for (const plugins::InstalledAudioUnit& au : installed.audioUnits)
        if (!company || au.unit.manufacturer == *company) taken.insert(au.unit.subtype);
    for (const RegisteredProject& p : made) taken.insert(p.pluginCode);
    return plugins::suggestPluginCode(name, [&taken](const std::string& code) { return taken.count(code) > 0; });
}

}  // namespace zz
