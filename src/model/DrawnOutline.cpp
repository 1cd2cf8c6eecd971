#include "model/DrawnOutline.h"

#include "model/CRoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double DistanceToSegment(PointF p, PointF a, PointF b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

PointF Middle(Point a, Point b)
{
    return {(static_cast<double>(a.x) + b.x) / 2, (static_cast<double>(a.y) + b.y) / 2};
}

}  // namespace

int64_t TwiceArea(std::span<const Point> corners)
{
    int64_t sum = 0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        sum += int64_t{a.x} * b.y - int64_t{b.x} * a.y;
    }
    return sum;
}

CWall WallAlong(Point from, Point to, int32_t alignment, int32_t thickness)
{
    // The wall's constructor turns a wall running leftwards (or upwards) round, which moves
    // its left side to the right.
    const bool turned = to.x < from.x || (to.x == from.x && to.y < from.y);
    return CWall(from.x, from.y, to.x, to.y, turned ? 2 - alignment : alignment, thickness);
}

CRoomWalls WallsAround(std::span<const Point> corners, int32_t thickness)
{
    // Clockwise on the screen the outside lies on the left of the direction of travel.
    const int32_t outside = TwiceArea(corners) > 0 ? 0 : 2;
    CRoomWalls walls;
    for (size_t i = 0; i < corners.size(); ++i)
        walls.AddWall() = WallAlong(corners[i], corners[(i + 1) % corners.size()], outside, thickness);
    walls.SetDefault(false);
    return walls;
}

void ApplyDrawnOutline(CRoom& room, std::span<const Point> corners)
{
    room.Walls = WallsAround(corners, room.WallThickness);
    FitRoomToOutline(room);
}

void FitRoomToOutline(CRoom& room)
{
    if (const auto bounds = room.Walls.Bounds()) {
        room.Width = std::max(room.Width, bounds->right);
        room.Height = std::max(room.Height, bounds->bottom);
    }
    room.InvalidateParts();
    room.SnapAllToWalls();
}

std::vector<Point> OutlineCorners(const CRoomWalls& walls)
{
    std::vector<Point> corners;
    for (const CWall& wall : walls.List())
        for (const Point end : {wall.Start(), wall.End()})
            if (std::find(corners.begin(), corners.end(), end) == corners.end())
                corners.push_back(end);
    return corners;
}

bool MoveOutlineCorner(CRoomWalls& walls, Point from, Point to)
{
    CRoomWalls moved = walls;
    bool found = false;
    for (int i = 0; i < moved.Count(); ++i) {
        const CWall& wall = walls[i];
        if (wall.Start() != from && wall.End() != from)
            continue;
        const Point start = wall.Start() == from ? to : wall.Start();
        const Point end = wall.End() == from ? to : wall.End();
        if (start == end)
            return false;
        moved[i] = WallAlong(start, end, wall.alignment, wall.thickness);
        found = true;
    }
    if (found)
        walls = std::move(moved);
    return found;
}

int WallAt(const CRoomWalls& walls, PointF point, double reach)
{
    int found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < walls.Count(); ++i) {
        const CWall& wall = walls[i];
        if (wall.IsDegenerate())
            continue;
        // Between the two outline lines runs the wall's middle, half the thickness from each.
        const double distance = DistanceToSegment(point, Middle(wall.lineA[0], wall.lineB[0]),
                                                  Middle(wall.lineA[1], wall.lineB[1]));
        if (distance <= std::max(wall.thickness, 0) / 2.0 + reach && distance < nearest) {
            nearest = distance;
            found = i;
        }
    }
    return found;
}
