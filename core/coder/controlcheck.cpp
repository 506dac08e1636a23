#include "coder/controlcheck.h"

namespace zz {

Result validateShit(const Zizudavuveva& r, Deliverable deliverable)
{
    // The two list messages end with a full stop on macOS only.
    const char* stop = deliverable == Deliverable::mac ? "." : "";

    if (r.controlID.empty()) return Result::refusal("The Control ID can not be empty.");

    switch (r.controlType) {
    case controltype::continuous:
        if (r.maxValue <= r.minValue) return Result::refusal("The max value must be greater than the min value.");
        if (r.defValue > r.maxValue || r.defValue < r.minValue)
            return Result::refusal("The default value must be between the min and max values.");
        return Result::success();
    case controltype::onOffSwitch:
        if (getNumEnums(deliverable, r.offOnStringList) != 2)
            return Result::refusal(std::string("On-off string list must contain only two strings (e.g. ON, OFF)") +
                                       stop);
        return Result::success();
    case controltype::multiSwitch:
        if (getNumEnums(deliverable, r.multiStringList) < 2)
            return Result::refusal(std::string("Multi-string list must contain at least two strings (e.g. A, B)") +
                                       stop);
        if (getEnumString(r.multiStringList, r.defaultMultiStringIndex).empty())
            return Result::refusal("Multi-string default index is out of bounds.");
        return Result::success();
    case controltype::meter:
        return Result::success();
    default:
        return Result::refusal(std::string());
    }
}

}  // namespace zz
