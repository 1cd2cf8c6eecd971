#pragma once
// Objects for tests, placed and sized in one call.

#include "model/CPart.h"

inline CPart MakePart(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height, int32_t rotation = 0)
{
    CPart part;
    part.Type = type;
    part.PosX = x;
    part.PosY = y;
    part.Width = width;
    part.Height = height;
    part.Rotation = rotation;
    return part;
}
