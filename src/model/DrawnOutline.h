#pragma once
// A room's outline as the user draws and reshapes it on the plan: a closed polygon of corners
// becomes walls whose thickness lies outside the drawn line, the inner face, whichever way
// round the polygon goes; corners shared by walls move together.

#include "base/Geometry.h"
#include "model/CRoomWalls.h"

#include <span>
#include <vector>

class CRoom;

// Twice the polygon's area; positive when it runs clockwise on the screen, where y grows
// downwards, negative the other way round.
int64_t TwiceArea(std::span<const Point> corners);

// A wall from `from` to `to` whose thickness lies on the side `alignment` names for that
// direction of travel (0 left, 1 centred, 2 right), although the wall stores its end points
// in their usual order.
CWall WallAlong(Point from, Point to, int32_t alignment, int32_t thickness);

// One wall per side of the closed polygon, the thickness outside it. The polygon has at least
// three corners and encloses an area.
CRoomWalls WallsAround(std::span<const Point> corners, int32_t thickness);

// The drawn polygon becomes the room's user-defined walls, in the room's wall thickness; the
// room grows to hold them and doors and windows attach to them.
void ApplyDrawnOutline(CRoom& room, std::span<const Point> corners);

// After the room's walls changed: its width and height reach at least to the right and bottom
// of the outline, and its doors and windows attach to the walls anew.
void FitRoomToOutline(CRoom& room);

// The distinct end points of the walls, in wall order.
std::vector<Point> OutlineCorners(const CRoomWalls& walls);

// Moves every wall end at `from` to `to`, each wall keeping the side of its thickness. False,
// and nothing moved, when no wall ends at `from` or a wall would shrink to a point.
bool MoveOutlineCorner(CRoomWalls& walls, Point from, Point to);

// The wall whose body, widened by `reach` on each side, holds the plan point; the nearest of
// several. -1 for none.
int WallAt(const CRoomWalls& walls, PointF point, double reach);
