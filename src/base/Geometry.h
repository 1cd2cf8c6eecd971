#pragma once
// Small value types of the plan's geometry.

#include <array>
#include <cstdint>

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct PointF {
    double x = 0;
    double y = 0;
};

// At a zoom of 2 or more, the points of a quadrilateral right of and below its centroid move
// out by one zoomed pixel, so that neighbouring shapes drawn side by side meet without a gap.
void WidenForZoom(std::array<Point, 4>& points, double zoom);

// The smallest rectangle holding the points.
Rect Extent(const std::array<Point, 4>& points);
