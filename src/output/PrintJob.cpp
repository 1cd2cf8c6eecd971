#include "output/PrintJob.h"

#include "model/CRoom.h"
#include "output/PdfFontTags.h"
#include "output/PrintPageLayout.h"
#include "platform/FileIo.h"
#include "platform/QtConversions.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int32_t LandscapeOption = 1;
constexpr int TitlePoints = 17;
constexpr int NotePoints = 11;
// The scale bar's lines, in inches: thin, yet a solid line on any printer.
constexpr double BarPenInches = 1.0 / 150;
// The plan is drawn at the printer's resolution up to this; what it draws as a picture is
// finer only in size, not in what the eye can tell on paper.
constexpr int MaxPlanDpi = 600;
// The plan's one-pixel lines on paper: the finest line that prints solid.
constexpr double PlanLineInches = 1.0 / MaxPlanDpi;

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

void DrawPage(QPainter& painter, const VectorPlan& plan, const PageLayout& page, const PrintChoices& choices,
              int32_t noteHeight)
{
    const PageContent& content = choices.content;
    if (content.title) {
        painter.setFont(TitleFont());
        DrawTextLine(painter, ToQRect(page.title), Qt::AlignCenter, choices.title);
    }
    painter.save();
    painter.translate(page.drawing.left, page.drawing.top);
    plan.Draw(painter);
    painter.restore();
    painter.setFont(NoteFont());
    if (content.scaleBar)
        DrawScaleBar(painter, page, noteHeight);
    if (content.note1)
        DrawTextLine(painter, ToQRect(page.note1), Qt::AlignLeft | Qt::AlignVCenter, choices.note1);
    if (content.note2)
        DrawTextLine(painter, ToQRect(page.note2), Qt::AlignLeft | Qt::AlignVCenter, choices.note2);
}

// The plan at the printer's pixels per drawing pixel, its pictures and lines no finer than
// the paper shows.
VectorPlanOptions PlanOnPage(const ImageExportOptions& drawing, const CPrintSizeCalculator& calculator, bool grey)
{
    const double dpi = calculator.Printer()->pixelsPerInchX;
    return {.drawing = drawing,
            .scale = calculator.Factor,
            .rasterScale = calculator.Factor * std::min(1.0, MaxPlanDpi / dpi),
            .lineWidth = std::max(1.0, PlanLineInches * dpi),
            .grey = grey};
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

QString DocumentTitle(const PrintChoices& choices)
{
    return choices.content.title && !choices.title.isEmpty() ? choices.title : QString(PrintJobTitle);
}

bool PrintPages(QPagedPaintDevice& device, CRoom& room, const ImageExportOptions& drawing,
                const CPrintSizeCalculator& calculator, const PrintChoices& choices)
{
    const PageLayout page = LayOutPage(calculator, room, choices.content);
    const VectorPlan plan(room, PlanOnPage(drawing, calculator, !choices.colour));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(QPen(Qt::black, BarPenInches * calculator.Printer()->pixelsPerInchX, Qt::SolidLine, Qt::FlatCap));
    for (int copy = 1; copy <= choices.copies; ++copy) {
        DrawPage(painter, plan, page, choices, calculator.Printer()->noteHeight);
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
    const QByteArray pdf = TagSubsetFonts(bytes_);
    WriteFileAtomically(fileName, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}
