#include "model/CRoomWalls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

static void PrintTo(const Point& p, std::ostream* os)
{
    *os << '(' << p.x << ", " << p.y << ')';
}

namespace {

using Line = std::array<Point, 2>;
using Outline = std::array<Point, 4>;

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

CRoomWalls OutlineOf(std::initializer_list<CWall> walls)
{
    CRoomWalls outline;
    for (const CWall& w : walls)
        outline.AddWall() = w;
    return outline;
}

CRoomWalls Thicknesses(std::initializer_list<int32_t> thicknesses)
{
    CRoomWalls outline;
    for (int32_t t : thicknesses)
        outline.AddWall() = CWall(0, 0, 1, 0, 0, t);
    return outline;
}

}  // namespace

TEST(CWallTest, EndPointOrderDirectionAndOutlineLinesStayFiniteForAnyWall)
{
    // Ordered left to right, the alignment kept: the thickness changes sides.
    EXPECT_EQ(CWall(500, 0, 0, 0, 0, 10).lineB, (Line{{{0, -10}, {500, -10}}}));
    EXPECT_EQ(CWall(0, 300, 0, 0, 0, 10).Text(), "[0,0]->[0,300]");
    const CWall stored = CWall::Unordered(500, 0, 0, 0, 0, 10);
    EXPECT_EQ(stored.Text(), "[500,0]->[0,0]");
    EXPECT_DOUBLE_EQ(stored.direction, 180);
    EXPECT_EQ(stored.lineB, (Line{{{500, 10}, {0, 10}}}));
    EXPECT_DOUBLE_EQ(CWall::Unordered(0, 300, 0, 0, 0, 10).direction, -90);

    const CWall diagonal(0, 0, 30, 40, 0, 10);
    EXPECT_DOUBLE_EQ(diagonal.ux, 0.6);
    EXPECT_DOUBLE_EQ(diagonal.dyByLen2, 0.016);
    EXPECT_NEAR(diagonal.direction, 53.130102, 1e-6);
    EXPECT_EQ(diagonal.lineB, (Line{{{8, -6}, {38, 34}}}));

    // Centred: the halves of 5 are cut toward zero on both sides, in x and in y.
    EXPECT_EQ(CWall(0, 0, 100, 0, 1, 5).lineA, (Line{{{0, 2}, {100, 2}}}));
    EXPECT_EQ(CWall(0, 0, 100, 0, 1, 5).lineB, (Line{{{0, -2}, {100, -2}}}));
    EXPECT_EQ(CWall(0, 0, 0, 100, 1, 5).lineA, (Line{{{-2, 0}, {-2, 100}}}));
    EXPECT_EQ(CWall(0, 0, 0, 100, 7, 5).lineB, CWall(0, 0, 0, 100, 0, 5).lineB);

    const CWall point(5, 5, 5, 5, 0, 10);
    EXPECT_TRUE(point.IsDegenerate());
    for (double v : {point.direction, point.ux, point.uy, point.dxByLen2, point.dyByLen2})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(point.lineB, (Line{{{5, -5}, {5, -5}}}));

    const CWall huge(-2000000000, -2000000000, 2000000000, 2000000000, 2, 2000000000);
    EXPECT_NEAR(huge.direction, 45, 1e-5);
    EXPECT_NEAR(huge.length, 4e9 * std::sqrt(2.0), 1e3);  // the differences need 33 bits
    EXPECT_EQ(huge.lineA[0].x, Min);
    EXPECT_EQ(huge.lineA[1].y, Max);

    // The single-precision length of 16777217 is 16777216, yet the direction is 0.
    EXPECT_EQ(CWall(0, 0, 16777217, 0, 0, 10).direction, 0);
}

TEST(CRoomWallsTest, RectangleEditingAndThickness)
{
    CRoomWalls walls = OutlineOf({CWall(1, 1, 2, 2, 0, 1)});
    walls.SetDefault(false);
    walls.MakeRectangle(500, 300, 10);
    ASSERT_EQ(walls.Count(), 4);
    EXPECT_TRUE(walls.IsDefault());
    const char* texts[] = {"[0,0]->[500,0]", "[0,0]->[0,300]", "[0,300]->[500,300]", "[500,0]->[500,300]"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(walls[i].Text(), texts[i]);
        EXPECT_EQ(walls[i].alignment, i == 1 || i == 2 ? 2 : 0);
    }
    EXPECT_EQ(walls[1].lineA[0].x, -10);

    walls.SetThickness(20);
    EXPECT_EQ(walls[0].lineB[0].y, -20);

    int index = -1;
    walls.AddWall(&index) = CWall(0, 0, 5, 5, 0, 1);
    EXPECT_EQ(index, 4);
    walls.RemoveWall(-1);
    walls.RemoveWall(5);
    walls.RemoveWall(0);
    ASSERT_EQ(walls.Count(), 4);
    EXPECT_EQ(walls[0].Text(), "[0,0]->[0,300]");

    EXPECT_EQ(Thicknesses({0, 10, 10}).CommonThickness(), 10);
    EXPECT_EQ(Thicknesses({10, 0}).CommonThickness(), -1);
    EXPECT_EQ(Thicknesses({10, 20}).CommonThickness(), -1);
    EXPECT_EQ(Thicknesses({}).CommonThickness(), 0);
}

TEST(CRoomWallsTest, BoundsCoverEveryEndPoint)
{
    EXPECT_FALSE(CRoomWalls().Bounds());
    // (0, 200) is a start point: taking the bottom from end points alone would miss it.
    EXPECT_EQ(OutlineOf({CWall(0, 0, 50, 100, 0, 1), CWall(0, 200, 50, 100, 0, 1)}).Bounds(),
              (Rect{0, 0, 50, 200}));
    EXPECT_EQ(OutlineOf({CWall(-30000000, -30000000, -20000000, -30000000, 0, 1)}).Bounds(),
              (Rect{-30000000, -30000000, -20000000, -30000000}));
}

TEST(CRoomWallsTest, NearestWallMeasuresToTheSegments)
{
    double t = -1;
    EXPECT_EQ(CRoomWalls().NearestWall(0, 0, &t), -1);
    EXPECT_EQ(OutlineOf({CWall(3, 3, 3, 3, 0, 10)}).NearestWall(3, 3, &t), -1);
    const CRoomWalls withPoint = OutlineOf({CWall(0, 0, 0, 0, 0, 10), CWall(0, 100, 100, 100, 0, 10)});
    EXPECT_EQ(withPoint.NearestWall(0, 0, &t), 1);

    CRoomWalls room;
    room.MakeRectangle(500, 300, 10);
    EXPECT_EQ(room.NearestWall(10, 150, &t), 1);
    EXPECT_DOUBLE_EQ(t, 0.5);
    // 100 beyond the end of wall 0 and 100 across wall 3: the earlier wall wins, t unclamped.
    EXPECT_EQ(room.NearestWall(600, 0, &t), 0);
    EXPECT_DOUBLE_EQ(t, 1.2);
    // Beyond its end a wall is as far away as that end, not as its line.
    EXPECT_EQ(OutlineOf({CWall(0, 0, 100, 0, 0, 10), CWall(300, -50, 300, 50, 0, 10)}).NearestWall(250, 0, &t), 1);

    const CRoomWalls wide = OutlineOf({CWall(-2000000000, -2000000000, 2000000000, -2000000000, 0, 1),
                                       CWall(-2000000000, 2000000000, 2000000000, 2000000000, 0, 1)});
    EXPECT_EQ(wide.NearestWall(0, 1999999999, &t), 1);
    EXPECT_NEAR(t, 0.5, 1e-6);  // len² is single precision
}

TEST(CRoomWallsScreenTest, JoinsCloseCorners)
{
    CRoomWalls room;
    room.MakeRectangle(500, 300, 10);
    room.ComputeScreen(0, 0, 1.0);
    EXPECT_EQ(room[0].screen, (Outline{{{-10, 0}, {510, 0}, {510, -10}, {-10, -10}}}));
    EXPECT_EQ(room[1].screen, (Outline{{{-10, -10}, {-10, 310}, {0, 310}, {0, -10}}}));
    EXPECT_EQ(room[2].screen, (Outline{{{-10, 310}, {510, 310}, {510, 300}, {-10, 300}}}));
    EXPECT_EQ(room[3].screen, (Outline{{{500, -10}, {500, 310}, {510, 310}, {510, -10}}}));

    // The outer lines of a slanted corner meet at (-7.5, -10).
    CRoomWalls slanted = OutlineOf({CWall(0, 0, 100, 0, 0, 10), CWall(0, 0, 30, 40, 0, 10)});
    slanted.ComputeScreen(0, 0, 1.0);
    EXPECT_EQ(slanted[0].screen, (Outline{{{0, 0}, {100, 0}, {100, -10}, {-8, -10}}}));
    EXPECT_EQ(slanted[1].screen, (Outline{{{-8, -10}, {30, 40}, {38, 34}, {5, -10}}}));
}

TEST(CRoomWallsScreenTest, ZoomTruncatesOffsetsWidensAndSaturates)
{
    CRoomWalls one = OutlineOf({CWall(0, 0, 101, 0, 0, 11)});
    one.ComputeScreen(35, 20, 0.5);
    EXPECT_EQ(one[0].screen, (Outline{{{35, 20}, {85, 20}, {85, 15}, {35, 15}}}));

    one = OutlineOf({CWall(0, 0, 10, 0, 0, 4)});
    one.ComputeScreen(0, 0, 1.99);
    EXPECT_EQ(one[0].screen, (Outline{{{0, 0}, {19, 0}, {19, -7}, {0, -7}}}));
    one.ComputeScreen(0, 0, 2.0);
    EXPECT_EQ(one[0].screen, (Outline{{{0, 1}, {21, 1}, {21, -8}, {0, -8}}}));

    CRoomWalls room;
    room.MakeRectangle(2000000000, 2000000000, 1000000000);
    room.ComputeScreen(0, 0, 1.0);
    const int32_t t = 1000000000;
    EXPECT_EQ(room[0].screen, (Outline{{{-t, 0}, {Max, 0}, {Max, -t}, {-t, -t}}}));
    room.ComputeScreen(0, 0, 4.0);
    EXPECT_EQ(room[0].screen[0], (Point{Min, 3}));
    EXPECT_EQ(room[0].screen[1], (Point{Max, 3}));
}

TEST(CRoomWallsScreenTest, UnjoinedWallsKeepTheirOutlines)
{
    const CWall base(0, 0, 100, 0, 0, 10);
    const Outline plain{{{0, 0}, {100, 0}, {100, -10}, {0, -10}}};
    // A T without a shared end point, a straight continuation, a wall of length 0.
    for (const CWall& other :
         {CWall(50, 0, 50, 100, 0, 10), CWall(100, 0, 200, 0, 0, 10), CWall(0, 0, 0, 0, 0, 10)}) {
        CRoomWalls walls = OutlineOf({base, other});
        walls.ComputeScreen(0, 0, 1.0);
        EXPECT_EQ(walls[0].screen, plain);
        for (const CWall& w : walls.List())
            for (double trim : w.trims)
                EXPECT_TRUE(std::isnan(trim));
    }
}
