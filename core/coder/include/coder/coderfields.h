#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "coder/zizudavuveva.h"
#include "common/numtext.h"
#include "common/fields.h"
#include "common/result.h"

// The fields of the control description, one table for everything that reads
// them from text: the coder pages' edits, the command line's --set and
// presets, and the help that lists them. Each style reads typed text as its
// page does: the Windows page its decimal edits as decimal numbers and its
// integer edits as integers; the macOS page numbers through single precision
// and whole numbers as intValue does (2.7 gives 2).
namespace zz {

enum class CoderFieldKind {
    text,
    decimal,      // read by readDecimalField
    whole,        // read by readWholeField
    precision,    // read by readPrecisionField
    enumeration,  // an unsigned 32-bit number
    boolean,
};

struct CoderFieldInfo {
    const char* name;
    CoderFieldKind kind;
    std::string Zizudavuveva::*text = nullptr;
    double Zizudavuveva::*number = nullptr;
    uint32_t Zizudavuveva::*whole = nullptr;  // whole numbers and enumerations
    bool Zizudavuveva::*flag = nullptr;
    // What the field on each style's page admits. The smoothing time is
    // typed on the project page.
    numtext::TextFilter windowsFilter = numtext::TextFilter::any;
    numtext::TextFilter macFilter = numtext::TextFilter::any;
    // An enumeration's list (the values a page can choose are its positions).
    Enumeration enumeration = Enumeration::controlType;
    // A second name the field is also known by: the record's own name keeps
    // a misspelling of the pages (onfOffDefOFF), the alias spells it right.
    const char* alias = nullptr;
};

// The values an enumeration field takes on the style's page: 0 to this.
uint32_t largestEnumValue(Deliverable deliverable, const CoderFieldInfo& field);

// Every field of the record, in record order.
const std::vector<CoderFieldInfo>& coderFields();

// ---- What the pages' number fields give ---------------------------------------

// A decimal field: minValue, maxValue, defValue, attackTime, releaseTime,
// smoothingTimeMsec.
double readDecimalField(Deliverable deliverable, std::string_view typed);

// The default index of a multi-position switch. The signed reading is stored
// in the unsigned field as it stands, so a typed -1 becomes 4294967295 (an
// index the checks refuse) and is written back as -1 where the value is
// printed as a signed number.
uint32_t readWholeField(Deliverable deliverable, std::string_view typed);

// The display precision: read as readWholeField, except that the macOS page
// makes a negative precision 0.
uint32_t readPrecisionField(Deliverable deliverable, std::string_view typed);

// ---- Setting fields from text ---------------------------------------------------

// Sets one field from the text a user would type into it on the style's
// page. Texts are taken as they stand; decimal and whole-number fields are
// read as the page reads them, and only text the page's field admits is
// taken; a decimal that reads as an infinite number (past the range of the
// field) is refused; enumerations take an unsigned 32-bit decimal number (any
// value, so out-of-table values can be tried); booleans take true, false, 1
// or 0. Leaves the record unchanged unless it answers ok.
FieldSet setFieldFromText(Zizudavuveva& record, Deliverable deliverable, std::string_view field,
                          std::string_view typed);

// Sets the fields given as text, in order, as setFieldFromText does. A
// refusal's detail names the first field that could not be set; the record
// may hold the fields set before it.
Result setCoderFields(Zizudavuveva& record, Deliverable deliverable, const std::vector<Assignment>& values);

// What a field takes, for a message about a value it refused: "a finite
// number", "one number", "digits only", "true, false, 1 or 0", ...
std::string describeCoderField(Deliverable deliverable, const CoderFieldInfo& field);

// The field of that name (or alias); null when there is none.
const CoderFieldInfo* findCoderField(std::string_view name);

// A field's value as the macOS page shows it: a text as it stands, numbers
// as the platform's number text, booleans as true or false.
std::string shownCoderField(const Zizudavuveva& record, const CoderFieldInfo& field);

}  // namespace zz
