#include <clocale>
#include <limits>
#include <string>
#include <locale>

#include <gtest/gtest.h>

#include "common/numtext.h"

using namespace zz::numtext;

TEST(NumText, WindowsIntegerReading)
{
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"", 0},          {"   ", 0},          {"64", 64},         {"  64  ", 64},
        {"\t12\r\n", 12}, {"-5", -5},          {"+7", 7},          {"12abc", 12},
        {"abc", 0},       {"2.7", 2},          {"0064", 64},       {"- 5", 0},
        {"99999999999", 2147483647},            {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(windowsReadInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumText, WindowsDecimalReading)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0.0},     {"20", 20.0},     {"  12.5", 12.5},  {"12.5ms", 12.5}, {".5", 0.5},
        {"5.", 5.0},   {"-1.25", -1.25}, {"1e3", 1000.0},   {"1e", 1.0},      {"abc", 0.0},
        {".", 0.0},    {"1000.3", 1000.3}, {"+3", 3.0},     {"1,5", 1.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(windowsReadDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumText, MacReadingsAreSinglePrecisionAndIntValue)
{
    EXPECT_EQ(static_cast<double>(macFloatValue("0.1")), 0.100000001490116119384765625);
    EXPECT_EQ(macFloatValue("  20"), 20.0f);
    EXPECT_EQ(macFloatValue("x20"), 0.0f);
    EXPECT_EQ(fixed(macFloatValue("1000.3"), 6), "1000.299988");
    EXPECT_EQ(macIntValue("2.7"), 2);
    EXPECT_EQ(macIntValue("  -3x"), -3);
    EXPECT_EQ(macIntValue("x"), 0);
    // The blanks NSString skips are the Unicode ones as well.
    EXPECT_EQ(macFloatValue("\xC2\xA0\xE3\x80\x80 12.5"), 12.5f);
    EXPECT_EQ(macIntValue("\xE2\x80\xA8-7"), -7);
    EXPECT_EQ(windowsReadDecimal("\xC2\xA0" "12.5"), 0.0);
    EXPECT_EQ(truncToUnsigned(2.9), 2u);
    EXPECT_EQ(truncToUnsigned(-2.9), 0u);
    EXPECT_EQ(truncToUnsigned(1e12), 4294967295u);
}

TEST(NumText, WhatTheFieldsAdmit)
{
    struct Case {
        TextFilter filter;
        const char* text;
        bool admitted;
    } cases[] = {
        {TextFilter::any, "anything at all", true},
        {TextFilter::macNumeric, " 12.5e3 ", true},
        {TextFilter::macNumeric, "\xE3\x80\x80" "7", true},
        {TextFilter::macNumeric, "5 6", false},
        {TextFilter::macNumeric, "", false},
        {TextFilter::macNumeric, "1x", false},
        {TextFilter::windowsDigits, " 0096 ", true},
        {TextFilter::windowsDigits, "", true},
        {TextFilter::windowsDigits, "-1", false},
        {TextFilter::windowsDigits, "2.9", false},
        {TextFilter::windowsDecimal, "20.00", true},
        {TextFilter::windowsDecimal, ".5", true},
        {TextFilter::windowsDecimal, "1.2.3", false},
        {TextFilter::windowsDecimal, "1e3", false},
        {TextFilter::windowsDecimal, "-5", false},
    };
    for (const Case& c : cases) EXPECT_EQ(filterAdmits(c.filter, c.text), c.admitted) << '"' << c.text << '"';
}

TEST(NumText, ShortestFixedReadsBackExactly)
{
    EXPECT_EQ(shortestFixed(12.1), "12.1");
    EXPECT_EQ(shortestFixed(0.1), "0.1");
    EXPECT_EQ(shortestFixed(250.0), "250");
    EXPECT_EQ(shortestFixed(1e-7), "0.0000001");
    EXPECT_EQ(shortestFixed(1e21), "1000000000000000000000");
}

TEST(NumText, FixedPointWritesFullStopAndFullDigits)
{
    EXPECT_EQ(fixed(0.0, 6), "0.000000");
    EXPECT_EQ(fixed(250.0, 6), "250.000000");
    EXPECT_EQ(fixed(0.1, 6), "0.100000");
    EXPECT_EQ(fixed(-0.5, 2), "-0.50");
    EXPECT_EQ(fixed(1e21, 2), "1000000000000000000000.00");
    EXPECT_EQ(fixed(0.125, 2), "0.12");  // round half to even on the exact binary value
}

TEST(NumText, NsNumberStyleText)
{
    EXPECT_EQ(nsNumberString(0.0), "0");
    EXPECT_EQ(nsNumberString(250.0), "250");
    EXPECT_EQ(nsNumberString(12.5), "12.5");
    EXPECT_EQ(nsNumberString(20.0), "20");
    EXPECT_EQ(nsNumberString(0.1), "0.1");
    EXPECT_EQ(nsNumberString(static_cast<double>(0.1f)), "0.1000000014901161");
}

TEST(NumText, LocaleDoesNotChangeNumbers)
{
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const char* installed = nullptr;
    for (const char* name : names)
        if (std::setlocale(LC_ALL, name)) {
            installed = name;
            break;
        }
    if (!installed) GTEST_SKIP() << "no comma-decimal locale installed";
    std::locale::global(std::locale(installed));
    EXPECT_EQ(fixed(12.5, 2), "12.50");
    EXPECT_EQ(nsNumberString(12.5), "12.5");
    EXPECT_DOUBLE_EQ(windowsReadDecimal("12.5"), 12.5);
    EXPECT_EQ(macFloatValue("12.5"), 12.5f);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

TEST(NumText, NumbersPastTheDoubleRange)
{
    const std::string zeros(400, '0');
    EXPECT_EQ(windowsReadDecimal("0." + zeros + "1"), 0.0);  // too small: zero, not infinity
    EXPECT_EQ(windowsReadDecimal("-0." + zeros + "1"), -0.0);
    EXPECT_EQ(windowsReadDecimal("1" + zeros), std::numeric_limits<double>::infinity());
    EXPECT_EQ(windowsReadDecimal("-1" + zeros + ".5"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(windowsReadDecimal("1e-400"), 0.0);
    EXPECT_EQ(windowsReadDecimal("0.001e-399"), 0.0);
    EXPECT_EQ(windowsReadDecimal("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(windowsReadDecimal("0.0001e310"), 1e306);
    EXPECT_EQ(windowsReadDecimal("1e-310"), 1e-310);  // subnormal, still in range
    EXPECT_EQ(windowsReadDecimal("0." + zeros), 0.0);
}

TEST(NumText, MacFloatValuePastTheFloatRange)
{
    EXPECT_EQ(macFloatValue("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(macFloatValue("-1e39"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(macFloatValue("3.4028234e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(macFloatValue("1e-50"), 0.0f);
}
