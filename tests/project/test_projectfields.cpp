#include <gtest/gtest.h>

#include <string>

#include "project/projectfields.h"

namespace zz {
namespace {

constexpr Deliverable W = Deliverable::windows;
constexpr Deliverable M = Deliverable::mac;

// What the pages' number fields give, as literal values.
TEST(ProjectFields, PagesReadNumbersAsTheirStyle)
{
    EXPECT_EQ(readTimeField(W, "12.1"), 12.1);
    EXPECT_EQ(readTimeField(M, "12.1"), 12.100000381469727);  // single precision
    EXPECT_EQ(readTimeField(W, "  250ms"), 250.0);
    EXPECT_EQ(readTimeField(M, "abc"), 0.0);
    EXPECT_EQ(readCountField(W, " 2.9 "), 2u);
    EXPECT_EQ(readCountField(M, "2.9"), 2u);
    EXPECT_EQ(readCountField(W, "-1"), 4294967295u);  // the C runtime's conversion
    EXPECT_EQ(readCountField(M, "-1"), 0u);
    EXPECT_EQ(readBlockSizeField(W, ""), 0u);
    EXPECT_EQ(readBlockSizeField(M, "-64"), 0u);
    EXPECT_EQ(readBlockSizeField(M, "127.9"), 127u);
}

struct SetCase {
    Deliverable style;
    const char* field;
    const char* value;
    FieldSet result;
    std::string shown;  // the field's value afterwards, as the page shows it
};

TEST(ProjectFields, SetFromTextTable)
{
    const SetCase cases[] = {
        {W, "projectName", " Spaced ", FieldSet::ok, " Spaced "},
        // Texts are one line without control characters; anything else goes.
        {M, "vendorName", "Acme \"Audio\" \\ $ENV{X} \xc3\xbc", FieldSet::ok, "Acme \"Audio\" \\ $ENV{X} \xc3\xbc"},
        {W, "vendorName", "two\nlines", FieldSet::badValue, "My Company"},
        {M, "vendorEmail", "a\tb", FieldSet::badValue, ""},
        {W, "projectName", "Bad\x1b[31m", FieldSet::badValue, "NewZezureProject"},
        {M, "projectFolderPath", "/p\xc2\x85q", FieldSet::badValue, ""},
        {W, "synthPlugin", "1", FieldSet::ok, "true"},
        {M, "synthPlugin", "yes", FieldSet::badValue, "false"},
        {W, "tailTimeMsec", "12.5", FieldSet::ok, "12.50"},
        {M, "tailTimeMsec", "12.5", FieldSet::ok, "12.5"},
        {M, "tailTimeMsec", "12.1", FieldSet::ok, "12.10000038146973"},
        {W, "tailTimeMsec", "", FieldSet::ok, "0.00"},
        {M, "tailTimeMsec", "", FieldSet::badValue, "0"},
        {W, "tailTimeMsec", "abc", FieldSet::badValue, "0.00"},
        {M, "smoothingTimeMsec", "5 6", FieldSet::badValue, "20"},
        {W, "latencyInSamples", "-5", FieldSet::badValue, "0"},
        {M, "latencyInSamples", "-5", FieldSet::ok, "0"},
        {M, "latencyInSamples", "2.9", FieldSet::ok, "2"},
        {W, "blockSize", "128", FieldSet::ok, "128"},
        {M, "blockSize", "-8", FieldSet::ok, "0"},
        {W, "blockSize", "abc", FieldSet::badValue, "64"},
        {W, "aaxCagtegory", "Reverb", FieldSet::ok, "8 (Reverb)"},
        {M, "aaxCagtegory", " 2048 ", FieldSet::ok, "2048 (Software Synth)"},
        {W, "aaxCagtegory", "3", FieldSet::badValue, "0 (None)"},
        {W, "aaxCagtegory", "02048", FieldSet::badValue, "0 (None)"},  // the code as it is written
        {M, "aaxCagtegory", "+8", FieldSet::badValue, "0 (None)"},
        {M, "aaxCagtegory", "", FieldSet::badValue, "0 (None)"},
        {W, "useTemplate", "1", FieldSet::unknownField, ""},
        {M, "useTemplate", "1", FieldSet::ok, "true"},
        {M, "projectNam", "x", FieldSet::unknownField, ""},
    };
    for (const SetCase& c : cases) {
        ZezureProject record = makeDefaultProject(c.style);
        EXPECT_EQ(setProjectField(record, c.style, c.field, c.value), c.result) << c.field << "=" << c.value;
        if (const ProjectFieldInfo* f = findProjectField(c.field, c.style)) {
            EXPECT_EQ(shownProjectField(record, *f, c.style), c.shown) << c.field << "=" << c.value;
        }
    }
}

TEST(ProjectFields, TableHasEveryFieldOnce)
{
    EXPECT_EQ(projectFields().size(), 31u);
    for (const ProjectFieldInfo& f : projectFields()) {
        int members = (f.text != nullptr) + (f.flag != nullptr) + (f.number != nullptr) + (f.whole != nullptr);
        EXPECT_EQ(members, 1) << f.name;
        EXPECT_EQ(findProjectField(f.name, M), &f) << f.name;
    }
}

}  // namespace
}  // namespace zz
