#include "model/LibrarySymbolBodies.h"

#include "model/PlanRendering.h"

#include <array>
#include <vector>

namespace symbols {

namespace {

// The corners of the hexagon that stands for these objects outside their symbols.
constexpr std::array<Uv, 6> HexagonCorners = {{{24, 6}, {72, 6}, {96, 48}, {72, 90}, {24, 90}, {0, 48}}};

// A point of the hexagon shrunk by `scale` about the middle, t of the way along a side.
Point HexagonPoint(const Symbol& s, double scale, int side, double t)
{
    const Uv& a = HexagonCorners[static_cast<size_t>(side % 6)];
    const Uv& b = HexagonCorners[static_cast<size_t>((side + 1) % 6)];
    const double u = a.u + (b.u - a.u) * t;
    const double v = a.v + (b.v - a.v) * t;
    return Near(s, 48 + (u - 48) * scale, 48 + (v - 48) * scale);
}

void Hexagon(const Symbol& s, double scale)
{
    std::vector<Point> points;
    for (int side = 0; side < 6; ++side)
        points.push_back(HexagonPoint(s, scale, side, 0.0));
    s.canvas.Polygon(points);
}

// The band of the hexagon between two scales, over the part [t0, t1] of a side.
void HexagonBand(const Symbol& s, int side, double inner, double outer, double t0, double t1)
{
    const Point band[] = {HexagonPoint(s, inner, side, t0), HexagonPoint(s, inner, side, t1),
                          HexagonPoint(s, outer, side, t1), HexagonPoint(s, outer, side, t0)};
    s.canvas.Polygon(band);
}

}  // namespace

// The top, and the pedestal under it.
void RoundTable(const Symbol& s)
{
    const Point centre = MapQuadPoint(s.p, 1, 2, 1, 2);
    Circle(s, centre, ByWidth(s, 1.0 / 2));
    Hidden(s, [&] { Circle(s, centre, ByWidth(s, 1.0 / 6)); });
}

void OvalTable(const Symbol& s)
{
    Oval(s, 0, 0, Grid, Grid);
}

// The top, and the drawer unit under it.
void Desk(const Symbol& s)
{
    Outline(s);
    Hidden(s, [&] { Box(s, 64, 6, 92, 90); });
}

// A top with cut corners and a glass inset.
void CoffeeTable(const Symbol& s)
{
    Shape(s, {{4, 0}, {92, 0}, {96, 8}, {96, 88}, {92, 96}, {4, 96}, {0, 88}, {0, 8}});
    Box(s, 10, 14, 86, 82);
}

// Six chairs, each a seat and a back, pushed in under the table.
void DiningTable(const Symbol& s)
{
    static constexpr std::array<std::array<int, 4>, 12> chairs = {{
        {22, 8, 42, 28}, {22, 2, 42, 7}, {54, 8, 74, 28}, {54, 2, 74, 7},
        {22, 68, 42, 88}, {22, 89, 42, 94}, {54, 68, 74, 88}, {54, 89, 74, 94},
        {3, 38, 18, 58}, {0, 36, 3, 60}, {78, 38, 93, 58}, {93, 36, 96, 60},
    }};
    for (const auto& [u0, v0, u1, v1] : chairs)
        Box(s, u0, v0, u1, v1);
    Box(s, 12, 24, 84, 72);
}

// The top and its bevelled edge.
void HexagonalTable(const Symbol& s)
{
    Hexagon(s, 1.0);
    Hexagon(s, 0.85);
}

// A chair against each side of a smaller top.
void HexagonalTableWithChairs(const Symbol& s)
{
    for (int side = 0; side < 6; ++side) {
        HexagonBand(s, side, 0.56, 0.9, 0.25, 0.75);
        HexagonBand(s, side, 0.9, 1.0, 0.22, 0.78);
    }
    Hexagon(s, 0.62);
}

}  // namespace symbols
