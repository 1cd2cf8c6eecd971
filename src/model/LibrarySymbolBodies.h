#pragma once
// The pieces library symbols are drawn with, and the symbol bodies of each group of objects.
//
// A body draws one object's plan symbol into the rectangle of its screen corners, with the pen
// and brush the caller selected (the object's own). Positions inside the object are local:
// u runs along the width from P0 towards P1, v along the depth from P0 towards P3, both in
// 96ths, so that halves, thirds, quarters and down to 32nds land exactly. Edge P0-P1 is the
// back of an object that stands against a wall, and v = 96 its front. Points are corners or
// come from them through MapQuadPoint, so a symbol turns and stretches with its object.

#include "model/CPart.h"
#include "platform/Canvas.h"

#include <array>
#include <initializer_list>

namespace symbols {

using Corners = std::array<Point, 4>;

// A local position in 96ths.
struct Uv {
    int u;
    int v;
};

// The object being drawn.
struct Symbol {
    Canvas& canvas;
    const CPart& part;
    const Corners& p;  // P0..P3 in device pixels
    double zoom;
};

using Body = void (*)(const Symbol&);

constexpr int Grid = 96;

// The point at a local position.
Point At(const Symbol& s, int u, int v);
// The point nearest to a local position in 96ths that need not be whole, for curves.
Point Near(const Symbol& s, double u, double v);

// The point at an angle on the ellipse around a local centre with local radii; 0 degrees is
// the direction of the u axis, 90 that of the v axis.
Point Polar(const Symbol& s, PointF centre, PointF radii, double degrees);

// Pixel lengths: a fraction k of the object's width or depth at the zoom.
int32_t ByWidth(const Symbol& s, double k);
int32_t ByDepth(const Symbol& s, double k);

// The polygon P0-P3.
void Outline(const Symbol& s);
// Filled polygons of local points; a box is given by two opposite corners.
void Shape(const Symbol& s, std::initializer_list<Uv> points);
void Box(const Symbol& s, int u0, int v0, int u1, int v1);
// Lines through local points, and cubic Bezier runs (a start, then three points a segment).
void Lines(const Symbol& s, std::initializer_list<Uv> points);
void Curve(const Symbol& s, std::initializer_list<Uv> points);
// The box that reaches a number of pixels to either side of a point and above and below it.
Rect Around(Point centre, int32_t halfWidth, int32_t halfHeight);
// A circle of radius r pixels around a point, which stays round however the object turns.
void Circle(const Symbol& s, Point centre, int32_t r);
// Concentric circles around the middle, each of radius a fraction of the width.
void Rings(const Symbol& s, std::initializer_list<double> widthFractions);
// The filled ellipse inscribed in a local box, as a polygon that turns with the object.
void Oval(const Symbol& s, int u0, int v0, int u1, int v1);
// The filled sector of such an ellipse between two angles; the centre is its first point.
void Sector(const Symbol& s, PointF centre, PointF radii, double fromDegrees, double toDegrees);
// n - 1 lines dividing two local segments a0-a1 and b0-b1 into n equal parts, each from the
// division on a to the matching one on b, the one nearest a0 first.
void Dividers(const Symbol& s, int n, Uv a0, Uv a1, Uv b0, Uv b1);

// Select a pen or brush for their lifetime and put the previous one back.
class PenScope {
public:
    PenScope(Canvas& canvas, const Pen& pen) : canvas_(canvas), previous_(canvas.SetPen(pen)) {}
    ~PenScope() { canvas_.SetPen(previous_); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    Canvas& canvas_;
    Pen previous_;
};

class BrushScope {
public:
    BrushScope(Canvas& canvas, const Brush& brush) : canvas_(canvas), previous_(canvas.SetBrush(brush)) {}
    ~BrushScope() { canvas_.SetBrush(previous_); }
    BrushScope(const BrushScope&) = delete;
    BrushScope& operator=(const BrushScope&) = delete;

private:
    Canvas& canvas_;
    Brush previous_;
};

constexpr Pen NullPen{Pen::Null, 0};
constexpr Pen WhitePen{Pen::Solid, 0xFFFFFF};
constexpr Brush BlackBrush{Brush::Solid, 0x000000};

// Draws what lies hidden under the object or above the plan's cut: with a dotted pen of the
// object's line colour, and not at all when the object has no outline colour.
template <typename Draw>
void Hidden(const Symbol& s, Draw draw)
{
    if (s.part.LineColor == NoColour)
        return;
    const PenScope dotted(s.canvas, {Pen::Dot, s.part.LineColor});
    draw();
}

// Cabinets and shelves.
void Cabinet(const Symbol& s);
void ChestOfDrawers(const Symbol& s);
void Wardrobe(const Symbol& s);
void WallCabinet(const Symbol& s);
void Bookcase(const Symbol& s);
void Shelf(const Symbol& s);
void TallCabinet(const Symbol& s);

// Seating.
void Stool(const Symbol& s);
void Chair(const Symbol& s);
void Armchair(const Symbol& s);
void Sofa(const Symbol& s);
void OfficeChair(const Symbol& s);
void CornerSofa(const Symbol& s);
void Bench(const Symbol& s);

// Tables.
void RoundTable(const Symbol& s);
void OvalTable(const Symbol& s);
void Desk(const Symbol& s);
void CoffeeTable(const Symbol& s);
void DiningTable(const Symbol& s);
void HexagonalTable(const Symbol& s);
void HexagonalTableWithChairs(const Symbol& s);

// Bathroom.
void CornerShower(const Symbol& s);
void ShowerTray(const Symbol& s);
void Toilet(const Symbol& s);
void Bidet(const Symbol& s);
void WashingMachine(const Symbol& s);
void CornerBathtub(const Symbol& s);
void Bathtub(const Symbol& s);
void Washbasin(const Symbol& s);
void DoubleWashbasin(const Symbol& s);
void OvalBathtub(const Symbol& s);

// Bedroom.
void SingleBed(const Symbol& s);
void DoubleBed(const Symbol& s);
void BedsideTable(const Symbol& s);
void DressingTable(const Symbol& s);
void Cot(const Symbol& s);

// Kitchen.
void KitchenSink(const Symbol& s);
void Stove(const Symbol& s);
void Refrigerator(const Symbol& s);
void Dishwasher(const Symbol& s);

// Living room.
void Plant(const Symbol& s);
void FloorLamp(const Symbol& s);
void Television(const Symbol& s);
void Fireplace(const Symbol& s);
void GrandPiano(const Symbol& s);
void UprightPiano(const Symbol& s);
void Rug(const Symbol& s);
void BilliardTable(const Symbol& s);

// Everything else.
void Stairs(const Symbol& s);
void Radiator(const Symbol& s);
void Car(const Symbol& s);
void Computer(const Symbol& s);
void IroningBoard(const Symbol& s);
void SpiralStairs(const Symbol& s);
void PlainBlock(const Symbol& s);

}  // namespace symbols
