#include "editor/Measurement.h"

#include "editor/StatusTexts.h"

#include <climits>

#include <gtest/gtest.h>

TEST(Measurement, ShiftTurnsTheLineToTheNearestOfEightDirections)
{
    const Point start{100, 100};
    // Horizontal and vertical lines keep the pointer's distance along their axis, not its
    // distance from the start.
    EXPECT_EQ(MeasureEnd(start, {300, 140}, true), (Point{300, 100}));
    EXPECT_EQ(MeasureEnd(start, {-50, 93}, true), (Point{-50, 100}));
    EXPECT_EQ(MeasureEnd(start, {120, 20}, true), (Point{100, 20}));
    EXPECT_EQ(MeasureEnd(start, {96, 180}, true), (Point{100, 180}));
    // Diagonals keep the pointer's distance: |(100, 98)| = 140.01, 99.00 along each axis.
    EXPECT_EQ(MeasureEnd(start, {200, 198}, true), (Point{199, 199}));
    EXPECT_EQ(MeasureEnd(start, {0, 0}, true), (Point{0, 0}));
    // The direction is cut to whole degrees before it is rounded to the nearest 45: 21.8
    // degrees from up is still up, 23.7 turns to the diagonal.
    EXPECT_EQ(MeasureEnd(start, {140, 0}, true), (Point{100, 0}));
    EXPECT_EQ(MeasureEnd(start, {144, 0}, true), (Point{177, 23}));
    // At the edges: 22.3 and 22.93 degrees are cut to 22, which still rounds to up.
    EXPECT_EQ(MeasureEnd(start, {141, 0}, true), (Point{100, 0}));
    EXPECT_EQ(MeasureEnd(start, {4330, -9900}, true), (Point{100, -9900}));
    // Without Shift, and with no line yet, the end is the pointer.
    EXPECT_EQ(MeasureEnd(start, {140, 0}, false), (Point{140, 0}));
    EXPECT_EQ(MeasureEnd(start, start, true), start);
}

TEST(Measurement, LengthIsInRoomUnitsAndStaysFiniteAtTheExtremes)
{
    EXPECT_DOUBLE_EQ(MeasuredLength({10, 10}, {210, 10}, 2.0), 100.0);
    EXPECT_DOUBLE_EQ(MeasuredLength({0, 0}, {30, -40}, 0.5), 100.0);
    const Point far = MeasureEnd({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN + 1}, true);
    EXPECT_EQ(far, (Point{INT32_MAX, INT32_MIN}));
    EXPECT_DOUBLE_EQ(MeasuredLength({INT32_MIN, INT32_MIN}, far, 1.0), 4294967295.0);
}

TEST(Measurement, DraggedObjectKeepsItsGrabOffset)
{
    // Held 30 and 20 pixels from its position at zoom 2, the pointer at (150, 80).
    EXPECT_EQ(GrabOffset({150, 80}, {60, 30}, 2.0), (Point{30, 20}));
    EXPECT_EQ(DragPosition({150, 80}, {30, 20}, 2.0), (Point{60, 30}));
    EXPECT_EQ(DragPosition({151, 81}, {30, 20}, 2.0), (Point{60, 30}));
    // Left of and above the room the position is cut towards zero too.
    EXPECT_EQ(DragPosition({5, -17}, {30, 20}, 2.0), (Point{-12, -18}));
    EXPECT_EQ(GrabOffset({10, 10}, {7, 7}, 1.5), (Point{0, 0}));
    // Far beyond the range of a position, the position saturates instead of wrapping.
    EXPECT_EQ(DragPosition({INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX}, 0.05), (Point{INT32_MAX, INT32_MIN}));
    EXPECT_EQ(GrabOffset({INT32_MAX, 0}, {INT32_MIN, INT32_MAX}, 4.0), (Point{INT32_MAX, INT32_MIN}));
}

TEST(Measurement, RoomPointSurvivesAChangeOfZoom)
{
    for (double zoom : {0.05, 0.07, 0.33, 1.0, 1.3, 4.0})
        for (Point pixel : {Point{0, 0}, Point{1, -1}, Point{333, 777}, Point{-19999, 19999}})
            EXPECT_EQ(RoomPixelOf(RoomPointAt(pixel, zoom), zoom), pixel) << zoom;
    EXPECT_EQ(RoomPixelOf(RoomPointAt({100, -50}, 1.0), 1.3), (Point{130, -65}));
    EXPECT_EQ(RoomPixelOf(RoomPointAt({33, 0}, 0.33), 1.0), (Point{100, 0}));
}

TEST(Measurement, MessageShowsTheLengthAsThePanelDoes)
{
    EXPECT_EQ(MeasurementMessage(1234.5, "cm", {}), "The length is 1,234.50cm.");
    EXPECT_EQ(MeasurementMessage(0.0, "m", {",", "."}), "The length is 0,00m.");
}
