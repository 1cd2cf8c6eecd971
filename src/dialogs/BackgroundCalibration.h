#pragma once
// The rules of the background picture's calibration: what the user clicked and typed, and
// how it moves, turns and scales the picture.

#include "base/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>

class CBackground;

// Each typed value is nothing when the user left it as it was shown, and not finite when what
// was typed is no number.
struct CalibrationEntry {
    std::optional<std::array<PointF, 2>> points;  // two plan points clicked on the picture
    std::optional<double> distance;               // their real distance, in room units
    std::optional<double> offsetX;                // the plan point of the top-left corner
    std::optional<double> offsetY;
    std::optional<double> rotation;  // degrees
    std::optional<int32_t> opacity;  // percent
};

// The distance of the two points.
double Distance(const std::array<PointF, 2>& points);

// The rotation turns the picture about the first clicked point, or else about its centre; the
// distance then scales it about the first point; typed offsets finally place its corner. False,
// leaving the background as it was, when the distance cannot be met (no points, points that
// coincide, a distance that is not positive), a value is no number or the opacity is outside
// 0 to 100.
bool ApplyCalibration(CBackground& background, const CalibrationEntry& entry);
