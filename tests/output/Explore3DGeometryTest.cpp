#include "dialogs/Explore3DGeometry.h"

#include "dialogs/LocalCoordinates.h"
#include "model/CRoom.h"

#include <gtest/gtest.h>

TEST(Explore3DGeometryTest, TheDialReadsClockwiseFromUpAndShiftSnapsToEighths)
{
    EXPECT_EQ(DialAngle(0, -15, false), 0);
    EXPECT_EQ(DialAngle(15, 0, false), 90);
    EXPECT_EQ(DialAngle(0, 15, false), 180);
    EXPECT_EQ(DialAngle(-15, 0, false), 270);
    EXPECT_EQ(DialAngle(0, 0, false), 0);
    // Whole degrees are cut: 28.3 degrees reads 28, its mirror 332.
    EXPECT_EQ(DialAngle(7, -13, false), 28);
    EXPECT_EQ(DialAngle(-7, -13, false), 332);

    EXPECT_EQ(DialAngle(7, -13, true), 45);
    EXPECT_EQ(DialAngle(5, -14, true), 0);   // 19 degrees
    EXPECT_EQ(DialAngle(-5, -14, true), 0);  // 341 degrees: up again, not 360
    EXPECT_EQ(DialAngle(-15, 1, true), 270);
}

TEST(Explore3DGeometryTest, TheNeedlePointsTheWayTheDialReads)
{
    EXPECT_EQ(NeedleEnd({20, 20}, 18, 0), (Point{20, 2}));
    EXPECT_EQ(NeedleEnd({20, 20}, 18, 90), (Point{38, 20}));
    EXPECT_EQ(NeedleEnd({20, 20}, 18, -90), (Point{2, 20}));
    // 18 * sin 45 is 12.7, cut toward the centre; any number of turns.
    EXPECT_EQ(NeedleEnd({20, 20}, 18, 405), (Point{32, 8}));
}

TEST(Explore3DGeometryTest, ThePreviewFitsTheWholeRoomAndMapsBothWays)
{
    CRoom room;
    room.Width = 570;
    room.Height = 300;
    room.SpaceAround = {35, 35, 35, 35};
    // 640 by 370 with the margins: the width decides.
    const std::optional<double> zoom = PreviewZoom(room, 320, 240);
    ASSERT_TRUE(zoom);
    EXPECT_DOUBLE_EQ(*zoom, 0.5);
    EXPECT_EQ(ViewPixelOf(room, *zoom, {200, 100}), (Point{117, 67}));
    EXPECT_EQ(PlanPointFromViewPixel(room, *zoom, {0, 0}, {117, 67}), (Point{200, 100}));
    EXPECT_EQ(ViewPixelOf(room, *zoom, {-20, -20}), (Point{7, 7}));

    // A small room is enlarged until its height fills the box.
    room.Width = 30;
    room.Height = 50;
    room.SpaceAround = {5, 5, 5, 5};
    EXPECT_DOUBLE_EQ(*PreviewZoom(room, 320, 240), 4.0);

    room.Width = 0;
    room.SpaceAround = {0, 0, 0, 0};
    EXPECT_FALSE(PreviewZoom(room, 320, 240));
}
