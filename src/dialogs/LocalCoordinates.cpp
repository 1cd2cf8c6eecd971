#include "dialogs/LocalCoordinates.h"

#include "base/Numeric.h"
#include "model/PlanRendering.h"

#include <algorithm>

namespace {

// How far the dialog reaches down over the plan's top edge.
constexpr int32_t PlanOverlap = 15;

int32_t ToRoomLength(int64_t imagePixel, int32_t border, double zoom)
{
    return TruncToInt(static_cast<double>(imagePixel - border) / zoom);
}

}  // namespace

Point PlanPointFromViewPixel(const CRoom& room, double zoom, Point scroll, Point pixel)
{
    const PlanView view = WholeRoomView(room, zoom);
    return {ToRoomLength(int64_t{scroll.x} + pixel.x, view.offsetX, zoom),
            ToRoomLength(int64_t{scroll.y} + pixel.y, view.offsetY, zoom)};
}

Point PlaceAbovePlan(const Rect& planArea, int32_t width, int32_t height, int32_t minTop)
{
    const int32_t planWidth = planArea.right - planArea.left;
    return {planArea.left + (planWidth - width) / 2,
            std::max(minTop, planArea.top - height + PlanOverlap)};
}
