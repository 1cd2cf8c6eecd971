#pragma once
// The arithmetic of the Explore-in-3D setup: the start rotation read from the dial under the
// pointer (with snapping to the eight main directions), the dial's needle and shading, and the
// plan preview's scale and the pixel at which it shows the start point.

#include "base/Geometry.h"

#include <cstdint>
#include <optional>

class CRoom;

// The rotation pointed at from the dial's centre by an offset (dx, dy) in pixels, y downwards:
// 0 straight up, growing clockwise, from 0 to 359. With snap, the nearest multiple of 45.
int32_t DialAngle(int32_t dx, int32_t dy, bool snap);

// Where a needle of `length` pixels from `centre` ends when it points `degrees` clockwise from up.
Point NeedleEnd(Point centre, int32_t length, int32_t degrees);


// The zoom at which the room with its margins fits a box of the given size in pixels, as large
// as it fits; nothing when the room with its margins has no width or height.
std::optional<double> PreviewZoom(const CRoom& room, int32_t boxWidth, int32_t boxHeight);

// The pixel at which the whole room's view at a zoom (the preview's) draws a plan point; the
// converse of PlanPointFromViewPixel.
Point ViewPixelOf(const CRoom& room, double zoom, Point plan);
