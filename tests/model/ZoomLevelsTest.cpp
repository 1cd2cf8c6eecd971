#include "model/ZoomLevels.h"

#include "model/CRoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int32_t Most = std::numeric_limits<int32_t>::max();

CRoom MakeRoom(int32_t width, int32_t height, std::array<int32_t, 4> margins = {0, 0, 0, 0})
{
    CRoom room;
    room.Width = width;
    room.Height = height;
    room.SpaceAround = margins;
    return room;
}

// The levels a step goes through from the zoom until it stops; a step that never stops gives
// more levels than there are.
template <typename Step>
std::vector<double> Steps(double zoom, Step step)
{
    std::vector<double> levels;
    for (std::optional<double> next = step(zoom); next && levels.size() <= 16; next = step(*next))
        levels.push_back(*next);
    return levels;
}

}  // namespace

TEST(ZoomLevels, ZoomInAndOutStepThroughTheLevelsFromAnyZoom)
{
    EXPECT_EQ(Steps(1.0, NextZoomIn), (std::vector<double>{1.3, 1.6, 2.0, 3.0, 4.0}));
    EXPECT_EQ(Steps(1.0, NextZoomOut),
              (std::vector<double>{0.75, 0.5, 0.33, 0.25, 0.2, 0.15, 0.1, 0.07, 0.05}));
    EXPECT_EQ(NextZoomIn(0.62), 0.75);
    EXPECT_EQ(NextZoomOut(0.62), 0.5);
    EXPECT_EQ(NextZoomIn(0.02), 0.05);
    EXPECT_FALSE(NextZoomIn(std::nan("")));
}

TEST(ZoomLevels, BestFitFillsTheAreaNeverEnlargesAndGivesNothingForNoArea)
{
    EXPECT_DOUBLE_EQ(*BestFitZoom(MakeRoom(3800, 2900, {100, 50, 100, 50}), {600, 400}), 400.0 / 3000);
    EXPECT_EQ(BestFitZoom(MakeRoom(100, 80), {600, 400}), 1.0);
    EXPECT_EQ(BestFitZoom(MakeRoom(1'000'000, 1'000'000), {600, 400}), MinZoom);
    EXPECT_EQ(BestFitZoom(MakeRoom(400, 300), {0, -20}), MinZoom);
    EXPECT_EQ(BestFitZoom(MakeRoom(Most, Most, {Most, Most, Most, Most}), {600, 400}), MinZoom);
    EXPECT_FALSE(BestFitZoom(MakeRoom(0, 300), {600, 400}));
    EXPECT_FALSE(BestFitZoom(MakeRoom(50, 300, {-30, 0, -30, 0}), {600, 400}));
}

TEST(ZoomLevels, BordersAndImageSizeTruncateEachPart)
{
    const CRoom room = MakeRoom(501, 301, {11, 21, 31, 41});
    EXPECT_EQ(BorderPixels(room, 0.5), (std::array<int32_t, 4>{5, 10, 15, 20}));
    EXPECT_EQ(RoomImageSize(room, 0.5), (PixelSize{250 + 5 + 15, 150 + 10 + 20}));
}

TEST(ZoomLevels, TheViewZoomIsFiniteInRangeAndLoweredUntilTheImageFits)
{
    const CRoom ordinary = MakeRoom(500, 300, {35, 35, 35, 35});
    EXPECT_EQ(LargestZoomThatFits(ordinary, 0.62), 0.62);
    EXPECT_EQ(LargestZoomThatFits(ordinary, 9.0), MaxZoom);
    EXPECT_EQ(LargestZoomThatFits(ordinary, std::nan("")), MinZoom);
    EXPECT_EQ(LargestZoomThatFits(ordinary, -std::numeric_limits<double>::infinity()), MinZoom);

    // 10000 units square: the pixel limit allows one pixel per unit and a hair more.
    const CRoom square = MakeRoom(10000, 10000);
    const double zoom = LargestZoomThatFits(square, 4.0);
    EXPECT_EQ(RoomImageSize(square, zoom), (PixelSize{10000, 10000}));
    EXPECT_FALSE(ImageFits(square, std::nextafter(zoom, 2.0)));

    // A room too large for the smallest level is shown smaller still.
    const CRoom street = MakeRoom(1'000'000, 10);
    const double streetZoom = LargestZoomThatFits(street, MinZoom);
    EXPECT_LT(streetZoom, MinZoom);
    EXPECT_EQ(RoomImageSize(street, streetZoom).width, MaxImageSide);

    const CRoom largest = MakeRoom(Most, Most, {Most, Most, Most, Most});
    const double tiny = LargestZoomThatFits(largest, 1.0);
    EXPECT_TRUE(ImageFits(largest, tiny));
    EXPECT_GT(RoomImageSize(largest, tiny).width, 0);
}
