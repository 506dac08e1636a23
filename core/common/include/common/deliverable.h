#pragma once

namespace zz {

// The two deliverables agree on most things and differ in many small ones
// (defaults, message texts, number texts, line ends). Core operations take
// the deliverable whose rules they follow as a value.
enum class Deliverable { windows, mac };

// The deliverable of the machine we are compiled for: the Windows rules on
// Windows, the macOS rules everywhere else.
constexpr Deliverable hostDeliverable()
{
#ifdef _WIN32
    return Deliverable::windows;
#else
    return Deliverable::mac;
#endif
}

}  // namespace zz
