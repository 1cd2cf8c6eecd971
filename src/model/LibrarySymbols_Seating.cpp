#include "model/LibrarySymbolBodies.h"

namespace symbols {

namespace {

// A back along the wall side, an arm at each end and the seat cushions between them.
void Upholstered(const Symbol& s, int armWidth, int cushions)
{
    constexpr int back = 24;
    Box(s, 0, 0, Grid, back);
    Box(s, 0, 6, armWidth, Grid);
    Box(s, Grid - armWidth, 6, Grid, Grid);
    const int seat = Grid - 2 * armWidth;
    for (int i = 0; i < cushions; ++i)
        Box(s, armWidth + seat * i / cushions, back, armWidth + seat * (i + 1) / cushions, 92);
}

}  // namespace

// The seat and its rim.
void Stool(const Symbol& s)
{
    Rings(s, {1.0 / 2, 3.0 / 8});
}

// A seat widening towards the front and a curved back.
void Chair(const Symbol& s)
{
    Shape(s, {{10, 16}, {86, 16}, {92, 96}, {4, 96}});
    Shape(s, {{4, 4}, {48, 0}, {92, 4}, {90, 18}, {48, 14}, {6, 18}});
}

void Armchair(const Symbol& s)
{
    Upholstered(s, 18, 1);
}

void Sofa(const Symbol& s)
{
    Upholstered(s, 12, 3);
}

// Five legs on castors under a round seat, and a curved back.
void OfficeChair(const Symbol& s)
{
    const PointF hub{48, 52};
    const Point centre = At(s, 48, 52);
    for (int leg = 0; leg < 5; ++leg)
        s.canvas.Line(centre, Polar(s, hub, {44, 42}, 90.0 + 72.0 * leg));
    Circle(s, centre, ByWidth(s, 1.0 / 3));
    Shape(s, {{16, 10}, {48, 2}, {80, 10}, {78, 22}, {48, 15}, {18, 22}});
}

// An L of seats with the back along both walls, arms at both ends and the cushion seams.
void CornerSofa(const Symbol& s)
{
    Shape(s, {{0, 0}, {96, 0}, {96, 44}, {44, 44}, {44, 96}, {0, 96}});
    Shape(s, {{0, 0}, {96, 0}, {96, 14}, {14, 14}, {14, 96}, {0, 96}});
    Box(s, 88, 0, 96, 44);
    Box(s, 0, 88, 44, 96);
    Lines(s, {{44, 14}, {44, 44}, {14, 44}});
    Lines(s, {{66, 14}, {66, 44}});
    Lines(s, {{14, 66}, {44, 66}});
}

// Slats along its length.
void Bench(const Symbol& s)
{
    Outline(s);
    Dividers(s, 4, {0, 0}, {0, 96}, {96, 0}, {96, 96});
}

}  // namespace symbols
