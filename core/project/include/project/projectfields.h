#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/deliverable.h"
#include "common/numtext.h"
#include "common/fields.h"
#include "common/result.h"
#include "project/zezureproject.h"

// The fields of the project record, one table for everything that reads them
// from text: the pages' number fields, the command line's --set and presets,
// and the help that lists them. Each style reads typed text as its page does.
namespace zz {

// How a field takes typed text.
enum class ProjectFieldKind {
    text,       // taken as it stands
    boolean,    // a check box or a choice: true, false, 1 or 0
    time,       // milliseconds: smoothingTimeMsec, tailTimeMsec
    count,      // samples: latencyInSamples, saaGranulatity
    blockSize,  // blockSize
    category,   // aaxCagtegory: a code of the category table, or its name
};

// The most characters (UTF-16 code units) the pages' fields take; the
// table's rows and the derived names use them.
inline constexpr size_t kFourCharCodeLength = 4;
inline constexpr size_t kAaxNameLimit = 31;
inline constexpr size_t kShortNameLimit = 15;

struct ProjectFieldInfo {
    const char* name;
    ProjectFieldKind kind;
    bool macOnly = false;  // useTemplate lives in the macOS settings file only
    std::string ZezureProject::*text = nullptr;
    bool ZezureProject::*flag = nullptr;
    double ZezureProject::*number = nullptr;
    uint32_t ZezureProject::*whole = nullptr;
    // What the field on each style's page admits.
    numtext::TextFilter windowsFilter = numtext::TextFilter::any;
    numtext::TextFilter macFilter = numtext::TextFilter::any;
    // The most characters the field on both pages takes (the Windows edit's
    // text limit, the macOS formatter's length); 0 for no limit.
    size_t maxLength = 0;
    // Whether no value may be longer than maxLength: true for the codes. The
    // AAX names are limited only where they are typed; the Windows page
    // derives longer ones from the project name.
    bool lengthIsHard = false;
    // A second name the field is also known by: the record's own name keeps
    // a misspelling of the pages (aaxCagtegory), the alias spells it right.
    const char* alias = nullptr;

    // Whether the field is one of that style's fields.
    bool inStyle(Deliverable style) const { return !macOnly || style == Deliverable::mac; }
};

// Every field of the record, in record order.
const std::vector<ProjectFieldInfo>& projectFields();

// The field of that name (or alias) among the style's fields; null when there
// is none.
const ProjectFieldInfo* findProjectField(std::string_view name, Deliverable style);

// ---- What the pages' number fields give ----------------------------------------

// Windows: the decimal edit's number (no number gives 0.0). macOS: floatValue,
// single precision.
double readTimeField(Deliverable style, std::string_view typed);
// Windows: the integer edit's number, a typed sign kept as the C runtime's
// conversion keeps it. macOS: floatValue cut toward zero, a negative one 0.
uint32_t readCountField(Deliverable style, std::string_view typed);
// Windows: the integer edit's number. macOS: intValue, a negative one 0.
uint32_t readBlockSizeField(Deliverable style, std::string_view typed);

// ---- Setting fields from text ---------------------------------------------------

// Sets one field from the text a user gives for it: a text as it stands
// when it is one line without control characters (isOneLine), a
// boolean as true/false/1/0, a category as its code or its display name, a
// number as the style's page reads it, and only text the page's field admits
// (macOS: one number; Windows: the digits-only edits take digits, the two
// times also one full stop, an empty edit reads as 0). A time that reads as
// infinite is refused. Leaves the record unchanged unless it answers ok.
FieldSet setProjectField(ZezureProject& record, Deliverable style, std::string_view name, std::string_view value);

// Sets the fields given as text, in order (a preset, then the command line's
// values), as setProjectField does; each field set is added to `given`. Then,
// when the project name was given, the names the page derives from it go into
// the derived fields not given themselves (fillDerivedNames). A refusal's
// detail names the first field that could not be set, and the record may hold
// the fields set before it.
Result setProjectFields(ZezureProject& record, Deliverable style, const std::vector<Assignment>& values,
                        std::set<std::string>& given);

// The record as a preset that replays it: every field of the style, in table
// order, as projectFieldText writes it.
std::string projectPreset(const ZezureProject& record, Deliverable style);

// A text of the field's value that setProjectField reads back as exactly the
// same value in the same style (for presets that replay a creation): times in
// the style's precision without exponent, counts and category codes in
// decimal, booleans as true or false, texts as they stand.
std::string projectFieldText(const ZezureProject& record, const ProjectFieldInfo& field, Deliverable style);

// What a field takes, for a message about a value it refused.
std::string describeProjectField(Deliverable style, const ProjectFieldInfo& field);

// A field's value as the style's page shows it: a text as it stands, times
// with two decimals (Windows) or as the platform's number text (macOS), a
// category as its code and name ("2048 (Software Synth)").
std::string shownProjectField(const ZezureProject& record, const ProjectFieldInfo& field, Deliverable style);

}  // namespace zz
