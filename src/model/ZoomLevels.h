#pragma once
// The scale of the plan view: the zoom range and its fixed levels, best fit, and the size of
// the plan image at a zoom, kept within what a bitmap can sensibly hold.

#include <array>
#include <cstdint>
#include <optional>

class CRoom;

struct PixelSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Pixels per room unit; 1.0 is shown as 100 %.
constexpr double MinZoom = 0.05;
constexpr double MaxZoom = 4.0;

// The steps of Zoom In and Zoom Out, ascending.
constexpr std::array<double, 15> ZoomLevels = {0.05, 0.07, 0.1, 0.15, 0.2, 0.25, 0.33, 0.5,
                                               0.75, 1.0,  1.3,  1.6, 2.0,  3.0,  4.0};

// The largest plan image made, on screen or in a file: far beyond any screen or printed page,
// yet small enough for the image and an encoded copy to fit in memory together.
constexpr int32_t MaxImageSide = 20000;
constexpr int64_t MaxImagePixels = 100'000'000;

// The zoom within [MinZoom, MaxZoom]; NaN gives MinZoom, the zoom with the smallest image.
double ClampZoom(double zoom);

// The next level above or below a zoom, which need not be a level itself; nothing at the end
// of the table.
std::optional<double> NextZoomIn(double zoom);
std::optional<double> NextZoomOut(double zoom);

// The zoom at which the whole room with its margins fits the available area, never above 100 %
// and clamped to the zoom range; nothing when the room with its margins has no width or height.
std::optional<double> BestFitZoom(const CRoom& room, PixelSize available);

// The room's margins left, top, right and bottom in pixels at a zoom, truncated.
std::array<int32_t, 4> BorderPixels(const CRoom& room, double zoom);

// The plan image of the whole room with its margins at a zoom.
PixelSize RoomImageSize(const CRoom& room, double zoom);

// True when the plan image at the zoom stays within MaxImageSide and MaxImagePixels.
bool ImageFits(const CRoom& room, double zoom);

// The zoom the view takes when asked for `wanted`: clamped to the zoom range, then lowered
// to the largest zoom whose image fits. Only a room so large that even MinZoom gives too big
// an image is shown below MinZoom: a smaller plan is more use than none, and no bitmap beyond
// the limits is ever made.
double LargestZoomThatFits(const CRoom& room, double wanted);
