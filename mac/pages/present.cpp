#include "present.h"

#include "fieldbindings.h"

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
    if (const auto outlet = outletOfField(result.field)) outlets.makeFirstResponder(*outlet);
}

}  // namespace zz::mac
