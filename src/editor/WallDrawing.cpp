#include "editor/WallDrawing.h"

#include "base/Numeric.h"
#include "editor/Measurement.h"
#include "model/DrawnOutline.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace {

// A side may be typed up to nine digits long, which an int32 always holds.
constexpr size_t MaxTypedDigits = 9;

// The coordinate pulled to the nearest candidate within reach, else rounded; never negative.
int32_t SnapCoordinate(double value, std::span<const int32_t> candidates, double reach)
{
    double best = reach;
    int32_t snapped = RoundToInt(value);
    for (const int32_t candidate : candidates)
        if (const double distance = std::abs(candidate - value); distance <= best) {
            best = distance;
            snapped = candidate;
        }
    return std::max(snapped, 0);
}

int Orientation(Point a, Point b, Point c)
{
    const int64_t v = (int64_t{b.x} - a.x) * (int64_t{c.y} - a.y) - (int64_t{b.y} - a.y) * (int64_t{c.x} - a.x);
    return (v > 0) - (v < 0);
}

// p, on the line through a and b, lies between them.
bool Within(Point a, Point b, Point p)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// The segments cross or touch.
bool SegmentsMeet(Point a, Point b, Point c, Point d)
{
    const int o1 = Orientation(a, b, c);
    const int o2 = Orientation(a, b, d);
    const int o3 = Orientation(c, d, a);
    const int o4 = Orientation(c, d, b);
    if (o1 != o2 && o3 != o4)
        return true;
    return (o1 == 0 && Within(a, b, c)) || (o2 == 0 && Within(a, b, d)) || (o3 == 0 && Within(c, d, a)) ||
           (o4 == 0 && Within(c, d, b));
}

// Two sides meeting at q, ending at u and v, run back along each other.
bool RunBack(Point q, Point u, Point v)
{
    return Orientation(q, u, v) == 0 &&
           (int64_t{u.x} - q.x) * (int64_t{v.x} - q.x) + (int64_t{u.y} - q.y) * (int64_t{v.y} - q.y) > 0;
}

}  // namespace

Point SnapPoint(PointF pointer, std::span<const Point> references, const SnapRules& rules)
{
    std::vector<int32_t> xs;
    std::vector<int32_t> ys;
    for (const Point& p : references) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    if (rules.gridShown && rules.gridSize >= 1) {
        const double step = rules.gridSize;
        xs.push_back(TruncToInt(std::round(pointer.x / step) * step));
        ys.push_back(TruncToInt(std::round(pointer.y / step) * step));
    }
    return {SnapCoordinate(pointer.x, xs, rules.reach), SnapCoordinate(pointer.y, ys, rules.reach)};
}

SideMeasure MeasureSide(Point from, Point to)
{
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    const double degrees = std::atan2(dy, dx) * 180 / std::numbers::pi;
    return {std::hypot(dx, dy), degrees < 0 ? degrees + 360 : degrees};
}

Point WallDrawing::NextCorner(PointF pointer, bool shift) const
{
    const Point snapped = SnapPoint(pointer, corners_, rules_);
    if (!shift || corners_.empty())
        return snapped;
    const Point last = corners_.back();
    Point end = MeasureEnd(last, {RoundToInt(pointer.x), RoundToInt(pointer.y)}, true);
    // Along a horizontal or vertical side the free coordinate still meets the lines.
    if (end.y == last.y)
        end.x = snapped.x;
    else if (end.x == last.x)
        end.y = snapped.y;
    return end;
}

WallDrawing::Outcome WallDrawing::Click(PointF pointer, bool shift)
{
    if (corners_.size() >= 3 &&
        std::hypot(pointer.x - corners_.front().x, pointer.y - corners_.front().y) <= rules_.reach)
        return Close();
    return Add(NextCorner(pointer, shift));
}

WallDrawing::Outcome WallDrawing::Close()
{
    if (closed_ || corners_.size() < 3 || TwiceArea(corners_) == 0 || Crosses(corners_.back(), corners_.front()))
        return Outcome::Refused;
    closed_ = true;
    typed_.clear();
    return Outcome::Closed;
}

std::optional<Point> WallDrawing::TypedCorner(PointF pointer, bool shift) const
{
    if (typed_.empty())
        return std::nullopt;
    const Point last = corners_.back();
    const SideMeasure toward = MeasureSide(last, NextCorner(pointer, shift));
    if (toward.length == 0)
        return std::nullopt;
    const double length = std::stod(typed_);
    const double radians = toward.degrees * std::numbers::pi / 180;
    const Point corner{RoundToInt(last.x + length * std::cos(radians)), RoundToInt(last.y + length * std::sin(radians))};
    if (corner.x < 0 || corner.y < 0)
        return std::nullopt;
    return corner;
}

WallDrawing::Outcome WallDrawing::Return(PointF pointer, bool shift)
{
    if (typed_.empty())
        return Close();
    const auto corner = TypedCorner(pointer, shift);
    return corner ? Add(*corner) : Outcome::Refused;
}

void WallDrawing::TakeBack()
{
    if (!typed_.empty())
        typed_.pop_back();
    else if (!corners_.empty() && !closed_)
        corners_.pop_back();
}

bool WallDrawing::Type(char key)
{
    if (corners_.empty() || closed_ || !std::isdigit(static_cast<unsigned char>(key)))
        return false;
    if (typed_.size() < MaxTypedDigits)
        typed_ += key;
    return true;
}

WallDrawing::Outcome WallDrawing::Add(Point corner)
{
    if (closed_)
        return Outcome::Refused;
    if (corners_.size() >= 3 && corner == corners_.front())
        return Close();
    if (!corners_.empty() && (corner == corners_.back() || Crosses(corners_.back(), corner)))
        return Outcome::Refused;
    corners_.push_back(corner);
    typed_.clear();
    return Outcome::Added;
}

// Whether the side from the last corner to `to` would cross a side drawn, or run back along
// one of the sides it meets.
bool WallDrawing::Crosses(Point from, Point to) const
{
    for (size_t i = 0; i + 1 < corners_.size(); ++i) {
        const Point c = corners_[i];
        const Point d = corners_[i + 1];
        if (d == from && i + 2 == corners_.size()) {
            if (RunBack(from, c, to))
                return true;
        } else if (c == to && i == 0) {
            if (RunBack(to, d, from))
                return true;
        } else if (SegmentsMeet(c, d, from, to)) {
            return true;
        }
    }
    return false;
}
