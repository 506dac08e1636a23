#include "coderbridge.h"

#include "coder/controlcheck.h"
#include "coder/paramcode.h"

namespace zz::mac::bridge {

Zizudavuveva defaultControl()
{
    return makeZizudavuveva(Deliverable::mac);
}

ControlCheck validateControl(const Zizudavuveva& kontrol)
{
    const CheckResult result = validateShit(kontrol, Deliverable::mac);
    ControlCheck check;
    check.ok = result.passed;
    if (!result.passed && !result.message.empty()) {
        Alert alert;
        alert.message = result.message;
        check.alert = alert;
    }
    return check;
}

std::vector<std::string> parameterCode(const Zizudavuveva& kontrol, const std::string& comment)
{
    return makeParameterCode(kontrol, comment, Deliverable::mac).fragments;
}

std::vector<std::string> boundVariableCode(const Zizudavuveva& kontrol)
{
    return makeBoundVarCode(kontrol, Deliverable::mac).fragments;
}

std::vector<std::string> comboItems(Outlet combo)
{
    switch (combo) {
    case Outlet::controlTaperCombo: return enumDisplayItems(Deliverable::mac, Enumeration::controlTaper);
    case Outlet::controlDataCombo: return enumDisplayItems(Deliverable::mac, Enumeration::controlDataType);
    case Outlet::boundVarDataypeCombo: return enumDisplayItems(Deliverable::mac, Enumeration::boundVarDataType);
    case Outlet::meterDetectCombo: return enumDisplayItems(Deliverable::mac, Enumeration::meterDetector);
    case Outlet::meterCalCombo: return enumDisplayItems(Deliverable::mac, Enumeration::meterCal);
    default: return {};
    }
}

}  // namespace zz::mac::bridge
