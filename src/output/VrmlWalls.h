#pragma once
// The room's walls in the VRML scene: every wall is cut into rectangular pieces around the
// doors and windows set into it, and each piece is written as one instance of "Wall".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CRoom;

// A piece in the wall's own frame: left and right run along the wall from its start point,
// top and bottom are heights above the floor; right and bottom are exclusive. Wide enough
// that no sum of the room's lengths overflows.
struct WallPiece {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
    friend bool operator==(const WallPiece&, const WallPiece&) = default;
};

// What remains of a wall of the room once every opening in it is cut out, from the wall's start
// along it and, within a stretch, from the floor up. Openings side by side leave a number of
// pieces that grows with theirs, not with its square.
std::vector<WallPiece> WallPieces(const CRoom& room, int wallIndex);

// The "Wall" prototype declaration, then every piece of every wall, the walls in list order.
// scale turns room units into scene units; transparency runs from 0 (solid) to 1.
void AppendWalls(std::string& out, std::string_view libraryPrefix, const CRoom& room, double scale,
                 double transparency);
