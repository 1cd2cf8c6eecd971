#pragma once
// The arithmetic of the local coordinates dialog: which room point lies under a pixel of the
// plan area, and where the dialog stands so that it leaves the plan in view.

#include "base/Geometry.h"

#include <cstdint>

class CRoom;

// The room point under pixel `pixel` of the plan area when the plan is drawn at `zoom` and
// scrolled by `scroll`. The margins are taken off in whole pixels, as the plan draws them,
// so the point is the one the pointer's position reads there.
Point PlanPointFromViewPixel(const CRoom& room, double zoom, Point scroll, Point pixel);

// The top-left corner of a window of the given size centred over the plan area (right and
// bottom exclusive) and reaching 15 pixels down into it, but never above `minTop`.
Point PlaceAbovePlan(const Rect& planArea, int32_t width, int32_t height, int32_t minTop);
