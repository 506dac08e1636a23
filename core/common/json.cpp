#include "common/json.h"

#include <set>

#include <nlohmann/json.hpp>

#include "common/files.h"
#include "common/utf8.h"

namespace zz {

namespace {

using Json = nlohmann::json;

// Takes the fields of a preset (one JSON object) or of a table (a JSON array
// of such objects) from nlohmann's SAX events, in file order. The tree
// interface would turn numbers into binary values; the events hand over each
// number so that its text survives as it was written.
class FieldsReader : public nlohmann::json_sax<Json> {
public:
    enum class Shape { preset, table };
    FieldsReader(Shape shape, std::string& error) : shape_(shape), error_(error) {}

    std::vector<PresetFields> entries;

    bool null() override { return misplaced(); }
    bool boolean(bool value) override { return scalar(value ? "true" : "false"); }
    // A leading '-' always reads as a signed number: one that is zero was "-0".
    bool number_integer(number_integer_t value) override { return scalar(value == 0 ? "-0" : std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return scalar(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& text) override { return scalar(text); }
    bool string(string_t& value) override { return scalar(value); }
    bool binary(binary_t&) override { return misplaced(); }

    bool start_object(std::size_t) override
    {
        if (depth_ == entryDepth() - 1) {
            entries.emplace_back();
            keys_.clear();
            ++depth_;
            return true;
        }
        return misplaced();
    }
    bool key(string_t& name) override
    {
        key_ = name;
        // One field given twice would leave the reader to guess which counts.
        if (depth_ == entryDepth() && !keys_.insert(name).second) {
            error_ = where() + "the key \"" + name + "\" is given twice";
            return false;
        }
        return true;
    }
    bool end_object() override
    {
        --depth_;
        if (depth_ == 0) ended_ = true;
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (depth_ == 0 && shape_ == Shape::table) {
            ++depth_;
            return true;
        }
        return misplaced();
    }
    bool end_array() override
    {
        --depth_;
        if (depth_ == 0) ended_ = true;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) override
    {
        // The byte count of the lexer is one past the byte it stopped at.
        const std::size_t at = position > 0 ? position - 1 : 0;
        if (depth_ == 0 && !ended_) return wrongShape(at);
        if (ended_) {
            error_ = "unexpected text after the " + std::string(shape_ == Shape::table ? "array" : "object") +
                     " (at byte " + std::to_string(at) + ")";
            return false;
        }
        // "[json.exception.parse_error.101] parse error at line 1, column 9: ..."
        std::string what = e.what();
        const auto close = what.find("] ");
        if (what.rfind("[json.exception.", 0) == 0 && close != std::string::npos) what.erase(0, close + 2);
        // A number too large for a double stops the reading at its value.
        if (depth_ == entryDepth() && e.id == 406) what = "the value of \"" + key_ + "\": " + what;
        error_ = (depth_ >= entryDepth() ? where() : std::string()) + what;
        return false;
    }

private:
    int entryDepth() const { return shape_ == Shape::table ? 2 : 1; }

    // "entry 3: " in a table, nothing in a preset.
    std::string where() const
    {
        return shape_ == Shape::table ? "entry " + std::to_string(entries.size()) + ": " : std::string();
    }

    bool scalar(std::string text)
    {
        if (depth_ != entryDepth()) return misplaced();
        entries.back().push_back({key_, std::move(text)});
        return true;
    }
    // A value where the shape has none: at the top, in place of an entry of a
    // table, or (not a scalar) as the value of a field.
    bool misplaced()
    {
        if (depth_ == entryDepth() - 1 && shape_ == Shape::table) {
            error_ = "entry " + std::to_string(entries.size() + 1) + " is not a JSON object";
            return false;
        }
        if (depth_ == 0) return wrongShape(0);
        error_ = where() + "the value of \"" + key_ + "\" must be a string, a number or a boolean";
        return false;
    }
    bool wrongShape(std::size_t at)
    {
        error_ = std::string(shape_ == Shape::table ? "a table must be a JSON array of objects"
                                                    : "a preset must be a JSON object") +
                 " (at byte " + std::to_string(at) + ")";
        return false;
    }

    Shape shape_;
    std::string& error_;
    std::string key_;
    std::set<std::string> keys_;  // the keys of the entry being read
    int depth_ = 0;
    bool ended_ = false;
};

// Reads a file the user names: a regular file of at most 16 MiB. Answers the
// reason it cannot be read, or "" after a read.
std::string readUserFile(files::FileSystem& fs, const std::string& what, const std::string& path, std::string& bytes)
{
    switch (fs.readFile(path, bytes, files::kUserFileLimit)) {
    case files::ReadStatus::ok: return {};
    case files::ReadStatus::missing: return what + " " + path + ": no such file";
    case files::ReadStatus::folder:
    case files::ReadStatus::special: return what + " " + path + ": not a regular file";
    case files::ReadStatus::tooLarge: return what + " " + path + ": larger than 16 MiB";
    case files::ReadStatus::unreadable: break;
    }
    return what + " " + path + ": cannot be read";
}



// The escaped body of a JSON string (without quotes) for valid UTF-8 text
// that holds no DEL, written by nlohmann.
void appendEscaped(std::string& out, std::string_view run)
{
    if (run.empty()) return;
    const std::string quoted = Json(std::string(run)).dump(-1, ' ', false, Json::error_handler_t::replace);
    out.append(quoted, 1, quoted.size() - 2);
}

}  // namespace

ResultWith<PresetFields> parsePreset(const std::string& json)
{
    std::string error;
    FieldsReader reader(FieldsReader::Shape::preset, error);
    if (!Json::sax_parse(json, &reader) || !error.empty() || reader.entries.size() != 1)
        return ResultWith<PresetFields>::failure(error.empty() ? "a preset must be a JSON object" : error);
    ResultWith<PresetFields> r;
    r.value = std::move(reader.entries.front());
    return r;
}

ResultWith<PresetFields> readPreset(files::FileSystem& fs, const std::string& path)
{
    std::string bytes;
    if (std::string why = readUserFile(fs, "preset", path, bytes); !why.empty()) return ResultWith<PresetFields>::failure(why);
    ResultWith<PresetFields> r = parsePreset(bytes);
    if (!r) r.detail = "preset " + path + ": " + r.detail;
    return r;
}

ResultWith<std::vector<PresetFields>> parseTable(const std::string& json)
{
    std::string error;
    FieldsReader reader(FieldsReader::Shape::table, error);
    if (!Json::sax_parse(json, &reader) || !error.empty())
        return ResultWith<std::vector<PresetFields>>::failure(error.empty() ? "a table must be a JSON array of objects" : error);
    ResultWith<std::vector<PresetFields>> r;
    r.value = std::move(reader.entries);
    return r;
}

ResultWith<std::vector<PresetFields>> readTable(files::FileSystem& fs, const std::string& path)
{
    std::string bytes;
    if (std::string why = readUserFile(fs, "table", path, bytes); !why.empty())
        return ResultWith<std::vector<PresetFields>>::failure(why);
    ResultWith<std::vector<PresetFields>> r = parseTable(bytes);
    if (!r) r.detail = "table " + path + ": " + r.detail;
    return r;
}

std::string jsonString(const std::string& text)
{
    // nlohmann escapes the runs of valid UTF-8. Two cases it writes otherwise
    // are written here between the runs: a byte that is not part of valid
    // UTF-8 becomes the escape \ufffd (nlohmann would put U+FFFD itself, or
    // refuse), and DEL, a control character nlohmann copies, becomes \u007f.
    std::string out = "\"";
    size_t run = 0;
    for (size_t i = 0; i < text.size();) {
        const utf8::Char ch = utf8::decodeAt(text, i);
        if (ch.valid && text[i] != '\x7f') {
            i += ch.bytes;
            continue;
        }
        appendEscaped(out, std::string_view(text).substr(run, i - run));
        out += ch.valid ? "\\u007f" : "\\ufffd";
        i += ch.bytes;
        run = i;
    }
    appendEscaped(out, std::string_view(text).substr(run));
    out += '"';
    return out;
}

std::string presetText(const std::vector<PresetEntry>& entries)
{
    std::string json = "{";
    for (size_t k = 0; k < entries.size(); ++k) {
        const PresetEntry& e = entries[k];
        json += k == 0 ? "\n  " : ",\n  ";
        json += jsonString(e.name) + ": " + (e.kind == PresetEntry::text ? jsonString(e.value) : e.value);
    }
    return json + "\n}\n";
}

Result checkPresetTarget(files::FileSystem& fs, const std::string& path)
{
    using files::EntryKind;
    switch (fs.targetAt(path)) {
    case EntryKind::missing: return Result::success();
    case EntryKind::folder: return Result::failure("the preset file " + path + " is a folder");
    case EntryKind::file: break;
    case EntryKind::unknown: return Result::failure("the preset file " + path + " cannot be looked at");
    default: return Result::failure("the preset file " + path + " is a pipe or a device, not a regular file");
    }
    // Its rights decide, not whether this process could write it anyway (as
    // the administrator can): a file made read-only stays as it is.
    const auto rights = fs.permissions(path);
    if (!rights || (*rights & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return Result::failure("the preset file " + path + " is read-only");
    return Result::success();
}

Result writePreset(files::FileSystem& fs, const std::string& path, const std::string& text)
{
    if (fs.replaceFileAtomically(path, text)) return Result::success();
    return Result::failure("cannot write the preset " + path);
}

std::string jsonArray(const std::vector<std::string>& texts)
{
    std::string json = "[";
    for (size_t k = 0; k < texts.size(); ++k) {
        if (k > 0) json += ",";
        json += jsonString(texts[k]);
    }
    return json + "]";
}

std::string jsonObjectLines(const std::vector<JsonMembers>& objects)
{
    std::string json = "[";
    for (const JsonMembers& members : objects) {
        json += json.size() > 1 ? ",\n {" : "\n {";
        for (size_t k = 0; k < members.size(); ++k)
            json += (k ? ", " : "") + jsonString(members[k].first) + ": " + jsonString(members[k].second);
        json += "}";
    }
    return json + (objects.empty() ? "]\n" : "\n]\n");
}

}  // namespace zz
