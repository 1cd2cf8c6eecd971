#pragma once
// Printing the room drawing: the fonts and the printer's figures they give, the grey picture,
// the pages themselves, and PDF documents for when no printer is at hand.

#include "output/CPrintSizeCalculator.h"
#include "output/ImageExport.h"
#include "output/VectorPlan.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QString>

#include <string>

class CRoom;
class QPagedPaintDevice;
class QPaintDevice;

// The name every print job carries, and the title of a document printed without one.
inline constexpr char PrintJobTitle[] = "Planzeta Document";

// The options keep the paper's orientation as 0 for portrait and 1 for landscape.
QPageLayout::Orientation PaperOrientation(int32_t option);
int32_t OrientationOption(QPageLayout::Orientation orientation);

// What the user chose to print besides the drawing.
struct PrintChoices {
    PageContent content;
    QString title;
    QString note1;
    QString note2;
    bool colour = false;
    int copies = 1;
};

// The page size and resolution of the device and the line heights of the title font (bold,
// 17 pt) and the note font (11 pt) on it.
PrinterFigures MeasurePrinter(const QPaintDevice& device);

// The title a printed document carries: the title printed, else the job's name.
QString DocumentTitle(const PrintChoices& choices);

// Prints the drawing with the title, scale bar and notes chosen, on one page per copy, as the
// calculator has fitted it to the device: the plan as the drawing lays it out, drawn afresh at
// the device's resolution. False when the device cannot be printed on; throws
// ImageExportError when the plan cannot be drawn. The room is left prepared for the page.
bool PrintPages(QPagedPaintDevice& device, CRoom& room, const ImageExportOptions& drawing,
                const CPrintSizeCalculator& calculator, const PrintChoices& choices);

// A PDF document printed in memory and written to its file only when complete, so that a
// failed print leaves no file behind and an existing one unharmed.
class PdfDocument {
public:
    static constexpr int Resolution = 600;  // printer pixels per inch
    // A4 without margins: the page border leaves the space around the content.
    static QPageLayout A4(QPageLayout::Orientation orientation);

    explicit PdfDocument(const QPageLayout& layout);
    QPagedPaintDevice& Device() { return writer_; }
    void SetTitle(const QString& title) { writer_.setTitle(title); }
    // Throws FileWriteError.
    void Save(const std::string& fileName) const;

private:
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
};
