#include "editor/WallDrawing.h"

#include "model/CRoom.h"
#include "model/DrawnOutline.h"
#include "model/RoomFloor.h"

#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// A drawing as steps: "c x y" click, "C x y" click with Shift, "t d" a typed digit,
// "b" Backspace, "r x y" Return with the pointer there.
struct DrawingRow {
    const char* name;
    bool gridShown;
    const char* steps;
    const char* corners;  // "x,y x,y ..."
    bool closed;
};

std::string Drawn(const DrawingRow& row)
{
    WallDrawing drawing(SnapRules{50, row.gridShown, 8});
    std::istringstream steps(row.steps);
    for (char op; steps >> op;) {
        double x = 0, y = 0;
        char digit = 0;
        if (op == 't')
            steps >> digit, drawing.Type(digit);
        else if (op == 'b')
            drawing.TakeBack();
        else if (steps >> x >> y; op == 'r')
            drawing.Return({x, y}, false);
        else
            drawing.Click({x, y}, op == 'C');
    }
    std::string corners;
    for (const Point& p : drawing.Corners())
        corners += (corners.empty() ? "" : " ") + std::to_string(p.x) + "," + std::to_string(p.y);
    return corners + (drawing.IsClosed() ? " closed" : "");
}

const DrawingRow Drawings[] = {
    {"GridSnapsAnLAndTheFirstCornerClosesIt", true, "c 3 -4 c 402 2 c 398 197 c 205 203 c 197 402 c 4 398 c 5 5",
     "0,0 400,0 400,200 200,200 200,400 0,400", true},
    {"CornersMeetTheLinesOfEarlierOnesAndReturnCloses", false, "c 13 17 c 211 19 c 215 120 r 0 0",
     "13,17 211,17 211,120", true},
    {"ShiftTurnsTheSideToMultiplesOf45", false, "c 100 100 C 300 104 C 380 180 C 390 420", "100,100 300,100 380,180 380,420", false},
    {"BackspaceTakesDigitsThenCorners", false, "c 0 0 c 100 0 t 1 t 2 b b b", "0,0", false},
    {"TypedLengthsFollowThePointersDirection", false, "c 10 10 t 2 t 5 t 0 r 500 14 t 1 t 2 t 0 r 262 300",
     "10,10 260,10 260,130", false},
    {"SidesThatRunBackOrCrossAreRefused", false, "c 0 0 c 100 0 c 50 0 c 100 100 c 50 -50 c 150 50 r 0 0",
     "0,0 100,0 100,100 150,50", false},
    {"ASideAlongAnEarlierOneIsRefused", false, "c 0 0 c 100 0 c 100 50 c 200 50 c 200 0 c 50 0",
     "0,0 100,0 100,50 200,50 200,0", false},
    {"ATypedSideEndingOnTheFirstCornerClosesAndNoneGoesPastTheOrigin", false,
     "c 0 0 c 100 0 c 100 100 t 5 t 0 t 0 r 0 100 b b b t 1 t 4 t 1 r 3 3", "0,0 100,0 100,100", true},
    {"CornersInALineEncloseNothing", false, "c 0 0 c 100 0 c 200 0 r 0 0", "0,0 100,0 200,0", false},
};

class WallDrawingTable : public ::testing::TestWithParam<DrawingRow> {};

TEST_P(WallDrawingTable, Corners)
{
    const DrawingRow& row = GetParam();
    EXPECT_EQ(Drawn(row), std::string(row.corners) + (row.closed ? " closed" : ""));
}

INSTANTIATE_TEST_SUITE_P(Steps, WallDrawingTable, ::testing::ValuesIn(Drawings),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> WallTexts(const CRoomWalls& walls)
{
    std::vector<std::string> texts;
    for (const CWall& wall : walls.List())
        texts.push_back(wall.Text() + " " + std::to_string(wall.alignment));
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace

TEST(DrawnOutline, ThicknessLiesOutsideWhicheverWayRoundAndTheRoomGrows)
{
    const std::vector<Point> clockwise{{0, 0}, {400, 0}, {400, 200}, {200, 200}, {200, 400}, {0, 400}};
    const std::vector<Point> anticlockwise(clockwise.rbegin(), clockwise.rend());
    EXPECT_EQ(WallTexts(WallsAround(clockwise, 10)), WallTexts(WallsAround(anticlockwise, 10)));
    CRoomWalls rectangle;
    rectangle.MakeRectangle(300, 200, 10);
    EXPECT_EQ(WallTexts(WallsAround(std::vector<Point>{{0, 200}, {300, 200}, {300, 0}, {0, 0}}, 10)),
              WallTexts(rectangle));

    CRoom room;
    room.Width = 300;
    room.Height = 500;
    ApplyDrawnOutline(room, anticlockwise);
    EXPECT_FALSE(room.Walls.IsDefault());
    EXPECT_EQ(room.Width, 400);
    EXPECT_EQ(room.Height, 500);
    EXPECT_DOUBLE_EQ(MeasureFloor(room)->area, 120000);
}

TEST(DrawnOutline, CornersMoveWithTheirWallsAndWallsAreFoundUnderThePointer)
{
    CRoom room;
    ApplyDrawnOutline(room, std::vector<Point>{{100, 0}, {400, 0}, {400, 200}, {100, 200}});
    EXPECT_EQ(OutlineCorners(room.Walls), (std::vector<Point>{{100, 0}, {400, 0}, {400, 200}, {100, 200}}));
    EXPECT_FALSE(MoveOutlineCorner(room.Walls, {100, 200}, {100, 0}));
    EXPECT_FALSE(MoveOutlineCorner(room.Walls, {101, 200}, {50, 200}));
    // The left wall now runs up and to the right, so its ends swap; its thickness stays outside.
    ASSERT_TRUE(MoveOutlineCorner(room.Walls, {100, 200}, {50, 200}));
    EXPECT_DOUBLE_EQ(MeasureFloor(room)->area, 65000);

    const int thickness = room.WallThickness;
    EXPECT_EQ(WallAt(room.Walls, {250, -thickness / 2.0}, 0), 0);
    EXPECT_EQ(WallAt(room.Walls, {250, 3}, 4), 0);
    EXPECT_EQ(WallAt(room.Walls, {250, 100}, 4), -1);
    EXPECT_EQ(WallAt(room.Walls, {75, 100}, 1), 3);
}
