#include "editor/Measurement.h"

#include "base/Numeric.h"
#include "editor/StatusTexts.h"
#include "localize/Messages.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// The direction from start to end in whole degrees, 0 up and clockwise, from -180 to 180.
int32_t Direction(double dx, double dy, double distance)
{
    if (!(distance > 0))
        return 0;
    const double up = std::acos(std::clamp(-dy / distance, -1.0, 1.0)) * 180 / std::numbers::pi;
    const int32_t degrees = TruncToInt(up);
    return dx < 0 ? -degrees : degrees;
}

// The nearest multiple of 45 degrees, from 0 to 315.
int32_t NearestOctant(int32_t degrees)
{
    return (degrees + 360 + 22) / 45 * 45 % 360;
}

}  // namespace

Point GrabOffset(Point roomPixel, Point position, double zoom)
{
    return {TruncToInt(roomPixel.x - position.x * zoom), TruncToInt(roomPixel.y - position.y * zoom)};
}

Point DragPosition(Point roomPixel, Point grabOffset, double zoom)
{
    const auto along = [zoom](int32_t pixel, int32_t grab) {
        return TruncToInt(static_cast<double>(int64_t{pixel} - grab) / zoom);
    };
    return {along(roomPixel.x, grabOffset.x), along(roomPixel.y, grabOffset.y)};
}

PointF RoomPointAt(Point roomPixel, double zoom)
{
    return {roomPixel.x / zoom, roomPixel.y / zoom};
}

Point RoomPixelOf(PointF roomPoint, double zoom)
{
    return {RoundToInt(roomPoint.x * zoom), RoundToInt(roomPoint.y * zoom)};
}

Point MeasureEnd(Point start, Point pointer, bool snap)
{
    if (!snap)
        return pointer;
    const double dx = static_cast<double>(int64_t{pointer.x} - start.x);
    const double dy = static_cast<double>(int64_t{pointer.y} - start.y);
    const double distance = std::hypot(dx, dy);
    const int32_t octant = NearestOctant(Direction(dx, dy, distance));
    double length = distance;
    if (octant % 180 == 90)
        length = std::fabs(dx);
    else if (octant % 180 == 0)
        length = std::fabs(dy);
    const double radians = DegToRad(octant);
    return {RoundToInt(start.x + length * std::sin(radians)), RoundToInt(start.y - length * std::cos(radians))};
}

double MeasuredLength(Point start, Point end, double zoom)
{
    const double dx = static_cast<double>(int64_t{end.x} - start.x);
    const double dy = static_cast<double>(int64_t{end.y} - start.y);
    return std::hypot(dx, dy) / zoom;
}

std::string MeasurementMessage(double length, const std::string& unitName, const NumberPunctuation& punctuation)
{
    // The panel's text without its label, so that the box and the panel show one number.
    const std::string panel = MeasurePanelText(length, unitName, punctuation);
    const size_t label = Msg(MsgMeasurement).size() + 2;
    return Msg(MsgLengthIs) + " " + (panel.size() > label ? panel.substr(label) : std::string()) + ".";
}
