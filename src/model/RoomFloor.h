#pragma once
// The size of a room's floor: the area and the perimeter inside its walls, in the room's unit.

#include <optional>

class CRoom;

struct FloorSize {
    double area = 0;
    double perimeter = 0;
};

// The rectangular outline gives the room's width times height. Walls drawn by the user give
// the polygon of their inner faces, the faces turned towards the inside of the loop the walls
// form, by the shoelace formula. Nothing when those walls do not close into one loop.
std::optional<FloorSize> MeasureFloor(const CRoom& room);
