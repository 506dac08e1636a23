#include "present.h"

namespace zz::mac {

void present(const Result& result, Outlets& outlets, Services& services)
{
    for (const auto& line : result.systemLog) services.log(line);
    if (result.shown()) {
        Alert alert;
        alert.message = result.message;
        alert.informative = result.informativeText;
        alert.style = result.style;
        services.runModalAlert(alert);
    }
    switch (result.focus) {
    case ProjectField::projectName: outlets.makeFirstResponder(Outlet::projectName); break;
    case ProjectField::pluginName: outlets.makeFirstResponder(Outlet::pluginName); break;
    case ProjectField::pluginCode: outlets.makeFirstResponder(Outlet::fourCharCode); break;
    case ProjectField::none: break;
    }
}

}  // namespace zz::mac
