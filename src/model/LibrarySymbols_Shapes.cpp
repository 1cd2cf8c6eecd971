#include "model/LibrarySymbolBodies.h"

#include "base/Numeric.h"
#include "model/PlanRendering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace symbols {

namespace {

// Curves are placed on a grid 32 times finer than the one bodies are written in.
constexpr int FineSteps = 32;
constexpr int FineGrid = Grid * FineSteps;

// Points of a curve or sector: enough that a large object shows no corners.
constexpr int OvalPoints = 24;
constexpr double DegreesPerSectorStep = 7.5;

// The point at local position (uNum / den, vNum / den) of the whole width and depth.
Point AtFraction(const Symbol& s, int64_t uNum, int64_t vNum, int64_t den)
{
    return MapQuadPoint(s.p, static_cast<int>(den - uNum), static_cast<int>(den),
                        static_cast<int>(den - vNum), static_cast<int>(den));
}

std::vector<Point> Points(const Symbol& s, std::initializer_list<Uv> points)
{
    std::vector<Point> mapped;
    mapped.reserve(points.size());
    for (const Uv& uv : points)
        mapped.push_back(At(s, uv.u, uv.v));
    return mapped;
}

// A negative size, which a file may hold, mirrors the object; its lengths stay positive.
int32_t Length(int32_t size, double zoom, double k)
{
    return TruncToInt(std::abs(static_cast<double>(size)) * zoom * k);
}

}  // namespace

Point At(const Symbol& s, int u, int v)
{
    return MapQuadPoint(s.p, Grid - u, Grid, Grid - v, Grid);
}

Point Near(const Symbol& s, double u, double v)
{
    return AtFraction(s, std::lround(u * FineSteps), std::lround(v * FineSteps), FineGrid);
}

int32_t ByWidth(const Symbol& s, double k)
{
    return Length(s.part.Width, s.zoom, k);
}

int32_t ByDepth(const Symbol& s, double k)
{
    return Length(s.part.Height, s.zoom, k);
}

void Outline(const Symbol& s)
{
    s.canvas.Polygon(s.p);
}

void Shape(const Symbol& s, std::initializer_list<Uv> points)
{
    s.canvas.Polygon(Points(s, points));
}

void Box(const Symbol& s, int u0, int v0, int u1, int v1)
{
    Shape(s, {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}});
}

void Lines(const Symbol& s, std::initializer_list<Uv> points)
{
    s.canvas.Polyline(Points(s, points));
}

void Curve(const Symbol& s, std::initializer_list<Uv> points)
{
    s.canvas.PolyBezier(Points(s, points));
}

Rect Around(Point centre, int32_t halfWidth, int32_t halfHeight)
{
    return {SaturateToInt(int64_t{centre.x} - halfWidth), SaturateToInt(int64_t{centre.y} - halfHeight),
            SaturateToInt(int64_t{centre.x} + halfWidth), SaturateToInt(int64_t{centre.y} + halfHeight)};
}

void Circle(const Symbol& s, Point centre, int32_t r)
{
    s.canvas.Ellipse(Around(centre, r, r));
}

Point Polar(const Symbol& s, PointF centre, PointF radii, double degrees)
{
    const double a = DegToRad(degrees);
    return Near(s, centre.x + radii.x * std::cos(a), centre.y + radii.y * std::sin(a));
}

void Rings(const Symbol& s, std::initializer_list<double> widthFractions)
{
    const Point centre = MapQuadPoint(s.p, 1, 2, 1, 2);
    for (const double k : widthFractions)
        Circle(s, centre, ByWidth(s, k));
}

void Oval(const Symbol& s, int u0, int v0, int u1, int v1)
{
    const PointF centre{(u0 + u1) / 2.0, (v0 + v1) / 2.0};
    const PointF radii{(u1 - u0) / 2.0, (v1 - v0) / 2.0};
    std::vector<Point> points;
    for (int i = 0; i < OvalPoints; ++i)
        points.push_back(Polar(s, centre, radii, 360.0 * i / OvalPoints));
    s.canvas.Polygon(points);
}

void Sector(const Symbol& s, PointF centre, PointF radii, double fromDegrees, double toDegrees)
{
    const int steps =
        std::max(1, static_cast<int>(std::ceil(std::abs(toDegrees - fromDegrees) / DegreesPerSectorStep)));
    std::vector<Point> points{Near(s, centre.x, centre.y)};
    for (int i = 0; i <= steps; ++i)
        points.push_back(Polar(s, centre, radii, fromDegrees + (toDegrees - fromDegrees) * i / steps));
    s.canvas.Polygon(points);
}

void Dividers(const Symbol& s, int n, Uv a0, Uv a1, Uv b0, Uv b1)
{
    const int64_t den = int64_t{Grid} * n;
    for (int64_t i = 1; i < n; ++i) {
        const int64_t j = n - i;
        s.canvas.Line(AtFraction(s, a0.u * j + a1.u * i, a0.v * j + a1.v * i, den),
                      AtFraction(s, b0.u * j + b1.u * i, b0.v * j + b1.v * i, den));
    }
}

}  // namespace symbols
