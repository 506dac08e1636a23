#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "coder/zizudavuveva.h"

// How the coder pages turn typed text into record values. The Windows page
// reads its decimal edits as decimal numbers and its integer edits as
// integers; the macOS page reads numbers through single precision and whole
// numbers as intValue does (2.7 gives 2). The pages and the command-line tool
// both read through these, so a value means the same wherever it is typed.
namespace zz {

// A decimal field: minValue, maxValue, defValue, attackTime, releaseTime,
// smoothingTimeMsec.
double readDecimalField(Deliverable deliverable, std::string_view typed);

// A whole-number field: displayPrecision, defaultMultiStringIndex. The signed
// reading is stored in the unsigned field as it stands, so a typed -1 becomes
// 4294967295 (an index the checks refuse) and is written back as -1 where
// the value is printed as a signed number.
uint32_t readWholeField(Deliverable deliverable, std::string_view typed);

enum class FieldKind { text, decimal, whole, enumeration, boolean };

struct FieldInfo {
    const char* name;
    FieldKind kind;
};

// Every field of the record, in record order.
const std::vector<FieldInfo>& zizudavuvevaFields();

enum class FieldSet { ok, unknownField, badValue };

// Sets one field from the text a user would type into it on the style's
// page. Texts are taken as they stand; decimal and whole-number fields are
// read as the page reads them; enumerations take an unsigned 32-bit decimal
// number (any value, so out-of-table values can be tried); booleans take
// true, false, 1 or 0. Leaves the record unchanged unless it answers ok.
FieldSet setFieldFromText(Zizudavuveva& record, Deliverable deliverable, std::string_view field,
                          std::string_view typed);

}  // namespace zz
