#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "coder/paramcode.h"

using namespace zz;
using F = Fragments;

namespace {

const Deliverable W = Deliverable::windows;
const Deliverable M = Deliverable::mac;

struct VarCase {
    const char* name;
    Deliverable deliverable;
    std::function<void(Zizudavuveva&)> change;
    F expected;
};

}  // namespace

TEST(BoundVarCode, DeclarationsForEveryKind)
{
    const VarCase cases[] = {
        // The worked examples.
        {"win continuous double", W, [](Zizudavuveva&) {}, {"\tdouble myBoundVar = 0.00000000;\n", "\n"}},
        {"win switch", W, [](Zizudavuveva& r) { r.controlType = 1; },
         {"\tint myBoundVar = 0;\nenum class myBoundVarEnum { OFF, ON };\n", "\n"}},
        {"win multi", W, [](Zizudavuveva& r) { r.controlType = 2; },
         {"\tint myBoundVar = 0;\nenum class myBoundVarEnum { SEL1, SEL2, SEL3 };\n", "\n"}},
        {"win meter", W, [](Zizudavuveva& r) { r.controlType = 3; }, {"\tfloat myBoundVar = 0.0;\n", "\n"}},
        {"mac continuous double", M, [](Zizudavuveva&) {}, {"\tdouble myBoundVar = 0.000000;\n"}},
        {"mac continuous int 2.7", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 2;
             r.defValue = 2.7;
         },
         {"\tint myBoundVar = 2;\n"}},
        {"mac switch default ON", M,
         [](Zizudavuveva& r) {
             r.controlType = 1;
             r.onfOffDefOFF = false;
         },
         {"\tint myBoundVar = 1;", "\tenum class myBoundVarEnum { OFF,ON };\n"}},
        {"mac multi index 2", M,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.defaultMultiStringIndex = 2;
         },
         {"\tint myBoundVar = 2;", "\tenum class myBoundVarEnum { SEL1,SEL2,SEL3 };\n"}},

        // Types and values of a continuous control.
        {"win int keeps eight decimals", W,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 2;
             r.defValue = 2.7;
         },
         {"\tint myBoundVar = 2.70000000;\n", "\n"}},
        {"win int negative", W,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 2;
             r.defValue = -2.7;
         },
         {"\tint myBoundVar = -2.70000000;\n", "\n"}},
        {"mac int negative cuts toward zero", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 2;
             r.defValue = -2.7;
         },
         {"\tint myBoundVar = -2;\n"}},
        {"mac int past the range stops at its end", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 2;
             r.defValue = 1e30;
         },
         {"\tint myBoundVar = 2147483647;\n"}},
        {"mac float", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 0;
             r.defValue = -0.25;
         },
         {"\tfloat myBoundVar = -0.250000;\n"}},
        {"mac unsigned int", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 3;
             r.defValue = 7.9;
         },
         {"\tunsigned int myBoundVar = 7;\n"}},
        {"mac unsigned int negative", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 3;
             r.defValue = -7.9;
         },
         {"\tunsigned int myBoundVar = 0;\n"}},
        {"win unsigned int", W,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 3;
             r.defValue = 3;
         },
         {"\tunsigned int myBoundVar = 3;\n", "\n"}},
        {"out-of-table type declares a double", M,
         [](Zizudavuveva& r) {
             r.boundVarDataType = 0xFFFFFFFFu;
             r.defValue = 1;
         },
         {"\tdouble myBoundVar = 1.000000;\n"}},

        // Switch lists.
        {"win multi trims entries", W,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.multiStringList = " A , B ,C";
         },
         {"\tint myBoundVar = 0;\nenum class myBoundVarEnum { A, B, C };\n", "\n"}},
        {"mac multi list as typed", M,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.multiStringList = " A , B ,C";
         },
         {"\tint myBoundVar = 0;", "\tenum class myBoundVarEnum {  A , B ,C };\n"}},
        {"win switch with three entries takes two", W,
         [](Zizudavuveva& r) {
             r.controlType = 1;
             r.offOnStringList = "X, Y, Z";
             r.onfOffDefOFF = false;
         },
         {"\tint myBoundVar = 1;\nenum class myBoundVarEnum { X, Y };\n", "\n"}},
        {"win switch with one entry", W,
         [](Zizudavuveva& r) {
             r.controlType = 1;
             r.offOnStringList = "A";
         },
         {"\tint myBoundVar = 0;\nenum class myBoundVarEnum { A,  };\n", "\n"}},
        {"win multi empty list", W,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.multiStringList = "";
         },
         {"\tint myBoundVar = 0;\nenum class myBoundVarEnum {  };\n", "\n"}},
        {"win multi index as signed number", W,
         [](Zizudavuveva& r) {
             r.controlType = 2;
             r.defaultMultiStringIndex = 0xFFFFFFFFu;
         },
         {"\tint myBoundVar = -1;\nenum class myBoundVarEnum { SEL1, SEL2, SEL3 };\n", "\n"}},
        {"meter ignores the default", M,
         [](Zizudavuveva& r) {
             r.controlType = 3;
             r.defValue = 0.7;
             r.boundVarDataType = 2;
         },
         {"\tfloat myBoundVar = 0.0;\n"}},
        {"no checks: empty identifier, inverted range", W,
         [](Zizudavuveva& r) {
             r.controlID.clear();
             r.minValue = 5;
             r.maxValue = 1;
             r.defValue = 9;
         },
         {"\tdouble myBoundVar = 9.00000000;\n", "\n"}},
    };
    for (const auto& c : cases) {
        Zizudavuveva r = windowsDefKontrol();
        if (c.deliverable == M) {
            r = pageDefaults(M);
            r.enableVariableBinding = true;
        }
        c.change(r);
        const CodeResult result = makeBoundVarCode(r, c.deliverable);
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result.fragments, c.expected) << c.name;
    }
}

TEST(BoundVarCode, RefusedWhenBindingIsOff)
{
    for (Deliverable d : {W, M}) {
        Zizudavuveva r = pageDefaults(d);
        r.enableVariableBinding = false;
        r.controlType = 9;  // nothing else is looked at
        const CodeResult result = makeBoundVarCode(r, d);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, "Variable binding is not enabled.");
        EXPECT_TRUE(result.fragments.empty());
    }
    Zizudavuveva r = windowsDefKontrol();
    r.controlType = 4;
    const CodeResult unknown = makeBoundVarCode(r, W);
    EXPECT_FALSE(unknown);
    EXPECT_EQ(unknown.message, "");
}

// Switch lists of many entries: the Windows declaration names every entry,
// trimmed, in order, and its cost grows with the list, not with its square
// (bench/bench_coder measures it).
namespace {

std::string windowsEnumLine(const std::string& list)
{
    Zizudavuveva r = windowsDefKontrol();
    r.controlType = controltype::multiSwitch;
    r.multiStringList = list;
    const CodeResult result = makeBoundVarCode(r, Deliverable::windows);
    EXPECT_TRUE(result.ok);
    const std::string& text = result.fragments.at(0);
    return text.substr(text.find("enum class"));
}

}  // namespace

TEST(BoundVarCode, LongSwitchListNamesEveryEntryTrimmed)
{
    std::string list;
    std::string body;
    for (int i = 0; i < 50000; ++i) {
        list += (i ? "," : "") + std::string(i % 3 == 0 ? " " : "") + "P" + std::to_string(i) + (i % 5 == 0 ? "\t" : "");
        body += (i ? ", " : "") + std::string("P") + std::to_string(i);
    }
    EXPECT_EQ(windowsEnumLine(list), "enum class myBoundVarEnum { " + body + " };\n");
}

// An empty entry keeps its place where C++ takes it: last, as a final comma,
// or alone, as an enumeration without entries. Anywhere else the
// declaration would not compile and is refused.
TEST(BoundVarCode, EmptySwitchEntriesKeepTheirPlaces)
{
    EXPECT_EQ(windowsEnumLine("A, B,"), "enum class myBoundVarEnum { A, B,  };\n");
    EXPECT_EQ(windowsEnumLine(" "), "enum class myBoundVarEnum {  };\n");
    for (const char* list : {",,", "A, ,B,"}) {
        Zizudavuveva r = windowsDefKontrol();
        r.controlType = controltype::multiSwitch;
        r.multiStringList = list;
        EXPECT_EQ(makeBoundVarCode(r, Deliverable::windows).message, "The multi-string list has an empty entry.");
    }
}
