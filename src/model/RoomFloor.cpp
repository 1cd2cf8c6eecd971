#include "model/RoomFloor.h"

#include "model/CRoom.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

// One wall of the loop, as travelled: from `from` to `to`.
struct LoopEdge {
    const CWall* wall;
    PointF from;
    PointF to;
};

PointF ToPointF(Point p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// Follows the walls from the first one by shared end points. Every wall with a length must
// belong to the one loop, and the loop must come back to its start.
std::optional<std::vector<LoopEdge>> WallLoop(const CRoomWalls& walls)
{
    std::vector<const CWall*> real;
    std::map<std::pair<int32_t, int32_t>, std::vector<size_t>> atPoint;
    for (const CWall& wall : walls.List()) {
        if (wall.IsDegenerate())
            continue;
        atPoint[{wall.x1, wall.y1}].push_back(real.size());
        atPoint[{wall.x2, wall.y2}].push_back(real.size());
        real.push_back(&wall);
    }
    if (real.size() < 3)
        return std::nullopt;
    std::vector<bool> used(real.size(), false);
    std::vector<LoopEdge> loop;
    Point at = real.front()->Start();
    size_t next = 0;
    while (true) {
        used[next] = true;
        const CWall& wall = *real[next];
        const Point to = wall.Start() == at ? wall.End() : wall.Start();
        loop.push_back({&wall, ToPointF(at), ToPointF(to)});
        at = to;
        const std::vector<size_t>& there = atPoint[{at.x, at.y}];
        const auto unused = std::find_if(there.begin(), there.end(), [&](size_t i) { return !used[i]; });
        if (unused == there.end())
            break;
        next = *unused;
    }
    if (loop.size() != real.size() || at != real.front()->Start())
        return std::nullopt;
    return loop;
}

double Cross(PointF a, PointF b)
{
    return a.x * b.y - a.y * b.x;
}

double Shoelace(const std::vector<PointF>& points)
{
    double sum = 0;
    for (size_t i = 0; i < points.size(); ++i)
        sum += Cross(points[i], points[(i + 1) % points.size()]);
    return sum / 2;
}

// A wall's inner face: the edge moved inwards by the larger inward offset of its two outline
// lines (a wall's thickness may lie on either side of its end points).
struct Face {
    PointF point;
    PointF direction;
};

Face InnerFace(const LoopEdge& edge, double orientation)
{
    const PointF d{edge.to.x - edge.from.x, edge.to.y - edge.from.y};
    const double length = std::hypot(d.x, d.y);
    const PointF inward{-d.y / length * orientation, d.x / length * orientation};
    const auto offset = [&](Point p) { return (p.x - edge.from.x) * inward.x + (p.y - edge.from.y) * inward.y; };
    const double inner = std::max(offset(edge.wall->lineA[0]), offset(edge.wall->lineB[0]));
    return {{edge.from.x + inward.x * inner, edge.from.y + inward.y * inner}, d};
}

// Where two faces meet; for walls in line, the later face's start.
PointF Corner(const Face& a, const Face& b)
{
    const double det = Cross(a.direction, b.direction);
    if (std::fabs(det) < 1e-9)
        return b.point;
    const PointF between{b.point.x - a.point.x, b.point.y - a.point.y};
    const double t = Cross(between, b.direction) / det;
    return {a.point.x + a.direction.x * t, a.point.y + a.direction.y * t};
}

}  // namespace

std::optional<FloorSize> MeasureFloor(const CRoom& room)
{
    if (room.Walls.IsDefault() || room.Walls.Count() == 0) {
        const double width = room.Width;
        const double height = room.Height;
        return FloorSize{width * height, 2 * (width + height)};
    }
    const auto loop = WallLoop(room.Walls);
    if (!loop)
        return std::nullopt;
    std::vector<PointF> centre;
    for (const LoopEdge& edge : *loop)
        centre.push_back(edge.from);
    const double orientation = Shoelace(centre) < 0 ? -1.0 : 1.0;
    std::vector<Face> faces;
    for (const LoopEdge& edge : *loop)
        faces.push_back(InnerFace(edge, orientation));
    std::vector<PointF> inner;
    for (size_t i = 0; i < faces.size(); ++i)
        inner.push_back(Corner(faces[(i + faces.size() - 1) % faces.size()], faces[i]));
    FloorSize size{std::fabs(Shoelace(inner)), 0};
    for (size_t i = 0; i < inner.size(); ++i) {
        const PointF& a = inner[i];
        const PointF& b = inner[(i + 1) % inner.size()];
        size.perimeter += std::hypot(b.x - a.x, b.y - a.y);
    }
    return size;
}
