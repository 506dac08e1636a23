#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plugins/installedplugins.h"
#include "project/projectregister.h"

// The plug-in codes in use on this machine, as `zizavizerovo codes` lists
// them, and a free one for a new plug-in: what the installed Audio Units and
// the register of made projects hold.
namespace zz {

// A code in use and where it comes from.
struct CodeInUse {
    std::string code;
    std::string company;
    std::string name;
    std::string where;   // the bundle, or the project folder
    std::string source;  // "audio unit" or "register"
};

// The codes of the installed Audio Units and of the register, sorted by code,
// then company code (the order they were found in otherwise).
std::vector<CodeInUse> codesInUse(const plugins::InstalledPlugins& installed, const Register& made);

// A free plug-in code for `name` (plugins::suggestPluginCode). An installed
// Audio Unit takes its code away only with the same company code when one is
// given; a project of the register always does (create warns of a register's
// plug-in code whatever its company). Nothing when no code is left.
std::optional<std::string> freePluginCode(const std::string& name, const std::optional<std::string>& company,
                                          const plugins::InstalledPlugins& installed, const Register& made);

}  // namespace zz
