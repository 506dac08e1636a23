#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/fields.h"
#include "common/files.h"
#include "common/result.h"

// The JSON the tool reads (presets, parameter tables) and writes (presets,
// code fragments). nlohmann-json does the reading and escaping inside json.cpp;
// no other file sees it.
namespace zz {

// The fields of one preset, in file order.
using PresetFields = std::vector<Assignment>;

// Reads a preset: a JSON object whose keys are field names and whose values are
// strings, numbers or booleans (well-formed JSON in UTF-8; an unpaired
// \uD800-\uDFFF escape is an error). Each value becomes the text a user would
// type: a string as it stands, a number as it is written in the file, a
// boolean as "true" or "false". A refusal's detail says why, after "preset
// PATH: "; the file is a regular file of at most 16 MiB.
ResultWith<PresetFields> readPreset(files::FileSystem& fs, const std::string& path);
// The same, from JSON text already in memory (the detail without the file).
ResultWith<PresetFields> parsePreset(const std::string& json);

// Reads a table: a JSON array of objects, each a preset. The refusals of
// readPreset, naming the entry ("entry 3: ...") where one is at fault, after
// "table PATH: ".
ResultWith<std::vector<PresetFields>> readTable(files::FileSystem& fs, const std::string& path);
ResultWith<std::vector<PresetFields>> parseTable(const std::string& json);

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

// Whether a preset may be written to `path`: a new path, or a regular file the
// user may write (links followed). A folder, a pipe, a device or a read-only
// file is refused, before anything is made; the detail names the file.
Result checkPresetTarget(files::FileSystem& fs, const std::string& path);

// Writes a preset file, replacing an earlier one in one step. A refusal's
// detail says why.
Result writePreset(files::FileSystem& fs, const std::string& path, const std::string& text);

// A JSON string literal (with quotes) for UTF-8 text: '"', '\\' and \b \f \n
// \r \t escaped by their letters, the other control characters and DEL as
// \u00XX, other characters copied as UTF-8, and a byte that is not part of
// valid UTF-8 as \ufffd.
std::string jsonString(const std::string& text);

// A JSON array of strings on one line.
std::string jsonArray(const std::vector<std::string>& texts);

// One object of string members, in order: {"name": "value", ...}.
using JsonMembers = std::vector<std::pair<std::string, std::string>>;

// A JSON array of such objects, one a line, and a line end.
std::string jsonObjectLines(const std::vector<JsonMembers>& objects);

}  // namespace zz
