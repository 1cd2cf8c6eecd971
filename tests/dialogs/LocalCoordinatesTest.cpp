#include "dialogs/LocalCoordinates.h"

#include "model/CRoom.h"

#include <gtest/gtest.h>

TEST(LocalCoordinatesTest, APlanPixelGivesTheRoomPointDrawnThere)
{
    CRoom room;
    room.SpaceAround = {35, 35, 35, 35};
    EXPECT_EQ(PlanPointFromViewPixel(room, 2.0, {100, 40}, {300, 200}), (Point{165, 85}));

    // The left and top margins differ, and points in the margins lie before the origin.
    room.SpaceAround = {35, 10, 0, 0};
    EXPECT_EQ(PlanPointFromViewPixel(room, 1.0, {0, 0}, {0, 0}), (Point{-35, -10}));
    EXPECT_EQ(PlanPointFromViewPixel(room, 1.0, {5, 0}, {30, 10}), (Point{0, 0}));
}

TEST(LocalCoordinatesTest, AtAnUnevenZoomTheMarginIsTakenOffAsDrawn)
{
    // At 0.33 a margin of 35 is drawn as 11 pixels, so the room's corner lies at pixel 11;
    // scaling the pixel first and then taking off 35 units would put it two units away.
    CRoom room;
    room.SpaceAround = {35, 35, 35, 35};
    EXPECT_EQ(PlanPointFromViewPixel(room, 0.33, {0, 0}, {11, 11}), (Point{0, 0}));
    EXPECT_EQ(PlanPointFromViewPixel(room, 0.33, {100, 0}, {11, 44}), (Point{303, 100}));
}

TEST(LocalCoordinatesTest, TheDialogStandsCentredAboveThePlanButNotOffTheScreen)
{
    const Rect plan{100, 300, 900, 800};
    EXPECT_EQ(PlaceAbovePlan(plan, 300, 200, 0), (Point{350, 115}));
    EXPECT_EQ(PlaceAbovePlan({0, 50, 801, 600}, 300, 200, 24), (Point{250, 24}));
}
