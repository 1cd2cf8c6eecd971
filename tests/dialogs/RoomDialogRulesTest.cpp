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

// The size the dialog starts from is the walls' extent, or the room's own without walls. A new
// size for drawn walls asks whether to make them the rectangle: No keeps them and their size but
// takes the typed thickness, Yes gives the rectangle in the room's thickness.
TEST(RoomDialogRulesTest, ANewSizeRebuildsTheRectangleButReplacesDrawnWallsOnlyWhenTheUserAgrees)
{
    CRoom rectangle;
    rectangle.Walls.MakeRectangle(500, 300, 10);
    CRoom beyond = UserDefinedRoom();  // walls reaching beyond the stored size
    beyond.Walls.AddWall() = CWall(400, 300, 600, 450, 1, 10);
    CRoom bare = beyond;
    bare.Width = 600;
    bare.Height = 450;
    bare.Walls.RemoveAll();
    const struct {
        const char* name;
        const CRoom& room;
        SizeTexts texts;
        std::optional<bool> answer;  // nothing: the question must not be asked
        bool taken;
        const char* outline;  // the size, whether the walls are the rectangle, and every wall
    } rows[] = {
        {"the rectangle takes a new size without asking", rectangle, {"400", "wide", "20"}, {}, true,
         "400x300 rectangle [0,0]->[400,0]/20 [0,0]->[0,300]/20 [0,300]->[400,300]/20 [400,0]->[400,300]/20"},
        {"No keeps drawn walls but takes the thickness", UserDefinedRoom(), {"500", "350", "12"}, false, false,
         "400x300 drawn [0,0]->[400,0]/12 [0,0]->[0,300]/12 [0,300]->[400,300]/12 [400,0]->[400,300]/12"},
        {"Yes gives the rectangle in the room's thickness", UserDefinedRoom(), {"500", "300", "differ."}, true, true,
         "500x300 rectangle [0,0]->[500,0]/10 [0,0]->[0,300]/10 [0,300]->[500,300]/10 [500,0]->[500,300]/10"},
        {"a new height alone asks", UserDefinedRoom(), {"400", "350", "differ."}, true, true,
         "400x350 rectangle [0,0]->[400,0]/10 [0,0]->[0,350]/10 [0,350]->[400,350]/10 [400,0]->[400,350]/10"},
        {"the walls' extent is the size", beyond, {"600", "450", "differ."}, {}, true,
         "600x450 drawn [0,0]->[400,0]/15 [0,0]->[0,300]/10 [0,300]->[400,300]/10 [400,0]->[400,300]/10 "
         "[400,300]->[600,450]/10"},
        {"without walls the room's size stands", bare, {"600", "450", "10"}, {}, true, "600x450 drawn"},
        {"without walls a new size offers the rectangle", bare, {"700", "500", "10"}, true, true,
         "700x500 rectangle [0,0]->[700,0]/10 [0,0]->[0,500]/10 [0,500]->[700,500]/10 [700,0]->[700,500]/10"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CRoom room = row.room;
        int asked = 0;
        EXPECT_EQ(ReadSizeFields(room, row.texts, [&] { return ++asked, row.answer.value_or(false); }), row.taken);
        EXPECT_EQ(asked, row.answer ? 1 : 0);
        std::string outline = std::to_string(room.Width) + "x" + std::to_string(room.Height) +
                              (room.Walls.IsDefault() ? " rectangle" : " drawn");
        for (const CWall& wall : room.Walls.List())
            outline += " " + wall.Text() + "/" + std::to_string(wall.thickness);
        EXPECT_EQ(outline, row.outline);
        EXPECT_EQ(CurrentSize(room), (RoomSize{room.Width, room.Height}));
    }
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
    // Rows are cut in to round the corners, and darken every rowsPerLevel rows.
    EXPECT_EQ(fills[1], "FillRect [2,1,38,2] 0xFFFFFF");
    EXPECT_EQ(fills[5], "FillRect [1,5,39,6] 0xFEFEFE");
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
