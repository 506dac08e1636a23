#include "json.h"

#include <cstdio>

#include "common/files.h"
#include "common/utf8.h"

namespace zz::cli {

namespace {

class JsonReader {
public:
    JsonReader(const std::string& text, std::string& error) : s_(text), error_(error) {}

    std::optional<std::vector<Assignment>> readObject()
    {
        std::vector<Assignment> out;
        skipSpace();
        if (!take('{')) return fail("a preset must be a JSON object");
        skipSpace();
        if (take('}')) return finish(out);
        for (;;) {
            skipSpace();
            std::string key;
            if (!readString(key)) return fail("expected a field name in quotes");
            skipSpace();
            if (!take(':')) return fail("expected ':' after \"" + key + "\"");
            skipSpace();
            std::string value;
            if (!readScalar(value)) {
                if (error_.empty()) error_ = "the value of \"" + key + "\" must be a string, a number or a boolean";
                return std::nullopt;
            }
            out.push_back({key, value});
            skipSpace();
            if (take(',')) continue;
            if (take('}')) return finish(out);
            return fail("expected ',' or '}'");
        }
    }

private:
    std::optional<std::vector<Assignment>> finish(std::vector<Assignment>& out)
    {
        skipSpace();
        if (pos_ != s_.size()) return fail("unexpected text after the object");
        return std::move(out);
    }

    std::optional<std::vector<Assignment>> fail(const std::string& what)
    {
        error_ = what + " (at byte " + std::to_string(pos_) + ")";
        return std::nullopt;
    }

    void skipSpace()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }

    bool take(char c)
    {
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool literal(const char* word)
    {
        const std::string w(word);
        if (s_.compare(pos_, w.size(), w) == 0) {
            pos_ += w.size();
            return true;
        }
        return false;
    }

    bool readHex4(unsigned& out)
    {
        if (pos_ + 4 > s_.size()) return false;
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            out <<= 4;
            if (c >= '0' && c <= '9') out |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f') out |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') out |= unsigned(c - 'A' + 10);
            else return false;
        }
        return true;
    }

    bool readString(std::string& out)
    {
        if (!take('"')) return false;
        while (pos_ < s_.size()) {
            const char c = s_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= s_.size()) return false;
            const char e = s_[pos_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned cp = 0;
                if (!readHex4(cp)) return false;
                if (cp >= 0xD800 && cp <= 0xDBFF && s_.compare(pos_, 2, "\\u") == 0) {
                    const size_t save = pos_;
                    pos_ += 2;
                    unsigned low = 0;
                    if (readHex4(low) && low >= 0xDC00 && low <= 0xDFFF) {
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else {
                        pos_ = save;
                    }
                }
                // A surrogate without its partner has no UTF-8 form.
                if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
                utf8::append(out, cp);
                break;
            }
            default: return false;
            }
        }
        return false;
    }

    bool readScalar(std::string& out)
    {
        if (pos_ >= s_.size()) return false;
        const char c = s_[pos_];
        if (c == '"') return readString(out);
        if (literal("true")) {
            out = "true";
            return true;
        }
        if (literal("false")) {
            out = "false";
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            const size_t start = pos_;
            while (pos_ < s_.size()) {
                const char d = s_[pos_];
                if ((d >= '0' && d <= '9') || d == '-' || d == '+' || d == '.' || d == 'e' || d == 'E') ++pos_;
                else break;
            }
            out = s_.substr(start, pos_ - start);
            return true;
        }
        return false;
    }

    const std::string& s_;
    std::string& error_;
    size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<Assignment>> parsePreset(const std::string& json, std::string& error)
{
    error.clear();
    JsonReader reader(json, error);
    return reader.readObject();
}

std::optional<std::vector<Assignment>> readPreset(const std::string& path, std::string& error)
{
    std::string bytes;
    if (files::readWholeFile(path, bytes, files::kUserFileLimit) != files::ReadStatus::ok) {
        error = "cannot read preset file " + path;
        return std::nullopt;
    }
    auto result = parsePreset(bytes, error);
    if (!result) error = path + ": " + error;
    return result;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"': out += "\\\""; ++i; continue;
        case '\\': out += "\\\\"; ++i; continue;
        case '\n': out += "\\n"; ++i; continue;
        case '\r': out += "\\r"; ++i; continue;
        case '\t': out += "\\t"; ++i; continue;
        case '\b': out += "\\b"; ++i; continue;
        case '\f': out += "\\f"; ++i; continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04x", c);
            out += hex;
            ++i;
            continue;
        }
        // A valid UTF-8 sequence is copied whole; a stray byte becomes U+FFFD.
        const utf8::Char ch = utf8::decodeAt(text, i);
        if (ch.valid) out.append(text, i, ch.bytes);
        else out += "\\ufffd";
        i += ch.bytes;
    }
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

std::string jsonArray(const std::vector<std::string>& texts)
{
    std::string json = "[";
    for (size_t k = 0; k < texts.size(); ++k) {
        if (k > 0) json += ",";
        json += jsonString(texts[k]);
    }
    return json + "]";
}

}  // namespace zz::cli
