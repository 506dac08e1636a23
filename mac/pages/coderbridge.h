#pragma once

#include <optional>
#include <string>
#include <vector>

#include "coder/zizudavuveva.h"
#include "outlets.h"

// The coder page's calls into the parameter code generation.
namespace zz::mac::bridge {

// A record with the macOS defaults.
Zizudavuveva defaultControl();

// The checks before parameter code; the alert of the first failed rule, or
// nothing when the record passes. `ok` is false also for a failure without a
// message (a control type outside the table).
struct ControlCheck {
    bool ok = true;
    std::optional<Alert> alert;
};
ControlCheck validateControl(const Zizudavuveva& kontrol);

std::vector<std::string> parameterCode(const Zizudavuveva& kontrol, const std::string& comment);
std::vector<std::string> boundVariableCode(const Zizudavuveva& kontrol);

// The items of one of the coder page's combo boxes, in order.
std::vector<std::string> comboItems(Outlet combo);

// What an enumeration field holds when its combo box has no selected item:
// a value outside every table, so its identifier text is empty.
inline constexpr uint32_t kNoSelection = 0xFFFFFFFFu;

}  // namespace zz::mac::bridge
