// The JSON text of the tool as nlohmann-json reads and writes it: presets read
// into typed text (numbers with the text they were written with), --json
// output byte for byte as before the library took over.
#include <gtest/gtest.h>

#include <optional>

#include "common/json.h"

namespace {

using zz::jsonArray;
using zz::jsonString;

// The preset's fields, or nothing with the reason in `error`.
std::optional<zz::PresetFields> parsePreset(const std::string& json, std::string& error)
{
    zz::ResultWith<zz::PresetFields> read = zz::parsePreset(json);
    error = read.detail;
    if (!read) return std::nullopt;
    return read.value;
}

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
}

TEST(JsonText, StringsAreWrittenByteForByteAsBefore)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a", R"("a")"},
        {"", R"("")"},
        {"quote \" back \\ slash /", R"("quote \" back \\ slash /")"},
        {"\n\r\t\b\f", R"("\n\r\t\b\f")"},
        {std::string("\0\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
        {"\x7f", R"("\u007f")"},                                     // DEL is a control character too
        {"\xC3\xA9\xF0\x9F\x8E\xB8", "\"\xC3\xA9\xF0\x9F\x8E\xB8\""},  // UTF-8 copied, not escaped
        {"\xE2\x80\xA8\xEF\xBF\xBD", "\"\xE2\x80\xA8\xEF\xBF\xBD\""},  // U+2028 and U+FFFD themselves
        {"a\xff", R"("a\ufffd")"},
        {"\xC3", R"("\ufffd")"},                       // a sequence cut short
        {"\xC0\xAF", R"("\ufffd\ufffd")"},             // an overlong '/'
        {"\xED\xA0\x80", R"("\ufffd\ufffd\ufffd")"},   // an encoded surrogate
        {"x\x7fy\xffz\xC3\xA9", "\"x\\u007fy\\ufffdz\xC3\xA9\""},
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json) << json;
}

TEST(JsonText, ArraysAreCompact)
{
    EXPECT_EQ(jsonArray({}), "[]");
    EXPECT_EQ(jsonArray({"a", "b"}), R"(["a","b"])");
    EXPECT_EQ(jsonArray({"\tint x;", "\xff"}), R"(["\tint x;","\ufffd"])");
}

TEST(JsonText, PresetNumbersKeepTheirText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"},
        {"-0", "-0"},
        {"128", "128"},
        {"-7", "-7"},
        {"0.10", "0.10"},
        {"1E+2", "1E+2"},
        {"-1.5e-7", "-1.5e-7"},
        {"18446744073709551615", "18446744073709551615"},
        {"18446744073709551616", "18446744073709551616"},  // past 64 bits
        {"-9223372036854775809", "-9223372036854775809"},
    };
    for (const auto& [number, text] : cases) {
        std::string error;
        const auto a = parsePreset(std::string("{\"n\": ") + number + "}", error);
        ASSERT_TRUE(a) << number << ": " << error;
        ASSERT_EQ(a->size(), 1u);
        EXPECT_EQ((*a)[0].value, text);
    }
}

TEST(JsonText, FieldsStayInFileOrder)
{
    std::string error;
    const auto a = parsePreset(R"({"b": "1", "a": true})", error);
    ASSERT_TRUE(a) << error;
    ASSERT_EQ(a->size(), 2u);
    EXPECT_EQ((*a)[0].field + "=" + (*a)[0].value, "b=1");
    EXPECT_EQ((*a)[1].field + "=" + (*a)[1].value, "a=true");
}

TEST(JsonText, PresetErrorsSayWhatIsWrong)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "a preset must be a JSON object (at byte 0)"},
        {"  [1]", "a preset must be a JSON object"},
        {"\"text\"", "a preset must be a JSON object"},
        {R"({"a": 1} {})", "unexpected text after the object (at byte 9)"},
        {R"({"a": null})", R"(the value of "a" must be a string, a number or a boolean)"},
        {R"({"a": [1]})", R"(the value of "a" must be a string, a number or a boolean)"},
        {R"({"a": {"b": 1}})", R"(the value of "a" must be a string, a number or a boolean)"},
        {R"({"a": 01})", "parse error at line 1, column 8"},  // JSON numbers have no leading zeros
        {R"({"a": 1-2})", "parse error at line 1, column 9"},
        {R"({"a": 1e999})", "number overflow"},  // past the range of a double
        {"{\"a\": \"\xff\"}", "ill-formed UTF-8"},
        {"{\"a\":\n \"x}", "parse error at line 2"},
        {R"({"controlID": "kGain", "controlID": "kTrim"})", R"(the key "controlID" is given twice)"},
    };
    for (const auto& [json, piece] : cases) {
        std::string error;
        EXPECT_FALSE(parsePreset(json, error)) << json;
        EXPECT_NE(error.find(piece), std::string::npos) << json << ": " << error;
    }
}

}  // namespace
