#include "model/LibrarySymbolBodies.h"

#include "base/Numeric.h"
#include "model/PlanRendering.h"

namespace symbols {

namespace {

// A sixteenth of the way from one point to another, by an arithmetic shift.
Point SixteenthTowards(Point from, Point to)
{
    return {SaturateToInt((15 * int64_t{from.x} + to.x) >> 4), SaturateToInt((15 * int64_t{from.y} + to.y) >> 4)};
}

}  // namespace

// Lines from the front corners to the middle of the back.
void Cabinet(const Symbol& s)
{
    Outline(s);
    const Point line[] = {s.p[2], MapQuadPoint(s.p, 1, 2, 1, 1), s.p[3]};
    s.canvas.Polyline(line);
}

// The top drawn once more, shrunk by a sixteenth towards the front corner P2.
void ChestOfDrawers(const Symbol& s)
{
    Outline(s);
    const Point top[] = {SixteenthTowards(s.p[0], s.p[2]), SixteenthTowards(s.p[1], s.p[2]), s.p[2],
                         SixteenthTowards(s.p[3], s.p[2])};
    s.canvas.Polygon(top);
}

// Two sliding doors in front of the hanging rail with its hangers.
void Wardrobe(const Symbol& s)
{
    Outline(s);
    Box(s, 2, 82, 50, 88);
    Box(s, 46, 88, 94, 94);
    Lines(s, {{3, 40}, {93, 40}});
    Dividers(s, 9, {0, 16}, {84, 16}, {12, 64}, {96, 64});
}

// It hangs above the plan's cut, so its cross is dotted.
void WallCabinet(const Symbol& s)
{
    Outline(s);
    Hidden(s, [&] {
        s.canvas.Line(s.p[0], s.p[2]);
        s.canvas.Line(s.p[1], s.p[3]);
    });
}

// A row of books standing at the back.
void Bookcase(const Symbol& s)
{
    Outline(s);
    Lines(s, {{4, 72}, {92, 72}});
    Dividers(s, 16, {4, 4}, {92, 4}, {4, 72}, {92, 72});
}

// The board with its edge against the wall.
void Shelf(const Symbol& s)
{
    Outline(s);
    s.canvas.Line(MapQuadPoint(s.p, 0, 1, 7, 8), MapQuadPoint(s.p, 1, 1, 7, 8));
}

// A full-height unit, crossed once.
void TallCabinet(const Symbol& s)
{
    Outline(s);
    s.canvas.Line(s.p[2], s.p[0]);
}

}  // namespace symbols
