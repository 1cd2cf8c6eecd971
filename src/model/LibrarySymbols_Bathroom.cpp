#include "model/LibrarySymbolBodies.h"

#include "base/Numeric.h"
#include "model/PlanRendering.h"

namespace symbols {

namespace {

// A pixel offset turned by q quarter turns clockwise on screen.
Point QuarterTurned(Point v, int q)
{
    for (int i = 0; i < q; ++i)
        v = {-v.y, v.x};
    return v;
}

Point Plus(Point p, Point v)
{
    return {SaturateToInt(int64_t{p.x} + v.x), SaturateToInt(int64_t{p.y} + v.y)};
}

// A drain or a tap.
void Fitting(const Symbol& s, Point at)
{
    Circle(s, at, ByDepth(s, 1.0 / 22));
}

}  // namespace

// A quarter disc with its centre in the corner P1. Its pie's box is axis-aligned, which is
// right while the object is turned by quarter turns only; at any other angle, or mirrored by a
// negative size, the disc is drawn as a polygon that turns with the object rather than
// spilling out of it.
void CornerShower(const Symbol& s)
{
    const CPart& part = s.part;
    if (part.Rotation % 90 != 0 || part.Width < 0 || part.Height < 0) {
        Sector(s, {96, 0}, {96, 96}, 180, 90);
        return;
    }
    const int q = (part.Rotation % 360 + 360) % 360 / 90;
    const int32_t across = ByWidth(s, 1);
    const int32_t deep = ByDepth(s, 1);
    const Rect box = q % 2 == 0 ? Around(s.p[1], across, deep) : Around(s.p[1], deep, across);
    // The radials pass a pixel beside P0 (above it when unturned) and beside P2 (left of it).
    s.canvas.Pie(box, Plus(s.p[0], QuarterTurned({0, -1}, q)), Plus(s.p[2], QuarterTurned({-1, 0}, q)));
}

// The tray, its rim, and the falls towards the drain.
void ShowerTray(const Symbol& s)
{
    Outline(s);
    Box(s, 4, 4, 92, 92);
    Lines(s, {{4, 4}, {92, 92}});
    Lines(s, {{92, 4}, {4, 92}});
    Circle(s, At(s, 48, 48), ByWidth(s, 1.0 / 16));
}

// The bowl and its seat opening, with the cistern against the wall.
void Toilet(const Symbol& s)
{
    Oval(s, 10, 18, 86, 96);
    Oval(s, 24, 32, 72, 88);
    Box(s, 4, 0, 92, 24);
}

void Bidet(const Symbol& s)
{
    Oval(s, 6, 4, 90, 96);
    Oval(s, 22, 26, 74, 88);
    Circle(s, At(s, 48, 14), ByWidth(s, 1.0 / 16));
}

// The door of the drum, and the control panel at the front.
void WashingMachine(const Symbol& s)
{
    Outline(s);
    Box(s, 0, 84, 96, 96);
    const Point drum = At(s, 48, 44);
    Circle(s, drum, ByWidth(s, 1.0 / 3));
    Circle(s, drum, ByWidth(s, 1.0 / 4));
}

// A tub for a corner, with its curved basin and the drain in the corner.
void CornerBathtub(const Symbol& s)
{
    Shape(s, {{0, 0}, {96, 0}, {96, 36}, {36, 96}, {0, 96}});
    Sector(s, {8, 8}, {78, 78}, 0, 90);
    Fitting(s, At(s, 18, 18));
}

// The drain at the foot, then the basin rounder at the head than at the foot.
void Bathtub(const Symbol& s)
{
    Outline(s);
    Fitting(s, MapQuadPoint(s.p, 1, 8, 1, 2));
    Curve(s, {{48, 6}, {96, 6}, {93, 0}, {93, 48}, {93, 96}, {96, 90}, {48, 90}});
    Curve(s, {{48, 6}, {12, 6}, {6, 16}, {6, 48}, {6, 80}, {12, 90}, {48, 90}});
}

// An oval bowl in the counter, its two halves as Bezier runs.
void Washbasin(const Symbol& s)
{
    Outline(s);
    Fitting(s, At(s, 48, 54));
    Curve(s, {{48, 18}, {68, 18}, {84, 34}, {84, 54}, {84, 74}, {68, 90}, {48, 90}});
    Curve(s, {{48, 18}, {28, 18}, {12, 34}, {12, 54}, {12, 74}, {28, 90}, {48, 90}});
}

// Two bowls, each with its drain and its tap.
void DoubleWashbasin(const Symbol& s)
{
    Outline(s);
    for (const int middle : {26, 70}) {
        Oval(s, middle - 18, 20, middle + 18, 90);
        Fitting(s, At(s, middle, 55));
        Fitting(s, At(s, middle, 10));
    }
}

void OvalBathtub(const Symbol& s)
{
    Oval(s, 0, 0, Grid, Grid);
    Oval(s, 6, 10, 90, 86);
    Fitting(s, At(s, 80, 48));
}

}  // namespace symbols
