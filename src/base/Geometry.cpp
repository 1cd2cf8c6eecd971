#include "base/Geometry.h"

#include "base/Numeric.h"

#include <algorithm>

void WidenForZoom(std::array<Point, 4>& points, double zoom)
{
    if (zoom < 2.0)
        return;
    double cx = 0;
    double cy = 0;
    for (const Point& p : points) {
        cx += p.x;
        cy += p.y;
    }
    cx /= 4;
    cy /= 4;
    for (Point& p : points) {
        if (p.x > cx)
            p.x = TruncToInt(p.x + zoom - 1);
        if (p.y > cy)
            p.y = TruncToInt(p.y + zoom - 1);
    }
}

Rect Extent(const std::array<Point, 4>& points)
{
    Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}
