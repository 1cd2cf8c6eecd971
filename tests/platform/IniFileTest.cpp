#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <string>

#include <gtest/gtest.h>

TEST(IniFile, NamesMatchWithoutCaseAndAbsentKeysGiveTheDefault)
{
    // LF, CR LF and a lone CR all end a line.
    const CIniFile ini = CIniFile::Parse("[Room]\r\nWidth=640\r[PART1]\nType = Door \rPosX=5");
    EXPECT_EQ(ini.ReadInteger("room", "WIDTH", 1), 640);
    EXPECT_EQ(ini.ReadString("Part1", "type", ""), "Door");
    EXPECT_EQ(CIniFile::Parse("[Z]\nZHeight=9\n").ReadInteger("z", "zheight", 0), 9);
    EXPECT_EQ(ini.ReadString("Part1", "Caption", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("Missing", "Width", 7), 7);
    EXPECT_FALSE(ini.HasKey("Part1", "Caption"));
    EXPECT_EQ(ini.ReadInteger("Part1", "PosX", 0), 5);
}

// Long sections, such as a room's walls, are found through an index instead of in order; a file
// kept open, as the settings are, is written again and again, and sections are erased.
TEST(IniFile, LongAndRewrittenSectionsKeepTheRulesOfShortOnes)
{
    std::string text = "[First]\na=1\n[RoomWalls]\n";
    for (int i = 0; i < 200; ++i)
        text += "Wall" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    CIniFile ini = CIniFile::Parse(text + "WALL70=again\n[Unread]\nb = 2 \n");
    EXPECT_EQ(ini.ReadString("roomwalls", "wall70", ""), "70") << "the first of two equal keys counts";
    EXPECT_EQ(ini.ReadString("RoomWalls", "Wall199", ""), "199");
    EXPECT_FALSE(ini.HasKey("RoomWalls", "Wall200"));

    for (int round = 1; round < 2000; ++round)
        ini.WriteString("first", "A", std::string(static_cast<size_t>(round % 50), 'x'));
    EXPECT_EQ(ini.ReadString("First", "a", ""), std::string(1999 % 50, 'x'));
    EXPECT_EQ(ini.ReadString("RoomWalls", "Wall42", ""), "42");
    EXPECT_EQ(ini.ReadString("Unread", "B", ""), "2") << "kept by the compaction before it was read";
    ini.WriteString("RoomWalls", "wall5", "five");
    ini.WriteString("RoomWalls", "Wall200", "last");
    EXPECT_EQ(ini.ReadString("RoomWalls", "WALL5", ""), "five");
    EXPECT_EQ(ini.ReadString("RoomWalls", "wall200", ""), "last");
    ini.EraseSection("First");
    ini.WriteString(ini.SectionName(0), "Wall201", ini.SectionName(0));
    EXPECT_EQ(ini.ReadString("roomwalls", "WALL99", ""), "99");
    const CIniFile again = CIniFile::Parse(ini.Text());
    EXPECT_EQ(again.ReadString("RoomWalls", "Wall200", ""), "last");
    EXPECT_EQ(again.ReadString("RoomWalls", "Wall201", ""), "RoomWalls");
}

TEST(IniFile, IntegersAreDecimalOrHexadecimalAndOtherTextGivesTheDefault)
{
    const CIniFile ini = CIniFile::Parse(
        "[S]\nhex=0xFFC0C0\nHEX=1\nupper=0XEFFFFFFF\nneg=-25\nword=abc\nempty=\n"
        "prefix=12abc\nbare0x=0x\nhuge=99999999999\nfraction=45.5\nmost=4294967295\nleast=-2147483648\n"
        "below=-2147483649\nbeyond=0x100000000\nzero=0\nsign=4@\n");
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 0xFFC0C0);  // the first of two equal keys counts
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("S", "upper", 0)), 0xEFFFFFFFu);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -25);
    EXPECT_EQ(ini.ReadInteger("S", "word", 42), 42);
    EXPECT_EQ(ini.ReadInteger("S", "empty", 42), 42);
    for (const char* notANumber : {"prefix", "bare0x", "huge", "fraction", "below", "beyond", "sign"})
        EXPECT_EQ(ini.ReadInteger("S", notANumber, 42), 42) << notANumber;
    EXPECT_EQ(ini.ReadInteger("S", "most", 0), -1);
    EXPECT_EQ(ini.ReadInteger("S", "least", 0), INT32_MIN);
    // A switch is on when its number is above zero; text that is no number keeps the default.
    EXPECT_TRUE(ini.ReadBool("S", "hex", false));
    EXPECT_FALSE(ini.ReadBool("S", "neg", true));
    EXPECT_FALSE(ini.ReadBool("S", "zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "word", true));
    EXPECT_FALSE(ini.ReadBool("S", "word", false));
}

TEST(IniFile, SectionsKeepFileOrderAndAreErasedWhole)
{
    CIniFile ini = CIniFile::Parse("[Part7]\na=1\n[Room]\nb=2\n[Part2]\nc=3\n[room]\nd=4\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Part7", "Room", "Part2"}));
    EXPECT_EQ(ini.ReadInteger("Room", "d", 0), 0);  // a repeated section adds nothing to the first
    ini.EraseSection("ROOM");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Part7", "Part2"}));
    EXPECT_EQ(ini.ReadInteger("Part2", "c", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Room", "b", -1), -1);
}

TEST(IniFile, IgnoresCommentsLinesOutsideSectionsAndLinesWithoutEquals)
{
    // A section line may follow another at once, or after blanks; one after other text is none.
    const CIniFile ini = CIniFile::Parse("stray=1\n; note [X]\n[E]\n[F]\n\t [S]\njunk\n;k=2\nk=v=w\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"E", "F", "S"}));
    EXPECT_EQ(ini.KeyNames("S"), std::vector<std::string>{"k"});
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v=w");
}

// The reader looks at a long text 64 bytes at a time: every kind of line end, a section, an '='
// and a comment fall on each place of such a stretch, and on its edges.
TEST(IniFile, LinesEndAlikeWhereverTheyFallInALongText)
{
    const std::string ends[] = {"\r\n", "\r", "\n"};
    for (size_t shift = 0; shift < 64; ++shift) {
        std::string text(shift, ';');
        for (size_t i = 0; i < 40; ++i)
            text += ends[(shift + i) % 3] + "[S" + std::to_string(i) + "]" + ends[i % 3] + " k = v" +
                    std::to_string(i) + "=" + ends[(shift + i + 1) % 3] + (i % 5 ? "" : ";c=1");
        const CIniFile ini = CIniFile::Parse(text);
        ASSERT_EQ(ini.SectionCount(), 40u) << shift;
        for (size_t i = 0; i < 40; ++i)
            ASSERT_EQ(ini.KeyNames("s" + std::to_string(i)), std::vector<std::string>{"k"}) << shift << ' ' << i;
        ASSERT_EQ(ini.ReadString("S39", "K", ""), "v39=") << shift;
    }
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

TEST(IniFile, WritesBackInTheEncodingItReadWhileTheTextFits)
{
    TempDir dir;
    const std::string path = dir.file("legacy.ini");
    TempDir::WriteFile(path, "[S]\r\nname=Skříň\r\n");
    std::optional<CIniFile> ini = CIniFile::Read(path, CodePageHint::CentralEuropean);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->Encoding(), TextEncoding::Utf8) << "valid UTF-8 wins over the hint";
    TempDir::WriteFile(path, "[S]\r\nname=Sk\xF8\xED\xF2\r\n");
    ini = CIniFile::Read(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->ReadString("S", "name", ""), "Skříň");
    ini->WriteString("S", "more", "Stůl");
    EXPECT_EQ(ini->Save(path), TextEncoding::Windows1250);
    EXPECT_EQ(TempDir::ReadFile(path), "[S]\r\nname=Sk\xF8\xED\xF2\r\nmore=St\xF9l\r\n");
    ini->WriteString("S", "more", "Küche ♥");
    EXPECT_EQ(ini->Save(path), TextEncoding::Utf8);
    EXPECT_EQ(TempDir::ReadFile(path), "[S]\r\nname=Skříň\r\nmore=Küche ♥\r\n");

    ReadFailure failure = ReadFailure::Unreadable;
    TempDir::WriteFile(path, std::string("[S]\r\nx=\0", 8));
    EXPECT_FALSE(CIniFile::Read(path, CodePageHint::Western, &failure));
    EXPECT_EQ(failure, ReadFailure::NotText);
    EXPECT_FALSE(CIniFile::Read(dir.file("missing.ini"), CodePageHint::Western, &failure));
    EXPECT_EQ(failure, ReadFailure::Unreadable);
    EXPECT_FALSE(CIniFile::Read(dir.path()));
}
