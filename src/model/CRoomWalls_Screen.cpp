#include "model/CRoomWalls.h"

#include "base/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

constexpr double Unset = std::numeric_limits<double>::quiet_NaN();

// The two outline lines of a wall on screen: A runs A0 -> A1 (points 0, 1), B runs B1 -> B0
// (points 2, 3), so that the polygon goes round.
enum class Side { A, B };

struct Crossing {
    double u;  // along the first line, 0 at its first point and 1 at its second
    double s;  // along the second line
};

Point ToScreen(Point p, int32_t offsetX, int32_t offsetY, double zoom)
{
    return {SaturateToInt(int64_t{TruncToInt(p.x * zoom)} + offsetX),
            SaturateToInt(int64_t{TruncToInt(p.y * zoom)} + offsetY)};
}

void PlaceOnScreen(CWall& w, int32_t offsetX, int32_t offsetY, double zoom)
{
    const std::array<Point, 4> plan{w.lineA[0], w.lineA[1], w.lineB[1], w.lineB[0]};
    for (size_t k = 0; k < plan.size(); ++k)
        w.screen[k] = ToScreen(plan[k], offsetX, offsetY, zoom);
    WidenForZoom(w.screen, zoom);
    w.trims.fill(Unset);
}

size_t FirstPoint(Side side)
{
    return side == Side::A ? 0 : 2;
}

bool IsEndPointOf(Point p, const CWall& w)
{
    return p == w.Start() || p == w.End();
}

// No corner of a room joins this many walls; where a damaged file makes more meet at one
// point, the walls beyond it stay unjoined, so that joining never costs a pair of every wall.
constexpr size_t MaxWallsAtAPoint = 8;

uint64_t PointKey(Point p)
{
    return uint64_t{static_cast<uint32_t>(p.x)} << 32 | static_cast<uint32_t>(p.y);
}

// The pairs of walls that meet, the lower index first, each pair once, found through the
// walls' end points rather than by trying every pair.
std::vector<std::pair<size_t, size_t>> JoinedPairs(const std::vector<CWall>& walls)
{
    std::unordered_map<uint64_t, std::vector<size_t>> atPoint;
    for (size_t i = 0; i < walls.size(); ++i) {
        if (walls[i].IsDegenerate())
            continue;  // no direction to join along
        for (const Point p : {walls[i].Start(), walls[i].End()}) {
            std::vector<size_t>& meeting = atPoint[PointKey(p)];
            if (meeting.size() < MaxWallsAtAPoint)
                meeting.push_back(i);
        }
    }
    std::vector<std::pair<size_t, size_t>> pairs;
    for (const auto& [key, meeting] : atPoint)
        for (size_t a = 0; a < meeting.size(); ++a)
            for (size_t b = a + 1; b < meeting.size(); ++b)
                pairs.emplace_back(meeting[a], meeting[b]);
    // Walls that share both end points meet at two points; they are joined once, in the
    // order of the walls.
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

// Where the infinite lines p0 -> p1 and q0 -> q1 cross; nothing when they are parallel. A line
// without length makes the determinant 0, so the divisions below always have a non-zero divisor.
std::optional<Crossing> Intersect(Point p0, Point p1, Point q0, Point q1)
{
    const PointF dp{static_cast<double>(p1.x) - p0.x, static_cast<double>(p1.y) - p0.y};
    const PointF dq{static_cast<double>(q1.x) - q0.x, static_cast<double>(q1.y) - q0.y};
    const double det = dq.x * dp.y - dq.y * dp.x;
    if (det == 0)
        return std::nullopt;
    const PointF qToP{static_cast<double>(p0.x) - q0.x, static_cast<double>(p0.y) - q0.y};
    const double s = (qToP.x * dp.y - qToP.y * dp.x) / det;
    if (dp.x != 0)
        return Crossing{(dq.x * s + q0.x - p0.x) / dp.x, s};
    return Crossing{(dq.y * s + q0.y - p0.y) / dp.y, s};
}

// Line A starts at the wall's start point (point 0); line B runs backwards and ends there (3).
size_t TrimIndex(Side side, bool atStart)
{
    if (side == Side::A)
        return atStart ? 0 : 1;
    return atStart ? 3 : 2;
}

// A line's first point keeps the least parameter met and its second point the greatest, so
// that the line reaches the neighbour's far outline line and the corner is closed.
void UpdateTrim(CWall& w, Side side, bool atStart, double p)
{
    const size_t k = TrimIndex(side, atStart);
    double& trim = w.trims[k];
    const bool atFirstPoint = k == FirstPoint(side);
    if (std::isnan(trim) || (atFirstPoint ? p < trim : p > trim))
        trim = p;
}

void Join(CWall& a, CWall& b)
{
    const bool startA = IsEndPointOf(a.Start(), b);
    const bool startB = IsEndPointOf(b.Start(), a);
    for (const Side sa : {Side::A, Side::B}) {
        for (const Side sb : {Side::A, Side::B}) {
            const size_t i = FirstPoint(sa);
            const size_t j = FirstPoint(sb);
            const auto c = Intersect(a.screen[i], a.screen[i + 1], b.screen[j], b.screen[j + 1]);
            if (!c)
                continue;
            UpdateTrim(a, sa, startA, c->u);
            UpdateTrim(b, sb, startB, c->s);
        }
    }
}

Point PointOnLine(Point p0, Point p1, double t)
{
    return {RoundToInt(p0.x + t * (static_cast<double>(p1.x) - p0.x)),
            RoundToInt(p0.y + t * (static_cast<double>(p1.y) - p0.y))};
}

void ApplyTrims(CWall& w)
{
    const std::array<Point, 4> before = w.screen;
    for (size_t k = 0; k < before.size(); ++k) {
        if (std::isnan(w.trims[k]))
            continue;
        const size_t first = k < 2 ? 0 : 2;
        w.screen[k] = PointOnLine(before[first], before[first + 1], w.trims[k]);
    }
}

}  // namespace

void CRoomWalls::ComputeScreen(int32_t offsetX, int32_t offsetY, double zoom)
{
    for (CWall& w : walls_)
        PlaceOnScreen(w, offsetX, offsetY, zoom);
    for (const auto& [i, j] : JoinedPairs(walls_))
        Join(walls_[i], walls_[j]);
    for (CWall& w : walls_)
        ApplyTrims(w);
}
