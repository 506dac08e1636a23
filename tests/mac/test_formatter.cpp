#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "outlets.h"
#include "pasteboardtext.h"
#include "pagelink.h"

namespace zz::mac {
namespace {

struct EditCase {
    const char* label;
    int maxLength;
    bool numericOnly;
    std::string proposed;
    bool accepted;
    bool singleLine = false;
};

// Test output names a case by its label, not by its bytes.
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.label; }

class FormatterAcceptance : public ::testing::TestWithParam<EditCase> {};

TEST_P(FormatterAcceptance, AnswersTheProposedText)
{
    const EditCase& c = GetParam();
    FormatterRule rule;
    rule.maxLength = c.maxLength;
    rule.numericOnly = c.numericOnly;
    rule.singleLine = c.singleLine;
    const FormatterRule::Verdict verdict = rule.check(c.proposed);
    EXPECT_EQ(verdict.accepted, c.accepted) << c.label << ": \"" << c.proposed << "\"";
    EXPECT_FALSE(verdict.replacement);
}

constexpr int kNoLimit = 2147483647;

INSTANTIATE_TEST_SUITE_P(
    Edits, FormatterAcceptance,
    ::testing::Values(
        EditCase{"initial settings take anything", kNoLimit, false, "anything at all, 12a", true},
        EditCase{"initial settings take the empty text", kNoLimit, false, "", true},
        EditCase{"four characters fit", 4, false, "abcd", true},
        EditCase{"a fifth character does not", 4, false, "abcde", false},
        EditCase{"a long paste is refused whole", 4, false, "PLUGIN", false},
        EditCase{"a character outside the BMP counts two", 4, false, "ab\xF0\x9F\x8E\xB9", true},
        EditCase{"and so a fifth unit is refused", 4, false, "abc\xF0\x9F\x8E\xB9", false},
        EditCase{"accented letters count one", 4, false, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", true},
        EditCase{"a negative limit compares unsigned", -1, false, std::string(100, 'x'), true},
        EditCase{"whole number", kNoLimit, true, "12", true},
        EditCase{"negative decimal", kNoLimit, true, "-1.5", true},
        EditCase{"white space around the number", kNoLimit, true, "  12 ", true},
        EditCase{"line breaks around the number", kNoLimit, true, "\n12\t\n", true},
        EditCase{"exponent", kNoLimit, true, "1e3", true},
        EditCase{"leading full stop", kNoLimit, true, ".5", true},
        EditCase{"a letter after the number", kNoLimit, true, "12a", false},
        EditCase{"a comma as separator", kNoLimit, true, "1,5", false},
        EditCase{"a lone minus sign", kNoLimit, true, "-", false},
        EditCase{"a lone full stop", kNoLimit, true, ".", false},
        EditCase{"the empty text (deleting the last character)", kNoLimit, true, "", false},
        EditCase{"white space alone", kNoLimit, true, "  ", false},
        EditCase{"two numbers", kNoLimit, true, "1 2", false},
        EditCase{"length checked before the number", 2, true, "123", false},
        EditCase{"one line takes blanks and accents", kNoLimit, false, "Caf\xC3\xA9 Delay", true, true},
        EditCase{"one line refuses a line break", kNoLimit, false, "Acme\nInc", false, true},
        EditCase{"and DEL", kNoLimit, false, "a\x7F", false, true},
        EditCase{"and the C1 line break NEL", kNoLimit, false, "a\xC2\x85", false, true},
        EditCase{"and the line separator", kNoLimit, false, "a\xE2\x80\xA8", false, true}),
    [](const ::testing::TestParamInfo<EditCase>& info) {
        std::string name;
        for (const char* c = info.param.label; *c; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
            else if (!name.empty() && name.back() != '_') name += '_';
        }
        return name;
    });

TEST(FormatterUppercase, RefusesTheEditAndOffersItsUpperCaseForm)
{
    FormatterRule rule;
    rule.forceUppercase = true;
    const FormatterRule::Verdict lower = rule.check("abC1");
    EXPECT_FALSE(lower.accepted);
    ASSERT_TRUE(lower.replacement);
    EXPECT_EQ(*lower.replacement, "ABC1");
    const FormatterRule::Verdict upper = rule.check("ABC1");
    EXPECT_TRUE(upper.accepted);
    EXPECT_FALSE(upper.replacement);
}

TEST(PageLinkOfTheProcess, IsOneInstanceWithTheInitialValues)
{
    PageLink& first = PageLink::shared();
    EXPECT_EQ(&first, &PageLink::shared());
    EXPECT_FALSE(first.enableParameterSmoothing);
    EXPECT_EQ(first.smoothingTime_mSec, 20.0);
    EXPECT_EQ(first.projectPage, nullptr);
}

TEST(JoinedPasteboardText, PutsEachPieceOnItsOwnLine)
{
    EXPECT_EQ(joinedPasteboardText({}), "");
    EXPECT_EQ(joinedPasteboardText({"\ta;", "\tb;", "\n"}), "\ta;\n\tb;\n\n");
    // A piece that ends its own line gets no second line break.
    EXPECT_EQ(joinedPasteboardText({"\tdecl;\n", "\ta;", "\n"}), "\tdecl;\n\ta;\n\n");
    EXPECT_EQ(joinedPasteboardText({"", "x"}), "\nx");
}

TEST(OutletTable, NamesRoundTripAndRadioGroupsAreExclusiveSets)
{
    for (int i = 0; i < kOutletCount; ++i) {
        const auto outlet = static_cast<Outlet>(i);
        const auto named = outletNamed(outletName(outlet));
        ASSERT_TRUE(named) << i;
        EXPECT_EQ(*named, outlet);
        if (outletKind(outlet) == ControlKind::radioButton) {
            EXPECT_GE(radioGroupOf(outlet).size(), 2u) << outletName(outlet);
        } else {
            EXPECT_TRUE(radioGroupOf(outlet).empty()) << outletName(outlet);
        }
    }
    EXPECT_FALSE(outletNamed("noSuchOutlet"));
}

}  // namespace
}  // namespace zz::mac
