#include "dialogs/Explore3DGeometry.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "model/PlanRendering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int32_t DialAngle(int32_t dx, int32_t dy, bool snap)
{
    const double distance = std::hypot(double(dx), double(dy));
    int32_t angle = 0;
    if (distance > 0) {
        // Rounding may put the cosine a hair outside [-1, 1], where acos has no value.
        const double cosine = std::clamp(-dy / distance, -1.0, 1.0);
        angle = TruncToInt(std::acos(cosine) * 180.0 / std::numbers::pi);
    }
    if (dx < 0)
        angle = -angle;
    angle += 360;
    if (snap)
        angle = (angle + 22) / 45 * 45;
    return angle % 360;
}

Point NeedleEnd(Point centre, int32_t length, int32_t degrees)
{
    const double radians = DegToRad(degrees);
    return {centre.x + TruncToInt(length * std::sin(radians)),
            centre.y - TruncToInt(length * std::cos(radians))};
}

std::optional<double> PreviewZoom(const CRoom& room, int32_t boxWidth, int32_t boxHeight)
{
    const int64_t width = room.TotalWidth();
    const int64_t height = room.TotalHeight();
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return std::min(double(boxWidth) / double(width), double(boxHeight) / double(height));
}

Point ViewPixelOf(const CRoom& room, double zoom, Point plan)
{
    const PlanView view = WholeRoomView(room, zoom);
    return {SaturateToInt(int64_t{RoundToInt(plan.x * zoom)} + view.offsetX),
            SaturateToInt(int64_t{RoundToInt(plan.y * zoom)} + view.offsetY)};
}
