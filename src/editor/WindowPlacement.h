#pragma once
// Where the main window goes: a stored placement kept on the screen, the area that best fit
// may fill, and the window resized around the plan image. The right and bottom of a screen or
// work area are the first pixels past it, so left + width may reach right.

#include "base/Geometry.h"
#include "model/ZoomLevels.h"

#include <cstdint>

struct WindowBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// The main window around the scroll box that shows the plan, as it is now.
struct ViewFrame {
    PixelSize window;  // the whole window
    PixelSize client;  // the scroll box's client area, without the scroll bars shown
    int32_t verticalBarWidth = 0;
    int32_t horizontalBarHeight = 0;
    bool verticalBarShown = false;
    bool horizontalBarShown = false;
};

// A stored placement moved and shrunk so that the window lies on the screen: a size larger
// than the screen becomes the screen's, and an edge beyond it is moved back. A size below one
// pixel becomes one pixel.
WindowBounds KeepOnScreen(WindowBounds bounds, const Rect& screen);

// The scroll-box area that best fit may fill. With autosize the window may grow to the work
// area; either way the scroll bars shown now are counted in, since a fitted plan needs none.
PixelSize BestFitArea(const ViewFrame& frame, const Rect& workArea, bool autosize);

// The window just large enough to show the plan image without scroll bars, at least
// `minimumWidth` wide, keeping its left and top unless it would pass the work area's right or
// bottom edge. When it cannot fit the work area it is cut to it, and grows by the scroll bar
// that the cut brings. Meant for a window in its normal state, neither maximized nor minimized.
WindowBounds FitWindowToPlan(PixelSize image, const ViewFrame& frame, int32_t minimumWidth,
                             const Rect& workArea, Point topLeft);
