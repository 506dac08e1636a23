#include "present.h"

namespace zz::mac {

void present(const Result& result, Outlets& outlets, Services& services)
{
    for (const auto& line : result.systemLog) services.log(line);
    if (result.shown()) {
        Alert alert;
        alert.message = result.message;
        alert.informative = result.informativeText;
        alert.style = result.ok ? AlertStyle::informational : AlertStyle::warning;
        services.runModalAlert(alert);
    }
    // The fields the project page's checks name.
    if (result.field == "projectName") outlets.makeFirstResponder(Outlet::projectName);
    else if (result.field == "pluginName") outlets.makeFirstResponder(Outlet::pluginName);
    else if (result.field == "fourCharProductID") outlets.makeFirstResponder(Outlet::fourCharCode);
}

}  // namespace zz::mac
