#include "cliargs.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "project/winfiles.h"

namespace zz::cli {

std::optional<Deliverable> parseStyle(const std::string& word)
{
    if (word == "windows") return Deliverable::windows;
    if (word == "macos") return Deliverable::mac;
    return std::nullopt;
}

std::optional<bool> parseBool(const std::string& word)
{
    if (word == "true" || word == "1") return true;
    if (word == "false" || word == "0") return false;
    return std::nullopt;
}

std::optional<Assignment> parseAssignment(const std::string& word)
{
    const auto eq = word.find('=');
    if (eq == std::string::npos || eq == 0) return std::nullopt;
    return Assignment{word.substr(0, eq), word.substr(eq + 1)};
}

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

    static void appendUtf8(std::string& out, unsigned cp)
    {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
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
                appendUtf8(out, cp);
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read preset file " + path;
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    auto result = parsePreset(buffer.str(), error);
    if (!result) error = path + ": " + error;
    return result;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"': out += "\\\""; continue;
        case '\\': out += "\\\\"; continue;
        case '\n': out += "\\n"; continue;
        case '\r': out += "\\r"; continue;
        case '\t': out += "\\t"; continue;
        case '\b': out += "\\b"; continue;
        case '\f': out += "\\f"; continue;
        default: break;
        }
        char hex[8];
        if (c < 0x20 || c == 0x7F) {
            std::snprintf(hex, sizeof hex, "\\u%04x", c);
            out += hex;
            continue;
        }
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        // Copy a valid UTF-8 sequence whole; escape a stray byte as U+FFFD.
        size_t need = c >= 0xF0 && c <= 0xF4 ? 3 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xC2 && c <= 0xDF ? 1 : 0;
        bool ok = need > 0 && i + need < text.size();
        for (size_t k = 1; ok && k <= need; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) ok = false;
        if (!ok) {
            out += "\\ufffd";
            continue;
        }
        out.append(text, i, need + 1);
        i += need;
    }
    out += '"';
    return out;
}

bool OptionScanner::next()
{
    if (started_) ++index_;
    started_ = true;
    if (index_ >= args_.size()) return false;
    const std::string& w = args_[index_];
    inline_.reset();
    name_ = w;
    const auto eq = w.find('=');
    if (w.rfind("--", 0) == 0 && eq != std::string::npos) {
        name_ = w.substr(0, eq);
        inline_ = w.substr(eq + 1);
    }
    return true;
}

std::optional<std::string> OptionScanner::value()
{
    if (inline_) return inline_;
    if (index_ + 1 >= args_.size()) return std::nullopt;
    return args_[++index_];
}

int usageError(const char* command, const std::string& what)
{
    std::fprintf(stderr, "zizavizerovo %s: %s\nRun 'zizavizerovo %s --help' for the options.\n", command, what.c_str(),
                 command);
    return 2;
}

std::string executableFolder(const std::string& argv0)
{
    std::string folder = programFolder();
    if (folder.empty()) folder = folderOfProgramFile(argv0);
    return folder.empty() ? "." : folder;
}

}  // namespace zz::cli
