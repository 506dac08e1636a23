#pragma once

#include "common/result.h"
#include "outlets.h"

namespace zz::mac {

// Shows a core result as both pages do: its lines go to the system log, its
// message (when it has one) to a modal alert with its informative text and
// one "OK" button (informational after a success, a warning otherwise), then
// the control of its field gets the keyboard focus.
void present(const Result& result, Outlets& outlets, Services& services);

}  // namespace zz::mac
