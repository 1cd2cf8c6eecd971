#include "output/PrintJob.h"

#include "model/CRoom.h"
#include "output/PrintPageLayout.h"
#include "platform/FileIo.h"
#include "platform/QtConversions.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr int32_t LandscapeOption = 1;
constexpr int TitlePoints = 17;
constexpr int NotePoints = 11;
// The scale bar's lines, in inches: thin, yet a solid line on any printer.
constexpr double BarPenInches = 1.0 / 150;

QFont PrintFont(int points, int32_t style)
{
    return ToQFont(CFont{.size = points, .pitch = CFont::VariablePitch, .style = style});
}

QFont TitleFont()
{
    return PrintFont(TitlePoints, CFont::Bold);
}

QFont NoteFont()
{
    return PrintFont(NotePoints, 0);
}

int32_t LineHeight(const QFont& font, const QPaintDevice& device)
{
    return QFontMetrics(font, &device).size(Qt::TextSingleLine, "(Wj").height();
}

void DrawTextLine(QPainter& painter, const QRect& box, int alignment, const QString& text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, alignment | Qt::TextSingleLine, shown);
}

void DrawScaleBar(QPainter& painter, const PageLayout& page, int32_t noteHeight)
{
    const int32_t left = page.bar.left;
    const int32_t right = left + page.bar.length;
    const LinesBelow& lines = page.lines;
    painter.drawLine(left, lines.tickTop, left, lines.tickBottom);
    painter.drawLine(left, lines.barY, right, lines.barY);
    painter.drawLine(right, lines.tickTop, right, lines.tickBottom);
    // Centred over the bar, wider than it if need be.
    painter.drawText(QRect(left, lines.labelTop, page.bar.length, noteHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                     ToQString(page.bar.label));
}

void DrawPage(QPainter& painter, const QImage& picture, const PageLayout& page, const PrintChoices& choices,
              int32_t noteHeight)
{
    const PageContent& content = choices.content;
    if (content.title) {
        painter.setFont(TitleFont());
        DrawTextLine(painter, ToQRect(page.title), Qt::AlignCenter, choices.title);
    }
    painter.drawImage(ToQRect(page.drawing), picture);
    painter.setFont(NoteFont());
    if (content.scaleBar)
        DrawScaleBar(painter, page, noteHeight);
    if (content.note1)
        DrawTextLine(painter, ToQRect(page.note1), Qt::AlignLeft | Qt::AlignVCenter, choices.note1);
    if (content.note2)
        DrawTextLine(painter, ToQRect(page.note2), Qt::AlignLeft | Qt::AlignVCenter, choices.note2);
}

}  // namespace

QPageLayout::Orientation PaperOrientation(int32_t option)
{
    return option == LandscapeOption ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int32_t OrientationOption(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Landscape ? LandscapeOption : 0;
}

PrinterFigures MeasurePrinter(const QPaintDevice& device)
{
    return {.pageWidth = device.width(),
            .pageHeight = device.height(),
            .pixelsPerInchX = device.logicalDpiX(),
            .pixelsPerInchY = device.logicalDpiY(),
            .titleHeight = LineHeight(TitleFont(), device),
            .noteHeight = LineHeight(NoteFont(), device)};
}

QImage GreyImage(const QImage& image)
{
    const QImage colour = image.convertToFormat(QImage::Format_RGB32);
    QImage grey(colour.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < colour.width(); ++x)
            out[x] = static_cast<uchar>((qBlue(in[x]) + qGreen(in[x]) + qRed(in[x])) / 3);
    }
    return grey;
}

bool PrintPages(QPagedPaintDevice& device, const QImage& drawing, const CRoom& room,
                const CPrintSizeCalculator& calculator, const PrintChoices& choices)
{
    const PageLayout page = LayOutPage(calculator, room, choices.content);
    const QImage picture = choices.colour ? drawing : GreyImage(drawing);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Without it a PDF would keep the drawing as a JPEG, blurring its lines and text.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setPen(QPen(Qt::black, BarPenInches * calculator.Printer()->pixelsPerInchX, Qt::SolidLine, Qt::FlatCap));
    for (int copy = 1; copy <= choices.copies; ++copy) {
        DrawPage(painter, picture, page, choices, calculator.Printer()->noteHeight);
        if (copy < choices.copies)
            device.newPage();
    }
    return painter.end();
}

QPageLayout PdfDocument::A4(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF());
}

PdfDocument::PdfDocument(const QPageLayout& layout) : buffer_(&bytes_), writer_(&buffer_)
{
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(Resolution);
    writer_.setPageLayout(layout);
    writer_.setTitle(PrintJobTitle);
    writer_.setCreator("Planzeta");
}

void PdfDocument::Save(const std::string& fileName) const
{
    WriteFileAtomically(fileName, std::string_view(bytes_.constData(), static_cast<size_t>(bytes_.size())));
}
