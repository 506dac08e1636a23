#include <gtest/gtest.h>

#include "common/utf16.h"

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
