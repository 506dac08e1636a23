#include <gtest/gtest.h>

#include "common/fields.h"
#include "common/text.h"
#include "common/utf8.h"

namespace zz {
namespace {

TEST(Text, Trims)
{
    EXPECT_EQ(trimWhiteSpace(" \t\r\n\v\fa b\f\v\n\r\t "), "a b");
    EXPECT_EQ(trimWhiteSpace(" \t "), "");
    EXPECT_EQ(trimWhiteSpace(""), "");
    EXPECT_EQ(trimCharacters(" \t\rvalue\r\n", " \t\r"), "value\r\n");  // only the set is removed
    EXPECT_EQ(trimCharacters("\v x \v", " \t\r"), "\v x \v");
}

TEST(Text, BooleanWords)
{
    EXPECT_EQ(booleanWord("true"), true);
    EXPECT_EQ(booleanWord("1"), true);
    EXPECT_EQ(booleanWord("false"), false);
    EXPECT_EQ(booleanWord("0"), false);
    for (const char* other : {"", "TRUE", "yes", " 1", "2", "on"}) EXPECT_EQ(booleanWord(other), std::nullopt) << other;
}

TEST(Text, QuotedTextKeepsAMessageShort)
{
    const std::string forty(40, 'x');
    EXPECT_EQ(quotedText(""), "''");
    EXPECT_EQ(quotedText(forty), "'" + forty + "'");
    EXPECT_EQ(quotedText(forty + "y"), "'" + forty + "...'");
    EXPECT_EQ(quotedText(std::string(10000, 'z')), "'" + std::string(40, 'z') + "...'");
    // Forty characters, not bytes: a letter of two bytes is never cut.
    const std::string wide = std::string(39, 'x') + "\xC3\xA9";
    EXPECT_EQ(quotedText(wide + "\xC3\xA9"), "'" + wide + "...'");
    // One rule for what no text field holds: where the first one starts.
    EXPECT_EQ(firstLineBreakOrControl("ab\xE2\x80\xA8" "c"), 2u);
    EXPECT_EQ(firstLineBreakOrControl("a\xFF\xC2\x85"), 2u);  // a stray byte is none, U+0085 is
    EXPECT_EQ(firstLineBreakOrControl("caf\xC3\xA9 \xC2\xA0"), std::string_view::npos);
    // Nothing reaches the terminal that it would take for a command.
    EXPECT_EQ(quotedText("a\nb\tc\r\x1B[2J\x7F\xC2\x85\xFF"), "'a\\nb\\tc\\r\\x1B[2J\\x7F\\xC2\\x85\\xFF'");
}

TEST(Utf8, Validity)
{
    struct Case {
        std::string text;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x8E\xB8", true},
        {"\xEF\xBF\xBD", true},       // U+FFFD itself
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"\xFC", false},              // a byte that starts nothing
        {"\xC0\xAF", false},          // overlong "/"
        {"\xE0\x80\xAF", false},      // overlong "/"
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"ok\xE2\x82", false},        // cut short
        {"\x80", false},              // a stray continuation byte
    };
    for (const Case& c : cases) EXPECT_EQ(utf8::isValid(c.text), c.valid) << c.text;
}

TEST(Utf8, AppendsEveryLength)
{
    std::string out;
    for (char32_t cp : {U'a', char32_t{0xE9}, char32_t{0x20AC}, char32_t{0x1F3B8}}) utf8::append(out, cp);
    EXPECT_EQ(out, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB8");
}

}  // namespace
}  // namespace zz
