#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "formatterrule.h"
#include "outlets.h"
#include "project/projectfields.h"

// The project page's controls bound to the fields of the project record: one
// row per field the page shows, from the record's field table (what a field
// is, what it admits, how long it may be) to the page's outlet.
namespace zz::mac {

struct ProjectFieldBinding {
    const ProjectFieldInfo* field;
    Outlet outlet;
    // Shown but never read back: the project folder changes by Browse only.
    bool shownOnly = false;
};

// In the order the page fills its controls: the texts, the check boxes and
// the number fields, then the choices (project type, processing, category).
// The API buttons stand for makeAAX, makeAU and makeVST by the project type
// and have no row.
const std::vector<ProjectFieldBinding>& projectFieldBindings();

// The control of a record field ("fourCharProductID": fourCharCode); nothing
// for a field the page does not show.
std::optional<Outlet> outletOfField(std::string_view fieldName);

// The filter of a field's control, from the field's table entry: its length
// limit, a number only where the field takes a number, one line for a text.
// Nothing for a control that is never read back.
std::optional<FormatterRule> formatterRuleOf(const ProjectFieldBinding& binding);

}  // namespace zz::mac
