#include "coder/controlcheck.h"

#include <cmath>

namespace zz {

std::string notFiniteMessage(std::string_view what)
{
    return "The " + std::string(what) + " must be a finite number.";
}

Result validateShit(const Zizudavuveva& r, Deliverable deliverable)
{
    // The two list messages end with a full stop on macOS only.
    const char* stop = deliverable == Deliverable::mac ? "." : "";

    if (r.controlID.empty()) return Result::refusal("The Control ID can not be empty.");

    switch (r.controlType) {
    case controltype::continuous:
        if (!std::isfinite(r.minValue)) return Result::refusal(notFiniteMessage("min value"));
        if (!std::isfinite(r.maxValue)) return Result::refusal(notFiniteMessage("max value"));
        if (!std::isfinite(r.defValue)) return Result::refusal(notFiniteMessage("default value"));
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
        if (!std::isfinite(r.attackTime)) return Result::refusal(notFiniteMessage("attack time"));
        if (!std::isfinite(r.releaseTime)) return Result::refusal(notFiniteMessage("release time"));
        return Result::success();
    default:
        return Result::refusal(std::string());
    }
}

}  // namespace zz
