#include "coder/controlcheck.h"

namespace zz {

CheckResult validateShit(const Zizudavuveva& r, Deliverable deliverable)
{
    // The two list messages end with a full stop on macOS only.
    const char* stop = deliverable == Deliverable::mac ? "." : "";

    if (r.controlID.empty()) return CheckResult::refuse("The Control ID can not be empty.");

    switch (r.controlType) {
    case controltype::continuous:
        if (r.maxValue <= r.minValue) return CheckResult::refuse("The max value must be greater than the min value.");
        if (r.defValue > r.maxValue || r.defValue < r.minValue)
            return CheckResult::refuse("The default value must be between the min and max values.");
        return CheckResult::pass();
    case controltype::onOffSwitch:
        if (getNumEnums(deliverable, r.offOnStringList) != 2)
            return CheckResult::refuse(std::string("On-off string list must contain only two strings (e.g. ON, OFF)") +
                                       stop);
        return CheckResult::pass();
    case controltype::multiSwitch:
        if (getNumEnums(deliverable, r.multiStringList) < 2)
            return CheckResult::refuse(std::string("Multi-string list must contain at least two strings (e.g. A, B)") +
                                       stop);
        if (getEnumString(r.multiStringList, r.defaultMultiStringIndex).empty())
            return CheckResult::refuse("Multi-string default index is out of bounds.");
        return CheckResult::pass();
    case controltype::meter:
        return CheckResult::pass();
    default:
        return CheckResult::refuse(std::string());
    }
}

}  // namespace zz
