#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/deliverable.h"
#include "common/result.h"
#include "project/projectfields.h"
#include "project/zezureproject.h"

// The checks of the project page, the names it derives from the project name
// and how it takes a chosen folder.
namespace zz {

// Windows: run when the project-name field loses the focus, with the field's
// text. Refuses an empty name, a name with a space (other white space passes)
// and a name that cannot be a folder name. On refusal the page clears the
// field's selection and scrolls its caret into view; the focus stays.
Result checkProjectName(const std::string& projectName);

// macOS: the checks before a creation (validateShit is the pages' name for
// their form checks; the control coder's have the same name), with the texts
// of the project-name, plug-in name and plug-in code fields, in this order:
// project name given, no white space inside it (white space at its ends is
// accepted), a valid folder name, plug-in name given, plug-in code given. The
// first failure answers a warning alert and the field to focus.
Result validateShit(const std::string& projectName, const std::string& pluginName, const std::string& pluginCode);

// A project name that could never be the name of the project's folder: one
// holding "/", "\" or a NUL byte, or "." or "..". Both deliverables refuse it before
// anything is written.
bool isUnsafeFolderName(const std::string& projectName);

// The three names the page fills in from the project name.
struct DerivedNames {
    std::string pluginName;
    std::string aaxPluginName;
    std::string aaxShortPluginName;
};

// Windows copies the name whole into all three (the typing limits of the AAX
// fields do not apply); macOS cuts the AAX name to 31 and the short name to 15
// UTF-16 code units, never splitting a character in two.
DerivedNames deriveNames(Deliverable deliverable, const std::string& projectName);

// How the deliverable derives the names, for a help text: "(whole, when the
// name passes its check)" or "(cut to 31 and 15 characters)".
std::string describeDerivedNames(Deliverable deliverable);

// The derived names put into the fields whose names are not in `given` (the
// fields the user set himself keep their values). Windows derives them only
// from a name that passes checkProjectName, as its page does when the
// project-name field is left.
void fillDerivedNames(ZezureProject& record, Deliverable deliverable, const std::set<std::string>& given);

// The project folder as the deliverable's folder chooser hands it over: macOS
// appends "/" when it is missing; the Windows chooser gives no trailing
// separator (any of `separators`), except for the root of a drive ("C:\").
std::string chosenFolder(Deliverable deliverable, const std::string& folder, std::string_view separators);

// Whether a code is four characters of printable ASCII, as hosts expect a
// plug-in or company code to be.
bool isFourCharCode(const std::string& code);

// What the command line warns of before a creation (the pages make no such
// check): a plug-in code or company code that is not exactly four characters
// of printable ASCII, and a company code without an upper-case letter (hosts
// of AU plug-ins reserve all-lower-case company codes for Apple). Each text
// begins with "warning: ".
std::vector<std::string> fourCharCodeWarnings(const ZezureProject& project);

// The white space of the macOS checks: tab and the Unicode space separators.
bool macContainsWhitespace(const std::string& text);
std::string macTrimWhitespace(const std::string& text);

}  // namespace zz
