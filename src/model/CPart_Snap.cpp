#include "model/CPart.h"

#include "base/Numeric.h"
#include "model/CRoomWalls.h"

#include <cmath>
#include <cstdlib>

namespace {

// Keeps an object of a width that starts at t within the wall, pushing it back from the end.
double FitFromStart(double t, double width, double length)
{
    if (t < 0)
        t = 0;
    if ((1 - t) * length < width)
        t = 1 - width / length;
    return t;
}

// Keeps an object of a width that ends at t within the wall, pushing it on from the start.
double FitFromEnd(double t, double width, double length)
{
    if (t > 1)
        t = 1;
    if (t * length < width)
        t = width / length;
    return t;
}

// The point at t on the wall's second outline line, in plan coordinates.
PointF AlongLineB(const CWall& wall, double t)
{
    const double x0 = wall.lineB[0].x;
    const double y0 = wall.lineB[0].y;
    return {x0 + t * (wall.lineB[1].x - x0), y0 + t * (wall.lineB[1].y - y0)};
}

// The door's turn relative to the wall, snapped to 0, 90, 180 or 270. Counted in int64 and
// reduced to a true modulo, so that any int32 rotation gives one of the four.
int32_t QuarterTurn(int32_t rotation, double wallDirection)
{
    const int64_t quarters = RoundToInt((rotation - wallDirection + 360) / 90);
    return static_cast<int32_t>((quarters % 4 + 4) % 4 * 90);
}

// Where P0 lies from the hinge point on the wall for each quarter turn, in the wall's axes.
PointF DoorOffset(int32_t q, double width, double thickness)
{
    switch (q) {
    case 90:
        return {width, thickness};
    case 180:
        return {0, thickness + width};
    case 270:
        return {-width, 0};
    default:
        return {0, -width};
    }
}

void SnapWindow(CPart& part, const CWall& wall, double t, bool dragging)
{
    const double length = wall.length;
    if (dragging)
        t -= (part.Width / 2) / length;  // the pointer holds the window's middle
    t = FitFromStart(t, part.Width, length);
    const PointF pos = AlongLineB(wall, t);
    part.PosX = RoundToInt(pos.x);
    part.PosY = RoundToInt(pos.y);
    part.Height = wall.thickness;
    part.Rotation = RoundToInt(wall.direction);
}

void SnapDoor(CPart& part, const CWall& wall, double t, bool dragging)
{
    const double length = wall.length;
    const int32_t wallAngle = RoundToInt(wall.direction);
    const int32_t q = QuarterTurn(part.Rotation, wall.direction);
    part.Rotation = (wallAngle + q) % 360;
    // The pointer holds the door's middle. Turned by half a turn or more, the door extends
    // from the point on the wall back towards the wall's start.
    const double halfWidth = (part.Width / 2) / length;
    if (q < 180)
        t = FitFromStart(dragging ? t - halfWidth : t, part.Width, length);
    else
        t = FitFromEnd(dragging ? t + halfWidth : t, part.Width, length);
    const PointF base = AlongLineB(wall, t);
    const PointF offset = DoorOffset(q, part.Width, wall.thickness);
    const double a = DegToRad(part.Rotation - q);
    const double c = std::cos(a);
    const double s = std::sin(a);
    part.PosX = RoundToInt(base.x + offset.x * c - offset.y * s);
    part.PosY = RoundToInt(base.y + offset.x * s + offset.y * c);
    const uint32_t wallIndex = static_cast<uint32_t>(part.WallLink) & 0xFFFFu;
    part.WallLink = static_cast<int32_t>(wallIndex | static_cast<uint32_t>(q) << 16);
}

}  // namespace

void CPart::SnapToWall(const CRoomWalls& walls, int32_t x, int32_t y, bool dragging)
{
    if (!SnapToWallFlag)
        return;
    const int32_t oldX = PosX;
    const int32_t oldY = PosY;
    if (Type == Door && !dragging) {
        // A door at rest is found by its corner P3, which snapping leaves on a face of the wall.
        const Point p3 = Corners(1.0)[3];
        x = p3.x;
        y = p3.y;
    }
    double t = 0;
    WallLink = walls.NearestWall(x, y, &t);
    if (WallLink < 0)
        return;
    const CWall& wall = walls[WallLink];
    if (Type == Window)
        SnapWindow(*this, wall, t, dragging);
    else if (Type == Door)
        SnapDoor(*this, wall, t, dragging);
    // Snapping an object in place again must not let it creep by rounding.
    if (!dragging && std::abs(int64_t{PosX} - oldX) < 2 && std::abs(int64_t{PosY} - oldY) < 2) {
        PosX = oldX;
        PosY = oldY;
    }
}
