#include "dialogs/RoomDialogRules.h"

#include "dialogs/PreviewBackground.h"
#include "model/CRoom.h"
#include "support/RecordingCanvas.h"

#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// A room of 400 x 300 whose outline the user has drawn: the rectangle with its first wall
// made thicker.
CRoom UserDefinedRoom()
{
    CRoom room;
    room.Width = 400;
    room.Height = 300;
    room.Walls.MakeRectangle(400, 300, 10);
    room.Walls[0] = CWall(0, 0, 400, 0, 0, 15);
    room.Walls.SetDefault(false);
    return room;
}

// A confirmation that fails the test when asked.
bool NotAsked()
{
    ADD_FAILURE() << "the walls question was asked";
    return false;
}

}  // namespace

TEST(RoomDialogRulesTest, NumberFieldsTellIntegersFromOtherTextAndFromNumbersBeyond32Bits)
{
    EXPECT_EQ(ReadInteger(" +42 ").value, 42);
    EXPECT_EQ(ReadInteger("-00000000000000000012").value, -12);
    EXPECT_EQ(ReadInteger("-2147483648").value, INT32_MIN);
    EXPECT_EQ(ReadInteger("2147483647").value, INT32_MAX);
    for (const char* text : {"", "-", "differ.", "12.5", "0x10"})
        EXPECT_EQ(ReadInteger(text).kind, IntegerReading::NotInteger) << text;
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999"})
        EXPECT_EQ(ReadInteger(text).kind, IntegerReading::OutOfRange) << text;

    // Text that is no number keeps the field's value and passes; a number must be in range.
    EXPECT_EQ(IntegerOr("3000000000", 9), 9);
    EXPECT_TRUE(AcceptsInteger("differ.", 1));
    EXPECT_FALSE(AcceptsInteger("0", 1));
    EXPECT_FALSE(AcceptsInteger("3000000000", INT32_MIN));
}

TEST(RoomDialogRulesTest, TheThicknessFieldShowsDifferAndOnlyATypedNumberSetsEveryWall)
{
    CRoom room = UserDefinedRoom();
    EXPECT_EQ(ThicknessText(room), "differ.");
    EXPECT_TRUE(ReadSizeFields(room, {"400", "300", "differ."}, NotAsked));
    EXPECT_EQ(room.Walls[0].thickness, 15);
    EXPECT_EQ(room.Walls[1].thickness, 10);

    EXPECT_TRUE(ReadSizeFields(room, {"400", "300", "12"}, NotAsked));
    EXPECT_EQ(ThicknessText(room), "12");
    // A negative thickness is the room's, but no wall takes it.
    EXPECT_TRUE(ReadSizeFields(room, {"400", "300", "-4"}, NotAsked));
    EXPECT_EQ(room.WallThickness, -4);
    EXPECT_EQ(room.Walls.CommonThickness(), 12);

    // With every wall removed there is nothing in common to show: the room's own thickness.
    room.Walls.RemoveAll();
    EXPECT_EQ(ThicknessText(room), "-4");
}

TEST(RoomDialogRulesTest, ARectangularRoomTakesANewSizeWithoutAskingAndRebuildsItsWalls)
{
    CRoom room;
    room.Walls.MakeRectangle(500, 300, 10);
    EXPECT_TRUE(ReadSizeFields(room, {"400", "wide", "20"}, NotAsked));
    EXPECT_EQ(CurrentSize(room), (RoomSize{400, 300}));
    EXPECT_TRUE(room.Walls.IsDefault());
    EXPECT_EQ(room.Walls[3].Text(), "[400,0]->[400,300]");
    EXPECT_EQ(room.Walls.CommonThickness(), 20);
}

TEST(RoomDialogRulesTest, ANewSizeForUserDefinedWallsAsksYesGivesTheRectangleNoKeepsTheWalls)
{
    CRoom room = UserDefinedRoom();
    const std::vector<CWall> before = room.Walls.List();
    EXPECT_FALSE(ReadSizeFields(room, {"500", "350", "12"}, [] { return false; }));
    EXPECT_EQ(CurrentSize(room), (RoomSize{400, 300}));
    EXPECT_EQ(room.Width, 400);
    EXPECT_FALSE(room.Walls.IsDefault());
    EXPECT_EQ(room.Walls[0].Text(), before[0].Text());
    // The question was about the shape: the typed thickness is taken all the same.
    EXPECT_EQ(room.Walls.CommonThickness(), 12);

    room = UserDefinedRoom();
    int asked = 0;
    EXPECT_TRUE(ReadSizeFields(room, {"500", "300", "differ."}, [&] { return ++asked, true; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(room.Width, 500);
    EXPECT_TRUE(room.Walls.IsDefault());
    EXPECT_EQ(room.Walls[0].Text(), "[0,0]->[500,0]");
    // The rectangle takes the room's thickness; the thicker wall is gone.
    EXPECT_EQ(room.Walls.CommonThickness(), 10);

    // A new height alone asks too.
    room = UserDefinedRoom();
    EXPECT_TRUE(ReadSizeFields(room, {"400", "350", "differ."}, [&] { return ++asked, true; }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(room.Walls[3].Text(), "[400,0]->[400,350]");
}

TEST(RoomDialogRulesTest, TheCurrentSizeIsTheExtentOfTheWalls)
{
    // Walls reaching beyond the stored size: that size is not what the user sees or changes.
    CRoom room = UserDefinedRoom();
    room.Walls.AddWall() = CWall(400, 300, 600, 450, 1, 10);
    EXPECT_EQ(CurrentSize(room), (RoomSize{600, 450}));
    EXPECT_TRUE(ReadSizeFields(room, {"600", "450", "differ."}, NotAsked));
    EXPECT_EQ(room.Width, 600);
    EXPECT_EQ(room.Height, 450);

    // With every wall removed the room's own size stands, and a new one offers the rectangle.
    room.Walls.RemoveAll();
    EXPECT_EQ(CurrentSize(room), (RoomSize{600, 450}));
    EXPECT_TRUE(ReadSizeFields(room, {"600", "450", "10"}, NotAsked));
    EXPECT_EQ(room.Walls.Count(), 0);
    EXPECT_TRUE(ReadSizeFields(room, {"700", "500", "10"}, [] { return true; }));
    EXPECT_EQ(room.Walls.Count(), 4);
    EXPECT_EQ(room.Walls[3].Text(), "[700,0]->[700,500]");
}

TEST(RoomDialogRulesTest, AWallNeedsAllFiveValuesAndTwoDifferentEndPoints)
{
    const std::optional<CWall> wall = WallFromFields({"300", " 50", "100", "50", "8"}, 2);
    ASSERT_TRUE(wall);
    // Entered right to left, stored left to right.
    EXPECT_EQ(wall->Text(), "[100,50]->[300,50]");
    EXPECT_EQ(wall->alignment, 2);
    EXPECT_EQ(wall->thickness, 8);

    EXPECT_FALSE(WallFromFields({"100", "50", "100", "50", "8"}, 1));
    EXPECT_FALSE(WallFromFields({"100", "50", "", "90", "thick"}, 1));
    EXPECT_FALSE(WallFromFields({"100", "16777215", "200", "90", "8"}, 1));
    EXPECT_FALSE(WallFromFields({"100", "50", "5000000000", "90", "8"}, 1));
    EXPECT_EQ(WallFieldValue("-16777215"), -16777215);
}

TEST(RoomDialogRulesTest, ThePreviewFitsTheWallsInsideItsMarginAndNeverEnlarges)
{
    CRoomWalls walls;
    EXPECT_FALSE(PreviewMappingFor(walls, 233, 130));

    walls.MakeRectangle(500, 300, 10);
    const std::optional<PreviewMapping> large = PreviewMappingFor(walls, 233, 130);
    ASSERT_TRUE(large);
    // 300 units down 110 pixels decide over 500 across 213.
    EXPECT_DOUBLE_EQ(large->unitsPerPixel, 300.0 / 110);
    EXPECT_EQ(large->Map({0, 0}), (Point{10, 10}));
    EXPECT_EQ(large->Map({500, 300}), (Point{193, 120}));

    walls.RemoveAll();
    walls.AddWall() = CWall(-100, 40, -50, 60, 0, 5);
    const std::optional<PreviewMapping> small = PreviewMappingFor(walls, 233, 130);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Map({-50, 60}), (Point{60, 30}));

    // Walls at the ends of the number range do not overflow the mapping.
    walls.AddWall() = CWall(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 5);
    const std::optional<PreviewMapping> huge = PreviewMappingFor(walls, 233, 130);
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->Map({INT32_MAX, INT32_MAX}), (Point{120, 120}));
}

TEST(RoomDialogRulesTest, ThePreviewDrawsTheShownWallLastInRed)
{
    CRoomWalls walls;
    walls.MakeRectangle(200, 100, 10);
    RecordingCanvas canvas(233, 130);
    DrawWallPreview(canvas, walls, 1);
    EXPECT_EQ(canvas.log, (std::vector<std::string>{
                              "Pen Solid 0x000000", "Polyline (10,10) (210,10)", "Polyline (10,110) (210,110)",
                              "Polyline (210,10) (210,110)", "Pen Solid 0x0000FF", "Polyline (10,10) (10,110)",
                              "Pen Solid 0x000000"}));

    // The new wall's row marks no wall; without walls nothing is drawn.
    canvas.log.clear();
    DrawWallPreview(canvas, walls, 4);
    EXPECT_TRUE(canvas.Calls("Pen Solid 0x0000FF").empty());
    canvas.log.clear();
    DrawWallPreview(canvas, CRoomWalls(), 0);
    EXPECT_TRUE(canvas.Calls("Polyline").empty());
}

TEST(RoomDialogRulesTest, ThePreviewBackgroundShadesEveryInnerRowAndNoMore)
{
    RecordingCanvas canvas(40, 10);
    DrawPreviewBackground(canvas, 4, 0xF0F0F0, 0x808080);
    const std::vector<std::string> fills = canvas.Calls("FillRect");
    ASSERT_EQ(fills.size(), 1u + 8u);
    EXPECT_EQ(fills.back().rfind("FillRect [2,8,38,9]", 0), 0u) << fills.back();
    // The rounded outline is the same at every corner: mirrored, each point is one of it.
    const std::vector<std::string> outline = canvas.Calls("Polygon");
    ASSERT_EQ(outline.size(), 1u);
    std::set<std::pair<int, int>> points;
    std::istringstream in(outline[0].substr(std::string("Polygon").size()));
    for (char open, comma, close; in >> open;) {
        int x = 0;
        int y = 0;
        in >> x >> comma >> y >> close;
        points.insert({x, y});
    }
    EXPECT_EQ(points.size(), 16u);
    for (const auto& [x, y] : points) {
        EXPECT_TRUE(points.count({39 - x, y})) << x << "," << y;
        EXPECT_TRUE(points.count({x, 9 - y})) << x << "," << y;
    }
}
