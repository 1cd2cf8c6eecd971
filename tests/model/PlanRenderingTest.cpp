#include "model/PlanRendering.h"

#include "model/CRoom.h"
#include "model/ModelServices.h"
#include "support/MakePart.h"
#include "support/RecordingCanvas.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class PlanRenderingTest : public ::testing::Test {
protected:
    CPart& Add(int type, int32_t x, int32_t y, int32_t w, int32_t h)
    {
        CPart& part = room.AddPart() = MakePart(type, x, y, w, h);
        part.InUse = true;
        return part;
    }

    // Draws one object at zoom 1 with the room origin at the device origin.
    Lines DrawOne(CPart& part, bool showCaption = true, double zoom = 1.0)
    {
        RecordingCanvas canvas;
        part.Draw(canvas, 0, 0, zoom, showCaption, false, &room);
        return canvas.log;
    }

    CRoom room;
};

bool Contains(const Lines& log, const std::string& line)
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

}  // namespace

TEST_F(PlanRenderingTest, MapQuadPointInterpolatesBetweenTheCorners)
{
    const std::array<Point, 4> p{{{0, 0}, {100, 0}, {100, 40}, {0, 40}}};
    EXPECT_EQ(MapQuadPoint(p, 1, 1, 1, 1), p[0]);
    EXPECT_EQ(MapQuadPoint(p, 0, 1, 1, 1), p[1]);
    EXPECT_EQ(MapQuadPoint(p, 0, 1, 0, 1), p[2]);
    EXPECT_EQ(MapQuadPoint(p, 1, 1, 0, 1), p[3]);
    EXPECT_EQ(MapQuadPoint(p, 1, 2, 1, 2), (Point{50, 20}));
    EXPECT_EQ(MapQuadPoint(p, 1, 0, 1, 0), p[0]);  // zero denominators count as 1
    EXPECT_EQ(MapQuadPoint(p, 1, 3, 1, 3), (Point{66, 26}));  // a third from P1, a third from P3
    const std::array<Point, 4> huge{{{2000000000, 0}, {2100000000, 0}, {2100000000, 9}, {2000000000, 9}}};
    EXPECT_EQ(MapQuadPoint(huge, 1, 2, 1, 2), (Point{2050000000, 4}));
}

TEST_F(PlanRenderingTest, WallsAreFilledPolygonsOrLinesAndTheStateIsRestored)
{
    room.Walls.RemoveAll();
    room.Walls.AddWall() = CWall(0, 0, 100, 0, 0, 10);
    room.Walls.AddWall() = CWall(0, 0, 0, 100, 0, 0);  // joined: reaches the first wall's far side
    room.Walls.AddWall() = CWall(7, 7, 7, 7, 0, 10);
    room.Walls.ComputeScreen(5, 5, 1.0);
    RecordingCanvas canvas;
    DrawWalls(room, canvas, false);
    EXPECT_EQ(canvas.log, (Lines{"Pen Solid 0x808080", "Brush Solid 0x808080",
                                 "Polygon (5,5) (105,5) (105,-5) (5,-5)", "Polyline (5,-5) (5,105)",
                                 "Brush Solid 0xFFFFFF", "Pen Solid 0x000000"}));
    canvas.log.clear();
    DrawWalls(room, canvas, true);
    EXPECT_EQ(canvas.Calls("Polyline").size(), 2u);
}

TEST_F(PlanRenderingTest, BackgroundFillsFloodsAndDrawsTheGridBetweenTwoWallPasses)
{
    room.Color = 0x00EEDD;
    PlanView view = WholeRoomView(room, 1.0);
    EXPECT_EQ(view.width, 570);
    EXPECT_EQ(view.height, 370);
    PrepareForView(room, view);
    RecordingCanvas canvas;
    std::unique_ptr<CanvasImage> cache;
    DrawBackground(room, canvas, view, &cache);
    ASSERT_TRUE(cache);
    EXPECT_EQ(canvas.log.front(), "FillRect [0,0,570,370] 0x00EEDD");
    EXPECT_TRUE(Contains(canvas.log, "FloodFill (0,0) 0x808080 0xFFFFFF"));
    EXPECT_TRUE(Contains(canvas.log, "FloodFill (569,369) 0x808080 0xFFFFFF"));
    EXPECT_TRUE(Contains(canvas.log, "Pen Dot 0xFFC0C0"));
    // Lines pass through the room origin at 35 and every 50 pixels, until the far edge.
    const Lines lines = canvas.Calls("Polyline");
    EXPECT_TRUE(Contains(lines, "Polyline (35,1) (35,369)"));
    EXPECT_TRUE(Contains(lines, "Polyline (585,1) (585,369)"));
    EXPECT_TRUE(Contains(lines, "Polyline (1,35) (569,35)"));
    EXPECT_EQ(lines.size(), 12u + 8u);
    EXPECT_EQ(canvas.Calls("Polygon").size(), 8u);  // four walls, twice

    canvas.log.clear();
    DrawBackground(room, canvas, view, &cache);
    EXPECT_EQ(canvas.log, Lines{"Put 1"});

    // A grid too fine to see is left out.
    room.GridSize = 1;
    view.zoom = 0.05;
    canvas.log.clear();
    DrawBackground(room, canvas, view);
    EXPECT_TRUE(canvas.Calls("Polyline").empty());
}

TEST_F(PlanRenderingTest, ObjectsDrawTheShapeOfTheirTypeInTheirColoursAndStyles)
{
    CPart& rect = Add(Rectangle, 10, 20, 30, 40);
    rect.LineColor = 0x0000FF;
    rect.LineStyle = 1;
    EXPECT_EQ(DrawOne(rect), (Lines{"Brush Solid 0xD9FFFF", "Pen Dot 0x0000FF",
                                    "Polygon (10,20) (40,20) (40,60) (10,60)", "Pen Solid 0x000000",
                                    "Brush Solid 0xFFFFFF"}));
    rect.LineColor = NoColour;
    rect.FillColor = NoColour;
    const Lines invisible = DrawOne(rect);
    EXPECT_EQ(invisible[0], "Brush Hollow");
    EXPECT_EQ(invisible[1], "Pen Null 0x000000");

    EXPECT_TRUE(Contains(DrawOne(Add(Circle, 0, 0, 100, 40)), "Ellipse [0,-30,100,70]"));
    CPart& ellipse = Add(Ellipse, 0, 0, 100, 40);
    ellipse.Rotation = 90;
    EXPECT_TRUE(Contains(DrawOne(ellipse), "Ellipse [-40,0,0,100]"));
    EXPECT_TRUE(Contains(DrawOne(Add(Hexagon, 0, 0, 64, 32)), "Polygon (16,2) (48,2) (64,16) (48,30) (16,30) (0,16)"));
    EXPECT_TRUE(Contains(DrawOne(Add(Triangle, 0, 0, 10, 20)), "Polygon (0,0) (10,0) (0,20) (0,20)"));
    EXPECT_TRUE(DrawOne(Add(Label, 0, 0, 10, 20)).size() == 4u);  // brush and pen, set and restored
    CPart& library = Add(LibraryObject, 0, 0, 10, 10);
    library.LibObjID = 36;  // no symbol: its basic shape
    EXPECT_TRUE(Contains(DrawOne(library), "Polygon (0,0) (10,0) (10,10) (0,10)"));
    library.LibObjID = 50;  // its silhouette is the ellipse it stands for
    RecordingCanvas silhouette;
    DrawShape(library, silhouette, 0, 0, 1.0, true);
    EXPECT_EQ(silhouette.log, Lines{"Ellipse [0,0,10,10]"});
}

TEST_F(PlanRenderingTest, DoorsSwingAndCutTheirOpeningIntoTheWall)
{
    CPart& door = Add(Door, 100, -90, 80, 80);
    door.SnapToWallFlag = true;
    door.SnapToWall(room.Walls, door.PosX, door.PosY, false);
    ASSERT_EQ(door.WallLink, 0);
    const Lines log = DrawOne(door);
    const auto& p = door.ScreenCorners(0, 0, 1.0);
    EXPECT_EQ(p[3], (Point{100, -10}));
    EXPECT_TRUE(Contains(log, "PolyBezier (100,-90) (160,-90) (180,-70) (180,-10)"));
    EXPECT_TRUE(Contains(log, "Polyline (100,-90) (100,-10) (180,-10)"));
    EXPECT_TRUE(Contains(log, "Brush Solid 0xFFFFFF"));
    EXPECT_TRUE(Contains(log, "Polygon (100,-10) (180,-10) (180,0) (100,0)"));

    // A link whose quarter turn is none of the four, or to no wall, cuts nothing: the door
    // draws as one that does not snap.
    door.SnapToWallFlag = false;
    const Lines closed = DrawOne(door);
    door.SnapToWallFlag = true;
    for (const int32_t link : {45 << 16, 7}) {
        door.WallLink = link;
        EXPECT_EQ(DrawOne(door), closed) << link;
    }

    door.LineColor = NoColour;
    EXPECT_TRUE(DrawOne(door).size() == 4u);
}

TEST_F(PlanRenderingTest, CaptionsFitTheirObjectAndLabelsDrawTheirTextOnTheirFillWithTheFontScaled)
{
    CPart& part = Add(Rectangle, 0, 0, 60, 40);
    part.Caption = "Sofa";
    EXPECT_TRUE(Contains(DrawOne(part), "Text [0,15,60,40] 37 Sofa"));  // centred vertically
    EXPECT_FALSE(Contains(DrawOne(part, false), "Text [0,15,60,40] 37 Sofa"));
    part.Caption = "A very long caption that wraps over many lines";
    EXPECT_TRUE(Contains(DrawOne(part), "Text [0,15,60,40] 41 A very long caption that wraps over many lines"));
    part.Height = 5;
    part.InvalidateCorners();
    EXPECT_TRUE(Contains(DrawOne(part), "Text [0,-2,60,5] 25 ..."));
    part.TextColor = NoColour;
    EXPECT_TRUE(DrawOne(part).size() == 5u);

    CPart& label = Add(Label, 10, 10, 100, 20);
    label.Caption = "Hall";
    label.LineColor = AlignRight;
    label.Font = CFont{"Serif", 10, 1, 0, 0};
    const Lines log = DrawOne(label, false, 2.0);
    EXPECT_TRUE(Contains(log, "Font Serif 20"));
    EXPECT_TRUE(Contains(log, "FillRect [20,20,45,31] 0xD9FFFF"));
    EXPECT_TRUE(Contains(log, "Text [20,20,44,30] 18 Hall"));
    EXPECT_EQ(log[log.size() - 4], "Font default");
}

TEST_F(PlanRenderingTest, TheCollisionViewDrawsSilhouettesOnly)
{
    CPart& chair = Add(LibraryObject, 0, 0, 40, 40);
    chair.LibObjID = 99;
    chair.Caption = "Chair";
    Add(Window, 0, 0, 100, 10).Caption = "Window";
    Add(Door, 200, 0, 80, 80);
    Add(Label, 0, 0, 10, 10).Caption = "Label";
    PlanView view = WholeRoomView(room, 1.0);
    view.showCollisions = true;
    PrepareForView(room, view);
    RecordingCanvas canvas;
    DrawRoom(room, canvas, view);
    EXPECT_EQ(canvas.log.front(), "FillRect [0,0,570,370] 0xFFFFFF");
    const auto start = std::find(canvas.log.begin(), canvas.log.end(), "Raster MaskPenNot");
    ASSERT_NE(start, canvas.log.end());
    EXPECT_EQ(Lines(start, canvas.log.end()),
              (Lines{"Raster MaskPenNot", "Pen Null 0x3628ED", "Brush Solid 0x3628ED",
                     "Polygon (35,35) (75,35) (75,75) (35,75)", "Polygon (235,35) (315,35) (315,115) (235,115)",
                     "Brush Solid 0xFFFFFF", "Pen Solid 0x000000", "Raster Copy"}));
}
