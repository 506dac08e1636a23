#import <Cocoa/Cocoa.h>

#include <functional>
#include <string>
#include <vector>

// Checks the layout of a page as it stands in the window, for a Mac whose
// system font sets text 15% wider than this one: every control keeps the
// page margins of the design size, no two controls overlap, a control is
// either inside a group box or clear of it, and every title, label and
// field text (each combo box item too) fits its control with that font.
// Answers one line per fault; `nameOf` names a control in them.
std::vector<std::string> layoutProblems(NSView* page, const std::function<std::string(id)>& nameOf);
