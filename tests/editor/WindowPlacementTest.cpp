#include "editor/WindowPlacement.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Most = std::numeric_limits<int32_t>::max();
constexpr Rect Screen = {0, 0, 1920, 1080};
constexpr Rect WorkArea = {0, 30, 1920, 1080};  // below a top panel

// A window 20 pixels wider and 100 higher than its scroll box, with no scroll bar shown.
ViewFrame Frame()
{
    return {{800, 600}, {780, 500}, 17, 15, false, false};
}

WindowBounds Fit(PixelSize image, Point topLeft, const ViewFrame& frame = Frame())
{
    return FitWindowToPlan(image, frame, 400, WorkArea, topLeft);
}

}  // namespace

TEST(WindowPlacement, AStoredPlacementIsKeptOnTheScreen)
{
    EXPECT_EQ(KeepOnScreen({100, 50, 2500, 700}, Screen), (WindowBounds{0, 50, 1920, 700}));
    EXPECT_EQ(KeepOnScreen({1500, 400, 636, 479}, Screen), (WindowBounds{1284, 400, 636, 479}));
    EXPECT_EQ(KeepOnScreen({-50, -20, 636, 1200}, Screen), (WindowBounds{0, 0, 636, 1080}));
    EXPECT_EQ(KeepOnScreen({220, 107, 0, -5}, Screen), (WindowBounds{220, 107, 1, 1}));
    EXPECT_EQ(KeepOnScreen({100, 100, 636, 479}, {1920, 0, 3840, 1080}), (WindowBounds{1920, 100, 636, 479}));
    EXPECT_EQ(KeepOnScreen({Most, Most, Most, Most}, Screen), (WindowBounds{0, 0, 1920, 1080}));
}

TEST(WindowPlacement, BestFitAreaCountsInTheScrollBarsShown)
{
    const ViewFrame frame = {{800, 600}, {763, 500}, 17, 15, true, false};
    EXPECT_EQ(BestFitArea(frame, WorkArea, false), (PixelSize{780, 500}));
    EXPECT_EQ(BestFitArea(frame, WorkArea, true), (PixelSize{1920 - 37 + 17, 1050 - 100}));
}

TEST(WindowPlacement, TheWindowFitsAPlanThatFitsTheWorkArea)
{
    EXPECT_EQ(Fit({500, 300}, {100, 100}), (WindowBounds{100, 100, 520, 400}));
    EXPECT_EQ(Fit({100, 100}, {100, 100}), (WindowBounds{100, 100, 400, 200}));
    EXPECT_EQ(Fit({500, 300}, {1700, 900}), (WindowBounds{1400, 680, 520, 400}));
    // The bars shown now are not needed once the window fits the plan.
    const ViewFrame scrolled = {{800, 600}, {763, 485}, 17, 15, true, true};
    EXPECT_EQ(Fit({500, 300}, {100, 100}, scrolled), (WindowBounds{100, 100, 520, 400}));
}

TEST(WindowPlacement, APlanLargerThanTheWorkAreaIsCutAndMakesRoomForTheScrollBar)
{
    EXPECT_EQ(Fit({3000, 300}, {100, 100}), (WindowBounds{0, 100, 1920, 415}));
    EXPECT_EQ(Fit({500, 2000}, {100, 100}), (WindowBounds{100, 30, 537, 1050}));
    // The vertical bar pushes a window that just fitted back from the right edge.
    EXPECT_EQ(Fit({500, 2000}, {1400, 100}), (WindowBounds{1383, 30, 537, 1050}));
    // Too large both ways: the whole work area, the height grown only once.
    EXPECT_EQ(Fit({3000, 2000}, {100, 100}), (WindowBounds{0, 30, 1920, 1050}));
    EXPECT_EQ(Fit({Most, Most}, {Most, Most}), (WindowBounds{0, 30, 1920, 1050}));
}
