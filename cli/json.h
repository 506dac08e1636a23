#pragma once

#include <optional>
#include <string>
#include <vector>

#include "options.h"

// The JSON the tool reads (presets) and writes (--json).
namespace zz::cli {

// Reads a preset: a JSON object whose keys are field names and whose values are
// strings, numbers or booleans (read by nlohmann-json, so the text must be
// well-formed JSON in UTF-8; an unpaired \uD800-\uDFFF escape is an error).
// Each value becomes the text a user would type: a string as it stands, a
// number as it is written in the file, a boolean as "true" or "false". On
// failure answers nothing and sets `error`.
std::optional<std::vector<Assignment>> readPreset(const std::string& path, std::string& error);

// The same, from JSON text already in memory.
std::optional<std::vector<Assignment>> parsePreset(const std::string& json, std::string& error);

// Reads a table: a JSON array of objects, each a preset. The errors of
// readPreset, naming the entry ("entry 3: ...") where one is at fault, and
// "table PATH: " before them.
std::optional<std::vector<std::vector<Assignment>>> readTable(const std::string& path, std::string& error);
std::optional<std::vector<std::vector<Assignment>>> parseTable(const std::string& json, std::string& error);

// A JSON string literal (with quotes) for UTF-8 text: '"', '\\' and \b \f \n
// \r \t escaped by their letters, the other control characters and DEL as
// \u00XX, other characters copied as UTF-8, and a byte that is not part of
// valid UTF-8 as \ufffd.
std::string jsonString(const std::string& text);

// One field of a preset as written: a text in quotes, a number or a boolean
// as its text.
struct PresetEntry {
    enum Kind { text, number, boolean };
    std::string name;
    std::string value;
    Kind kind;
};

// A preset: a JSON object of the entries, one a line, in their order.
std::string presetText(const std::vector<PresetEntry>& entries);

// A JSON array of strings on one line.
std::string jsonArray(const std::vector<std::string>& texts);

}  // namespace zz::cli
