#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr Colour Grey = 0x808080;
constexpr Colour Floor = 0xC0E0F0;

QImage Blank(QColor colour = Qt::white)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb Rgb(Colour colour)
{
    return ToQColor(colour).rgb();
}

int Count(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

}  // namespace

TEST(QtCanvas, FloodFillStopsAtTheBorderColourOnly)
{
    QImage image = Blank(ToQColor(Floor));
    QtCanvas canvas(image);
    canvas.SetPen({Pen::Solid, Grey});
    canvas.SetBrush({Brush::Hollow, 0});
    // A diamond's one-pixel edges touch only at corners, which must still hold the fill.
    const Point diamond[] = {{20, 2}, {37, 20}, {20, 37}, {2, 20}};
    canvas.Polygon(diamond);
    canvas.FloodFill({0, 0}, Grey, 0xFFFFFF);
    EXPECT_EQ(image.pixel(20, 20), Rgb(Floor));
    EXPECT_EQ(image.pixel(39, 39), Rgb(0xFFFFFF));
    EXPECT_EQ(image.pixel(0, 39), Rgb(0xFFFFFF));

    const QImage before = image.copy();
    canvas.FloodFill({20, 2}, Grey, 0x0000FF);  // a seed on the border fills nothing
    canvas.FloodFill({-1, 40}, Grey, 0x0000FF);  // nor one outside the image
    EXPECT_EQ(image, before);

    // Without pixels to read back, as on a printer, the fill does nothing.
    QImage packed(20, 20, QImage::Format_RGB888);
    packed.fill(Qt::white);
    QtCanvas packedCanvas(packed);
    packedCanvas.FloodFill({5, 5}, Grey, 0x0000FF);
    EXPECT_EQ(packed.pixelColor(5, 5), QColor(Qt::white));
}

TEST(QtCanvas, MaskPenNotShowsOverlapsInTheCollisionColourAndPutCopiesInAnyMode)
{
    QImage image = Blank();
    QtCanvas canvas(image);
    canvas.FillRect({0, 32, 40, 40}, {Brush::Solid, Floor});
    const std::unique_ptr<CanvasImage> saved = canvas.Grab();
    const QImage before = image.copy();
    EXPECT_EQ(canvas.SetRasterMode(RasterMode::MaskPenNot), RasterMode::Copy);
    canvas.SetPen({Pen::Null, 0x3628ED});
    canvas.SetBrush({Brush::Solid, 0x3628ED});
    const Point left[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}};
    const Point right[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    canvas.Polygon(left);
    canvas.Polygon(right);
    EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(0xED, 0x28, 0x36));
    EXPECT_EQ(image.pixelColor(35, 5), QColor(Qt::white));
    canvas.Put(*saved);
    EXPECT_EQ(image, before);

    EXPECT_EQ(canvas.SetRasterMode(RasterMode::Copy), RasterMode::MaskPenNot);
    canvas.Polygon(right);
    EXPECT_EQ(image.pixelColor(25, 25), QColor(0xED, 0x28, 0x36));
}
TEST(QtCanvas, HollowBrushesAndNullPensDrawNothingAndSolidFillsCoverTheirBox)
{
    QImage image = Blank();
    QtCanvas canvas(image);
    EXPECT_EQ(canvas.SetPen({Pen::Null, 0x0000FF}), Pen{});
    EXPECT_EQ(canvas.SetBrush({Brush::Hollow, 0x0000FF}), Brush{});
    const Point triangle[] = {{2, 2}, {30, 5}, {10, 35}};
    canvas.Polygon(triangle);
    canvas.Ellipse({5, 5, 35, 35});
    canvas.Pie({5, 5, 35, 35}, {35, 20}, {20, 5});
    canvas.Polyline(triangle);
    canvas.FillRect({0, 0, 40, 40}, {Brush::Hollow, 0x0000FF});
    EXPECT_EQ(image, Blank());
    // Model colours keep red in the low byte; a box's right and bottom edges lie outside it.
    canvas.FillRect({0, 0, 10, 10}, {Brush::Solid, 0x0000FF});
    EXPECT_EQ(image.pixelColor(9, 9), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
}

TEST(QtCanvas, LinesCoverBothEndsAndDotsLeaveGaps)
{
    QImage image = Blank();
    QtCanvas canvas(image);
    canvas.SetPen({Pen::Solid, 0x000000});
    canvas.Line({0, 5}, {39, 5});
    EXPECT_EQ(Count(image.copy(0, 5, 40, 1), Rgb(0x000000)), 40);
    canvas.SetPen({Pen::Dot, 0x000000});
    canvas.Line({0, 10}, {39, 10});
    const int dots = Count(image.copy(0, 10, 40, 1), Rgb(0x000000));
    EXPECT_GE(dots, 10);
    EXPECT_LE(dots, 30);
}

TEST(QtCanvas, PieRunsCounterClockwiseOnScreenAndBezierIsNotFilled)
{
    QImage image = Blank();
    QtCanvas canvas(image);
    canvas.SetPen({Pen::Null, 0});
    canvas.SetBrush({Brush::Solid, 0x000000});
    // From three o'clock to twelve o'clock: the upper right quarter of a flat ellipse.
    canvas.Pie({0, 10, 40, 30}, {39, 20}, {20, 0});
    EXPECT_EQ(image.pixelColor(28, 15), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(12, 15), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(28, 25), QColor(Qt::white));
    // The same radials the other way round take the remaining three quarters.
    canvas.SetBrush({Brush::Solid, 0x0000FF});
    canvas.Pie({0, 10, 40, 30}, {20, 0}, {39, 20});
    EXPECT_EQ(image.pixelColor(28, 15), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(12, 15), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(28, 25), QColor(255, 0, 0));

    image.fill(Qt::white);
    canvas.SetPen({Pen::Solid, 0x000000});
    const Point arch[] = {{5, 35}, {5, 5}, {35, 5}, {35, 35}};
    canvas.PolyBezier(arch);
    EXPECT_EQ(image.pixelColor(5, 35), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(35, 35), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(20, 25), QColor(Qt::white));
    EXPECT_EQ(Count(image, Rgb(0x0000FF)), 0);
}

TEST(QtCanvas, TextIsMeasuredWrappedShortenedAndDrawnInTwoColours)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    canvas.SetTextColour(0x0000FF);
    const Rect box{10, 20, 70, 90};

    const Rect line = canvas.DrawText("Sofa", box, TextCentre | TextCalcRect);
    EXPECT_EQ((std::array{line.left, line.top}), (std::array{10, 20}));
    EXPECT_TRUE(line.right > 10 && line.bottom > 20);
    EXPECT_EQ(Count(image, qRgb(255, 255, 255)), 200 * 100);  // measuring draws nothing

    const int lineHeight = line.bottom - line.top;
    const Rect twoLines = canvas.DrawText("Sofa\r\nbed", box, TextCalcRect);
    EXPECT_EQ(twoLines.bottom - twoLines.top, 2 * lineHeight);
    EXPECT_EQ(canvas.DrawText("Sofa\r\nbed", box, TextSingleLine | TextCalcRect).bottom, line.bottom);
    const Rect wrapped = canvas.DrawText("Armchair with footstool", box, TextWordBreak | TextCalcRect);
    EXPECT_GT(wrapped.bottom - wrapped.top, lineHeight);
    EXPECT_LE(wrapped.right, box.right);
    // A remembered layout is one of the same width only.
    EXPECT_EQ(canvas.DrawText("Armchair with footstool", {10, 20, 400, 90}, TextWordBreak | TextCalcRect).bottom,
              line.bottom);

    const std::string longLine = "A very long caption that cannot fit";
    const Rect full = canvas.DrawText(longLine, box, TextSingleLine | TextCalcRect);
    const Rect shortened = canvas.DrawText(longLine, box, TextSingleLine | TextEndEllipsis | TextCalcRect);
    EXPECT_GT(full.right, box.right);
    EXPECT_LE(shortened.right, box.right);
    EXPECT_GT(shortened.right, box.left);
    // Wrapped text keeps its lines; only a word longer than a whole line is shortened.
    const Rect longWord = canvas.DrawText("Refrigerator-freezer combination", box,
                                          TextWordBreak | TextEndEllipsis | TextCalcRect);
    EXPECT_LE(longWord.right, box.right);
    EXPECT_EQ(longWord.bottom - longWord.top, 2 * lineHeight);

    canvas.DrawText(longLine, box, TextSingleLine | TextCentre | TextEndEllipsis);
    const int red = Count(image, qRgb(255, 0, 0));
    EXPECT_GT(red, 0);
    EXPECT_EQ(red + Count(image, qRgb(255, 255, 255)), 200 * 100);  // no smoothed edges
    // Shortened and clipped: nothing lands beside the box.
    EXPECT_EQ(Count(image.copy(0, 0, box.left, 100), qRgb(255, 0, 0)), 0);
    EXPECT_EQ(Count(image.copy(box.right, 0, 200 - box.right, 100), qRgb(255, 0, 0)), 0);

    // A caption longer than any plan shows is cut before it is laid out.
    const auto width = [&](size_t characters) {
        const Rect needed = canvas.DrawText(std::string(characters, 'w'), box, TextSingleLine | TextCalcRect);
        return int64_t{needed.right} - needed.left;
    };
    EXPECT_LT(width(1000), width(100000));
    EXPECT_EQ(width(100000), width(10 * 1024 * 1024));

    CFont large;
    large.size = 24;
    large.style = CFont::Bold;
    EXPECT_EQ(canvas.SetFont(large), std::nullopt);
    EXPECT_GT(canvas.DrawText("Sofa", box, TextCalcRect).bottom, line.bottom);
    EXPECT_EQ(canvas.SetFont(std::nullopt), large);
    EXPECT_EQ(canvas.DrawText("Sofa", box, TextCalcRect), line);
}

TEST(QtCanvas, PaintedBoundsHoldEveryDrawnPixelAndIgnoreTheClip)
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    canvas.SetTextColour(0x000000);
    const Point triangle[] = {{70, 10}, {110, 10}, {90, 50}};
    canvas.Polygon(triangle);
    canvas.DrawText("Label text", {5, 5, 60, 40}, TextNoClip);
    const QRect bounds = canvas.TakePaintedBounds();
    EXPECT_TRUE(canvas.TakePaintedBounds().isEmpty());
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            outside += image.pixel(x, y) != qRgb(255, 255, 255) && !bounds.contains(x, y);
    EXPECT_EQ(outside, 0);
    EXPECT_TRUE(bounds.contains(QRect(70, 10, 40, 40)));

    const QImage before = image.copy();
    canvas.SetClip(QRegion());
    canvas.SetBrush({Brush::Solid, 0x0000FF});
    const Point square[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    canvas.Polygon(square);
    EXPECT_EQ(image, before) << "an empty clip lets nothing through";
    EXPECT_TRUE(canvas.TakePaintedBounds().contains(QRect(10, 10, 20, 20)));
}

TEST(QtCanvas, RectanglesWiderThanInt32HoldsSaturateInsteadOfWrapping)
{
    EXPECT_EQ(ToQRect({10, 20, 110, 70}), QRect(10, 20, 100, 50));
    const QRect huge = ToQRect({-2147483623, -2000000000, 727289531, 2000000000});
    EXPECT_EQ(huge.left(), -2147483623);
    EXPECT_EQ(huge.width(), INT32_MAX);
    EXPECT_EQ(huge.height(), INT32_MAX);
}
