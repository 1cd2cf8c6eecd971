#include "model/ZoomLevels.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "model/PlanRendering.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Halvings of the search for the largest zoom that fits: enough to reach neighbouring doubles.
constexpr int ZoomSearchSteps = 64;

}  // namespace

double ClampZoom(double zoom)
{
    if (std::isnan(zoom))
        return MinZoom;
    return std::clamp(zoom, MinZoom, MaxZoom);
}

std::optional<double> NextZoomIn(double zoom)
{
    const auto next = std::upper_bound(ZoomLevels.begin(), ZoomLevels.end(), zoom);
    if (next == ZoomLevels.end())
        return std::nullopt;
    return *next;
}

std::optional<double> NextZoomOut(double zoom)
{
    const auto atOrAbove = std::lower_bound(ZoomLevels.begin(), ZoomLevels.end(), zoom);
    if (atOrAbove == ZoomLevels.begin())
        return std::nullopt;
    return *std::prev(atOrAbove);
}

std::optional<double> BestFitZoom(const CRoom& room, PixelSize available)
{
    const int64_t planWidth = room.TotalWidth();
    const int64_t planHeight = room.TotalHeight();
    if (planWidth <= 0 || planHeight <= 0)
        return std::nullopt;
    const double zoom = std::min(static_cast<double>(available.width) / static_cast<double>(planWidth),
                                 static_cast<double>(available.height) / static_cast<double>(planHeight));
    return ClampZoom(std::min(zoom, 1.0));
}

std::array<int32_t, 4> BorderPixels(const CRoom& room, double zoom)
{
    std::array<int32_t, 4> border{};
    std::transform(room.SpaceAround.begin(), room.SpaceAround.end(), border.begin(),
                   [zoom](int32_t margin) { return TruncToInt(margin * zoom); });
    return border;
}

PixelSize RoomImageSize(const CRoom& room, double zoom)
{
    const PlanView view = WholeRoomView(room, zoom);
    return {view.width, view.height};
}

bool ImageFits(const CRoom& room, double zoom)
{
    const PixelSize size = RoomImageSize(room, zoom);
    const int64_t width = std::max(size.width, 0);
    const int64_t height = std::max(size.height, 0);
    return width <= MaxImageSide && height <= MaxImageSide && width * height <= MaxImagePixels;
}

double LargestZoomThatFits(const CRoom& room, double wanted)
{
    const double zoom = ClampZoom(wanted);
    if (ImageFits(room, zoom))
        return zoom;
    // Bisection between a zoom that fits and one that does not; the image grows with the zoom.
    double fits = ImageFits(room, MinZoom) ? MinZoom : 0.0;
    double tooLarge = zoom;
    for (int step = 0; step < ZoomSearchSteps; ++step) {
        const double middle = (fits + tooLarge) / 2;
        (ImageFits(room, middle) ? fits : tooLarge) = middle;
    }
    return fits;
}
