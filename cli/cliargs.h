#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/deliverable.h"

// Pieces shared by the sub-commands: the style option, booleans, presets and
// JSON text.
namespace zz::cli {

// "windows" or "macos"; nothing for any other word.
std::optional<Deliverable> parseStyle(const std::string& word);

// "true", "false", "1", "0"; nothing for any other word.
std::optional<bool> parseBool(const std::string& word);

// One FIELD=VALUE assignment, as given with --set or read from a preset.
struct Assignment {
    std::string field;
    std::string value;
};

// Splits "FIELD=VALUE" at the first '='. Nothing when there is no '=' or the
// field is empty.
std::optional<Assignment> parseAssignment(const std::string& word);

// Reads a preset: a JSON object whose keys are field names and whose values are
// strings, numbers or booleans. Each value becomes the text a user would type:
// a string as it stands, a number as it is written in the file, a boolean as
// "true" or "false". On failure answers nothing and sets `error`.
std::optional<std::vector<Assignment>> readPreset(const std::string& path, std::string& error);

// The same, from JSON text already in memory.
std::optional<std::vector<Assignment>> parsePreset(const std::string& json, std::string& error);

// A JSON string literal (with quotes) for UTF-8 text; control characters and
// bytes that are not valid UTF-8 are escaped as \uXXXX.
std::string jsonString(const std::string& text);

// The folder that holds the running program, without a trailing separator.
std::string executableFolder(const std::string& argv0);

}  // namespace zz::cli
