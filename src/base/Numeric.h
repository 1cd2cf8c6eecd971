#pragma once
// Rounding and narrowing rules shared by the model's geometry.

#include <cmath>
#include <cstdint>
#include <limits>

// Cuts toward zero and saturates to the int32 range, so that no length read from a
// file can make a conversion undefined; NaN gives 0.
inline int32_t TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (v <= lo)
        return std::numeric_limits<int32_t>::min();
    if (v >= hi)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

// Halves away from zero: add 0.5 to a positive value, subtract it from a negative one, cut.
inline int32_t RoundToInt(double v)
{
    return TruncToInt(v >= 0 ? v + 0.5 : v - 0.5);
}

inline int32_t SaturateToInt(int64_t v)
{
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

constexpr double DegToRad(double degrees)
{
    return degrees * 2.0 * 3.14159265358979323846 / 360.0;
}
