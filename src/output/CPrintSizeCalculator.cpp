#include "output/CPrintSizeCalculator.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "model/Units.h"
#include "output/PrintPageLayout.h"

#include <algorithm>

namespace {

constexpr double CentimetresPerInch = 2.54;
// The border taken when the one asked for is negative or leaves too little of the page.
constexpr double DefaultPageBorder = 1.5;

bool BorderFits(int32_t border, const PrinterFigures& printer)
{
    return border >= 0 && 3 * int64_t{border} <= printer.pageWidth && 3 * int64_t{border} <= printer.pageHeight;
}

}  // namespace

int32_t CPrintSizeCalculator::BorderPixels() const
{
    const PrinterFigures& printer = *printer_;
    for (const double centimetres : {PageBorder, DefaultPageBorder}) {
        const int32_t border = TruncToInt(printer.pixelsPerInchX * centimetres / CentimetresPerInch);
        if (BorderFits(border, printer))
            return border;
    }
    return 0;
}

bool CPrintSizeCalculator::Calculate(const CRoom& room, const PageContent& content)
{
    Factor = 1.0;
    MaxScale = 0.0;
    if (!printer_)
        return false;
    const PrinterFigures& printer = *printer_;
    Border = BorderPixels();
    ImageTop = Border;
    if (content.title)
        ImageTop += printer.titleHeight + printer.titleHeight / 2;
    const int32_t below = LayOutLinesBelow(0, printer.noteHeight, content).bottom;
    const double width = printer.pageWidth - 2.0 * Border;
    const double height = static_cast<double>(printer.pageHeight) - Border - ImageTop - below;
    if (ImageWidth <= 0 || ImageHeight <= 0 || room.TotalWidth() <= 0 || width <= 0 || height <= 0)
        return false;
    Factor = std::min(width / ImageWidth, height / ImageHeight);
    const double pixelsPerCentimetre = printer.pixelsPerInchX / CentimetresPerInch;
    const double roomLength = static_cast<double>(room.TotalWidth()) * UnitAt(room.Unit).centimetres;
    MaxScale = roomLength * pixelsPerCentimetre / (ImageWidth * Factor);
    if (!(RequestedScale > 0))
        return true;
    const double factor = roomLength / RequestedScale * pixelsPerCentimetre / ImageWidth;
    if (factor >= Factor)
        return false;
    Factor = factor;
    return true;
}
