// The preset reader and the JSON text writer of the command-line tool.
#include <gtest/gtest.h>

#include "json.h"

namespace {

using zz::cli::jsonString;
using zz::cli::parsePreset;

TEST(Preset, ValuesBecomeTypedText)
{
    std::string error;
    const auto a = parsePreset(R"( { "projectName": "Echo\tBox", "blockSize": 128, "tailTimeMsec": -1.5e2,
                                     "synthPlugin": true, "makeAU": false, "vendorName": "\u00e9\ud83c\udfb8" } )",
                               error);
    ASSERT_TRUE(a) << error;
    ASSERT_EQ(a->size(), 6u);
    const std::pair<const char*, const char*> expected[] = {
        {"projectName", "Echo\tBox"}, {"blockSize", "128"}, {"tailTimeMsec", "-1.5e2"},
        {"synthPlugin", "true"},      {"makeAU", "false"},  {"vendorName", "\xC3\xA9\xF0\x9F\x8E\xB8"},
    };
    for (size_t i = 0; i < a->size(); ++i) {
        EXPECT_EQ((*a)[i].field, expected[i].first);
        EXPECT_EQ((*a)[i].value, expected[i].second);
    }
}

TEST(Preset, UnpairedSurrogateIsAParseError)
{
    for (const char* text : {R"({"a": "x\ud800y"})", R"({"b": "\udc00"})"}) {
        std::string error;
        EXPECT_FALSE(parsePreset(text, error)) << text;
        EXPECT_NE(error.find("surrogate"), std::string::npos) << text << ": " << error;
    }
}

TEST(Preset, RefusesWhatIsNotAFlatObject)
{
    const char* bad[] = {
        "",           "[]",          "{",           "{\"a\" 1}",    "{\"a\": 1,}",      "{\"a\": [1]}",
        "{\"a\": {}}", "{\"a\": null}", "{} x",        "{\"a\": \"\x01\"}", "{\"a\": \"\\q\"}", "{a: 1}",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(parsePreset(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(Preset, JsonStringReadsBack)
{
    const std::string texts[] = {"plain", "quote \" and \\ slash", "tab\tCR\rLF\n", "\x01\x1f\x7f",
                                 "\xC3\xA9\xF0\x9F\x8E\xB8"};
    for (const std::string& text : texts) {
        std::string error;
        const auto a = parsePreset("{\"k\": " + jsonString(text) + "}", error);
        ASSERT_TRUE(a) << error << " for " << jsonString(text);
        EXPECT_EQ((*a)[0].value, text);
    }
    EXPECT_EQ(jsonString("a\xFF"), "\"a\\ufffd\"");
}

}  // namespace
