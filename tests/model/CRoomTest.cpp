#include "model/CRoom.h"

#include "model/ModelServices.h"
#include "model/Units.h"

#include <gtest/gtest.h>

namespace {

class CRoomTest : public ::testing::Test {
protected:
    // Adds an object the way the editor does: take a slot, fill it, mark it used.
    int Add(CRoom& room, const std::string& caption, int32_t x = 100, int32_t y = 100)
    {
        int index = -1;
        CPart& part = room.AddPart(&index);
        part.Caption = caption;
        part.PosX = x;
        part.PosY = y;
        part.InUse = true;
        return index;
    }

    std::vector<std::string> Captions(const CRoom& room)
    {
        std::vector<std::string> captions;
        for (const CPart& part : room.Parts)
            captions.push_back(part.InUse ? part.Caption : "-");
        return captions;
    }
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(CRoomTest, AnUnknownDefaultUnitKeepsTheIndexButTakesTheName)
{
    CRoom room;
    room.Unit = 5;
    Services().defaults.unit = "yd";
    room.Reset();
    EXPECT_EQ(room.UnitName, "yd");
    EXPECT_EQ(room.Unit, 5);
    Services().defaults.unit = "\"";
    room.Reset();
    EXPECT_EQ(room.Unit, 2);
}

TEST_F(CRoomTest, FreedSlotsAreReusedAtTheirDepthAndTheDrawingOrderMovesObjectsToTheEnds)
{
    CRoom room;
    Add(room, "a");
    Add(room, "b");
    Add(room, "c");
    room.RemovePart(1);
    EXPECT_EQ(Add(room, "d"), 1);
    EXPECT_EQ(Captions(room), (Names{"a", "d", "c"}));
    EXPECT_EQ(room.AddPart(nullptr, true).InUse, false);
    EXPECT_EQ(room.PartCount(), 4);
    room.RemovePart(17);  // out of range: nothing happens
    room.ClearParts();
    EXPECT_EQ(room.PartCount(), 0);

    // The drawing order commands move an object to the ends, leaving its slot free.
    Add(room, "a");
    Add(room, "b");
    Add(room, "c");
    room.BringToFront(2);
    room.SendToBack(0);
    EXPECT_EQ(Captions(room), (Names{"a", "b", "c"}));
    room.BringToFront(0);
    EXPECT_EQ(Captions(room), (Names{"-", "b", "c", "a"}));
    room.SendToBack(2);
    EXPECT_EQ(Captions(room), (Names{"c", "-", "b", "a"}));
    // Many objects, so that appending moves the list while the object is copied.
    for (int i = 0; i < 100; ++i)
        Add(room, "x" + std::to_string(i));
    room.BringToFront(0);
    EXPECT_EQ(room.Parts.back().Caption, "c");
}

TEST_F(CRoomTest, PartAtFindsTheTopmostAndFirstPartAtTheLowest)
{
    CRoom room;
    Add(room, "low", 0, 0);
    Add(room, "high", 50, 50);
    Add(room, "gone", 0, 0);
    room.RemovePart(2);
    EXPECT_EQ(room.PartAt(120, 120, 2.0), 1);  // plan point (60, 60) lies on both
    EXPECT_EQ(room.FirstPartAt(60, 60), 0);
    EXPECT_EQ(room.PartAt(10, 10, 1.0), 0);
    EXPECT_EQ(room.PartAt(400, 400, 1.0), -1);
}

TEST_F(CRoomTest, UnitsConvertThroughCentimetres)
{
    CRoom room;
    room.Unit = UnitFromAbbreviation("m");
    EXPECT_EQ(room.ToCentimetres(5), 500);
    EXPECT_EQ(room.FromCentimetres(249), 2);
    room.Unit = UnitFromAbbreviation("ft");
    EXPECT_EQ(room.ToCentimetres(10), 300);
    room.Unit = UnitFromAbbreviation("\"");
    EXPECT_EQ(room.FromCentimetres(100), 39);
    EXPECT_EQ(room.ToCentimetres(1), 3);  // 2.54 rounds up
    EXPECT_EQ(room.ToCentimetres(-1), -2);
    room.Unit = UnitFromAbbreviation("km");
    EXPECT_EQ(room.ToCentimetres(2000000000), INT32_MAX);
}

TEST_F(CRoomTest, ExtentsOfHugeRoomsDoNotOverflow)
{
    CRoom room;
    room.Width = 2000000000;
    room.SpaceAround = {2000000000, 0, 2000000000, 0};
    EXPECT_EQ(room.TotalWidth(), 6000000000);
}
