#include <gtest/gtest.h>

#include "common/utf16.h"
#include "common/utf8.h"

using namespace zz::utf16;

TEST(Utf16, CountsCodeUnits)
{
    EXPECT_EQ(length(""), 0u);
    EXPECT_EQ(length("abc"), 3u);
    EXPECT_EQ(length("\xC3\xA9"), 1u);          // é
    EXPECT_EQ(length("\xE2\x82\xAC"), 1u);      // €
    EXPECT_EQ(length("\xF0\x9F\x8E\xB8"), 2u);  // 🎸, outside the BMP
    EXPECT_EQ(length("\xFF"), 1u);              // stray byte
    EXPECT_EQ(length("\xF0\x9F"), 2u);          // truncated sequence: one unit a byte
}

TEST(Utf16, PrefixNeverSplitsACharacter)
{
    const std::string guitar = "\xF0\x9F\x8E\xB8";
    EXPECT_EQ(prefix("abcdef", 3), "abc");
    EXPECT_EQ(prefix("ab", 15), "ab");
    EXPECT_EQ(prefix("ab" + guitar + "c", 3), "ab");  // would split the pair: cut one unit earlier
    EXPECT_EQ(prefix("ab" + guitar + "c", 4), "ab" + guitar);
    EXPECT_EQ(prefix("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9");
    const std::string forty(40, 'x');
    EXPECT_EQ(prefix(forty, 31), std::string(31, 'x'));
}

TEST(Utf8, DecodesOneCharacterAtATime)
{
    struct Case {
        const char* text;
        char32_t codePoint;
        size_t bytes;
    } cases[] = {
        {"a", U'a', 1},
        {"\xC3\xA9", 0xE9, 2},
        {"\xE3\x80\x80", 0x3000, 3},          // ideographic space
        {"\xF0\x9F\x8E\xB8", 0x1F3B8, 4},
        {"\x85", 0xFFFD, 1},                  // a stray continuation byte is not U+0085
        {"\xC2", 0xFFFD, 1},                  // truncated
        {"\xE3\x80x", 0xFFFD, 1},             // broken
    };
    for (const auto& c : cases) {
        const zz::utf8::Char got = zz::utf8::decodeAt(c.text, 0);
        EXPECT_EQ(got.codePoint, c.codePoint) << c.text;
        EXPECT_EQ(got.bytes, c.bytes) << c.text;
    }
}
