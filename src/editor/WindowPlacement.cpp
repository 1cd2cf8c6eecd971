#include "editor/WindowPlacement.h"

#include "base/Numeric.h"

#include <algorithm>

namespace {

// A stored span of one axis cut to the screen's and moved onto it.
void KeepSpanOnScreen(int32_t& start, int32_t& length, int32_t low, int32_t high)
{
    const int64_t room = std::max<int64_t>(int64_t{high} - low, 1);
    length = static_cast<int32_t>(std::clamp<int64_t>(length, 1, room));
    start = std::max(start, low);
    if (int64_t{start} + length > high)
        start = SaturateToInt(int64_t{high} - length);
}

// A span of one axis that passes the far edge of [low, high) is moved back; if it then starts
// before low it starts at low and is cut to the whole range. True when it was cut.
bool FitSpan(int64_t& start, int64_t& length, int32_t low, int32_t high)
{
    if (start + length <= high)
        return false;
    start = high - length;
    if (start >= low)
        return false;
    start = low;
    length = int64_t{high} - low;
    return true;
}

int64_t Shown(bool shown, int32_t size)
{
    return shown ? size : 0;
}

}  // namespace

WindowBounds KeepOnScreen(WindowBounds bounds, const Rect& screen)
{
    KeepSpanOnScreen(bounds.left, bounds.width, screen.left, screen.right);
    KeepSpanOnScreen(bounds.top, bounds.height, screen.top, screen.bottom);
    return bounds;
}

PixelSize BestFitArea(const ViewFrame& frame, const Rect& workArea, bool autosize)
{
    int64_t width = frame.client.width;
    int64_t height = frame.client.height;
    if (autosize) {  // the work area less the window's frame around the scroll box
        width += int64_t{workArea.right} - workArea.left - frame.window.width;
        height += int64_t{workArea.bottom} - workArea.top - frame.window.height;
    }
    width += Shown(frame.verticalBarShown, frame.verticalBarWidth);
    height += Shown(frame.horizontalBarShown, frame.horizontalBarHeight);
    return {SaturateToInt(width), SaturateToInt(height)};
}

WindowBounds FitWindowToPlan(PixelSize image, const ViewFrame& frame, int32_t minimumWidth,
                             const Rect& workArea, Point topLeft)
{
    int64_t width = int64_t{image.width} + frame.window.width - frame.client.width -
                    Shown(frame.verticalBarShown, frame.verticalBarWidth);
    int64_t height = int64_t{image.height} + frame.window.height - frame.client.height -
                     Shown(frame.horizontalBarShown, frame.horizontalBarHeight);
    width = std::max<int64_t>(width, minimumWidth);
    int64_t left = topLeft.x;
    int64_t top = topLeft.y;
    if (FitSpan(left, width, workArea.left, workArea.right))
        height += frame.horizontalBarHeight;
    if (FitSpan(top, height, workArea.top, workArea.bottom)) {
        width += frame.verticalBarWidth;
        FitSpan(left, width, workArea.left, workArea.right);
    }
    return {SaturateToInt(left), SaturateToInt(top), SaturateToInt(width), SaturateToInt(height)};
}
