#pragma once

#include <string>

// What the field tables of both records share: values given as text, field by
// field, and the words of a refusal.
namespace zz {

// One field given as text: FIELD=VALUE on the command line, a key of a preset.
struct Assignment {
    std::string field;
    std::string value;
};

// What setting one field of a record from typed text answers (the field
// tables of the project and of the control description).
enum class FieldSet { ok, unknownField, badValue };

// A text the user gave, as a message quotes it: whole up to 40 characters,
// else its first 40 and "..."; control characters (and bytes that are not
// UTF-8) shown as escapes ("\n", "\t", "\r", "\xHH"), never sent to the
// terminal.
std::string quotedText(const std::string& text);

// "unknown field 'NAME'"
std::string unknownFieldMessage(const std::string& field);

// The refusal of a value a field cannot hold, the same in every command:
// "field 'NAME' takes WHAT, not 'VALUE'".
std::string fieldValueMessage(const std::string& field, const std::string& value, const std::string& takes);

}  // namespace zz
