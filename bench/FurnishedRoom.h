#pragma once
// The large room the benchmarks work on: a 2000 × 1500 room filled with turned cabinets, each
// with a two-line caption.

#include "model/CRoom.h"

#include <string>

inline void Furnish(CRoom& room, int objectCount)
{
    room.Width = 2000;
    room.Height = 1500;
    room.Walls.MakeRectangle(room.Width, room.Height, room.WallThickness);
    for (int i = 0; i < objectCount; ++i) {
        CPart& part = room.AddPart();
        part.InUse = true;
        part.PosX = 20 + i % 40 * 48;
        part.PosY = 20 + i / 40 * 58;
        part.Width = 40;
        part.Height = 50;
        part.Rotation = i % 360;
        part.Caption = "Cabinet number " + std::to_string(i) + "\r\nwith two doors";
    }
}
