#include "model/CPart.h"

#include "base/Numeric.h"

#include <algorithm>
#include <cmath>

namespace {

// Cosine and sine of a whole number of degrees, taken of the angle itself rather than of its
// remainder by 360, whose last bits differ and can tip a rounding at an exact half. Quarter turns are exact, so that an object
// turned by them keeps its edges on whole units and -90 and 270 give the same corners.
PointF UnitVector(int64_t degrees)
{
    const int64_t reduced = (degrees % 360 + 360) % 360;
    if (reduced % 90 == 0) {
        static constexpr PointF quarterTurns[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        return quarterTurns[reduced / 90];
    }
    const double a = DegToRad(static_cast<double>(degrees));
    return {std::cos(a), std::sin(a)};
}

// The ellipse inscribed in a width x height rectangle, for a point known to lie in it. With a
// half axis of 0 the ellipse degenerates and the rectangle itself counts.
bool InEllipse(int64_t u, int64_t v, int64_t width, int64_t height)
{
    const int64_t hw = width / 2;
    const int64_t hh = height / 2;
    if (hw == 0 || hh == 0)
        return true;
    const double ex = static_cast<double>((u - hw) * (u - hw)) / static_cast<double>(hw * hw);
    const double ey = static_cast<double>((v - hh) * (v - hh)) / static_cast<double>(hh * hh);
    return ex + ey <= 1.0;
}

// The right triangle with the right angle at the origin, for a point in its rectangle (so
// width is at least 1).
bool InTriangle(int64_t u, int64_t v, int64_t width, int64_t height)
{
    return v <= (width - u) * height / width;
}

}  // namespace

std::array<PointF, 4> CPart::ExactCorners() const
{
    const PointF dir = UnitVector(Rotation);
    const double x = PosX;
    const double y = PosY;
    // The object's own x axis scaled by Width, and its y axis scaled by Height.
    const double wx = Width * dir.x;
    const double wy = Width * dir.y;
    const double hx = -(Height * dir.y);
    const double hy = Height * dir.x;
    const PointF p3{x + hx, y + hy};
    const PointF p2 = ShapeType() == Triangle ? p3 : PointF{x + wx + hx, y + wy + hy};
    return {PointF{x, y}, PointF{x + wx, y + wy}, p2, p3};
}

std::array<Point, 4> CPart::Corners(double zoom) const
{
    std::array<Point, 4> corners;
    const std::array<PointF, 4> exact = ExactCorners();
    for (size_t i = 0; i < corners.size(); ++i)
        corners[i] = {RoundToInt(exact[i].x * zoom), RoundToInt(exact[i].y * zoom)};
    return corners;
}

PointF CPart::Centre() const
{
    const std::array<PointF, 4> corners = ExactCorners();
    const auto [left, right] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
    const auto [top, bottom] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    return {(left + right) / 2, (top + bottom) / 2};
}

// The shift is rounded on its own, not the new position: rounding halves away from zero is
// then the same both ways, and a turn right undone by a turn left restores the position.
void CPart::RotateInPlace(int32_t degrees)
{
    const PointF before = Centre();
    Rotation = SaturateToInt(int64_t{Rotation} + degrees);
    const PointF after = Centre();
    PosX = SaturateToInt(int64_t{PosX} + RoundToInt(before.x - after.x));
    PosY = SaturateToInt(int64_t{PosY} + RoundToInt(before.y - after.y));
}

const std::array<Point, 4>& CPart::ScreenCorners(int32_t offsetX, int32_t offsetY, double zoom)
{
    if (cacheZoom_ != 0.0 && cacheZoom_ == zoom)
        return cachedCorners_;
    cachedCorners_ = Corners(zoom);
    for (Point& p : cachedCorners_) {
        p.x = SaturateToInt(int64_t{p.x} + offsetX);
        p.y = SaturateToInt(int64_t{p.y} + offsetY);
    }
    WidenForZoom(cachedCorners_, zoom);
    cacheZoom_ = zoom;
    return cachedCorners_;
}

Rect CPart::ScreenBounds(int32_t offsetX, int32_t offsetY, double zoom)
{
    return Extent(ScreenCorners(offsetX, offsetY, zoom));
}

Rect CPart::Bounds(double zoom) const
{
    return Extent(Corners(zoom));
}

bool CPart::HitTest(int32_t x, int32_t y, double zoom) const
{
    if (!(zoom > 0))
        return false;
    const PointF dir = UnitVector(Rotation);
    const double dx = x / zoom - PosX;
    const double dy = y / zoom - PosY;
    // Into the object's own axes. Saturating is safe: a coordinate beyond the int32 range
    // lies outside any object's extent either way.
    const int64_t u = TruncToInt(dx * dir.x + dy * dir.y);
    const int64_t v = TruncToInt(dy * dir.x - dx * dir.y);
    if (u < 0 || v < 0 || u >= Width || v >= Height)
        return false;
    switch (ShapeType()) {
    case Circle:
    case Ellipse:
    case Hexagon:
        return InEllipse(u, v, Width, Height);
    case Triangle:
        return InTriangle(u, v, Width, Height);
    default:
        return true;
    }
}
