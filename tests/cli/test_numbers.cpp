// Numbers through the real program: `create` and `code` take a value only
// when the style's page field could hold it, and never write a number that
// reads as infinite.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_run.h"

namespace {

using zz::testing::Outcome;
using zz::testing::TempFolder;

struct Refusal {
    const char* command;
    const char* style;
    std::vector<std::string> sets;  // the last one is the refused value
    const char* takes;              // what the message says the field takes
};

std::string assignmentValue(const std::string& set)
{
    return set.substr(set.find('=') + 1);
}

std::string assignmentField(const std::string& set)
{
    return set.substr(0, set.find('='));
}

TEST(Numbers, ValuesAFieldCannotHoldAreUsageErrorsNamingTheField)
{
    const Refusal cases[] = {
        {"code", "windows", {"maxValue=1e400"}, "a finite number"},
        {"code", "macos", {"controlID=1", "maxValue=1e39"}, "a finite number"},  // past single precision
        {"code", "windows", {"minValue=-1e400"}, "a finite number"},
        {"code", "windows", {"defValue=1e400"}, "a finite number"},
        {"code", "macos", {"attackTime=abc"}, "one finite number"},
        {"code", "macos", {"attackTime=5 6"}, "one finite number"},
        {"code", "macos", {"releaseTime=1e39"}, "one finite number"},
        {"code", "macos", {"defaultMultiStringIndex=1x"}, "one number"},
        {"code", "macos", {"smoothingTimeMsec=abc"}, "one finite number"},
        {"code", "windows", {"displayPrecision=-1"}, "digits only"},
        {"code", "windows", {"defaultMultiStringIndex=-1"}, "digits only"},
        {"code", "windows", {"smoothingTimeMsec=-5"}, "a finite unsigned decimal number"},
        {"create", "windows", {"tailTimeMsec=-5"}, "a finite unsigned decimal number"},
        {"create", "windows", {"tailTimeMsec=1e3"}, "a finite unsigned decimal number"},
        {"create", "windows", {"smoothingTimeMsec=" + std::string(400, '9')}, "a finite unsigned decimal number"},
        {"create", "windows", {"latencyInSamples=-5"}, "digits only"},
        {"create", "windows", {"latencyInSamples=2.9"}, "digits only"},
        {"create", "windows", {"blockSize=abc"}, "digits only"},
        {"create", "macos", {"blockSize=abc"}, "one number"},
        {"create", "macos", {"tailTimeMsec=1e39"}, "one finite number"},
        {"create", "macos", {"synthPlugin=yes"}, "true, false, 1 or 0"},
        {"create", "windows", {"aaxCagtegory=3"}, "an AAX category code or name (0, 1, 2, 4, ... 8192)"},
    };
    for (const Refusal& c : cases) {
        TempFolder tmp;
        std::vector<std::string> args = {c.command, "--style", c.style};
        if (std::string(c.command) == "create") args.insert(args.end(), {"--folder", tmp.str()});
        for (const std::string& set : c.sets) args.insert(args.end(), {"--set", set});
        // --var as well: the declaration is never made of such a value either.
        for (const bool var : {false, true}) {
            if (var && std::string(c.command) != "code") continue;
            std::vector<std::string> run = args;
            if (var) run.push_back("--var");
            const Outcome r = zz::testing::runTool(tmp, run);
            const std::string set = c.sets.back();
            // A long value is quoted by its first 40 characters.
            const std::string value = assignmentValue(set);
            const std::string quoted = value.size() > 40 ? value.substr(0, 40) + "..." : value;
            EXPECT_EQ(r.exitCode, 2) << set;
            EXPECT_EQ(r.out, "") << set;
            EXPECT_EQ(r.err, "zizavizerovo " + std::string(c.command) + ": field '" + assignmentField(set) + "' takes " +
                                 c.takes + ", not '" + quoted + "'\nRun 'zizavizerovo " + c.command +
                                 " --help' for the options.\n");
        }
    }
}

// What the page's field admits is taken: a plain Windows edit any text (read
// as its leading number), a time a decimal.
TEST(Numbers, ValuesThePageWouldTakeAreTaken)
{
    TempFolder tmp;
    const Outcome plain = zz::testing::runTool(tmp, {"code", "--style", "windows", "--set", "minValue=abc"});
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_NE(plain.out.find("controlVariableType::kDouble, 0.000000, 1.000000, 0.000000,"), std::string::npos);

    const Outcome time = zz::testing::runTool(tmp, {"create", "--style", "windows", "--folder", tmp.str(), "--set",
                                                    "projectName=Timed", "--set", "tailTimeMsec= 20.50 "});
    EXPECT_EQ(time.exitCode, 0) << time.err;
}

}  // namespace
