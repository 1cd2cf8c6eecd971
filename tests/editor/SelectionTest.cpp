#include "editor/Selection.h"
#include "model/CRoom.h"

#include "support/MakePart.h"

#include <gtest/gtest.h>

TEST(Selection, TabWalksTheObjectsInUseInDrawingOrderAndComesRound)
{
    CRoom room;
    CSelection selection;
    selection.Step(room, false);
    EXPECT_EQ(selection.Index(), -1) << "an empty room";
    for (int i = 0; i < 4; ++i)
        room.AddPart(nullptr, true) = MakePart(Rectangle, 10 * i, 0, 5, 5);
    room.Parts[0].InUse = room.Parts[2].InUse = room.Parts[3].InUse = true;

    const std::vector<int> forward = {0, 2, 3, 0};
    for (const int expected : forward) {
        selection.Step(room, false);
        EXPECT_EQ(selection.Index(), expected);
    }
    selection.Clear();
    const std::vector<int> backward = {3, 2, 0, 3};
    for (const int expected : backward) {
        selection.Step(room, true);
        EXPECT_EQ(selection.Index(), expected);
    }
    room.RemovePart(3);
    selection.Keep(room);
    EXPECT_EQ(selection.Index(), -1) << "the selected object was removed";
    selection.Select(2);
    selection.Keep(room);
    EXPECT_EQ(selection.Index(), 2);
}

TEST(Selection, ArrowsMoveByAUnitOrAGridStepAndDoorsAndWindowsStayOnTheirWall)
{
    EXPECT_EQ(ArrowStep(Arrow::Left, false, 50), (Point{-1, 0}));
    EXPECT_EQ(ArrowStep(Arrow::Down, true, 50), (Point{0, 50}));
    EXPECT_EQ(ArrowStep(Arrow::Up, true, 0), (Point{0, -1})) << "a room without grid";

    CRoom room;  // 500 x 300, walls 10 thick outside the floor
    int index = -1;
    CPart& window = room.AddPart(&index) = MakePart(Window, 100, -10, 90, 10);
    window.SnapToWallFlag = true;
    window.InUse = true;
    MovePartBy(room, index, {0, 1});
    EXPECT_EQ((Point{window.PosX, window.PosY}), (Point{100, -10})) << "pushed off its wall";
    MovePartBy(room, index, {1, 0});
    EXPECT_EQ((Point{window.PosX, window.PosY}), (Point{101, -10}));
    CPart& box = room.AddPart(&index) = MakePart(Rectangle, 100, 100, 90, 10);
    MovePartBy(room, index, {-50, 7});
    EXPECT_EQ((Point{box.PosX, box.PosY}), (Point{50, 107}));

    // A door turned in place swings the other way about its middle along the same wall.
    CPart& door = room.AddPart(&index) = MakePart(Door, 200, 100, 80, 80);
    door.SnapToWallFlag = true;
    door.InUse = true;
    MovePartBy(room, index, {0, -100});
    const Rect before = door.Bounds(1.0);
    for (const int32_t degrees : {90, 90, -90}) {
        door.RotateInPlace(degrees);
        MovePartBy(room, index, {0, 0});
        EXPECT_EQ(door.WallLink & 0xFFFF, 0) << degrees;
        EXPECT_EQ(door.Bounds(1.0).left, before.left) << degrees;
        EXPECT_EQ(door.Bounds(1.0).right, before.right) << degrees;
    }
}
