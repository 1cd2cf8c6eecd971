#include "output/PrintPageLayout.h"

#include "base/Numeric.h"
#include "model/CRoom.h"

#include <algorithm>

namespace {

// The scale bar's step in a room without a grid.
constexpr int32_t GridlessStep = 50;

// About an inch on paper in whole steps, at least one step.
int32_t BarUnits(double pixelsPerInch, double printerPixelsPerUnit, int32_t step)
{
    const int64_t units = TruncToInt(pixelsPerInch / printerPixelsPerUnit);
    const int64_t steps = std::max<int64_t>(1, (units + step - 1) / step);
    return SaturateToInt(steps * step);
}

ScaleBar LayOutScaleBar(const CPrintSizeCalculator& calculator, const CRoom& room, int32_t imageLeft)
{
    const int32_t step = room.GridSize < 1 ? GridlessStep : room.GridSize;
    const double bitmapPixelsPerUnit = calculator.ImageWidth / static_cast<double>(room.TotalWidth());
    const double printerPixelsPerUnit = calculator.Factor * bitmapPixelsPerUnit;
    ScaleBar bar;
    bar.units = BarUnits(calculator.Printer()->pixelsPerInchX, printerPixelsPerUnit, step);
    bar.length = TruncToInt(printerPixelsPerUnit * bar.units + 0.5);
    const int64_t lastGridLine = int64_t{room.Width} / step * step;
    bar.left = TruncToInt(printerPixelsPerUnit * static_cast<double>(lastGridLine + room.SpaceAround[0] - bar.units) +
                          imageLeft + 0.5);
    bar.label = std::to_string(bar.units) + " " + room.UnitName;
    return bar;
}

}  // namespace

LinesBelow LayOutLinesBelow(int32_t drawingBottom, int32_t noteHeight, const PageContent& content)
{
    LinesBelow lines;
    lines.bottom = drawingBottom;
    int32_t y = drawingBottom + noteHeight;
    if (content.scaleBar) {
        lines.tickTop = y - noteHeight;
        lines.tickBottom = y - noteHeight / 2;
        lines.barY = y - 3 * noteHeight / 4;
        lines.labelTop = y - noteHeight / 2 + 2;
        lines.bottom = lines.labelTop + noteHeight;
        y += 2 * noteHeight;
    }
    if (content.note1) {
        lines.note1Top = y;
        lines.bottom = y + noteHeight;
        y += noteHeight / 2 + noteHeight;
    }
    if (content.note2) {
        lines.note2Top = y;
        lines.bottom = y + noteHeight;
    }
    return lines;
}

PageLayout LayOutPage(const CPrintSizeCalculator& calculator, const CRoom& room, const PageContent& content)
{
    const PrinterFigures& printer = *calculator.Printer();
    const int32_t border = calculator.Border;
    const int32_t right = printer.pageWidth - border;
    const int32_t width = TruncToInt(calculator.ImageWidth * calculator.Factor);
    const int32_t height = TruncToInt(calculator.ImageHeight * calculator.Factor);
    const int32_t left =
        TruncToInt((printer.pageWidth - 2.0 * border - calculator.ImageWidth * calculator.Factor) * 0.5 + border);
    PageLayout page;
    page.title = {border, border, right, border + printer.titleHeight};
    page.drawing = {left, calculator.ImageTop, left + width, calculator.ImageTop + height};
    page.bar = LayOutScaleBar(calculator, room, left);
    page.lines = LayOutLinesBelow(page.drawing.bottom, printer.noteHeight, content);
    page.note1 = {border, page.lines.note1Top, right, page.lines.note1Top + printer.noteHeight};
    page.note2 = {border, page.lines.note2Top, right, page.lines.note2Top + printer.noteHeight};
    return page;
}
