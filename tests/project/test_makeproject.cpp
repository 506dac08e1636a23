#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "project/makeproject.h"
#include "faultyfiles.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using namespace zz;

namespace {

const char* kTemplateText =
    "project($$$PROJECT_NAME$$$)\n"
    "set(NAME \"$$$PLUGIN_NAME$$$\") # $$$PROJECT_NAME$$$\r\n"
    "set(TAIL $$$TAIL_TIME_MSEC$$$)\n"
    "set(BLOCK $$$BLOCK_SIZE$$$)\n"
    "set(CAT $$AAX_PLUGIN_CATEGORY$$)";

// A template folder: CMakeLists.txt (mixed line ends, no final line end), a
// source file in a sub-folder, a hidden file.
std::string makeTemplate(const TempFolder& tmp, const std::string& name = "PluginTemplate")
{
    const std::string t = tmp / name;
    writeBytes(t + "/CMakeLists.txt", kTemplateText);
    writeBytes(t + "/source/plugincore.cpp", "// core\n");
    writeBytes(t + "/.gitignore", "build/\n");
    return t;
}

ZezureProject record(Deliverable d, const std::string& folder, const std::string& name)
{
    ZezureProject p = makeDefaultProject(d, folder);
    p.projectFolderPath = folder;
    p.projectName = name;
    p.pluginName = "Plug";
    p.tailTimeMsec = 12.5;
    return p;
}

const RetryWait noWait = [](int) {};

WindowsCreateOptions posixWindowsOptions()
{
    WindowsCreateOptions o;
    o.separator = '/';
    o.wait = noWait;
    return o;
}

}  // namespace

// ---- Windows ------------------------------------------------------------------

TEST(MakeProjectWindows, CreatesTheProjectWithWindowsTextAndLogsEachStep)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    const ZezureProject p = record(Deliverable::windows, tmp.str(), "MyPlug");

    const CreationResult r = makeProjectWindows(p, tpl, posixWindowsOptions());
    ASSERT_TRUE(r.ok) << r.message;
    const std::string dest = tmp / "MyPlug";
    EXPECT_EQ(r.destination, dest);
    EXPECT_EQ(r.projectFile, dest + "/CMakeLists.txt");
    EXPECT_EQ(readBytes(dest + "/CMakeLists.txt"),
              "project(MyPlug)\r\n"
              "set(NAME \"Plug\") # MyPlug\r\n"
              "set(TAIL 12.500000)\r\n"
              "set(BLOCK DEFAULT_AUDIO_BLOCK_SIZE)\r\n"
              "set(CAT 0)\r\n"
              "\r\n");
    EXPECT_EQ(readBytes(dest + "/source/plugincore.cpp"), "// core\n");
    EXPECT_EQ(readBytes(dest + "/.gitignore"), "build/\n");
    EXPECT_EQ(r.creationLog,
              "Project Destination (dest):" + dest + "\n"
              "Validating destination: Succeeded in creating destination folder. \n"
              "\n"
              "Template Folder XCopy: PASSED \n"
              "Editing CMake \n"
              "Path is: " + dest + "/CMakeLists.txt\n"
              "Opening File...PASSED \n"
              "Modifying & writing File to dest...PASSED \n"
              "END \n");
}

TEST(MakeProjectWindows, KeepsADoubledSeparator)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    ZezureProject p = record(Deliverable::windows, tmp.str() + "/", "Twice");
    WindowsCreateOptions o = posixWindowsOptions();
    const CreationResult r = makeProjectWindows(p, tpl, o);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.destination, tmp.str() + "//Twice");
    EXPECT_TRUE(fs::is_regular_file(tmp / "Twice/CMakeLists.txt"));
}

TEST(MakeProjectWindows, RefusesAnExistingDestination)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    fs::create_directory(tmp / "Folder");
    writeBytes(tmp / "Folder/keep.txt", "mine");
    writeBytes(tmp / "File", "a file");

    for (const std::string name : {"Folder", "File"}) {
        const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), name), tpl,
                                                    posixWindowsOptions());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Project already exists. Delete it or change the project name.");
        EXPECT_EQ(r.creationLog, "Project Destination (dest):" + (tmp / name) +
                                     "\nValidating destination: Failed to create destination folder. \n");
    }
    EXPECT_FALSE(fs::exists(tmp / "Folder/CMakeLists.txt"));
    EXPECT_EQ(readBytes(tmp / "File"), "a file");

    // An empty name points at the project folder itself, which exists.
    const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), ""), tpl,
                                                posixWindowsOptions());
    EXPECT_EQ(r.message, "Project already exists. Delete it or change the project name.");
}

TEST(MakeProjectWindows, StopsWhenTheFolderCannotBeMade)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    writeBytes(tmp / "plain", "x");
    for (const std::string& folder : {tmp / "missing", tmp / "plain"}) {
        const CreationResult r = makeProjectWindows(record(Deliverable::windows, folder, "P"), tpl,
                                                    posixWindowsOptions());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Could not create destination folder: " + folder + "/P");
        EXPECT_EQ(r.creationLog, "Project Destination (dest):" + folder + "/P\nValidating destination: ");
    }
}

TEST(MakeProjectWindows, RefusesANameThatIsNoFolderNameBeforeWritingAnything)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    fs::create_directory(tmp / "inner");
    for (const std::string name : {"..", ".", "../Escaped", "a/b", "a\\b"}) {
        const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp / "inner", name), tpl,
                                                    posixWindowsOptions());
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.message, "Project name is not a valid folder name.");
    }
    EXPECT_TRUE(fs::is_empty(tmp / "inner"));
    EXPECT_FALSE(fs::exists(tmp / "Escaped"));
}

TEST(MakeProjectWindows, StopsWhenTheTemplateCannotBeCopiedWhole)
{
    TempFolder tmp;
    // Missing template.
    {
        const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), "A"), tmp / "nope",
                                                    posixWindowsOptions());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Could not copy the template folder: " + (tmp / "nope"));
        EXPECT_NE(r.creationLog.find("Template Folder XCopy: FAILED \n"), std::string::npos);
        EXPECT_EQ(r.creationLog.find("Editing CMake"), std::string::npos);
        EXPECT_FALSE(fs::exists(tmp / "A"));  // found before the folder is made
    }
    // A template entry that cannot be copied (a named pipe is no file).
    {
        const std::string tpl = makeTemplate(tmp, "Broken");
        ASSERT_EQ(mkfifo((tpl + "/pipe").c_str(), 0600), 0);
        const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), "B"), tpl,
                                                    posixWindowsOptions());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Could not copy the template folder: " + tpl);
    }
}

TEST(MakeProjectWindows, ReportsAProjectFileThatCannotBeReadOrWritten)
{
    TempFolder tmp;
    // CMakeLists.txt is a folder in this template: it is copied, then cannot be
    // opened; the read is tried once more after the wait.
    const std::string tpl = tmp / "Odd";
    fs::create_directories(tpl + "/CMakeLists.txt");
    int waits = 0;
    WindowsCreateOptions o = posixWindowsOptions();
    o.wait = [&](int ms) {
        EXPECT_EQ(ms, 2500);
        ++waits;
    };
    const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), "R"), tpl, o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Could not readFile: " + (tmp / "R/CMakeLists.txt") + "\n\nfor modification");
    EXPECT_EQ(waits, 1);
    EXPECT_TRUE(r.creationLog.size() >= 15 &&
                r.creationLog.compare(r.creationLog.size() - 15, 15, "Opening File...") == 0);
    EXPECT_FALSE(fs::exists(tmp / "R"));  // nothing of the run remains

    const std::string good = makeTemplate(tmp);
    FaultyFileSystem fullDisk;
    fullDisk.only = {"write"};
    fullDisk.failAt = 1;
    WindowsCreateOptions failing = posixWindowsOptions();
    failing.fileSystem = &fullDisk;
    const CreationResult w = makeProjectWindows(record(Deliverable::windows, tmp.str(), "W"), good, failing);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.message, "Could not writeFile: " + (tmp / "W/CMakeLists.txt") + "\n\nfor modification");
    EXPECT_NE(w.creationLog.find("Opening File...PASSED \nModifying & writing File to dest..."), std::string::npos);
    EXPECT_EQ(w.creationLog.find("END"), std::string::npos);
}

TEST(MakeProjectWindows, TemplateWithoutProjectFileGetsAnEmptyOne)
{
    TempFolder tmp;
    writeBytes(tmp / "Bare/readme.txt", "r");
    const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), "E"), tmp / "Bare",
                                                posixWindowsOptions());
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readBytes(tmp / "E/CMakeLists.txt"), "\r\n");
}

TEST(MakeProjectWindows, ANameTooLongForTheFileSystemCannotBeMade)
{
    TempFolder tmp;
    writeBytes(tmp / "template/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    const std::string name(300, 'N');
    const CreationResult r =
        makeProjectWindows(record(Deliverable::windows, tmp.str(), name), tmp / "template", posixWindowsOptions());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Could not create destination folder: " + (tmp / name));
}

TEST(MakeProjectWindows, RewritesTheCopyOfALinkedProjectFileNotTheFileItLeadsTo)
{
    TempFolder tmp;
    const std::string elsewhere = "project($$$PROJECT_NAME$$$)\n";
    writeBytes(tmp / "elsewhere/CMakeLists.txt", elsewhere);
    fs::create_directories(tmp / "template");
    fs::create_symlink(tmp / "elsewhere/CMakeLists.txt", tmp / "template/CMakeLists.txt");
    const CreationResult r =
        makeProjectWindows(record(Deliverable::windows, tmp.str(), "Linked"), tmp / "template", posixWindowsOptions());
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readBytes(tmp / "elsewhere/CMakeLists.txt"), elsewhere);
    EXPECT_FALSE(fs::is_symlink(tmp / "Linked/CMakeLists.txt"));
    EXPECT_EQ(readBytes(tmp / "Linked/CMakeLists.txt"), "project(Linked)\r\n\r\n");
}

TEST(MakeProjectWindows, AProjectFileLinkedToNothingMakesNoFileWhereTheLinkPoints)
{
    TempFolder tmp;
    fs::create_directories(tmp / "template");
    fs::create_directories(tmp / "elsewhere");
    fs::create_symlink(tmp / "elsewhere/CMakeLists.txt", tmp / "template/CMakeLists.txt");
    const CreationResult r = makeProjectWindows(record(Deliverable::windows, tmp.str(), "Dangling"), tmp / "template",
                                                posixWindowsOptions());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Could not readFile: " + (tmp / "Dangling/CMakeLists.txt") + "\n\nfor modification");
    EXPECT_TRUE(fs::is_empty(tmp / "elsewhere"));
}

// ---- macOS --------------------------------------------------------------------

TEST(MakeProjectMac, CreatesTheProjectAsUtf8WithLineEndsUnchanged)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    const ZezureProject p = record(Deliverable::mac, tmp.str() + "/", "Plug\xC3\xA9");

    const CreationResult r = makeProjectMac(p, tpl);
    ASSERT_TRUE(r.ok) << r.message;
    const std::string dest = tmp / "Plug\xC3\xA9";
    EXPECT_EQ(r.destination, dest);
    EXPECT_EQ(r.projectFile, dest + "/CMakeLists.txt");
    EXPECT_EQ(r.message, "Successfully created Zezure project!.");
    EXPECT_EQ(r.informativeText, dest);
    EXPECT_EQ(readBytes(dest + "/CMakeLists.txt"),
              "project(Plug\xC3\xA9)\n"
              "set(NAME \"Plug\") # Plug\xC3\xA9\r\n"
              "set(TAIL 12.5)\n"
              "set(BLOCK 64)\n"
              "set(CAT 0)");
    EXPECT_EQ(readBytes(dest + "/source/plugincore.cpp"), "// core\n");
    EXPECT_EQ(readBytes(dest + "/.gitignore"), "build/\n");
    // No temporary file is left beside the project file.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dest)) ++entries;
    EXPECT_EQ(entries, 3);
}

TEST(MakeProjectMac, FolderWithoutSlashRunsTogetherWithTheName)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    const CreationResult r = makeProjectMac(record(Deliverable::mac, tmp / "pre", "Name"), tpl);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.destination, tmp / "preName");
    EXPECT_TRUE(fs::is_regular_file(tmp / "preName/CMakeLists.txt"));
}

TEST(MakeProjectMac, CopyFailuresAreOneWarning)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    fs::create_directory(tmp / "Folder");
    writeBytes(tmp / "Folder/keep.txt", "mine");
    writeBytes(tmp / "File", "a file");

    struct Case {
        std::string folder;
        std::string name;
        std::string templateFolder;
        std::string log;  // the platform's description of the failed copy
    } cases[] = {
        {tmp.str() + "/", "Folder", tpl,
         "Error: \"Folder\" couldn't be copied because an item with the same name already exists."},
        {tmp.str() + "/", "File", tpl,
         "Error: \"File\" couldn't be copied because an item with the same name already exists."},
        {tmp.str() + "/", "NoTemplate", tmp / "missing",
         "Error: The file \"" + (tmp / "missing") + "\" couldn't be opened because there is no such file."},
        {tmp / "missing/", "NoParent", tpl, "Error: \"PluginTemplate\" couldn't be copied to \"missing\"."},
    };
    // A dry run finds the same failures.
    for (const bool dryRun : {false, true}) {
        MacCreateOptions options;
        options.dryRun = dryRun;
        for (const auto& c : cases) {
            const CreationResult r =
                makeProjectMac(record(Deliverable::mac, c.folder, c.name), c.templateFolder, options);
            EXPECT_FALSE(r.ok) << c.name;
            EXPECT_EQ(r.message, "Could not copy the basis directory to destination.");
            EXPECT_EQ(r.informativeText, c.folder + c.name);
            EXPECT_EQ(r.systemLog, std::vector<std::string>{c.log}) << c.name << (dryRun ? " (dry run)" : "");
        }
    }
    EXPECT_EQ(readBytes(tmp / "File"), "a file");
    EXPECT_FALSE(fs::exists(tmp / "Folder/CMakeLists.txt"));
    EXPECT_FALSE(fs::exists(tmp / "NoTemplate"));
}

TEST(MakeProjectMac, AProjectFileThatCannotBeReadOrWrittenIsReported)
{
    TempFolder tmp;
    writeBytes(tmp / "NoFile/readme.txt", "r");
    writeBytes(tmp / "Latin1/CMakeLists.txt", "project(caf\xE9)\n");  // not UTF-8
    for (const std::string tpl : {"NoFile", "Latin1"}) {
        const CreationResult r = makeProjectMac(record(Deliverable::mac, tmp.str() + "/", "P" + tpl), tmp / tpl);
        EXPECT_FALSE(r.ok) << tpl;
        EXPECT_EQ(r.message, "Could not modify the project file.");
        EXPECT_EQ(r.informativeText, tmp / ("P" + tpl) + "/CMakeLists.txt");
    }
    EXPECT_FALSE(fs::exists(tmp / "PLatin1"));  // nothing of the run remains

    const std::string good = makeTemplate(tmp);
    FaultyFileSystem fullDisk;
    fullDisk.only = {"write"};
    fullDisk.failAt = 1;
    MacCreateOptions failing;
    failing.fileSystem = &fullDisk;
    const CreationResult w = makeProjectMac(record(Deliverable::mac, tmp.str() + "/", "W"), good, failing);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.message, "Could not modify the project file.");
    EXPECT_EQ(w.informativeText, tmp / "W/CMakeLists.txt");
}

TEST(MakeProjectMac, ATemplateGivenAsALinkIsCopiedNotLinked)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    fs::create_directory_symlink(tpl, tmp / "TemplateLink");
    const CreationResult r = makeProjectMac(record(Deliverable::mac, tmp.str() + "/", "Linked"), tmp / "TemplateLink");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_FALSE(fs::is_symlink(tmp / "Linked"));
    EXPECT_EQ(readBytes(tmp / "Linked/CMakeLists.txt").rfind("project(Linked)", 0), 0u);
    EXPECT_EQ(readBytes(tpl + "/CMakeLists.txt"), kTemplateText);  // the template is untouched
}

TEST(MakeProjectMac, RefusesANameThatIsNoFolderName)
{
    TempFolder tmp;
    const std::string tpl = makeTemplate(tmp);
    fs::create_directory(tmp / "inner");
    const CreationResult r = makeProjectMac(record(Deliverable::mac, tmp / "inner/", "../Out"), tpl);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "The project name is not a valid folder name.");
    EXPECT_FALSE(fs::exists(tmp / "Out"));
}

// ---- Both styles --------------------------------------------------------------

TEST(MakeProject, ANameWithNulIsRefusedBeforeAnythingIsMade)
{
    TempFolder tmp;
    writeBytes(tmp / "template/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    fs::create_directories(tmp / "projects");
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        const std::string folder = d == Deliverable::windows ? tmp / "projects" : tmp / "projects" + "/";
        const ZezureProject p = record(d, folder, std::string("Nul\0Name", 8));
        const CreationResult r = d == Deliverable::windows
                                     ? makeProjectWindows(p, tmp / "template", posixWindowsOptions())
                                     : makeProjectMac(p, tmp / "template");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, d == Deliverable::windows ? "Project name is not a valid folder name."
                                                       : "The project name is not a valid folder name.");
        EXPECT_TRUE(fs::is_empty(tmp / "projects"));
    }
}

TEST(MakeProject, AProjectFileLinkedToADeviceIsNotReadForEver)
{
    TempFolder tmp;
    fs::create_directories(tmp / "template");
    fs::create_symlink("/dev/zero", tmp / "template/CMakeLists.txt");
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        const ZezureProject p = record(d, tmp.str() + "/", d == Deliverable::windows ? "Win" : "Mac");
        const CreationResult r = d == Deliverable::windows
                                     ? makeProjectWindows(p, tmp / "template", posixWindowsOptions())
                                     : makeProjectMac(p, tmp / "template");
        EXPECT_FALSE(r.ok);
        // The Windows program joins the folder and the name with one more separator.
        EXPECT_EQ(r.message, d == Deliverable::windows
                                 ? "Could not readFile: " + tmp.str() + "//Win/CMakeLists.txt\n\nfor modification"
                                 : "Could not modify the project file.");
        if (d == Deliverable::mac) {
            EXPECT_EQ(r.informativeText, tmp / "Mac/CMakeLists.txt");
        }
    }
}
