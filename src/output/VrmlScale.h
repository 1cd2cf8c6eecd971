#pragma once
// How the room's lengths and angles become the scene's: plan x is the scene's x, plan y its
// z, and heights above the floor run along its y axis, which points up.

#include "base/Numeric.h"
#include "model/Units.h"

#include <cmath>
#include <cstdint>

// Scene units per room unit; at a zoom of 100 % a scene unit is one metre in every room unit.
inline double SceneScale(int32_t zoomPercent, int unit)
{
    return zoomPercent * UnitAt(unit).centimetres * 0.0001;
}

// A plan angle in degrees, clockwise on the plan, as radians about the scene's up axis. The
// angle is negated in its own type: whole degrees for objects, a double for a wall's direction.
inline double SceneAngle(int32_t degrees)
{
    return DegToRad(static_cast<double>(-int64_t{degrees}));
}

inline double SceneAngle(double degrees)
{
    return DegToRad(-degrees);
}

// Whether a size is written as more than 0.00: viewers refuse a scale that is zero or less.
inline bool IsVisibleSize(double size)
{
    return std::trunc(size * 100) > 0;
}
