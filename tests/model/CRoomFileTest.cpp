#include "model/CRoom.h"

#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class CRoomFileTest : public ::testing::Test {
protected:
    // Loads a room from file text.
    CRoom LoadText(const std::string& text)
    {
        const std::string path = dir.file("in.mst");
        TempDir::WriteFile(path, text);
        CRoom room;
        EXPECT_TRUE(room.Load(path));
        return room;
    }

    std::string SaveText(const CRoom& room)
    {
        const std::string path = dir.file("out.mst");
        room.Save(path);
        return TempDir::ReadFile(path);
    }

    CPart& Add(CRoom& room, int type)
    {
        CPart& part = room.AddPart();
        part.Type = type;
        part.InUse = true;
        return part;
    }

    TempDir dir;
};

}  // namespace

TEST_F(CRoomFileTest, WritesEveryKeyInOrderWithItsFormat)
{
    CRoom room;
    CPart& label = Add(room, Label);
    label.Caption = "Hall\r\nNo. #1";
    label.LineColor = AlignCentre;
    label.FillColor = NoColour;
    label.Font = CFont{"Serif", 12, 0, 2, 1};
    CPart& door = Add(room, Door);
    door.SnapToWallFlag = true;
    door.LineStyle = 1;
    door.LibObjID = 7;
    EXPECT_EQ(SaveText(room),
              "[Room]\r\nFileVersion=300\r\nWidth=500\r\nHeight=300\r\nColor=0xFFFFFF\r\n"
              "GridColor=0xFFC0C0\r\nWallsColor=0x808080\r\nGridSize=50\r\nWallThickness=10\r\n"
              "WallZHeight=265\r\nUserCoord=0\r\nUserCoordOriginX=0\r\nUserCoordOriginY=0\r\n"
              "Unit=cm\r\nSpaceAround=35|35|35|35\r\n3DStart=250|150|0\r\n"
              "\r\n[Part1]\r\nType=Label\r\nCaption=Hall\\nNo. #1#\r\nWidth=100\r\nHeight=100\r\n"
              "ZHeight=100\r\nPosX=100\r\nPosY=100\r\nPosZ=0\r\nRotation=0\r\nFont=Serif|12|0|2|1\r\n"
              "LineColor=0x000001\r\nFillColor=0xEFFFFFFF\r\nTextColor=0x000000\r\n"
              "\r\n[Part2]\r\nType=Door\r\nCaption=\r\nWidth=100\r\nHeight=100\r\nZHeight=100\r\n"
              "PosX=100\r\nPosY=100\r\nPosZ=0\r\nRotation=0\r\nLineColor=0x000000\r\n"
              "FillColor=0xD9FFFF\r\nTextColor=0x000000\r\nLineStyle=1\r\nSnapToWall=1\r\n"
              "LibObjID=7\r\n");
}

TEST_F(CRoomFileTest, SaveLoadSaveGivesTheSameBytesAndTheSameRoom)
{
    CRoom room;
    room.Width = 612;
    room.Unit = 2;
    room.UserCoord = true;
    room.UserCoordOriginX = -40;
    room.SpaceAround = {1, 2, 3, 4};
    room.Start3D = {10, 20, -90};
    room.Walls.RemoveAll();
    room.Walls.AddWall() = CWall(0, 0, 612, 0, 1, 12);
    room.Walls.AddWall() = CWall(612, 0, 0, 300, 2, 8);
    room.Walls.SetDefault(false);
    CPart& part = Add(room, LibraryObject);
    part.Caption = "Two\r\nlines # and more";
    part.PosX = -5;
    part.Rotation = 390;
    part.FillColor = NoColour;
    part.LibObjID = 81;
    Add(room, Circle).InUse = false;
    Add(room, Window).Caption = "\"quoted\"";

    const std::string first = SaveText(room);
    const CRoom loaded = LoadText(first);
    // The same bytes again hold every value saved; what follows is what they do not show.
    EXPECT_EQ(SaveText(loaded), first);
    EXPECT_EQ(loaded.Unit, 2);
    ASSERT_EQ(loaded.PartCount(), 2);  // the free slot is not written
    EXPECT_EQ(loaded.Parts[0].Caption, "Two\r\nlines # and more");
    EXPECT_EQ(loaded.Parts[0].CategoryMask, 1u);
}

TEST_F(CRoomFileTest, AbsentKeysTakeTheReadersDefaults)
{
    const CRoom room = LoadText("[Room]\nWidth=400\nHeight=200\n[Part1]\nType=Door\n"
                                "[Part2]\nType=Window\n[Part3]\nType=Hexagon\n");
    EXPECT_EQ(room.WallThickness, 0);
    EXPECT_EQ(room.WallZHeight, 265);
    EXPECT_EQ(room.Walls[0].thickness, 0);
    EXPECT_EQ(room.Walls[3].x1, 400);
    EXPECT_TRUE(room.Walls.IsDefault());
    EXPECT_EQ(room.SpaceAround, (std::array<int32_t, 4>{25, 25, 25, 25}));
    EXPECT_EQ(room.Start3D, (std::array<int32_t, 3>{200, 100, 0}));
    EXPECT_EQ(room.Parts[0].ZHeight, 195);
    EXPECT_EQ(room.Parts[1].ZHeight, 130);
    EXPECT_EQ(room.Parts[2].ZHeight, 100);
    EXPECT_EQ(room.Parts[2].PosX, 100);
    EXPECT_EQ(room.Parts[2].FillColor, 0xD9FFFFu);

    // Fewer than four margins: all four take the first, or keep the room's without one; fewer
    // than three start coordinates: the middle of the room.
    const CRoom shortLists = LoadText("[Room]\nWidth=5\nSpaceAround=40\n3DStart=1|2\n");
    EXPECT_EQ(shortLists.SpaceAround, (std::array<int32_t, 4>{40, 40, 40, 40}));
    EXPECT_EQ(shortLists.Start3D, (std::array<int32_t, 3>{2, 150, 0}));
    EXPECT_EQ(LoadText("[Room]\nSpaceAround=none\n").SpaceAround, (std::array<int32_t, 4>{35, 35, 35, 35}));
    EXPECT_EQ(LoadText("[Room]\nSpaceAround=1|2|3|4|5\n").SpaceAround, (std::array<int32_t, 4>{1, 2, 3, 4}));
}

TEST_F(CRoomFileTest, ObjectsLoadInSectionOrderAndSaveRenumberedWithoutForeignSections)
{
    const CRoom room = LoadText("[Part7]\nCaption=a\nCAPTION=repeated\n[Notes]\nCaption=n\n[Part2]\nCaption=b\n"
                                "[part3]\nCaption=lower\n[Room]\nWidth=10\n[Part9]\nCaption=c\n");
    ASSERT_EQ(room.PartCount(), 3);
    EXPECT_EQ(room.Parts[0].Caption, "a");
    EXPECT_EQ(room.Parts[1].Caption, "b");
    EXPECT_EQ(room.Parts[2].Caption, "c");
    EXPECT_EQ(room.Width, 10);

    // A large room's objects are read in two threads, each taking half of the sections.
    std::string large;
    for (int i = 0; i < 3000; ++i)
        large += (i % 7 == 3 ? "[Other" : "[Part") + std::to_string(i) + "]\nCaption=" + std::to_string(i) + "\n";
    const CRoom many = LoadText(large + "[Part0]\nCaption=again\n");
    std::vector<std::string> captions;
    for (int i = 0; i < 3000; ++i)
        if (i % 7 != 3)
            captions.push_back(std::to_string(i));
    ASSERT_EQ(many.PartCount(), static_cast<int>(captions.size()));
    for (size_t i = 0; i < captions.size(); ++i)
        ASSERT_EQ(many.Parts[i].Caption, captions[i]) << i;

    // Saving numbers the objects afresh and drops what else the old file held.
    const std::string path = dir.file("room.mst");
    TempDir::WriteFile(path, "[Extra]\nkey=1\n[Part5]\nType=Door\n");
    CRoom saved;
    Add(saved, Rectangle).Caption = "a";
    Add(saved, Rectangle).Caption = "b";
    Add(saved, Rectangle).Caption = "c";
    saved.RemovePart(1);
    saved.Save(path);
    const std::optional<CIniFile> ini = CIniFile::Read(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->SectionNames(), (std::vector<std::string>{"Room", "Part1", "Part2"}));
    EXPECT_EQ(ini->ReadString("Part2", "Caption", ""), "c");
}

TEST_F(CRoomFileTest, LibraryHeightsComeFromTheLibraryWhenItKnowsThem)
{
    Services().defaultLibraryHeight = [](int id) { return id == 4 ? 72 : -1; };
    const CRoom room = LoadText("[Part1]\nType=LibraryObject\nLibObjID=4\n"
                                "[Part2]\nType=Door\nLibObjID=5\n"
                                "[Part3]\nType=LibraryObject\nLibObjID=4\nZHeight=10\n"
                                "[Part4]\nLibrary=Chairs|Tables\n");
    EXPECT_EQ(room.Parts[0].ZHeight, 72);
    EXPECT_EQ(room.Parts[1].ZHeight, 195);
    EXPECT_EQ(room.Parts[2].ZHeight, 10);
    EXPECT_EQ(room.Parts[3].CategoryMask, (1u << 2) | (1u << 3));
    // The library's heights are centimetres; a room in other units gets them in its own.
    EXPECT_EQ(LoadText("[Room]\nUnit=m\n[Part1]\nType=LibraryObject\nLibObjID=4\n").Parts[0].ZHeight, 1);
    EXPECT_EQ(LoadText("[Room]\nUnit=mm\n[Part1]\nType=LibraryObject\nLibObjID=4\n").Parts[0].ZHeight, 720);
}

TEST_F(CRoomFileTest, ANewerFileWarnsAndStillLoads)
{
    std::string warned;
    Services().warn = [&](const std::string& title, const std::string& text) { warned = title + "|" + text; };
    const CRoom room = LoadText("[Room]\nFileVersion=301\nWidth=77\n");
    EXPECT_EQ(warned, "Warning|The file was created using a higher version of Planzeta.\n"
                      "The room and objects can be incorrect!");
    EXPECT_EQ(room.Width, 77);
    warned.clear();
    LoadText("[Room]\nFileVersion=300\n");
    EXPECT_EQ(warned, "");
}

TEST_F(CRoomFileTest, ARoomGoesBackInTheCodePageOfItsFileWhileItsTextFits)
{
    CRoom room = LoadText("[Room]\r\nWidth=400\r\n[Part1]\r\nCaption=Sk\xF8\xED\xF2\r\n");
    EXPECT_EQ(room.Encoding, TextEncoding::Windows1250);
    EXPECT_EQ(room.Parts[0].Caption, "Skříň");
    EXPECT_NE(SaveText(room).find("Caption=Sk\xF8\xED\xF2\r\n"), std::string::npos);
    room.Parts[0].Caption = "Skříň ♥";
    EXPECT_EQ(room.Save(dir.file("out.mst")), TextEncoding::Utf8);
    EXPECT_EQ(CRoom().Encoding, TextEncoding::Utf8);
}
