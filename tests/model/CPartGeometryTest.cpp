#include "model/CPart.h"

#include "support/MakePart.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Corners = std::array<Point, 4>;


}  // namespace

TEST(CPartGeometry, CornersRoundHalvesAwayFromZeroAndTurnWithRotation)
{
    EXPECT_EQ(MakePart(Rectangle, 101, -101, 40, 20).Corners(0.5),
              (Corners{{{51, -51}, {71, -51}, {71, -41}, {51, -41}}}));
    EXPECT_EQ(MakePart(Triangle, 0, 0, 30, 20).Corners(1.0), (Corners{{{0, 0}, {30, 0}, {0, 20}, {0, 20}}}));
    EXPECT_EQ(MakePart(Rectangle, 100, 100, 40, 20, 90).Corners(1.0),
              (Corners{{{100, 100}, {100, 140}, {80, 140}, {80, 100}}}));
    // sin(-30°) is a hair above -0.5 and sin(330°) a hair below: the angle is taken as it stands.
    EXPECT_EQ(MakePart(Circle, 0, 93, 100, 100, -30).Corners(1.5)[1].y, 65);
    for (auto [rotation, same] : {std::pair{-90, 270}, {90, INT32_MAX - 37}, {232, INT32_MIN}, {45, -315}})
        EXPECT_EQ(MakePart(Rectangle, 7, 9, 40, 20, rotation).Corners(1.0),
                  MakePart(Rectangle, 7, 9, 40, 20, same).Corners(1.0)) << same;
}

TEST(CPartGeometry, ScreenCornersAreCachedPerZoomAndWidenedAtHighZoom)
{
    CPart part = MakePart(Rectangle, 10, 10, 10, 10);
    const Corners first{{{15, 17}, {25, 17}, {25, 27}, {15, 27}}};
    EXPECT_EQ(part.ScreenCorners(5, 7, 1.0), first);
    part.PosX = 0;
    EXPECT_EQ(part.ScreenCorners(0, 0, 1.0), first);
    part.InvalidateCorners();
    EXPECT_EQ(part.ScreenBounds(0, 0, 1.0), (Rect{0, 10, 10, 20}));
    EXPECT_EQ(part.ScreenBounds(0, 0, 2.0), (Rect{0, 20, 21, 41}));
    EXPECT_EQ(part.ScreenCorners(3, 0, 2.5), (Corners{{{3, 25}, {29, 25}, {29, 51}, {3, 51}}}));
    EXPECT_EQ(part.Bounds(2.5), (Rect{0, 25, 25, 50}));
    EXPECT_EQ(MakePart(Rectangle, 0, 0, 100, 100, 45).Bounds(1.0), (Rect{-71, 0, 71, 141}));
}

TEST(CPartGeometry, HitTestFollowsTheRotatedShapeAtZoomAndIsSafeForDegenerateSizes)
{
    const CPart turned = MakePart(Rectangle, 100, 100, 40, 20, 90);  // plan x in (80, 100], y in [100, 140)
    EXPECT_TRUE(turned.HitTest(200, 200, 2.0));
    EXPECT_TRUE(turned.HitTest(161, 278, 2.0));
    EXPECT_FALSE(turned.HitTest(160, 200, 2.0));
    EXPECT_FALSE(turned.HitTest(198, 280, 2.0));

    CPart lamp = MakePart(LibraryObject, 0, 0, 10, 10);
    EXPECT_TRUE(lamp.HitTest(0, 0, 1.0));
    lamp.LibObjID = 25;  // drawn round
    for (const CPart& round : {MakePart(Ellipse, 0, 0, 10, 10), MakePart(Hexagon, 0, 0, 10, 10), lamp}) {
        EXPECT_TRUE(round.HitTest(0, 5, 1.0));
        EXPECT_FALSE(round.HitTest(0, 0, 1.0));
        EXPECT_FALSE(round.HitTest(9, 9, 1.0));
    }
    const CPart triangle = MakePart(Triangle, 0, 0, 10, 10);
    EXPECT_TRUE(triangle.HitTest(0, 9, 1.0));
    EXPECT_TRUE(triangle.HitTest(5, 5, 1.0));
    EXPECT_FALSE(triangle.HitTest(6, 5, 1.0));

    EXPECT_TRUE(MakePart(Ellipse, 0, 0, 1, 10).HitTest(0, 3, 1.0));
    EXPECT_TRUE(MakePart(Circle, 0, 0, 10, 1).HitTest(7, 0, 1.0));
    EXPECT_FALSE(MakePart(Triangle, 0, 0, 0, 10).HitTest(0, 0, 1.0));
    EXPECT_FALSE(MakePart(Rectangle, 0, 0, 10, 10).HitTest(0, 0, 0.0));

    CPart huge = MakePart(Rectangle, -2000000000, 0, INT32_MAX, 10);
    EXPECT_TRUE(huge.HitTest(0, 0, 1.0));
    EXPECT_FALSE(huge.HitTest(INT32_MAX, 0, 0.05));
    huge.PosX = 2000000000;
    EXPECT_EQ(huge.Corners(4.0)[1].x, INT32_MAX);
    EXPECT_EQ(huge.ScreenCorners(INT32_MAX, INT32_MIN, 4.0)[1], (Point{INT32_MAX, INT32_MIN}));
}

TEST(CPartGeometry, RotateInPlaceKeepsTheMiddleAndTurnsBackExactly)
{
    struct Row {
        const char* name;
        CPart part;
        int32_t degrees;
        Point turned;
    };
    const Row rows[] = {
        {"wardrobe turned right", MakePart(Rectangle, 100, 100, 200, 60), 90, {230, 30}},
        {"odd width turned left", MakePart(Rectangle, 100, 100, 201, 60), -90, {171, 231}},
        {"triangle keeps its box", MakePart(Triangle, -50, -50, 100, 40), 180, {50, -10}},
    };
    for (const Row& row : rows) {
        CPart part = row.part;
        part.RotateInPlace(row.degrees);
        EXPECT_EQ((Point{part.PosX, part.PosY}), row.turned) << row.name;
        EXPECT_EQ(part.Rotation, row.part.Rotation + row.degrees) << row.name;
        part.RotateInPlace(-row.degrees);
        EXPECT_EQ((Point{part.PosX, part.PosY}), (Point{row.part.PosX, row.part.PosY})) << row.name << ", back";
        for (int turn = 0; turn < 4; ++turn)
            part.RotateInPlace(90);
        EXPECT_EQ((Point{part.PosX, part.PosY}), (Point{row.part.PosX, row.part.PosY})) << row.name << ", round";
    }
}
