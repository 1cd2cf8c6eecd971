#include "output/VrmlWalls.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "output/VrmlScale.h"
#include "output/VrmlText.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsEmpty(const WallPiece& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

WallPiece Intersection(const WallPiece& a, const WallPiece& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsOpeningIn(const CPart& part, int wallIndex)
{
    // An object that is not attached holds -1, whose low half would name wall 65535.
    return part.InUse && (part.Type == Door || part.Type == Window) && part.WallLink >= 0 &&
           (part.WallLink & 0xFFFF) == wallIndex;
}

// Where the opening begins along the wall: a window's reference corner, or the corner of a
// door that its quarter turn leaves on the wall's start side.
Point OpeningStart(const CPart& part)
{
    if (part.Type != Door)
        return {part.PosX, part.PosY};
    const std::array<Point, 4> corners = part.Corners(1.0);
    switch ((part.WallLink >> 16) & 0xFFFF) {
    case 0:
    case 90:
        return corners[3];
    case 180:
        return corners[2];
    default:
        return corners[0];
    }
}

WallPiece Opening(const CPart& part, const CWall& wall)
{
    const Point p = OpeningStart(part);
    const double dx = static_cast<double>(p.x) - wall.x1;
    const double dy = static_cast<double>(p.y) - wall.y1;
    const int64_t a = TruncToInt(std::sqrt(dx * dx + dy * dy));
    return {a, part.PosZ, a + part.Width, int64_t{part.PosZ} + part.ZHeight};
}

// What is left of a column of the wall, from `left` to `right`, once the openings that span it
// are cut out: spans of height from bottom to top, as pieces.
void FreeSpans(const WallPiece& wall, std::vector<WallPiece> covering, int64_t left, int64_t right,
               std::vector<WallPiece>& spans)
{
    std::sort(covering.begin(), covering.end(), [](const WallPiece& a, const WallPiece& b) { return a.top < b.top; });
    int64_t free = wall.top;
    for (const WallPiece& opening : covering) {
        if (opening.top > free)
            spans.push_back({left, free, right, opening.top});
        free = std::max(free, opening.bottom);
    }
    if (free < wall.bottom)
        spans.push_back({left, free, right, wall.bottom});
}

// Cuts the openings out of the wall column by column, a column running between two neighbouring
// edges of openings, so that the same openings span all of it. A span of the same height as one
// of the column before lengthens that piece rather than starting another, so openings side by
// side cost a few pieces each, however many there are.
std::vector<WallPiece> CutOut(const WallPiece& wall, std::vector<WallPiece> openings)
{
    if (IsEmpty(wall))
        return {wall};  // nothing to cut: written as it stands, a unit long or high
    std::erase_if(openings, [&](WallPiece& opening) {
        opening = Intersection(opening, wall);
        return IsEmpty(opening);
    });
    std::vector<int64_t> edges{wall.left, wall.right};
    for (const WallPiece& opening : openings) {
        edges.push_back(opening.left);
        edges.push_back(opening.right);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::sort(openings.begin(), openings.end(), [](const WallPiece& a, const WallPiece& b) { return a.left < b.left; });

    std::vector<WallPiece> pieces;
    std::vector<size_t> previous;  // the pieces that reach the column's left edge, from the bottom up
    std::vector<WallPiece> covering;
    size_t next = 0;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int64_t left = edges[e];
        std::erase_if(covering, [&](const WallPiece& opening) { return opening.right <= left; });
        for (; next < openings.size() && openings[next].left <= left; ++next)
            covering.push_back(openings[next]);
        std::vector<WallPiece> spans;
        FreeSpans(wall, covering, left, edges[e + 1], spans);
        std::vector<size_t> current;
        size_t match = 0;
        for (const WallPiece& span : spans) {
            while (match < previous.size() && pieces[previous[match]].top < span.top)
                ++match;
            if (match < previous.size() && pieces[previous[match]].top == span.top &&
                pieces[previous[match]].bottom == span.bottom) {
                pieces[previous[match]].right = span.right;
                current.push_back(previous[match]);
            } else {
                current.push_back(pieces.size());
                pieces.push_back(span);
            }
        }
        previous = std::move(current);
    }
    return pieces;
}

// How far the wall's body lies across its line, towards the scene's z axis of the wall.
int64_t ThicknessOffset(const CWall& wall)
{
    switch (wall.alignment) {
    case 0:
        return -int64_t{wall.thickness};
    case 1:
        return -(int64_t{wall.thickness} / 2);
    default:
        return 0;
    }
}

void AppendWall(std::string& out, const CRoom& room, int wallIndex, double scale, double transparency)
{
    const CWall& wall = room.Walls[wallIndex];
    if (wall.thickness <= 0)
        return;
    const double thickness = wall.thickness * scale;
    for (const WallPiece& piece : WallPieces(room, wallIndex)) {
        // One unit longer and higher than the piece, so that neighbouring pieces meet.
        const double length = static_cast<double>(piece.right - piece.left + 1) * scale;
        const double height = static_cast<double>(piece.bottom - piece.top + 1) * scale;
        if (!IsVisibleSize(length) || !IsVisibleSize(thickness) || !IsVisibleSize(height))
            continue;
        AppendLine(out, "Transform {translation %.2f 0 %.2f rotation 0 1 0 %.2f",
                   {wall.x1 * scale, wall.y1 * scale, SceneAngle(wall.direction)});
        AppendLine(out, "  children Transform {translation %.2f %.2f %.2f scale %.2f %.2f %.2f",
                   {static_cast<double>(piece.left) * scale, static_cast<double>(piece.top) * scale,
                    static_cast<double>(ThicknessOffset(wall)) * scale, length, height, thickness});
        AppendLine(out, "     children Wall {color 1 1 1 transparency %.2f}}}", {transparency});
    }
}

}  // namespace

std::vector<WallPiece> WallPieces(const CRoom& room, int wallIndex)
{
    const CWall& wall = room.Walls[wallIndex];
    std::vector<WallPiece> openings;
    for (const CPart& part : room.Parts)
        if (IsOpeningIn(part, wallIndex))
            openings.push_back(Opening(part, wall));
    return CutOut({0, 0, TruncToInt(wall.length), room.WallZHeight}, std::move(openings));
}

void AppendWalls(std::string& out, std::string_view libraryPrefix, const CRoom& room, double scale,
                 double transparency)
{
    AppendLine(out, "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] \"%sWall\"",
               {libraryPrefix});
    for (int i = 0; i < room.Walls.Count(); ++i)
        AppendWall(out, room, i, scale, transparency);
}
