#include "output/PrintTexts.h"

#include "model/CRoom.h"

#include <gtest/gtest.h>

TEST(PrintTexts, TheTitleIsTheFileNameWithoutFolderAndExtension)
{
    EXPECT_EQ(DefaultPrintTitle("/home/anna/rooms/Kitchen.MST"), "Kitchen");
    EXPECT_EQ(DefaultPrintTitle("/home/anna/rooms/flat.2nd floor.mst"), "flat.2nd floor");
    EXPECT_EQ(DefaultPrintTitle(""), "Room (untitled)");
}

TEST(PrintTexts, TheNoteGivesTheRoomsDimensionsAndTheLabelTheLargestScale)
{
    CRoom room;
    room.Width = 500;
    room.Height = 400;
    room.UnitName = "cm";
    EXPECT_EQ(RoomDimensionsNote(room), "Room dimensions: 500×400 cm");
    EXPECT_EQ(MaxScaleText("max", 31.987, {}), "(max 1 : 31.99)");
    EXPECT_EQ(MaxScaleText("max", 12345.678, {",", "."}), "(max 1 : 12.345,68)");
}
