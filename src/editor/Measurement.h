#pragma once
// The arithmetic of the pointer on the plan: where a dragged object goes, and the measuring
// line with its length. Pixels are those of the plan image; "room pixels" are measured from
// the room's origin, the image pixel less the left and top margins.

#include "base/Geometry.h"

#include <string>

struct NumberPunctuation;

// Where the pointer holds an object: its offset in pixels from the object's position.
Point GrabOffset(Point roomPixel, Point position, double zoom);

// The position of an object held at `grabOffset` when the pointer is at `roomPixel`,
// truncated and saturated to the int32 range.
Point DragPosition(Point roomPixel, Point grabOffset, double zoom);

// A room pixel in room units and back, so that a point stays on its spot when the zoom
// changes; the way back rounds half away from zero.
PointF RoomPointAt(Point roomPixel, double zoom);
Point RoomPixelOf(PointF roomPoint, double zoom);

// The end of a measuring line from `start` to the pointer. With `snap` the line turns to the
// nearest of the eight directions at multiples of 45 degrees: horizontal and vertical lines
// keep the pointer's horizontal or vertical distance, diagonals the pointer's distance.
Point MeasureEnd(Point start, Point pointer, bool snap);

// The length of a line between two pixels in room units.
double MeasuredLength(Point start, Point end, double zoom);

// "The length is 1,234.50cm.": the length formatted as the measurement panel shows it.
std::string MeasurementMessage(double length, const std::string& unitName, const NumberPunctuation& punctuation);
