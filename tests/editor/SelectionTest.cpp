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
    for (const bool inUse : {true, false, true, true})
        room.AddPart(nullptr, true).InUse = inUse;
    for (const int expected : {0, 2, 3, 0}) {
        selection.Step(room, false);
        EXPECT_EQ(selection.Index(), expected);
    }
    selection.Clear();
    for (const int expected : {3, 2, 0, 3}) {
        selection.Step(room, true);
        EXPECT_EQ(selection.Index(), expected);
    }
    room.RemovePart(3);
    selection.Keep(room);
    EXPECT_EQ(selection.Index(), -1) << "the selected object was removed";
    room.RemovePart(0);
    selection.Step(room, false);
    selection.Step(room, false);
    EXPECT_EQ(selection.Index(), 2) << "the only object stays selected";
}

TEST(Selection, ArrowsMoveByAUnitOrAGridStepAndDoorsAndWindowsStayOnTheirWall)
{
    EXPECT_EQ(ArrowStep(Arrow::Down, true, 50), (Point{0, 50}));
    EXPECT_EQ(ArrowStep(Arrow::Up, true, 0), (Point{0, -1})) << "a room without grid";

    CRoom room;  // 500 x 300, walls 10 thick outside the floor
    int index = -1;
    room.AddPart(&index) = MakePart(Window, 100, -10, 90, 10);
    CPart& window = room.Parts[static_cast<size_t>(index)];
    window.SnapToWallFlag = true;
    MovePartBy(room, index, {0, 1});
    EXPECT_EQ((Point{window.PosX, window.PosY}), (Point{100, -10})) << "pushed off its wall";
    MovePartBy(room, index, {1, 0});
    EXPECT_EQ((Point{window.PosX, window.PosY}), (Point{101, -10}));

    // A door turned in place swings the other way about its middle, in the same wall.
    room.AddPart(&index, true) = MakePart(Door, 200, 100, 80, 80);
    CPart& door = room.Parts[static_cast<size_t>(index)];
    door.SnapToWallFlag = true;
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
