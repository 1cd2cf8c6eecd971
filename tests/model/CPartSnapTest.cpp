#include "model/CPart.h"
#include "model/CRoomWalls.h"

#include "support/MakePart.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Walls from (0, 0) to (300, 0) and from (0, 1000) to (300, 1000), 10 thick towards negative
// y: line B runs 10 above each.
CRoomWalls TwoWalls()
{
    CRoomWalls walls;
    walls.AddWall() = CWall(0, 0, 300, 0, 0, 10);
    walls.AddWall() = CWall(0, 1000, 300, 1000, 0, 10);
    return walls;
}

CPart Snapping(int32_t type, int32_t width, int32_t rotation = 0)
{
    CPart part = MakePart(type, 100, 100, width, width, rotation);
    part.SnapToWallFlag = true;
    return part;
}

}  // namespace

TEST(CPartSnap, WindowLiesInTheWallWithinItsEnds)
{
    CPart window = Snapping(Window, 100, 30);
    window.SnapToWall(TwoWalls(), 270, 5, true);  // the middle at t = 0.9 would overhang the end
    EXPECT_EQ((std::array{window.PosX, window.PosY, window.Height, window.Rotation, window.WallLink}),
              (std::array{200, -10, 10, 0, 0}));
    window.SnapToWall(TwoWalls(), 20, 3, true);
    EXPECT_EQ(window.PosX, 0);

    CRoomWalls room;
    room.MakeRectangle(500, 300, 10);
    window.SnapToWall(room, 3, 150, true);
    EXPECT_EQ((std::array{window.PosX, window.PosY, window.Rotation, window.WallLink}), (std::array{0, 100, 90, 1}));
}

TEST(CPartSnap, DoorTakesTheNearestQuarterTurnAndStaysOnTheWall)
{
    const CRoomWalls walls = TwoWalls();
    for (auto [rotation, q, x, y] : {std::array{10, 0, 110, -90}, {80, 90, 190, 0}, {-170, 180, 190, 80},
                                     {265, 270, 110, -10}}) {
        CPart door = Snapping(Door, 80, rotation);
        door.SnapToWall(walls, 150, 0, true);
        EXPECT_EQ((std::array{door.WallLink >> 16, door.WallLink & 0xFFFF, door.Rotation}), (std::array{q, 0, q}));
        EXPECT_EQ((std::array{door.PosX, door.PosY}), (std::array{x, y}));
        const Rect span = door.Bounds(1.0);  // every turn covers the same stretch of wall
        EXPECT_EQ((std::array{span.left, span.right}), (std::array{110, 190})) << q;
        door.SnapToWall(walls, 0, 0, false);  // at rest it is found by its corner on the wall
        EXPECT_EQ((std::array{door.PosX, door.PosY}), (std::array{x, y})) << q;
    }
    CPart door = Snapping(Door, 80, 180);
    door.SnapToWall(walls, 10, 0, true);
    EXPECT_EQ(door.Bounds(1.0).left, 0);
    door.Rotation = 0;
    door.SnapToWall(walls, 295, 990, true);
    EXPECT_EQ(door.WallLink, 1);
    EXPECT_EQ(door.Bounds(1.0).right, 300);

    // On an upright wall the hinge offsets turn with the wall.
    CRoomWalls room;
    room.MakeRectangle(500, 300, 10);
    for (auto [rotation, x, y] : {std::array{0, 0, 110}, {90, 80, 110}, {180, -10, 190}, {270, -90, 190}}) {
        CPart upright = Snapping(Door, 80, rotation);
        upright.SnapToWall(room, 0, 150, true);
        EXPECT_EQ((std::array{upright.WallLink & 0xFFFF, upright.PosX, upright.PosY}), (std::array{1, x, y})) << rotation;
        const Rect span = upright.Bounds(1.0);
        EXPECT_EQ((std::array{span.top, span.bottom}), (std::array{110, 190})) << rotation;
    }
}

TEST(CPartSnap, DoorRotationHoldsForAnyAngle)
{
    CRoomWalls reversed;
    reversed.AddWall() = CWall::Unordered(0, 300, 0, 0, 0, 10);  // direction -90
    for (auto [before, after] : {std::pair{-90, -90}, {0, 0}, {-180, 180}}) {
        CPart door = Snapping(Door, 80, before);
        door.SnapToWall(reversed, 0, 150, true);
        EXPECT_EQ(door.Rotation, after) << before;  // keeps the sign of the wall's angle
    }
    CPart door = Snapping(Door, INT32_MAX, INT32_MIN);
    door.SnapToWall(TwoWalls(), 150, 0, true);
    EXPECT_EQ((std::array{door.WallLink >> 16, door.Rotation}), (std::array{270, 270}));
    door.Rotation = INT32_MAX;
    door.SnapToWall(TwoWalls(), 150, 0, true);
    EXPECT_EQ(door.WallLink >> 16, 90);

    CPart window = Snapping(Window, INT32_MAX);
    window.SnapToWall(TwoWalls(), 150, 0, true);
    EXPECT_EQ(window.PosX, -INT32_MAX + 300);
}

TEST(CPartSnap, OnlyDoorsAndWindowsMoveOnlyWhenSnappingAndNotByOneUnitAtRest)
{
    CRoomWalls room;
    room.MakeRectangle(500, 300, 10);
    CPart table = Snapping(Rectangle, 100);
    table.SnapToWall(room, 250, 290, true);
    EXPECT_EQ((std::array{table.WallLink, table.PosX, table.PosY}), (std::array{2, 100, 100}));
    table.SnapToWall(CRoomWalls{}, 250, 290, true);
    EXPECT_EQ(table.WallLink, -1);

    CPart loose = Snapping(Window, 100);
    loose.SnapToWallFlag = false;
    loose.SnapToWall(room, 250, 5, true);
    EXPECT_EQ((std::array{loose.WallLink, loose.PosY, loose.Height}), (std::array{-1, 100, 100}));

    CPart window = Snapping(Window, 100);
    window.PosX = 50;
    window.PosY = -9;
    window.SnapToWall(TwoWalls(), 50, -9, false);
    EXPECT_EQ((std::array{window.PosX, window.PosY, window.Height}), (std::array{50, -9, 10}));
    window.PosY = -8;
    window.SnapToWall(TwoWalls(), 50, -8, false);
    EXPECT_EQ(window.PosY, -10);
}
