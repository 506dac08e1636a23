#include <gtest/gtest.h>

#include "coder/coderfields.h"
#include "coder/zizudavuveva.h"

using namespace zz;

TEST(Description, WindowsPageDefaultsAreTheRecordDefaultsWithTheFormTexts)
{
    Zizudavuveva expected = makeZizudavuveva(Deliverable::windows);
    expected.controlName = "Control";
    expected.controlID = "0";
    expected.boundVariableName = "myBoundVar";
    expected.offOnStringList = "OFF, ON";
    expected.multiStringList = "SEL1, SEL2, SEL3";
    EXPECT_EQ(windowsDefKontrol(), expected);
    EXPECT_EQ(pageDefaults(Deliverable::windows), expected);
    EXPECT_EQ(pageDefaults(Deliverable::mac), makeZizudavuveva(Deliverable::mac));
}

TEST(Description, IdentifiersAndOutOfTableValues)
{
    struct Case {
        Enumeration e;
        uint32_t value;
        const char* identifier;
    } cases[] = {
        {Enumeration::controlDataType, 5, "controlVariableType::kNonVariableBoundControl"},
        {Enumeration::controlDataType, 6, ""},
        {Enumeration::controlTaper, 3, "taper::kVoltOctaveTaper"},
        {Enumeration::controlTaper, 4, ""},
        {Enumeration::controlTaper, 0xFFFFFFFFu, ""},  // a combo box without selection
        {Enumeration::boundVarDataType, 3, "boundVariableType::kUInt"},
        {Enumeration::boundVarDataType, 4, ""},
        {Enumeration::meterDetector, 3, ""},
        {Enumeration::meterCal, 2, ""},
        {Enumeration::controlType, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(enumIdentifier(c.e, c.value), c.identifier) << static_cast<int>(c.e) << " " << c.value;

    Zizudavuveva r;
    r.controlTaper = 2;
    r.controlDataType = 0;
    r.boundVarDataType = 2;
    r.meterDetector = 0;
    r.meterCal = 7;
    EXPECT_EQ(stringForControlTaper(r), "taper::kAntiLogTaper");
    EXPECT_EQ(stringForControlDataType(r), "controlVariableType::kFloat");
    EXPECT_EQ(stringForBoundVarType(r), "boundVariableType::kInt");
    EXPECT_EQ(stringForDetectorType(r), "ENVELOPE_DETECT_MODE_PEAK");
    EXPECT_EQ(stringForMeterCal(r), "");
}

TEST(Description, ListCountsAndEntries)
{
    struct Case {
        const char* list;
        int windowsCount;
        int macCount;
        std::vector<const char*> entries;  // entries 0.. then one past the end gives ""
    } cases[] = {
        {"OFF, ON", 2, 2, {"OFF", " ON"}},
        {"OFF,ON", 2, 2, {"OFF", "ON"}},
        {"A,,B", 3, 3, {"A", "", "B"}},
        {"A,B,", 3, 3, {"A", "B", ""}},
        {"", 0, 1, {""}},
        {" \t\r\n", 0, 1, {" \t\r\n"}},
        {",", 2, 2, {"", ""}},
        {"SEL1, SEL2, SEL3", 3, 3, {"SEL1", " SEL2", " SEL3"}},
        {" A , B ,C", 3, 3, {" A ", " B ", "C"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getNumEnums(Deliverable::windows, c.list), c.windowsCount) << c.list;
        EXPECT_EQ(getNumEnums(Deliverable::mac, c.list), c.macCount) << c.list;
        for (size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(getEnumString(c.list, static_cast<uint32_t>(i)), c.entries[i]) << c.list << " #" << i;
        EXPECT_EQ(getEnumString(c.list, static_cast<uint32_t>(c.entries.size())), "") << c.list;
    }
    EXPECT_EQ(getEnumString("SEL1, SEL2, SEL3", 0xFFFFFFFFu), "");
}

TEST(Description, QuotingLeavesTheTextAlone)
{
    EXPECT_EQ(makeQuoted(""), "\"\"");
    EXPECT_EQ(makeQuoted("Gain"), "\"Gain\"");
    EXPECT_EQ(makeQuoted("say \"hi\"\\"), "\"say \"hi\"\\\"");
    EXPECT_EQ(trimWhiteSpace(" \t A B \r\n"), "A B");
    EXPECT_EQ(trimWhiteSpace("   "), "");
}

TEST(FieldText, PagesReadTypedNumbersTheirOwnWay)
{
    EXPECT_EQ(readDecimalField(Deliverable::windows, "1000.3"), 1000.3);
    EXPECT_EQ(readDecimalField(Deliverable::mac, "1000.3"), static_cast<double>(1000.3f));
    EXPECT_EQ(readDecimalField(Deliverable::mac, "20000.1"), 20000.099609375);
    EXPECT_EQ(readDecimalField(Deliverable::windows, "  -2.5dB"), -2.5);
    EXPECT_EQ(readDecimalField(Deliverable::mac, "dB"), 0.0);

    EXPECT_EQ(readWholeField(Deliverable::windows, " 7 "), 7u);
    EXPECT_EQ(readWholeField(Deliverable::windows, ""), 0u);
    EXPECT_EQ(readWholeField(Deliverable::mac, "2.7"), 2u);
    EXPECT_EQ(readWholeField(Deliverable::windows, "-1"), 0xFFFFFFFFu);
    EXPECT_EQ(readWholeField(Deliverable::mac, "-1"), 0xFFFFFFFFu);
}

TEST(FieldText, SettingFieldsByName)
{
    Zizudavuveva r = pageDefaults(Deliverable::mac);
    EXPECT_EQ(setFieldFromText(r, Deliverable::mac, "controlID", " 1 "), FieldSet::ok);
    EXPECT_EQ(r.controlID, " 1 ");
    EXPECT_EQ(setFieldFromText(r, Deliverable::mac, "minValue", "0.1"), FieldSet::ok);
    EXPECT_EQ(r.minValue, static_cast<double>(0.1f));
    EXPECT_EQ(setFieldFromText(r, Deliverable::mac, "defaultMultiStringIndex", "2.7"), FieldSet::ok);
    EXPECT_EQ(r.defaultMultiStringIndex, 2u);
    EXPECT_EQ(setFieldFromText(r, Deliverable::mac, "controlTaper", "4294967295"), FieldSet::ok);
    EXPECT_EQ(r.controlTaper, 0xFFFFFFFFu);
    EXPECT_EQ(setFieldFromText(r, Deliverable::mac, "enableVariableBinding", "1"), FieldSet::ok);
    EXPECT_TRUE(r.enableVariableBinding);

    const Zizudavuveva before = r;
    const struct {
        const char* field;
        const char* value;
        FieldSet result;
    } refused[] = {
        {"controlTaper", "4294967296", FieldSet::badValue}, {"controlTaper", "-1", FieldSet::badValue},
        {"controlType", "", FieldSet::badValue},            {"controlType", " 1", FieldSet::badValue},
        {"meterCal", "1.0", FieldSet::badValue},            {"invertedMeter", "yes", FieldSet::badValue},
        {"invertedMeter", "TRUE", FieldSet::badValue},      {"controlid", "1", FieldSet::unknownField},
        {"", "1", FieldSet::unknownField},
    };
    for (const auto& c : refused)
        EXPECT_EQ(setFieldFromText(r, Deliverable::mac, c.field, c.value), c.result) << c.field << "=" << c.value;
    EXPECT_EQ(r, before);

    // Every listed field can be set.
    for (const auto& f : coderFields()) {
        const char* value = f.kind == CoderFieldKind::boolean ? "true" : "1";
        EXPECT_EQ(setFieldFromText(r, Deliverable::windows, f.name, value), FieldSet::ok) << f.name;
    }
    EXPECT_EQ(coderFields().size(), 27u);
}
