// Code page 1252 and the Windows settings file kept in the machine's code page.
#include <gtest/gtest.h>

#include <optional>

#include "project/codepage.h"
#include "project/settingsfile.h"
#include "tempfolder.h"

namespace zz {
namespace {

const CodePage1252 k1252;

TEST(CodePage1252, BytesReadAsTheirCharacters)
{
    const struct {
        std::string bytes, utf8;
    } cases[] = {
        {"Acme 01 ~", "Acme 01 ~"},
        {"M\xFC" "ller", "M\xC3\xBC" "ller"},
        {"\x80", "\xE2\x82\xAC"},                         // euro sign
        {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},                 // S caron, Y diaeresis
        {"\x93\x94\x96", "\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93"},  // quotes, en dash
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // unassigned: C1 controls
        {"\xA0\xC4\xFF", "\xC2\xA0\xC3\x84\xC3\xBF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(k1252.toUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(CodePage1252, CharactersWrittenOnlyWhenTheyHaveAByte)
{
    const struct {
        std::string utf8;
        std::optional<std::string> bytes;
    } cases[] = {
        {"", std::string()},
        {"Acme", std::string("Acme")},
        {"M\xC3\xBC" "ller", std::string("M\xFC" "ller")},
        {"\xE2\x82\xAC 5", std::string("\x80 5")},
        {"\xE2\x80\x9A\xC5\x92\xC5\xBE", std::string("\x82\x8C\x9E")},
        {"\xC2\x90", std::string("\x90")},
        {"\xCE\xA9mega", std::nullopt},           // Greek capital omega
        {"M\xC3\xBC" "ller \xE2\x86\x92", std::nullopt},  // an arrow after letters that fit
        {"\xC2\x80", std::nullopt},               // U+0080: byte 80 is the euro sign
        {"\xF0\x9F\x8E\xB5", std::nullopt},       // outside the Basic Multilingual Plane
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", std::nullopt},  // Polish: L stroke, z acute
        {"M\xFC" "ller", std::nullopt},           // not well-formed UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(k1252.fromUtf8(c.utf8), c.bytes) << c.utf8;
}

TEST(CodePage1252, EveryByteComesBackAsItWas)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(k1252.fromUtf8(k1252.toUtf8(all)), all);
}

TEST(CodePageOrUtf8, ReadingTakesUtf8WhenTheBytesAreUtf8)
{
    const struct {
        std::string bytes;
        const CodePage* codePage;
        std::string text;
    } cases[] = {
        {"M\xFC" "ller Audio", &k1252, "M\xC3\xBC" "ller Audio"},
        {"M\xC3\xBC" "ller", &k1252, "M\xC3\xBC" "ller"},  // 1252 would read it as "MÃ¼ller"
        {"\xCE\xA9mega", &k1252, "\xCE\xA9mega"},
        {"Acme\n", &k1252, "Acme\n"},
        {"M\xFC" "ller \xC3\xBC", &k1252, "M\xC3\xBC" "ller \xC3\x83\xC2\xBC"},  // not UTF-8 as a whole
        {"M\xFC" "ller", nullptr, "M\xFC" "ller"},  // no code page: the bytes as they are
    };
    for (const auto& c : cases) EXPECT_EQ(textFromCodePageOrUtf8(c.bytes, c.codePage), c.text) << c.bytes;
}

// ---- The settings file ------------------------------------------------------

// vendorName, fourCharVendorID, vendorURL, vendorEmail, projectFolderPath.
using Values = std::vector<std::string>;

Values valuesOf(const ZezureProject& p)
{
    return {p.vendorName, p.fourCharVendorID, p.vendorURL, p.vendorEmail, p.projectFolderPath};
}

ZezureProject projectWith(const Values& v)
{
    ZezureProject p = makeDefaultProject(Deliverable::windows, "C:\\Zz");
    p.vendorName = v[0];
    p.fourCharVendorID = v[1];
    p.vendorURL = v[2];
    p.vendorEmail = v[3];
    p.projectFolderPath = v[4];
    return p;
}

SettingsFileServices in1252()
{
    SettingsFileServices io;
    io.codePage = &k1252;
    io.wait = [](int) {};
    return io;
}

TEST(SettingsFileCodePage, AWindowsFileInTheCodePageReadsAsItsLetters)
{
    const struct {
        std::string bytes;
        Values values;
    } cases[] = {
        {"M\xFC" "ller Audio\r\nMUEL\r\nhttps://m.example\r\nm@m.example\r\nC:\\Projekte\\\xC4rger\r\n\r\n",
         {"M\xC3\xBC" "ller Audio", "MUEL", "https://m.example", "m@m.example", "C:\\Projekte\\\xC3\x84rger"}},
        // Well-formed UTF-8, as earlier versions wrote it: read as UTF-8.
        {"M\xC3\xBC" "ller Audio\r\nMUEL\r\nu\r\nm\r\nC:\\P\r\n\r\n",
         {"M\xC3\xBC" "ller Audio", "MUEL", "u", "m", "C:\\P"}},
        {"\x80 Acme \x96 Audio\r\n", {"\xE2\x82\xAC Acme \xE2\x80\x93 Audio", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        writeBytes(dir / "z.txt", c.bytes);
        ZezureProject p = makeDefaultProject(Deliverable::windows, "C:\\Zz");
        EXPECT_FALSE(loadLogFile(Deliverable::windows, p, dir / "z.txt", in1252()).shown());
        EXPECT_EQ(valuesOf(p), c.values) << c.bytes;
        EXPECT_EQ(readBytes(dir / "z.txt"), c.bytes) << "a file with values is left as it is";
    }
}

TEST(SettingsFileCodePage, ExitWritesTheCodePageWhenEveryLetterFitsElseUtf8)
{
    const struct {
        Values values;
        std::string bytes;
    } cases[] = {
        {{"M\xC3\xBC" "ller Audio", "MUEL", "https://m.example", "m@m.example", "C:\\\xC3\x84rger"},
         "M\xFC" "ller Audio\r\nMUEL\r\nhttps://m.example\r\nm@m.example\r\nC:\\\xC4rger\r\n\r\n"},
        {{"Acme", "ACME", "u", "m", "C:\\P"}, "Acme\r\nACME\r\nu\r\nm\r\nC:\\P\r\n\r\n"},
        // Omega is not in 1252: the whole file is UTF-8, the u umlaut too.
        {{"\xCE\xA9mega Audio", "OMEG", "u", "m", "C:\\M\xC3\xBC" "ller"},
         "\xCE\xA9mega Audio\r\nOMEG\r\nu\r\nm\r\nC:\\M\xC3\xBC" "ller\r\n\r\n"},
        {{"\xC3\x83\xC2\xBC" "ber", "UBER", "u", "m", "C:\\P"},
         "\xC3\x83\xC2\xBC" "ber\r\nUBER\r\nu\r\nm\r\nC:\\P\r\n\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        ASSERT_TRUE(saveLogFile(Deliverable::windows, projectWith(c.values), dir / "z.txt", in1252()).ok);
        EXPECT_EQ(readBytes(dir / "z.txt"), c.bytes) << c.values[0];

        ZezureProject back = makeDefaultProject(Deliverable::windows, "C:\\Zz");
        loadLogFile(Deliverable::windows, back, dir / "z.txt", in1252());
        EXPECT_EQ(valuesOf(back), c.values) << "what the program wrote reads back the same";
    }
}

TEST(SettingsFileCodePage, ABlankFileIsRewrittenInTheCodePage)
{
    TempFolder dir;
    writeBytes(dir / "z.txt", "\r\n");
    ZezureProject p = makeDefaultProject(Deliverable::windows, "C:\\Programme\\M\xC3\xBC" "ller");
    loadLogFile(Deliverable::windows, p, dir / "z.txt", in1252());
    EXPECT_EQ(readBytes(dir / "z.txt"), "My Company\r\nDIRO\r\nhttps://www.example.com\r\nsupport@example.com\r\n"
                                        "C:\\Programme\\M\xFC" "ller\r\n\r\n");
}

TEST(SettingsFileCodePage, WithoutACodePageAndOnMacOSTheFileStaysUtf8)
{
    const Values values{"M\xC3\xBC" "ller", "MUEL", "u", "m", "/M\xC3\xBC" "ller"};
    TempFolder dir;
    ASSERT_TRUE(saveLogFile(Deliverable::windows, projectWith(values), dir / "w.txt").ok);
    EXPECT_EQ(readBytes(dir / "w.txt"), "M\xC3\xBC" "ller\r\nMUEL\r\nu\r\nm\r\n/M\xC3\xBC" "ller\r\n\r\n");

    saveLogFile(Deliverable::mac, projectWith(values), dir / "m.txt", in1252());
    EXPECT_EQ(readBytes(dir / "m.txt"), "M\xC3\xBC" "ller\nMUEL\nu\nm\n/M\xC3\xBC" "ller\n0\n");

    writeBytes(dir / "w.txt", "M\xFC" "ller\r\nMUEL\r\nu\r\nm\r\nf\r\n\r\n");
    ZezureProject p = makeDefaultProject(Deliverable::windows, "C:\\Zz");
    loadLogFile(Deliverable::windows, p, dir / "w.txt");
    EXPECT_EQ(p.vendorName, "M\xFC" "ller") << "without a code page the bytes are taken as they are";
}

}  // namespace
}  // namespace zz
