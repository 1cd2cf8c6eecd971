#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <string>

#include <gtest/gtest.h>

TEST(IniFile, NamesMatchWithoutCaseAndAbsentKeysGiveTheDefault)
{
    const CIniFile ini = CIniFile::Parse("[Room]\r\nWidth=640\r\n[PART1]\nType = Door \n");
    EXPECT_EQ(ini.ReadInteger("room", "WIDTH", 1), 640);
    EXPECT_EQ(ini.ReadString("Part1", "type", ""), "Door");
    EXPECT_EQ(ini.ReadString("Part1", "Caption", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("Missing", "Width", 7), 7);
    EXPECT_FALSE(ini.HasKey("Part1", "Caption"));
}

// Long sections, such as a room's walls, are found through an index instead of in order.
TEST(IniFile, LongSectionsKeepTheRulesOfShortOnes)
{
    std::string text = "[RoomWalls]\n";
    for (int i = 0; i < 200; ++i)
        text += "Wall" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    text += "WALL70=again\n";
    CIniFile ini = CIniFile::Parse(text);
    EXPECT_EQ(ini.ReadString("roomwalls", "wall70", ""), "70") << "the first of two equal keys counts";
    EXPECT_EQ(ini.ReadString("RoomWalls", "Wall199", ""), "199");
    EXPECT_FALSE(ini.HasKey("RoomWalls", "Wall200"));

    ini.WriteString("RoomWalls", "wall5", "five");
    ini.WriteString("RoomWalls", "Wall200", "last");
    EXPECT_EQ(ini.ReadString("RoomWalls", "WALL5", ""), "five");
    EXPECT_EQ(ini.ReadString("RoomWalls", "wall200", ""), "last");
    EXPECT_EQ(CIniFile::Parse(ini.Text()).ReadString("RoomWalls", "Wall200", ""), "last");
}

TEST(IniFile, IntegersAreDecimalOrHexadecimalAndOtherTextGivesTheDefault)
{
    const CIniFile ini = CIniFile::Parse(
        "[S]\nhex=0xFFC0C0\nHEX=1\nupper=0XEFFFFFFF\nneg=-25\nword=abc\nempty=\n"
        "prefix=12cm\nbare0x=0x\nhuge=99999999999\n");
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 0xFFC0C0);  // the first of two equal keys counts
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("S", "upper", 0)), 0xEFFFFFFFu);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -25);
    EXPECT_EQ(ini.ReadInteger("S", "word", 42), 42);
    EXPECT_EQ(ini.ReadInteger("S", "empty", 42), 42);
    EXPECT_EQ(ini.ReadInteger("S", "prefix", 0), 12);
    EXPECT_EQ(ini.ReadInteger("S", "bare0x", 5), 0);  // "0" followed by text
    EXPECT_EQ(ini.ReadInteger("S", "huge", 0), static_cast<int32_t>(99999999999 % 4294967296));
    EXPECT_TRUE(ini.ReadBool("S", "hex", false));
    EXPECT_FALSE(ini.ReadBool("S", "neg", true));
}

TEST(IniFile, SectionsKeepFileOrderAndAreErasedWhole)
{
    CIniFile ini = CIniFile::Parse("[Part7]\na=1\n[Room]\nb=2\n[Part2]\nc=3\n[room]\nd=4\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Part7", "Room", "Part2"}));
    EXPECT_EQ(ini.ReadInteger("Room", "d", 0), 4);  // a repeated section adds to the first
    ini.EraseSection("ROOM");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Part7", "Part2"}));
    EXPECT_EQ(ini.ReadInteger("Part2", "c", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Room", "b", -1), -1);
}

TEST(IniFile, IgnoresCommentsLinesOutsideSectionsAndLinesWithoutEquals)
{
    const CIniFile ini = CIniFile::Parse("stray=1\n; note\n[S]\njunk\n;k=2\nk=v=w\n");
    EXPECT_EQ(ini.KeyNames("S"), std::vector<std::string>{"k"});
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v=w");
}

TEST(IniFile, WrittenTextReadsBackAndIsStable)
{
    CIniFile ini;
    ini.WriteString("Room", "Unit", "\"");
    ini.WriteInteger("Room", "Width", -5);
    ini.WriteString("Part1", "Caption", "two\r\nlines");
    ini.WriteString("room", "unit", "cm");  // replaces the value, keeps the first spelling
    EXPECT_EQ(ini.Text(), "[Room]\r\nUnit=cm\r\nWidth=-5\r\n\r\n[Part1]\r\nCaption=two  lines\r\n");
    const CIniFile again = CIniFile::Parse(ini.Text());
    EXPECT_EQ(again.Text(), ini.Text());
    EXPECT_EQ(again.ReadInteger("Room", "Width", 0), -5);
}

TEST(IniFile, ReadsLegacyAndUtf8TextAndSavesUtf8)
{
    TempDir dir;
    const std::string path = dir.file("legacy.ini");
    TempDir::WriteFile(path, "\xEF\xBB\xBF[S]\r\nlatin=Caf\xE9 \x80\r\nutf8=Caf\xC3\xA9\r\n");
    std::optional<CIniFile> ini = CIniFile::Read(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->SectionNames(), std::vector<std::string>{"S"});
    EXPECT_EQ(ini->ReadString("S", "latin", ""), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(ini->ReadString("S", "utf8", ""), "Caf\xC3\xA9");
    ini->Save(path);
    EXPECT_EQ(TempDir::ReadFile(path), "[S]\r\nlatin=Caf\xC3\xA9 \xE2\x82\xAC\r\nutf8=Caf\xC3\xA9\r\n");
    EXPECT_FALSE(CIniFile::Read(dir.file("missing.ini")));
    EXPECT_FALSE(CIniFile::Read(dir.path()));
}
