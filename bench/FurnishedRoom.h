#pragma once
// The large room every benchmark works on: a 2000 × 1500 room with an outline of its own walls
// (a notched rectangle with a thin partition), filled row by row with captioned objects of
// every type, the library objects going through every library number in turn. Some doors and
// windows are snapped into the walls.

#include "model/CRoom.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace furnished {

constexpr int32_t RoomWidth = 2000;
constexpr int32_t RoomHeight = 1500;
constexpr int FirstLibraryNumber = 20;
constexpr int LastLibraryNumber = 99;

inline void BuildWalls(CRoom& room)
{
    constexpr int32_t W = RoomWidth, H = RoomHeight, Notch = 300;
    const int32_t outline[][4] = {
        {0, 0, W, 0},           {W, 0, W, H - Notch},   {W, H - Notch, W - Notch, H - Notch},
        {W - Notch, H - Notch, W - Notch, H},           {W - Notch, H, 0, H},
        {0, H, 0, 0},
    };
    room.Walls.RemoveAll();
    for (const auto& w : outline)
        room.Walls.AddWall() = CWall::Unordered(w[0], w[1], w[2], w[3], 0, room.WallThickness);
    room.Walls.AddWall() = CWall::Unordered(W / 2, 0, W / 2, H / 3, 1, 0);  // a partition drawn as a line
    room.Walls.SetDefault(false);
}

inline void FillPart(CPart& part, int i, int32_t cellWidth, int32_t cellHeight)
{
    part.InUse = true;
    part.Type = i % 9;
    part.Width = std::max(4, cellWidth * 4 / 5);
    part.Height = std::max(4, cellHeight * 3 / 4);
    part.Rotation = i % 4 == 0 ? (i * 7) % 360 : 0;
    part.FillColor = 0x404040u + static_cast<Colour>(i % 97) * 0x010203u;
    part.LineStyle = i % 5 == 0 ? 1 : 0;
    part.Caption = "Object " + std::to_string(i) + "\r\nwith a caption";
    if (part.Type == LibraryObject)
        part.LibObjID = FirstLibraryNumber + i / 9 % (LastLibraryNumber - FirstLibraryNumber + 1);
    if (part.Type == Label) {
        part.LineColor = static_cast<Colour>(i % 3);  // the alignment
        if (i % 2 == 0)
            part.Font = CFont{};
    }
    if ((part.Type == Door || part.Type == Window) && i % 7 == 0)
        part.SnapToWallFlag = true;
}

}  // namespace furnished

// Replaces the room's walls and objects by `objectCount` objects laid out in even rows.
inline void Furnish(CRoom& room, int objectCount)
{
    using namespace furnished;
    room.Width = RoomWidth;
    room.Height = RoomHeight;
    room.Parts.clear();
    BuildWalls(room);
    const int columns = static_cast<int>(std::ceil(std::sqrt(objectCount * double{RoomWidth} / RoomHeight)));
    const int rows = (objectCount + columns - 1) / columns;
    const int32_t cellWidth = RoomWidth / columns;
    const int32_t cellHeight = RoomHeight / rows;
    for (int i = 0; i < objectCount; ++i) {
        CPart& part = room.AddPart(nullptr, true);
        FillPart(part, i, cellWidth, cellHeight);
        part.PosX = i % columns * cellWidth + cellWidth / 10;
        part.PosY = i / columns * cellHeight + cellHeight / 8;
    }
    room.SnapAllToWalls();
}
