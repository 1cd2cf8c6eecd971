#include "output/VrmlWalls.h"

#include "model/CRoom.h"
#include "support/MakePart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

// One wall 300 long and 250 high from (0, 0) to the right, 10 thick on the side of negative y.
CRoom OneWallRoom()
{
    CRoom room;
    room.Walls.RemoveAll();
    room.Walls.AddWall() = CWall(0, 0, 300, 0, 0, 10);
    room.WallZHeight = 250;
    return room;
}

void Add(CRoom& room, CPart part)
{
    part.InUse = true;
    room.AddPart() = part;
}

// A door 80 wide and 200 high snapped into the first wall, its middle held at x = 140.
CPart SnappedDoor(const CRoom& room, int32_t rotation)
{
    CPart door = MakePart(Door, 0, 0, 80, 80, rotation);
    door.ZHeight = 200;
    door.SnapToWallFlag = true;
    door.SnapToWall(room.Walls, 140, 0, true);
    return door;
}

CPart WallWindow(int32_t x, int32_t z, int32_t width, int32_t height)
{
    CPart window = MakePart(Window, x, -10, width, 10);
    window.PosZ = z;
    window.ZHeight = height;
    window.WallLink = 0;
    return window;
}

}  // namespace

TEST(VrmlWalls, ADoorCutsTheWallIntoThreePiecesWhateverItsQuarterTurn)
{
    for (const int32_t rotation : {0, 90, 180, 270}) {
        CRoom room = OneWallRoom();
        Add(room, SnappedDoor(room, rotation));
        ASSERT_EQ(room.Parts[0].WallLink >> 16, rotation);
        EXPECT_EQ(WallPieces(room, 0),
                  (std::vector<WallPiece>{{0, 0, 100, 250}, {100, 200, 180, 250}, {180, 0, 300, 250}}))
            << rotation;
    }
}

TEST(VrmlWalls, OnlyDoorsAndWindowsInUseAndAttachedToTheWallCutIt)
{
    CRoom room = OneWallRoom();
    room.Walls.AddWall() = CWall(0, 100, 300, 100, 0, 10);
    // In the other wall; not attached, whose -1 would name wall 65535 by its low half; removed;
    // a table.
    for (int i = 0; i < 4; ++i)
        Add(room, WallWindow(100, 0, 50, 100));
    room.Parts[0].WallLink = 1;
    room.Parts[1].WallLink = -1;
    room.RemovePart(2);
    room.Parts[3].Type = Rectangle;
    EXPECT_EQ(WallPieces(room, 0), (std::vector<WallPiece>{{0, 0, 300, 250}}));
    EXPECT_EQ(WallPieces(room, 1).size(), 3u);
    for (int i = room.Walls.Count(); i <= 0xFFFF; ++i)
        room.Walls.AddWall() = CWall(0, 0, 300, 0, 0, 10);
    EXPECT_EQ(WallPieces(room, 0xFFFF).size(), 1u);
}

TEST(VrmlWalls, WindowsAboveEachOtherLeaveBothOpeningsFree)
{
    CRoom room = OneWallRoom();
    Add(room, WallWindow(100, 90, 100, 60));   // from 90 to 150 high
    Add(room, WallWindow(100, 170, 100, 50));  // from 170 to 220 high
    EXPECT_EQ(WallPieces(room, 0), (std::vector<WallPiece>{{0, 0, 100, 250},
                                                           {100, 0, 200, 90},
                                                           {100, 150, 200, 170},
                                                           {100, 220, 200, 250},
                                                           {200, 0, 300, 250}}));
}

TEST(VrmlWalls, OverlappingAndHugeOpeningsLeaveEveryOtherPointOfTheWallInExactlyOnePiece)
{
    CRoom room = OneWallRoom();
    for (int i = 0; i < 40; ++i) {
        CPart window = WallWindow(i * 7919 % 330, i * 104729 % 265 - 5, i * 31 % 80 + 1, i * 57 % 120 + 1);
        window.PosY = 0;  // on the wall's line, so that the opening starts at PosX
        Add(room, window);
    }
    const std::vector<WallPiece> pieces = WallPieces(room, 0);
    for (int64_t x = 0; x < 300; ++x) {
        for (int64_t y = 0; y < 250; ++y) {
            const auto holds = [&](const WallPiece& p) { return x >= p.left && x < p.right && y >= p.top && y < p.bottom; };
            const bool open = std::any_of(room.Parts.begin(), room.Parts.end(), [&](const CPart& w) {
                return holds({w.PosX, w.PosZ, int64_t{w.PosX} + w.Width, int64_t{w.PosZ} + w.ZHeight});
            });
            ASSERT_EQ(std::count_if(pieces.begin(), pieces.end(), holds), open ? 0 : 1) << x << ", " << y;
        }
    }
    room.Parts.clear();
    for (int i = 0; i < 3000; ++i)
        Add(room, WallWindow(i % 290, (i * 37) % 200, 10, 50));
    EXPECT_LT(WallPieces(room, 0).size(), 4u * 3000) << "three thousand windows cost a few pieces each";

    room.Parts.clear();
    Add(room, WallWindow(100, 50, INT_MAX, INT_MAX));
    EXPECT_EQ(WallPieces(room, 0), (std::vector<WallPiece>{{0, 0, 100, 250}, {100, 0, 300, 50}}))
        << "an opening beyond the int32 range still cuts";
}

TEST(VrmlWalls, EachPieceIsABoxInTheTurnedFrameOfItsWall)
{
    CRoom room = OneWallRoom();
    room.Walls.AddWall() = CWall(300, 0, 300, 200, 1, 11);  // turned by 90 degrees, centred
    room.Walls.AddWall() = CWall(0, 200, 300, 200, 2, 10);
    room.Walls.AddWall() = CWall(0, 0, 0, 200, 0, 0);  // no thickness: nothing written
    Add(room, WallWindow(100, 90, 100, 60));
    std::string out;
    AppendWalls(out, "file:///l.wrl#", room, 0.01, 0.0);
    EXPECT_EQ(out,
              "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] \"file:///l.wrl#Wall\"\n"
              "Transform {translation 0.00 0 0.00 rotation 0 1 0 -0.00\n"
              "  children Transform {translation 0.00 0.00 -0.10 scale 1.01 2.51 0.10\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n"
              "Transform {translation 0.00 0 0.00 rotation 0 1 0 -0.00\n"
              "  children Transform {translation 1.00 0.00 -0.10 scale 1.01 0.91 0.10\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n"
              "Transform {translation 0.00 0 0.00 rotation 0 1 0 -0.00\n"
              "  children Transform {translation 1.00 1.50 -0.10 scale 1.01 1.01 0.10\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n"
              "Transform {translation 0.00 0 0.00 rotation 0 1 0 -0.00\n"
              "  children Transform {translation 2.00 0.00 -0.10 scale 1.01 2.51 0.10\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n"
              "Transform {translation 3.00 0 0.00 rotation 0 1 0 -1.57\n"
              "  children Transform {translation 0.00 0.00 -0.05 scale 2.01 2.51 0.11\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n"
              "Transform {translation 0.00 0 2.00 rotation 0 1 0 -0.00\n"
              "  children Transform {translation 0.00 0.00 0.00 scale 3.01 2.51 0.10\n"
              "     children Wall {color 1 1 1 transparency 0.00}}}\n");
}

TEST(VrmlWalls, PiecesTooSmallToShowAreLeftOut)
{
    CRoom room = OneWallRoom();
    room.Walls[0].thickness = 1;
    std::string out;
    AppendWalls(out, "#", room, 0.001, 1.0);  // 1 mm thick prints as 0.00
    EXPECT_EQ(out, "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] \"#Wall\"\n");
    room.WallZHeight = -5;
    room.Walls[0].thickness = 10;
    AppendWalls(out, "#", room, 0.01, 1.0);  // a negative height would be a negative scale
    EXPECT_EQ(out.find("Transform"), std::string::npos);
}
