#include "cppsyntax.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "common/utf8.h"

namespace zz::cpp {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// The characters beyond ASCII that C++ (up to C++20) allows in identifiers.
constexpr Range kAllowed[] = {
    {0xA8, 0xA8},       {0xAA, 0xAA},       {0xAD, 0xAD},       {0xAF, 0xAF},       {0xB2, 0xB5},
    {0xB7, 0xBA},       {0xBC, 0xBE},       {0xC0, 0xD6},       {0xD8, 0xF6},       {0xF8, 0xFF},
    {0x100, 0x167F},    {0x1681, 0x180D},   {0x180F, 0x1FFF},   {0x200B, 0x200D},   {0x202A, 0x202E},
    {0x203F, 0x2040},   {0x2054, 0x2054},   {0x2060, 0x206F},   {0x2070, 0x218F},   {0x2460, 0x24FF},
    {0x2776, 0x2793},   {0x2C00, 0x2DFF},   {0x2E80, 0x2FFF},   {0x3004, 0x3007},   {0x3021, 0x302F},
    {0x3031, 0x303F},   {0x3040, 0xD7FF},   {0xF900, 0xFD3D},   {0xFD40, 0xFDCF},   {0xFDF0, 0xFE44},
    {0xFE47, 0xFFFD},
};

// Of those, the ones an identifier may not start with (combining marks).
constexpr Range kNotFirst[] = {{0x300, 0x36F}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0xFE20, 0xFE2F}};

template <size_t N>
bool inRanges(const Range (&ranges)[N], char32_t c)
{
    return std::any_of(std::begin(ranges), std::end(ranges), [c](const Range& r) { return c >= r.first && c <= r.last; });
}

bool allowedBeyondAscii(char32_t c)
{
    // Planes 1 to 14, each but its last two code points.
    if (c >= 0x10000 && c <= 0xEFFFF) return (c & 0xFFFF) <= 0xFFFD;
    return inRanges(kAllowed, c);
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// Letters of identifiers: ASCII letters, "_", and "$", which the usual
// compilers (GCC, Clang, MSVC) take in names.
bool isNameLetter(char c) { return isAsciiLetter(c) || c == '$'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

size_t escapeLength(std::string_view text, size_t at);

// The code point of the universal character name ("\u00B5", "\U0001F600")
// at `at`, and its length; a length of 0 for none.
std::pair<char32_t, size_t> universalName(std::string_view text, size_t at)
{
    if (at + 1 >= text.size() || text[at] != '\\' || (text[at + 1] != 'u' && text[at + 1] != 'U')) return {0, 0};
    const size_t length = escapeLength(text, at);
    if (length == 0) return {0, 0};
    char32_t value = 0;
    for (size_t i = at + 2; i < at + length; ++i) {
        const char h = text[i];
        value = value * 16 + (isDigit(h) ? char32_t(h - '0') : char32_t((h | 0x20) - 'a' + 10));
    }
    return {value, length};
}

// The length of the identifier at `at`, 0 for none. A character beyond
// ASCII may also be written as a universal character name.
size_t identifierLength(std::string_view text, size_t at)
{
    size_t i = at;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            const auto [codePoint, length] = universalName(text, i);
            if (length == 0 || !allowedBeyondAscii(codePoint) || (i == at && inRanges(kNotFirst, codePoint))) break;
            i += length;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            if (!isNameLetter(c) && !(i > at && isDigit(c))) break;
            ++i;
            continue;
        }
        const utf8::Char u = utf8::decodeAt(text, i);
        if (!u.valid || !allowedBeyondAscii(u.codePoint) || (i == at && inRanges(kNotFirst, u.codePoint))) break;
        i += u.bytes;
    }
    return i - at;
}

// The length of the escape sequence at `at` (a backslash), 0 when it is none
// that C++ takes.
size_t escapeLength(std::string_view text, size_t at)
{
    if (at + 1 >= text.size()) return 0;
    const char c = text[at + 1];
    if (std::string_view("'\"?\\abfnrtv").find(c) != std::string_view::npos) return 2;
    if (isOctalDigit(c)) {
        size_t end = at + 1;
        unsigned value = 0;
        while (end < text.size() && end < at + 4 && isOctalDigit(text[end])) value = value * 8 + unsigned(text[end++] - '0');
        return value <= 0xFF ? end - at : 0;
    }
    if (c == 'x') {
        size_t end = at + 2;
        uint32_t value = 0;
        bool fits = true;
        while (end < text.size() && isHexDigit(text[end])) {
            const char h = text[end++];
            const uint32_t digit = isDigit(h) ? uint32_t(h - '0') : uint32_t((h | 0x20) - 'a' + 10);
            value = value * 16 + digit;
            fits = fits && value <= 0xFF;
            if (!fits) value = 0x100;
        }
        return end > at + 2 && fits ? end - at : 0;
    }
    if (c == 'u' || c == 'U') {
        const size_t digits = c == 'u' ? 4 : 8;
        if (at + 2 + digits > text.size()) return 0;
        uint32_t value = 0;
        for (size_t i = at + 2; i < at + 2 + digits; ++i) {
            const char h = text[i];
            if (!isHexDigit(h)) return 0;
            value = value * 16 + (isDigit(h) ? uint32_t(h - '0') : uint32_t((h | 0x20) - 'a' + 10));
        }
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
        return 2 + digits;
    }
    return 0;
}

// ---- Expressions ----------------------------------------------------------------

enum class TokenKind { name, literal, punctuator };

struct Token {
    TokenKind kind;
    std::string_view text;
};

// A number as C++ writes its literals: decimal, octal, hex or binary
// integers with their suffixes, and decimal floating literals.
bool isNumberLiteral(std::string_view n)
{
    static constexpr std::string_view kIntegerSuffixes[] = {
        "",    "u",   "U",   "l",   "L",   "ul",  "uL",  "Ul",  "UL",  "lu",  "lU",  "Lu",
        "LU",  "ll",  "LL",  "ull", "uLL", "Ull", "ULL", "llu", "llU", "LLu", "LLU",
    };
    const auto integerSuffix = [&](std::string_view s) {
        return std::find(std::begin(kIntegerSuffixes), std::end(kIntegerSuffixes), s) != std::end(kIntegerSuffixes);
    };
    const auto run = [&](size_t from, bool (*digit)(char)) {
        size_t i = from;
        while (i < n.size() && digit(n[i])) ++i;
        return i;
    };
    if (n.size() > 2 && n[0] == '0' && (n[1] == 'x' || n[1] == 'X')) {
        const size_t end = run(2, isHexDigit);
        return end > 2 && integerSuffix(n.substr(end));
    }
    if (n.size() > 2 && n[0] == '0' && (n[1] == 'b' || n[1] == 'B')) {
        const size_t end = run(2, [](char c) { return c == '0' || c == '1'; });
        return end > 2 && integerSuffix(n.substr(end));
    }
    const size_t whole = run(0, isDigit);
    size_t i = whole;
    bool floating = false;
    size_t fraction = 0;
    if (i < n.size() && n[i] == '.') {
        floating = true;
        const size_t end = run(i + 1, isDigit);
        fraction = end - i - 1;
        i = end;
    }
    if (whole == 0 && fraction == 0) return false;
    if (i < n.size() && (n[i] == 'e' || n[i] == 'E')) {
        size_t j = i + 1;
        if (j < n.size() && (n[j] == '+' || n[j] == '-')) ++j;
        const size_t end = run(j, isDigit);
        if (end == j) return false;
        floating = true;
        i = end;
    }
    if (floating) return i == n.size() || (i + 1 == n.size() && std::string_view("fFlL").find(n[i]) != std::string_view::npos);
    if (n[0] == '0' && run(0, isOctalDigit) != whole) return false;  // 08 is no octal number
    return integerSuffix(n.substr(whole));
}

// Splits an expression into its tokens; nothing for text that holds a
// character no token of an expression has (a quote of a string, a ";", a
// comment, ...).
std::optional<std::vector<Token>> tokens(std::string_view text)
{
    static constexpr std::string_view kPunctuators[] = {
        "::", "->", "<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "(", ")", "[", "]", "{", "}", ".", "+",
        "-",  "*",  "/",  "%",  "<",  ">",  "&",  "|",  "^",  "~",  "!",  "?", ":", ",",
    };
    std::vector<Token> out;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
            ++i;
        } else if (text.substr(i, 2) == "/*") {
            // A comment is white space; one that does not end here would
            // swallow the code after it.
            const size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos) return std::nullopt;
            i = end + 2;
        } else if (isDigit(c) || (c == '.' && i + 1 < text.size() && isDigit(text[i + 1]))) {
            // The preprocessing number: digits, letters, "_", ".", and a sign
            // after an exponent's letter.
            // A "'" between two digits separates them.
            size_t end = i + 1;
            std::string number(1, c);
            while (end < text.size()) {
                const char d = text[end];
                if ((d == '+' || d == '-') && std::string_view("eEpP").find(text[end - 1]) != std::string_view::npos) {
                    number += d;
                    ++end;
                } else if (isDigit(d) || isAsciiLetter(d) || d == '.') {
                    number += d;
                    ++end;
                } else if (d == '\'' && isHexDigit(text[end - 1]) && end + 1 < text.size() && isHexDigit(text[end + 1])) {
                    ++end;
                } else {
                    break;
                }
            }
            if (!isNumberLiteral(number)) return std::nullopt;
            out.push_back({TokenKind::literal, text.substr(i, end - i)});
            i = end;
        } else if (c == '\'') {
            // A character literal of one character.
            size_t end = i + 1;
            if (end < text.size() && text[end] == '\\') {
                const size_t escape = escapeLength(text, end);
                if (escape == 0) return std::nullopt;
                end += escape;
            } else if (end < text.size() && text[end] != '\'' && text[end] != '\n') {
                end += utf8::decodeAt(text, end).bytes;
            } else {
                return std::nullopt;
            }
            if (end >= text.size() || text[end] != '\'') return std::nullopt;
            out.push_back({TokenKind::literal, text.substr(i, end + 1 - i)});
            i = end + 1;
        } else if (const size_t name = identifierLength(text, i)) {
            out.push_back({TokenKind::name, text.substr(i, name)});
            i += name;
        } else {
            if (text.substr(i, 2) == "//") return std::nullopt;
            const auto p = std::find_if(std::begin(kPunctuators), std::end(kPunctuators),
                                        [&](std::string_view q) { return text.substr(i, q.size()) == q; });
            if (p == std::end(kPunctuators)) return std::nullopt;
            out.push_back({TokenKind::punctuator, *p});
            i += p->size();
        }
    }
    return out;
}

// A recursive descent over the tokens; each rule answers whether it read
// what it stands for.
class ExpressionReader {
public:
    explicit ExpressionReader(const std::vector<Token>& tokens) : tokens_(tokens) {}

    bool whole() { return !tokens_.empty() && clause() && at_ == tokens_.size(); }

private:
    bool is(std::string_view punctuator) const
    {
        return at_ < tokens_.size() && tokens_[at_].kind == TokenKind::punctuator && tokens_[at_].text == punctuator;
    }
    bool take(std::string_view punctuator) { return is(punctuator) ? (++at_, true) : false; }
    bool takeName()
    {
        if (at_ >= tokens_.size() || tokens_[at_].kind != TokenKind::name) return false;
        ++at_;
        return true;
    }

    bool conditional()
    {
        if (!binary()) return false;
        if (!take("?")) return true;
        return conditional() && take(":") && conditional();
    }

    bool binary()
    {
        static constexpr std::string_view kBinary[] = {"*",  "/",  "%",  "+",  "-", "<<", ">>", "<",  ">",
                                                       "<=", ">=", "==", "!=", "&", "^",  "|",  "&&", "||"};
        if (!unary()) return false;
        while (std::any_of(std::begin(kBinary), std::end(kBinary), [&](std::string_view b) { return is(b); })) {
            ++at_;
            if (!unary()) return false;
        }
        return true;
    }

    bool unary()
    {
        while (take("+") || take("-") || take("!") || take("~") || take("*") || take("&")) {
        }
        return postfix();
    }

    bool postfix()
    {
        if (!primary()) return false;
        for (;;) {
            if (take("(")) {
                if (!arguments(")")) return false;
            } else if (take("{")) {
                if (!arguments("}")) return false;
            } else if (take("[")) {
                if (!conditional() || !take("]")) return false;
            } else if (take(".") || take("->") || take("::")) {
                if (!takeName()) return false;
            } else {
                return true;
            }
        }
    }

    // An argument: an expression, or a braced list (which no operator takes).
    bool clause() { return take("{") ? arguments("}") : conditional(); }

    // The arguments of a call or a braced list, up to `closing`.
    bool arguments(std::string_view closing)
    {
        if (take(closing)) return true;
        do {
            if (!clause()) return false;
        } while (take(","));
        return take(closing);
    }

    bool primary()
    {
        if (at_ >= tokens_.size()) return false;
        if (tokens_[at_].kind != TokenKind::punctuator) return ++at_, true;
        if (take("::")) return takeName();
        if (take("(")) return conditional() && take(")");
        return false;
    }

    const std::vector<Token>& tokens_;
    size_t at_ = 0;
};

}  // namespace

bool isIdentifier(std::string_view text) { return !text.empty() && identifierLength(text, 0) == text.size(); }

bool isKeyword(std::string_view text)
{
    // In byte order, for a binary search: a long list of entries costs no
    // more than a few comparisons each.
    static constexpr std::string_view kKeywords[] = {
        "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
        "char", "char16_t", "char32_t", "char8_t", "class", "co_await", "co_return", "co_yield", "compl", "concept",
        "const", "const_cast", "consteval", "constexpr", "constinit", "continue", "decltype", "default", "delete",
        "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
        "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
        "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast",
        "requires", "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct",
        "switch", "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename",
        "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
    };
    return std::binary_search(std::begin(kKeywords), std::end(kKeywords), text);
}

LiteralFault literalFault(std::string_view body)
{
    for (size_t i = 0; i < body.size();) {
        const char c = body[i];
        if (c == '"') return {LiteralFault::quote, "\""};
        if (c == '\n' || c == '\r') return {LiteralFault::lineBreak, std::string(1, c)};
        if (c != '\\') {
            ++i;
            continue;
        }
        const size_t escape = escapeLength(body, i);
        if (escape == 0) {
            // The backslash and the character after it (if any), or a
            // universal character name's digits as far as they go.
            size_t end = i + 1;
            if (end < body.size()) {
                const char next = body[end];
                end += next == '\n' || next == '\r' ? 0 : utf8::decodeAt(body, end).bytes;
                if (next == 'x' || next == 'u' || next == 'U' || isOctalDigit(next))
                    while (end < body.size() && isHexDigit(body[end]) && end < i + 10) ++end;
            }
            return {LiteralFault::escape, std::string(body.substr(i, end - i))};
        }
        i += escape;
    }
    return {};
}

bool isExpression(std::string_view text)
{
    const auto split = tokens(text);
    return split && ExpressionReader(*split).whole();
}

}  // namespace zz::cpp
