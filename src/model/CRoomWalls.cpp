#include "model/CRoomWalls.h"

#include <algorithm>
#include <cmath>

namespace {

void Include(Rect& r, Point p)
{
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
}

// Beyond either end the distance is to that end point, otherwise perpendicular to the wall;
// t receives the point's projection parameter along the wall.
double DistanceTo(const CWall& w, int32_t x, int32_t y, double& t)
{
    const double px = static_cast<double>(int64_t{x} - w.x1);
    const double py = static_cast<double>(int64_t{y} - w.y1);
    t = px * w.dxByLen2 + py * w.dyByLen2;
    if (t < 0)
        return std::hypot(px, py);
    if (t > 1)
        return std::hypot(static_cast<double>(int64_t{x} - w.x2), static_cast<double>(int64_t{y} - w.y2));
    return std::abs(px * w.uy - py * w.ux);
}

}  // namespace

void CRoomWalls::MakeRectangle(int32_t width, int32_t height, int32_t thickness)
{
    walls_ = {
        CWall(0, 0, width, 0, 0, thickness),
        CWall(0, 0, 0, height, 2, thickness),
        CWall(0, height, width, height, 2, thickness),
        CWall(width, 0, width, height, 0, thickness),
    };
    default_ = true;
}

CWall& CRoomWalls::AddWall(int* index)
{
    walls_.emplace_back();
    if (index)
        *index = Count() - 1;
    return walls_.back();
}

void CRoomWalls::RemoveWall(int index)
{
    if (index >= 0 && index < Count())
        walls_.erase(walls_.begin() + static_cast<std::ptrdiff_t>(index));
}

int CRoomWalls::CommonThickness() const
{
    int kept = 0;
    for (const CWall& w : walls_) {
        if (kept == 0)
            kept = w.thickness;
        else if (w.thickness != kept)
            return -1;
    }
    return kept;
}

void CRoomWalls::SetThickness(int32_t thickness)
{
    for (CWall& w : walls_) {
        w.thickness = thickness;
        w.Recalc();
    }
}

std::optional<Rect> CRoomWalls::Bounds() const
{
    if (walls_.empty())
        return std::nullopt;
    const Point first = walls_.front().Start();
    Rect r{first.x, first.y, first.x, first.y};
    for (const CWall& w : walls_) {
        Include(r, w.Start());
        Include(r, w.End());
    }
    return r;
}

int CRoomWalls::NearestWall(int32_t x, int32_t y, double* t) const
{
    int nearest = -1;
    double nearestDistance = 0;
    double nearestT = 0;
    for (int i = 0; i < Count(); ++i) {
        if (walls_[i].IsDegenerate())
            continue;
        double wallT = 0;
        const double distance = DistanceTo(walls_[i], x, y, wallT);
        if (nearest < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
            nearestT = wallT;
        }
    }
    if (t)
        *t = nearestT;
    return nearest;
}
