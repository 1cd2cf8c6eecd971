#include "editor/StatusTexts.h"

#include "model/CRoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(StatusTexts, RoomZoomAndTitle)
{
    CRoom room;
    room.Width = 500;
    room.Height = 400;
    room.UnitName = "cm";
    EXPECT_EQ(RoomPanelText(room), "Room: 500\u00D7400 cm");
    EXPECT_EQ(ZoomPanelText(400.0 / 3000), "Zoom: 13%");
    EXPECT_EQ(ZoomPanelText(1.3), "Zoom: 130%");
    EXPECT_EQ(WindowTitle("", false), "Planzeta - [untitled]");
    EXPECT_EQ(WindowTitle("/home/jan/Kitchen.mst", true), "Planzeta - [/home/jan/Kitchen.mst*]");
}

TEST(StatusTexts, PositionIsMeasuredFromTheLocalOriginWhenItIsOn)
{
    CRoom room;
    room.UnitName = "cm";
    room.UserCoordOriginX = 100;
    room.UserCoordOriginY = 50;
    EXPECT_EQ(PositionPanelText(room, {300, 200}), " Position [cm]: 300, 200");
    room.UserCoord = true;
    EXPECT_EQ(PositionPanelText(room, {300, 200}), " Position [cm]: 200, 150 L");
    room.UserCoordOriginX = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(PositionPanelText(room, {std::numeric_limits<int32_t>::max(), 50}),
              " Position [cm]: 4294967295, 0 L");
}

TEST(StatusTexts, MeasurementIsGroupedWithTwoDecimalsOfSevenSignificantDigits)
{
    EXPECT_EQ(MeasurePanelText(-1.0, "cm"), "");
    EXPECT_EQ(MeasurePanelText(std::nan(""), "cm"), "");
    EXPECT_EQ(MeasurePanelText(-0.0, "cm"), "Measurement: 0.00cm");
    EXPECT_EQ(MeasurePanelText(999.9999, "cm"), "Measurement: 1,000.00cm");
    EXPECT_EQ(MeasurePanelText(123456.789, "mm"), "Measurement: 123,456.80mm");
    EXPECT_EQ(MeasurePanelText(1234567.891, "mm", {",", "\u202F"}), "Measurement: 1\u202F234\u202F568,00mm");
}

TEST(StatusTexts, ANegativeDecimalKeepsItsSignBeforeTheGroups)
{
    EXPECT_EQ(DecimalText(-100), "-100.00");
    EXPECT_EQ(DecimalText(-1234.5), "-1,234.50");
}
