#pragma once

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "common/deliverable.h"
#include "project/projectfields.h"
#include "project/zezureproject.h"

// The questions asked on a terminal: the fields of create --interactive, one
// prompt each, and yes-or-no confirmations (create, restore-template).
namespace zz::cli {

// Asks for one field: its name, its current value in brackets, ": ". Enter
// keeps the value; booleans take y, n, yes, no, true, false, 1 or 0; the
// category its name or code. A value the field cannot hold, or one the
// creation would refuse for this field (an empty plug-in code, a project name
// with a blank), is asked again with the reason. A project name typed here
// fills in the names derived from it that were not given, a folder is taken
// as the style's chooser hands it over. A field answered is added to
// `given`. False when the input ends first.
bool askForField(ZezureProject& record, Deliverable style, std::set<std::string>& given, const ProjectFieldInfo& field,
                 std::FILE* in, std::FILE* out);

// Asks for each field of the style in the order of `create --help`. False
// when the input ends before every field was asked.
bool askForFields(ZezureProject& record, Deliverable style, std::set<std::string>& given, std::FILE* in,
                  std::FILE* out);

// An answer to a yes-or-no question: y or yes, n or no, in any case and with
// blanks around them; nothing for any other answer.
std::optional<bool> yesOrNo(std::string_view answer);

// Asks `question` + " [y/N] "; true only for y or yes (any case).
bool askToConfirm(const std::string& question, std::FILE* in, std::FILE* out);

// One line of input without its line end; false at the end of the input.
bool readAnswer(std::FILE* in, std::string& line);

}  // namespace zz::cli
