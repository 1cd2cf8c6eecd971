// Fitting the drawing onto the page, with a printer of 600 pixels per inch whose printable
// page is 4800 × 6600 pixels (8 × 11 inches).

#include "output/CPrintSizeCalculator.h"

#include "model/CRoom.h"
#include "output/PrintPageLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr PrinterFigures Printer{.pageWidth = 4800,
                                 .pageHeight = 6600,
                                 .pixelsPerInchX = 600,
                                 .pixelsPerInchY = 600,
                                 .titleHeight = 80,
                                 .noteHeight = 40};

// A room of 520 × 420 cm with margins of 35, printed from its picture at one pixel per cm.
CRoom Room()
{
    CRoom room;
    room.Width = 520;
    room.Height = 420;
    room.SpaceAround = {35, 35, 35, 35};
    room.Unit = 1;
    return room;
}

CPrintSizeCalculator Calculator(int32_t width, int32_t height, double border = 1.0)
{
    CPrintSizeCalculator calculator;
    calculator.SetPrinter(Printer);
    calculator.ImageWidth = width;
    calculator.ImageHeight = height;
    calculator.PageBorder = border;
    return calculator;
}

// The width of the page between the borders of 1 cm, in centimetres.
constexpr double InnerWidthCm = (4800 - 2 * 236) / 600.0 * 2.54;

}  // namespace

TEST(CPrintSizeCalculator, MaximizeFillsTheNarrowerSideBetweenTheBordersBelowTheTitle)
{
    const CRoom room = Room();
    // 1 cm is 236.2 pixels, cut to 236: the page leaves 4328 × 6128 pixels for the drawing.
    CPrintSizeCalculator wide = Calculator(590, 490);
    ASSERT_TRUE(wide.Calculate(room, {}));
    EXPECT_EQ(wide.Border, 236);
    EXPECT_EQ(wide.ImageTop, 236);
    EXPECT_DOUBLE_EQ(wide.Factor, 4328.0 / 590);
    // 590 cm of room and margins drawn across the inner width of the page.
    EXPECT_NEAR(wide.MaxScale, 590 / InnerWidthCm, 1e-9);

    CPrintSizeCalculator tall = Calculator(590, 1500);
    ASSERT_TRUE(tall.Calculate(room, {}));
    EXPECT_DOUBLE_EQ(tall.Factor, 6128.0 / 1500);
    EXPECT_NEAR(tall.MaxScale, 590 / (590 * tall.Factor / 600 * 2.54), 1e-9);
    // The title moves the drawing down by a line and a half.
    ASSERT_TRUE(tall.Calculate(room, {.title = true}));
    EXPECT_EQ(tall.ImageTop, 236 + 120);
    EXPECT_DOUBLE_EQ(tall.Factor, (6600 - 236 - 356) / 1500.0);
}

TEST(CPrintSizeCalculator, ARequestedScaleFitsOnlyWhenSmallerThanTheLargest)
{
    const CRoom room = Room();
    CPrintSizeCalculator calculator = Calculator(590, 490);
    ASSERT_TRUE(calculator.Calculate(room, {}));
    const double largest = calculator.MaxScale;
    const double maximized = calculator.Factor;

    calculator.RequestedScale = largest;
    EXPECT_FALSE(calculator.Calculate(room, {})) << "the largest scale itself is refused";
    EXPECT_DOUBLE_EQ(calculator.Factor, maximized);
    calculator.RequestedScale = largest * 0.99;
    EXPECT_FALSE(calculator.Calculate(room, {}));
    // Also where the sums come out exactly equal to the fit.
    CRoom narrower = Room();
    narrower.Width = 500;
    CPrintSizeCalculator exact = Calculator(570, 490);
    ASSERT_TRUE(exact.Calculate(narrower, {}));
    exact.RequestedScale = exact.MaxScale;
    EXPECT_FALSE(exact.Calculate(narrower, {}));

    // At 1 : 50 the 590 cm become 11.8 cm on paper.
    calculator.RequestedScale = 50;
    ASSERT_TRUE(calculator.Calculate(room, {}));
    EXPECT_NEAR(590 * calculator.Factor / 600 * 2.54, 11.8, 1e-9);
    EXPECT_DOUBLE_EQ(calculator.MaxScale, largest) << "the largest scale does not depend on the request";

    // Nothing or less asks for the largest drawing.
    calculator.RequestedScale = 0;
    ASSERT_TRUE(calculator.Calculate(room, {}));
    EXPECT_DOUBLE_EQ(calculator.Factor, maximized);
}

TEST(CPrintSizeCalculator, ABorderTooWideOrNegativeFallsBackToOneAndAHalfCentimetres)
{
    // A third of the page's 4800 pixels is 8 inches / 3 = 6.77 cm.
    for (const double border : {6.78, 20.0, -1.0}) {
        CPrintSizeCalculator calculator = Calculator(590, 490, border);
        ASSERT_TRUE(calculator.Calculate(Room(), {})) << border;
        EXPECT_EQ(calculator.Border, 354) << border;
    }
    CPrintSizeCalculator third = Calculator(590, 490, 6.77);
    ASSERT_TRUE(third.Calculate(Room(), {}));
    EXPECT_EQ(third.Border, 1599);
    CPrintSizeCalculator none = Calculator(590, 490, 0.0);
    ASSERT_TRUE(none.Calculate(Room(), {}));
    EXPECT_EQ(none.Border, 0);
}

// The page keeps what the lines below the drawing take, so that a height-limited drawing and
// its lines end exactly at the bottom border, whichever lines are printed.
TEST(CPrintSizeCalculator, TheLinesBelowTheDrawingEndAtTheBottomBorder)
{
    const CRoom room = Room();
    for (int lines = 0; lines < 8; ++lines) {
        const PageContent content{.title = true, .scaleBar = bool(lines & 1), .note1 = bool(lines & 2), .note2 = bool(lines & 4)};
        CPrintSizeCalculator calculator = Calculator(590, 3000);
        ASSERT_TRUE(calculator.Calculate(room, content)) << lines;
        const PageLayout page = LayOutPage(calculator, room, content);
        EXPECT_LE(page.lines.bottom, 6600 - 236) << lines;
        EXPECT_GE(page.lines.bottom, 6600 - 236 - 1) << lines;
    }
    // With the scale bar and both notes, the last note ends 5.5 note lines below the drawing.
    const PageContent all{.scaleBar = true, .note1 = true, .note2 = true};
    EXPECT_EQ(LayOutLinesBelow(1000, 40, all).bottom, 1000 + 220);
}

TEST(CPrintSizeCalculator, NothingFitsWithoutPrinterPictureOrRoomOnThePage)
{
    const CRoom room = Room();
    CPrintSizeCalculator unmeasured;
    unmeasured.ImageWidth = 590;
    unmeasured.ImageHeight = 490;
    EXPECT_FALSE(unmeasured.Calculate(room, {}));

    CPrintSizeCalculator empty = Calculator(0, 490);
    EXPECT_FALSE(empty.Calculate(room, {}));

    // A page so short that the title and the lines below take all of its height, 120 + 220.
    CPrintSizeCalculator crowded = Calculator(590, 490, 0.0);
    crowded.SetPrinter({.pageWidth = 4800, .pageHeight = 340, .pixelsPerInchX = 600, .pixelsPerInchY = 600,
                        .titleHeight = 80, .noteHeight = 40});
    EXPECT_FALSE(crowded.Calculate(room, {.title = true, .scaleBar = true, .note1 = true, .note2 = true}));
    EXPECT_TRUE(crowded.Calculate(room, {}));
}
