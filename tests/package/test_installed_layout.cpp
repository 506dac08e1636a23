// The program where it is installed: PREFIX/bin/zizavizerovo with its template
// and archive in PREFIX/share/zizavizerovo, or with them beside it (the build
// tree, the Windows zip). A copy of the built program runs from a temporary
// prefix, so nothing of the build tree can be found by accident.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "runprogram.h"
#include "tempfolder.h"

namespace fs = std::filesystem;

namespace {

using zz::testing::Command;
using Outcome = zz::testing::Finished;

// Runs `program` with `args`, no standard input, a settings folder of its own.
Outcome run(const fs::path& program, const std::vector<std::string>& args, const fs::path& scratch)
{
    Command command{program.string(), args};
    command.unset = {"HOME", "APPDATA"};
    command.set["XDG_CONFIG_HOME"] = (scratch / "config").string();
    return zz::testing::runProgram(command);
}

const fs::path kShippedTemplate = fs::path(ZZ_SOURCE_DIR) / "templates" / "PluginTemplate";
const fs::path kShippedArchive = fs::path(ZZ_BINARY_DIR) / "bin" / "PluginTemplate.zip";

class InstalledLayout : public ::testing::Test {
protected:
    TempFolder tmp;
    fs::path prefix = tmp.path() / "prefix";
    fs::path program = prefix / "bin" / "zizavizerovo";
    fs::path share = prefix / "share" / "zizavizerovo";
    fs::path scratch = tmp.path() / "scratch";

    void SetUp() override
    {
        fs::create_directories(prefix / "bin");
        fs::create_directories(scratch);
        fs::create_directories(tmp.path() / "projects");
        fs::copy_file(ZZ_CLI_PROGRAM, program);
    }
    void installShare()
    {
        fs::create_directories(share);
        fs::copy(kShippedTemplate, share / "PluginTemplate", fs::copy_options::recursive);
        fs::copy_file(kShippedArchive, share / "PluginTemplate.zip");
    }
    Outcome create(const std::string& name)
    {
        return run(program,
                   {"create", "--style", "macos", "--folder", (tmp.path() / "projects").string(), "--set",
                    "projectName=" + name, "--set", "fourCharProductID=EcHo"},
                   scratch);
    }
};

}  // namespace

TEST_F(InstalledLayout, VersionAndTopLevelHelp)
{
    for (const char* word : {"--version", "version"}) {
        const Outcome o = run(program, {word}, scratch);
        EXPECT_EQ(o.exitCode, 0) << word;
        EXPECT_EQ(o.out, "zizavizerovo " ZZ_EXPECTED_VERSION "\n") << word;
        EXPECT_EQ(o.err, "") << word;
    }
    const Outcome help = run(program, {"--help"}, scratch);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("\n  version           print the program's version (also --version)\n"), std::string::npos)
        << help.out;
}

TEST_F(InstalledLayout, CreateTakesTheTemplateFromShare)
{
    installShare();
    const Outcome o = create("Echo");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, (tmp.path() / "projects" / "Echo").string() + "\n");
    EXPECT_TRUE(fs::is_regular_file(tmp.path() / "projects" / "Echo" / "source" / "plugincore.cpp"));
    EXPECT_NE(readBytes((tmp.path() / "projects" / "Echo" / "CMakeLists.txt").string()).find("Echo"),
              std::string::npos);
}

TEST_F(InstalledLayout, RestoreTakesTheArchiveFromShare)
{
    installShare();
    const fs::path target = tmp.path() / "SDK" / "PluginTemplate";
    writeBytes((target / "stale.txt").string(), "left over");
    writeBytes((target / "CMakeLists.txt").string(), "project($$$PROJECT_NAME$$$)\n");
    const Outcome o = run(program, {"restore-template", "--to", target.string(), "--yes"}, scratch);
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "PluginTemplate folder has been restored to factory fresh condition.\n");
    EXPECT_EQ(folderContents(target), folderContents(kShippedTemplate));
}

TEST_F(InstalledLayout, TemplateBesideTheProgramComesFirst)
{
    installShare();
    writeBytes((prefix / "bin" / "PluginTemplate" / "CMakeLists.txt").string(), "project(beside)\n");
    ASSERT_EQ(create("Near").exitCode, 0);
    EXPECT_EQ(folderContents(tmp.path() / "projects" / "Near"),
              (std::map<std::string, std::string>{{"CMakeLists.txt", "project(beside)\n"}}));
}

TEST_F(InstalledLayout, WithoutTemplateNothingIsCreated)
{
    const Outcome made = create("Echo");
    EXPECT_EQ(made.exitCode, 1);
    EXPECT_FALSE(fs::exists(tmp.path() / "projects" / "Echo"));
    const Outcome restored =
        run(program, {"restore-template", "--to", (tmp.path() / "SDK" / "PluginTemplate").string(), "--yes"}, scratch);
    EXPECT_EQ(restored.exitCode, 1);
    EXPECT_EQ(restored.firstErrorLine(), "PluginTemplate extraction failed.");
    EXPECT_FALSE(fs::exists(tmp.path() / "SDK" / "PluginTemplate"));
}
