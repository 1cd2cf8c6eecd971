#include "dialogs/BackgroundCalibration.h"

#include "model/CBackground.h"
#include "platform/Canvas.h"

#include <cmath>

double Distance(const std::array<PointF, 2>& points)
{
    return std::hypot(points[1].x - points[0].x, points[1].y - points[0].y);
}

bool ApplyCalibration(CBackground& background, const CalibrationEntry& entry)
{
    const auto number = [](const std::optional<double>& value) { return !value || std::isfinite(*value); };
    if (!number(entry.distance) || !number(entry.offsetX) || !number(entry.offsetY) || !number(entry.rotation))
        return false;
    CBackground result = background;
    if (entry.rotation) {
        PointF pivot = entry.points ? (*entry.points)[0] : PointF{result.OffsetX, result.OffsetY};
        if (!entry.points && result.Picture)
            pivot = result.ToPlan({result.Picture->Width() / 2.0, result.Picture->Height() / 2.0});
        result.RotateAbout(pivot, *entry.rotation);
    }
    if (entry.distance && !(entry.points && result.Calibrate((*entry.points)[0], (*entry.points)[1], *entry.distance)))
        return false;
    if (entry.opacity && (*entry.opacity < 0 || *entry.opacity > 100))
        return false;
    result.OffsetX = entry.offsetX.value_or(result.OffsetX);
    result.OffsetY = entry.offsetY.value_or(result.OffsetY);
    result.Opacity = entry.opacity.value_or(result.Opacity);
    background = result;
    return true;
}
