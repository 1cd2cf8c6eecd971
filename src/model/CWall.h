#pragma once
// One straight wall of a room's outline, with the geometry derived from its end points.

#include "base/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

class CWall {
public:
    CWall() = default;
    // Orders the end points left to right (then top to bottom) and computes the geometry.
    CWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t alignment, int32_t thickness);
    // Keeps the end points in the order given, as the room file stores them.
    static CWall Unordered(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t alignment,
                           int32_t thickness);

    // Recomputes direction, unit vectors, length and the outline lines from the six fields.
    void Recalc();
    // "[x1,y1]->[x2,y2]", the wall editor's list text.
    std::string Text() const;
    // A wall whose end points coincide has no direction; it is neither drawn nor joined.
    bool IsDegenerate() const { return length == 0; }
    Point Start() const { return {x1, y1}; }
    Point End() const { return {x2, y2}; }

    int32_t x1 = 0, y1 = 0;
    int32_t x2 = 0, y2 = 0;
    int32_t alignment = 0;  // 0: thickness on the left of the direction of travel, 1: centred, 2: right
    int32_t thickness = 0;  // below 1 the wall is drawn as a line

    // Filled by the screen pass for the current view: A0, A1, B1, B0 in device pixels.
    std::array<Point, 4> screen{};
    // The two outline lines in plan coordinates: A0 -> A1 and B0 -> B1.
    std::array<Point, 2> lineA{};
    std::array<Point, 2> lineB{};

    double direction = 0;  // degrees in (-180, 180]
    double ux = 0;         // unit vector along the wall
    double uy = 0;
    double dxByLen2 = 0;   // (x2 - x1) / length^2, for projections
    double dyByLen2 = 0;
    double length = 0;
    // Join parameters of the screen pass, one per screen point; NaN when unset.
    std::array<double, 4> trims{};
};
