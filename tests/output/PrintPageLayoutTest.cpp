// The printed page laid out for a room of 520 × 420 cm with margins of 35 at 1 : 75, on a
// printer of 600 pixels per inch with a page of 4800 × 6600 pixels and a border of 1 cm.

#include "output/PrintPageLayout.h"

#include "model/CRoom.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int32_t NoteHeight = 40;
// 1 cm of room is 1/75 cm on paper: 600 / 2.54 / 75 printer pixels.
constexpr double PixelsPerCm = 600 / 2.54 / 75;

CRoom Room(int32_t grid)
{
    CRoom room;
    room.Width = 520;
    room.Height = 420;
    room.SpaceAround = {35, 35, 35, 35};
    room.Unit = 1;
    room.UnitName = "cm";
    room.GridSize = grid;
    return room;
}

PageLayout Page(const CRoom& room, const PageContent& content)
{
    CPrintSizeCalculator calculator;
    calculator.SetPrinter({.pageWidth = 4800, .pageHeight = 6600, .pixelsPerInchX = 600, .pixelsPerInchY = 600,
                           .titleHeight = 80, .noteHeight = NoteHeight});
    calculator.ImageWidth = 2 * 590;  // the picture has two pixels per centimetre
    calculator.ImageHeight = 2 * 490;
    calculator.PageBorder = 1.0;
    calculator.RequestedScale = 75;
    EXPECT_TRUE(calculator.Calculate(room, content));
    return LayOutPage(calculator, room, content);
}

}  // namespace

TEST(PrintPageLayout, TheDrawingIsCentredBetweenTheSideBordersBelowTheTitle)
{
    const PageLayout page = Page(Room(50), {.title = true, .note1 = true, .note2 = true});
    EXPECT_EQ(page.title, (Rect{236, 236, 4800 - 236, 236 + 80}));
    EXPECT_EQ(page.drawing.top, 236 + 120);
    EXPECT_NEAR(page.drawing.right - page.drawing.left, 590 * PixelsPerCm, 1);
    // Both the left edge and the width are cut to whole pixels.
    EXPECT_NEAR(page.drawing.left - 236, 4800 - 236 - page.drawing.right, 2);
    // Without a scale bar the first note starts a line below the drawing, the second half a
    // line below the first.
    EXPECT_EQ(page.note1, (Rect{236, page.drawing.bottom + 40, 4800 - 236, page.drawing.bottom + 80}));
    EXPECT_EQ(page.note2, (Rect{236, page.drawing.bottom + 100, 4800 - 236, page.drawing.bottom + 140}));
}

TEST(PrintPageLayout, TheScaleBarIsAboutAnInchOfWholeGridStepsEndingAtTheLastGridLine)
{
    // An inch is 190.5 cm of room at 1 : 75; the bar takes the next whole number of steps.
    const std::pair<int32_t, int32_t> grids[] = {{50, 200}, {30, 210}, {3, 192}, {100, 200}, {0, 200}, {-5, 200}};
    for (const auto& [grid, units] : grids) {
        const CRoom room = Room(grid);
        const PageLayout page = Page(room, {.scaleBar = true});
        EXPECT_EQ(page.bar.units, units) << "grid " << grid;
        EXPECT_EQ(page.bar.length, static_cast<int32_t>(units * PixelsPerCm + 0.5)) << "grid " << grid;
        EXPECT_EQ(page.bar.label, std::to_string(units) + " cm");
        // The last grid line within the room lies at 500 for a step of 50, 510 for 30.
        const int32_t step = grid < 1 ? 50 : grid;
        const double lastLine = page.drawing.left + (35 + room.Width / step * step) * PixelsPerCm;
        EXPECT_NEAR(page.bar.left + page.bar.length, lastLine, 1) << "grid " << grid;
    }
}

TEST(PrintPageLayout, TheScaleBarHangsBelowTheDrawingWithItsLabelUnderIt)
{
    const PageLayout page = Page(Room(50), {.scaleBar = true, .note1 = true});
    const int32_t bottom = page.drawing.bottom;
    EXPECT_EQ((std::array{page.lines.tickTop, page.lines.tickBottom, page.lines.barY, page.lines.labelTop,
                          page.note1.top, page.lines.bottom}),
              (std::array{bottom, bottom + 20, bottom + 10, bottom + 22, bottom + 120, bottom + 160}));
}
