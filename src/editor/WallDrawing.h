#pragma once
// Drawing a room's outline corner by corner with the pointer: where the next corner goes
// (pulled to grid lines and to the lines of the corners already placed, or turned to a multiple
// of 45 degrees), a length typed for the current side, and closing the outline. Points are in
// room units; a corner never lies left of or above the room's origin.

#include "base/Geometry.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

struct SnapRules {
    int32_t gridSize = 0;  // the grid's step; below 1 or hidden, no grid to snap to
    bool gridShown = false;
    double reach = 0;      // how far, in room units, a line pulls a coordinate
};

// The pointer's point with each coordinate pulled to the nearest grid line or matching
// coordinate of a reference point within reach, rounded to whole units otherwise.
Point SnapPoint(PointF pointer, std::span<const Point> references, const SnapRules& rules);

// The side from `from` to `to`: its length, and its direction in degrees from 0 to 360,
// turning clockwise on the screen from the positive x axis.
struct SideMeasure {
    double length = 0;
    double degrees = 0;
};
SideMeasure MeasureSide(Point from, Point to);

class WallDrawing {
public:
    enum class Outcome { Added, Closed, Refused };

    explicit WallDrawing(const SnapRules& rules) : rules_(rules) {}
    void SetRules(const SnapRules& rules) { rules_ = rules; }

    // Where a click would put the next corner. With `shift` the side from the last corner
    // turns to the nearest multiple of 45 degrees.
    Point NextCorner(PointF pointer, bool shift) const;
    // A click: closes the outline on its first corner, else adds a corner. A corner whose
    // side would cross or run back along the sides drawn is refused.
    Outcome Click(PointF pointer, bool shift);
    // Closes the outline when its corners enclose an area and the closing side crosses none.
    Outcome Close();
    // Where the typed length puts the next corner: along the side towards the pointer. Nothing
    // without a typed length, without a direction, or left of or above the origin.
    std::optional<Point> TypedCorner(PointF pointer, bool shift) const;
    // Return: fixes the typed length along the side towards the pointer, or closes.
    Outcome Return(PointF pointer, bool shift);
    // Backspace: takes back the last typed digit, or else the last corner.
    void TakeBack();
    // A digit of the current side's length; false for any other key, or with no side started.
    bool Type(char key);

    const std::vector<Point>& Corners() const { return corners_; }
    bool IsClosed() const { return closed_; }
    const std::string& TypedLength() const { return typed_; }

private:
    bool Crosses(Point from, Point to) const;
    Outcome Add(Point corner);

    SnapRules rules_;
    std::vector<Point> corners_;
    std::string typed_;
    bool closed_ = false;
};
