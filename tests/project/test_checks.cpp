#include <string>

#include <gtest/gtest.h>

#include "common/utf16.h"
#include "project/projectchecks.h"

using namespace zz;

TEST(Checks, WindowsProjectName)
{
    struct Case {
        const char* name;
        const char* message;  // "" when the name passes
    } cases[] = {
        {"NewZezureProject", ""},
        {"", "Project name is empty."},
        {"My Plugin", "Project name can not contain whitespaces."},
        {" lead", "Project name can not contain whitespaces."},
        {"My\tPlugin", ""},  // only the space character is looked for
        {"a/b", "Project name is not a valid folder name."},
        {"a\\b", "Project name is not a valid folder name."},
        {".", "Project name is not a valid folder name."},
        {"..", "Project name is not a valid folder name."},
        {"../x", "Project name is not a valid folder name."},
        {"a /b", "Project name can not contain whitespaces."},  // the space rule comes first
        {"...", ""},
        {".hidden", ""},
        {"Ab12", ""},
    };
    for (const auto& c : cases) {
        const Result o = checkProjectName(c.name);
        EXPECT_EQ(o.ok, *c.message == '\0') << '"' << c.name << '"';
        EXPECT_EQ(o.message, c.message) << '"' << c.name << '"';
        if (!o.ok) {
            EXPECT_EQ(o.field, "projectName");
        }
    }
}

TEST(Checks, MacValidateShit)
{
    struct Case {
        const char* project;
        const char* plugin;
        const char* code;
        const char* message;
        const char* field;
    } cases[] = {
        {"Name", "Plug", "ABCD", "", ""},
        {" Name ", "Plug", "AB", "", ""},       // spaces at the ends pass; codes need not be 4 long
        {"\tName\t", "Plug", "A", "", ""},
        {"", "", "", "You must supply a project name!", "projectName"},
        {"My Name", "Plug", "ABCD", "Whitespaces are not allowed in project name.", "projectName"},
        {"My\tName", "Plug", "ABCD", "Whitespaces are not allowed in project name.", "projectName"},
        {"My\xC2\xA0Name", "Plug", "ABCD", "Whitespaces are not allowed in project name.", "projectName"},
        {"My\xE3\x80\x80Name", "P", "C", "Whitespaces are not allowed in project name.", "projectName"},
        {"My\nName", "Plug", "ABCD", "", ""},  // line breaks are not white space here
        {"a/b", "Plug", "ABCD", "The project name is not a valid folder name.", "projectName"},
        {"..", "Plug", "ABCD", "The project name is not a valid folder name.", "projectName"},
        {"Name", "", "", "You must supply a plugin name!", "pluginName"},
        {"Name", "Plug", "", "You must supply a plugin code!", "fourCharProductID"},
    };
    for (const auto& c : cases) {
        const Result o = validateShit(c.project, c.plugin, c.code);
        SCOPED_TRACE(c.project);
        EXPECT_EQ(o.ok, *c.message == '\0');
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(o.field, c.field);
        EXPECT_TRUE(o.informativeText.empty());
    }
    EXPECT_EQ(validateShit("My Name", "P", "C").systemLog, std::vector<std::string>{"Found whitespace"});
    EXPECT_TRUE(validateShit("", "P", "C").systemLog.empty());
}

TEST(Checks, ANameWithNulIsNoFolderName)
{
    EXPECT_TRUE(isUnsafeFolderName(std::string("Nul\0Name", 8)));
    EXPECT_TRUE(isUnsafeFolderName(std::string("\0", 1)));
    EXPECT_FALSE(isUnsafeFolderName("Nul Name"));
}

TEST(Checks, NameDerivationOfA40CharacterName)
{
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    ASSERT_EQ(name.size(), 40u);

    const DerivedNames w = deriveNames(Deliverable::windows, name);
    EXPECT_EQ(w.pluginName, name);
    EXPECT_EQ(w.aaxPluginName, name);
    EXPECT_EQ(w.aaxShortPluginName, name);

    const DerivedNames m = deriveNames(Deliverable::mac, name);
    EXPECT_EQ(m.pluginName, name);
    EXPECT_EQ(m.aaxPluginName, name.substr(0, 31));
    EXPECT_EQ(m.aaxShortPluginName, name.substr(0, 15));
}

TEST(Checks, MacNameDerivationCountsUtf16AndNeverSplitsACharacter)
{
    const std::string emoji = "\xF0\x9F\x8E\xB8";  // U+1F3B8, two UTF-16 code units
    const std::string e = "\xC3\xA9";              // U+00E9, one unit, two bytes

    // The emoji sits on units 15-16 and 31-32: both cuts fall inside it.
    const std::string name = std::string(14, 'a') + emoji + std::string(14, 'b') + emoji + "tail";
    const DerivedNames m = deriveNames(Deliverable::mac, name);
    EXPECT_EQ(m.aaxShortPluginName, std::string(14, 'a'));
    EXPECT_EQ(m.aaxPluginName, std::string(14, 'a') + emoji + std::string(14, 'b'));
    EXPECT_EQ(m.pluginName, name);

    // Where the emoji fits, it is kept; accented letters count one unit each.
    const std::string fits = std::string(13, 'a') + emoji + "zz";
    EXPECT_EQ(deriveNames(Deliverable::mac, fits).aaxShortPluginName, std::string(13, 'a') + emoji);
    std::string accents;
    for (int i = 0; i < 20; ++i) accents += e;
    const DerivedNames a = deriveNames(Deliverable::mac, accents);
    EXPECT_EQ(utf16::length(a.aaxShortPluginName), 15u);
    EXPECT_EQ(a.aaxShortPluginName.size(), 30u);
    EXPECT_EQ(a.aaxPluginName, accents);

    // Windows copies the name whole, whatever it holds.
    EXPECT_EQ(deriveNames(Deliverable::windows, name).aaxShortPluginName, name);
}
