// Switch lists of many entries: the Windows declaration names every entry,
// trimmed, in order, and its cost grows with the list, not with its square
// (bench/bench_coder measures it).
#include <string>

#include <gtest/gtest.h>

#include "coder/paramcode.h"

using namespace zz;

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

TEST(LongSwitchList, WindowsDeclarationNamesEveryEntryTrimmed)
{
    std::string list;
    std::string body;
    for (int i = 0; i < 50000; ++i) {
        list += (i ? "," : "") + std::string(i % 3 == 0 ? " " : "") + "P" + std::to_string(i) + (i % 5 == 0 ? "\t" : "");
        body += (i ? ", " : "") + std::string("P") + std::to_string(i);
    }
    EXPECT_EQ(windowsEnumLine(list), "enum class myBoundVarEnum { " + body + " };\n");
}

TEST(LongSwitchList, EmptyEntriesKeepTheirPlaces)
{
    EXPECT_EQ(windowsEnumLine(",,"), "enum class myBoundVarEnum { , ,  };\n");
    EXPECT_EQ(windowsEnumLine("A, ,B,"), "enum class myBoundVarEnum { A, , B,  };\n");
}

}  // namespace
