// Project names the file system cannot take, and template project files that
// are links: to a file elsewhere, or to a device.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "tempfolder.h"

using namespace zz;

namespace {

// ---- project names and links -------------------------------------------------

TEST(ProjectNameWithNul, IsNotAFolderName)
{
    EXPECT_TRUE(isUnsafeFolderName(std::string("Nul\0Name", 8)));
    EXPECT_TRUE(isUnsafeFolderName(std::string("\0", 1)));
    EXPECT_FALSE(isUnsafeFolderName("Nul Name"));
}

TEST(ProjectNameWithNul, IsRefusedBeforeAnythingIsMade)
{
    TempFolder tmp;
    writeBytes(tmp / "template/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    std::filesystem::create_directories(tmp / "projects");
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        ZezureProject p = makeDefaultProject(d, tmp.str());
        p.projectFolderPath = d == Deliverable::windows ? tmp / "projects" : tmp / "projects" + "/";
        p.projectName = std::string("Nul\0Name", 8);
        WindowsCreateOptions options;
        options.separator = '/';
        const CreationResult r = d == Deliverable::windows ? makeProjectWindows(p, tmp / "template", options)
                                                           : makeProjectMac(p, tmp / "template");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, d == Deliverable::windows ? "Project name is not a valid folder name."
                                                       : "The project name is not a valid folder name.");
        EXPECT_TRUE(std::filesystem::is_empty(tmp / "projects"));
    }
}

TEST(ProjectNameTooLong, WindowsCannotCreateTheFolder)
{
    TempFolder tmp;
    writeBytes(tmp / "template/CMakeLists.txt", "project($$$PROJECT_NAME$$$)\n");
    ZezureProject p = makeDefaultProject(Deliverable::windows, tmp.str());
    p.projectFolderPath = tmp.str();
    p.projectName = std::string(300, 'N');
    WindowsCreateOptions options;
    options.separator = '/';
    const CreationResult r = makeProjectWindows(p, tmp / "template", options);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Could not create destination folder: " + r.destination);
}

TEST(ProjectFileLinkedElsewhere, WindowsRewritesTheCopyNotTheLinkedFile)
{
    TempFolder tmp;
    const std::string elsewhere = "project($$$PROJECT_NAME$$$)\n";
    writeBytes(tmp / "elsewhere/CMakeLists.txt", elsewhere);
    std::filesystem::create_directories(tmp / "template");
    std::filesystem::create_symlink(tmp / "elsewhere/CMakeLists.txt", tmp / "template/CMakeLists.txt");
    ZezureProject p = makeDefaultProject(Deliverable::windows, tmp.str());
    p.projectFolderPath = tmp.str();
    p.projectName = "Linked";
    WindowsCreateOptions options;
    options.separator = '/';
    const CreationResult r = makeProjectWindows(p, tmp / "template", options);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readBytes(tmp / "elsewhere/CMakeLists.txt"), elsewhere);
    EXPECT_FALSE(std::filesystem::is_symlink(tmp / "Linked/CMakeLists.txt"));
    EXPECT_EQ(readBytes(tmp / "Linked/CMakeLists.txt"), "project(Linked)\r\n\r\n");
}

}  // namespace

namespace {

TEST(ProjectFileLinkedToDevice, IsNotReadForEver)
{
    TempFolder tmp;
    std::filesystem::create_directories(tmp / "template");
    std::filesystem::create_symlink("/dev/zero", tmp / "template/CMakeLists.txt");
    for (Deliverable d : {Deliverable::windows, Deliverable::mac}) {
        ZezureProject p = makeDefaultProject(d, tmp.str());
        p.projectFolderPath = tmp.str() + "/";
        p.projectName = d == Deliverable::windows ? "Win" : "Mac";
        WindowsCreateOptions options;
        options.separator = '/';
        options.wait = [](int) {};
        const CreationResult r = d == Deliverable::windows ? makeProjectWindows(p, tmp / "template", options)
                                                           : makeProjectMac(p, tmp / "template");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, d == Deliverable::windows ? "Could not readFile: " + r.projectFile + "\n\nfor modification"
                                                       : "Could not modify the project file.");
    }
}

}  // namespace

namespace {

TEST(ProjectFileLinkedToNothing, WindowsMakesNoFileWhereTheLinkPoints)
{
    TempFolder tmp;
    std::filesystem::create_directories(tmp / "template");
    std::filesystem::create_directories(tmp / "elsewhere");
    std::filesystem::create_symlink(tmp / "elsewhere/CMakeLists.txt", tmp / "template/CMakeLists.txt");
    ZezureProject p = makeDefaultProject(Deliverable::windows, tmp.str());
    p.projectFolderPath = tmp.str();
    p.projectName = "Dangling";
    WindowsCreateOptions options;
    options.separator = '/';
    options.wait = [](int) {};
    const CreationResult r = makeProjectWindows(p, tmp / "template", options);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Could not readFile: " + r.projectFile + "\n\nfor modification");
    EXPECT_TRUE(std::filesystem::is_empty(tmp / "elsewhere"));
}

}  // namespace
