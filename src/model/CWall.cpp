#include "model/CWall.h"

#include "base/Numeric.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// From line A to line B of a wall aligned on its left: the thickness turned a quarter turn
// from the direction of travel.
Point ThicknessOffset(double direction, int32_t thickness)
{
    const double d = DegToRad(direction);
    const double t = thickness;  // negated as a double: -INT32_MIN has no int32 value
    return {RoundToInt(-t * std::sin(d)), RoundToInt(t * std::cos(d))};
}

Point Shifted(Point p, Point o, int sign)
{
    return {SaturateToInt(int64_t{p.x} + sign * int64_t{o.x}),
            SaturateToInt(int64_t{p.y} + sign * int64_t{o.y})};
}

// Half the offset is taken in floating point, each resulting coordinate cut toward zero.
Point HalfShifted(Point p, Point o, int sign)
{
    return {TruncToInt(p.x + sign * (o.x / 2.0)), TruncToInt(p.y + sign * (o.y / 2.0))};
}

void PlaceLines(CWall& w)
{
    const Point o = ThicknessOffset(w.direction, w.thickness);
    const Point s = w.Start();
    const Point e = w.End();
    switch (w.alignment) {
    case 1:
        w.lineA = {HalfShifted(s, o, 1), HalfShifted(e, o, 1)};
        w.lineB = {HalfShifted(s, o, -1), HalfShifted(e, o, -1)};
        break;
    case 2:
        w.lineA = {Shifted(s, o, 1), Shifted(e, o, 1)};
        w.lineB = {s, e};
        break;
    default:  // 0, and whatever else a file may hold
        w.lineA = {s, e};
        w.lineB = {Shifted(s, o, -1), Shifted(e, o, -1)};
        break;
    }
}

}  // namespace

CWall::CWall(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t align, int32_t thick)
    : x1(ax), y1(ay), x2(bx), y2(by), alignment(align), thickness(thick)
{
    if (x2 < x1 || (x2 == x1 && y2 < y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    Recalc();
}

CWall CWall::Unordered(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t alignment,
                       int32_t thickness)
{
    CWall w;
    w.x1 = x1;
    w.y1 = y1;
    w.x2 = x2;
    w.y2 = y2;
    w.alignment = alignment;
    w.thickness = thickness;
    w.Recalc();
    return w;
}

void CWall::Recalc()
{
    // Differences of int32 values need 33 bits and the sum of their squares 66.
    const double dx = static_cast<double>(int64_t{x2} - x1);
    const double dy = static_cast<double>(int64_t{y2} - y1);
    // len² and the length are single precision by design: snapped positions derive from them
    // and must come out the same as they always have.
    const float len2 = static_cast<float>(dx * dx + dy * dy);
    if (len2 == 0) {
        ux = uy = dxByLen2 = dyByLen2 = direction = length = 0;
        PlaceLines(*this);
        return;
    }
    dxByLen2 = dx / len2;
    dyByLen2 = dy / len2;
    length = std::sqrt(len2);
    ux = dx / length;
    uy = dy / length;
    // The rounded length can fall just short of |dx|, putting ux a hair outside [-1, 1].
    direction = std::acos(std::clamp(ux, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    if (uy < 0)
        direction = -direction;
    PlaceLines(*this);
}

std::string CWall::Text() const
{
    return '[' + std::to_string(x1) + ',' + std::to_string(y1) + "]->[" + std::to_string(x2) + ','
           + std::to_string(y2) + ']';
}
