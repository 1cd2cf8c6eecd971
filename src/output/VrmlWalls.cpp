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

// Replaces every piece the opening overlaps by the parts of it left, right, below and above
// the opening. The parts go to the end of the list; none of them overlaps the opening again.
void CutOut(std::vector<WallPiece>& pieces, const WallPiece& opening)
{
    for (size_t i = 0; i < pieces.size();) {
        const WallPiece p = pieces[i];
        const WallPiece cut = Intersection(p, opening);
        if (IsEmpty(cut)) {
            ++i;
            continue;
        }
        pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
        for (const WallPiece& part : {WallPiece{p.left, p.top, cut.left, p.bottom},
                                      WallPiece{cut.right, p.top, p.right, p.bottom},
                                      WallPiece{cut.left, p.top, cut.right, cut.top},
                                      WallPiece{cut.left, cut.bottom, cut.right, p.bottom}})
            if (!IsEmpty(part))
                pieces.push_back(part);
    }
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
    std::vector<WallPiece> pieces{{0, 0, TruncToInt(wall.length), room.WallZHeight}};
    for (const CPart& part : room.Parts)
        if (IsOpeningIn(part, wallIndex))
            CutOut(pieces, Opening(part, wall));
    return pieces;
}

void AppendWalls(std::string& out, std::string_view libraryPrefix, const CRoom& room, double scale,
                 double transparency)
{
    AppendLine(out, "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] \"%sWall\"",
               {libraryPrefix});
    for (int i = 0; i < room.Walls.Count(); ++i)
        AppendWall(out, room, i, scale, transparency);
}
