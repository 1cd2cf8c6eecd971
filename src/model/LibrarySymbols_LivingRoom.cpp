#include "model/LibrarySymbolBodies.h"

#include "model/PlanRendering.h"

#include <array>

namespace symbols {

// Eight leaves of two lengths around the stem, over the foliage, whose edge is too loose to
// outline.
void Plant(const Symbol& s)
{
    const Point centre = MapQuadPoint(s.p, 1, 2, 1, 2);
    {
        const PenScope none(s.canvas, NullPen);
        Circle(s, centre, ByWidth(s, 1.0 / 2));
    }
    const PointF hub{48, 48};
    for (int leaf = 0; leaf < 8; ++leaf) {
        const double a = 45.0 * leaf + 22.5;
        const double length = leaf % 2 == 0 ? 44 : 34;
        const Point points[] = {centre, Polar(s, hub, {18, 18}, a - 16), Polar(s, hub, {length, length}, a),
                                Polar(s, hub, {18, 18}, a + 16)};
        s.canvas.Polygon(points);
    }
    Circle(s, centre, ByWidth(s, 1.0 / 16));
}

// The shade and its base.
void FloorLamp(const Symbol& s)
{
    Rings(s, {1.0 / 2, 1.0 / 4});
}

// A black flat screen on its stand, with a highlight across the glass.
void Television(const Symbol& s)
{
    Outline(s);
    {
        const BrushScope black(s.canvas, BlackBrush);
        Box(s, 6, 24, 90, 34);
        Box(s, 42, 34, 54, 50);
        Circle(s, At(s, 48, 58), ByDepth(s, 1.0 / 7));
    }
    const PenScope white(s.canvas, WhitePen);
    Lines(s, {{10, 27}, {86, 27}});
}

// The hearth in front of the chimney breast, and the dark firebox with splayed sides.
void Fireplace(const Symbol& s)
{
    Box(s, 10, 48, 86, 96);
    Box(s, 0, 0, Grid, 56);
    const BrushScope black(s.canvas, BlackBrush);
    Shape(s, {{24, 56}, {72, 56}, {64, 28}, {32, 28}});
}

// The case with its bent side, the keyboard between the cheeks, the fallboard, the music
// desk, the bench in front, the rim along the bent side and the strings running to it.
void GrandPiano(const Symbol& s)
{
    static constexpr std::array<Uv, 38> at = {{
        {0, 82}, {0, 10}, {4, 3}, {12, 0}, {22, 0}, {32, 4},  // case
        {44, 16}, {58, 30}, {76, 40}, {92, 48}, {96, 58}, {96, 82},
        {5, 72}, {91, 72}, {91, 82}, {5, 82},  // keys
        {0, 66}, {5, 66}, {91, 66}, {96, 66},  // cheeks and fallboard
        {24, 56}, {72, 56}, {72, 61}, {24, 61},  // music desk
        {30, 88}, {70, 88}, {70, 96}, {30, 96},  // bench
        {30, 8}, {50, 30}, {70, 44}, {92, 54},  // rim
        {12, 56}, {12, 6}, {24, 6}, {48, 56}, {48, 30}, {72, 46},  // strings
    }};
    std::array<Point, 38> p;
    for (size_t i = 0; i < at.size(); ++i)
        p[i] = At(s, at[i].u, at[i].v);
    const Point outline[] = {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11]};
    s.canvas.Polygon(outline);
    const std::array<Point, 4> quads[] = {
        {p[12], p[13], p[14], p[15]}, {p[16], p[17], p[15], p[0]},  {p[18], p[19], p[11], p[14]},
        {p[17], p[18], p[13], p[12]}, {p[20], p[21], p[22], p[23]}, {p[24], p[25], p[26], p[27]},
    };
    for (const auto& quad : quads)
        s.canvas.Polygon(quad);
    const Point rim[] = {p[28], p[29], p[30], p[31]};
    s.canvas.PolyBezier(rim);
    s.canvas.Line(p[32], p[33]);
    s.canvas.Line(p[20], p[34]);
    s.canvas.Line(p[35], p[36]);
    s.canvas.Line(p[21], p[37]);
}

// The case against the wall, and the keyboard between its cheeks.
void UprightPiano(const Symbol& s)
{
    Box(s, 0, 0, Grid, 70);
    Box(s, 0, 70, 6, 96);
    Box(s, 90, 70, 96, 96);
    Box(s, 6, 70, 90, 96);
    Dividers(s, 15, {6, 70}, {90, 70}, {6, 96}, {90, 96});
}

// A bordered rug with a diamond in the middle and fringes at both ends.
void Rug(const Symbol& s)
{
    Box(s, 4, 0, 92, 96);
    Box(s, 10, 8, 86, 88);
    Shape(s, {{48, 26}, {70, 48}, {48, 70}, {26, 48}});
    Dividers(s, 12, {0, 0}, {0, 96}, {4, 0}, {4, 96});
    Dividers(s, 12, {92, 0}, {92, 96}, {96, 0}, {96, 96});
}

// The cushions around the cloth, six pockets and the baulk line.
void BilliardTable(const Symbol& s)
{
    static constexpr std::array<Uv, 6> pockets = {{{6, 10}, {48, 8}, {90, 10}, {6, 86}, {48, 88}, {90, 86}}};
    Outline(s);
    Box(s, 6, 10, 90, 86);
    Lines(s, {{27, 10}, {27, 86}});
    for (const Uv& pocket : pockets)
        Circle(s, At(s, pocket.u, pocket.v), ByDepth(s, 1.0 / 16));
}

}  // namespace symbols
