// The printing pieces below the dialog: the printer's figures and what the pages of a PDF
// document hold, in grey or in colour.

#include "output/PrintJob.h"

#include "model/CRoom.h"
#include "platform/FileIo.h"
#include "support/PdfFacts.h"
#include "support/TempDir.h"

#include <QPagedPaintDevice>

#include <gtest/gtest.h>

namespace {

// A number the PDF's first picture gives, such as its /Width.
int ImageEntry(const std::string& pdf, const std::string& name)
{
    return std::stoi(pdf.substr(pdf.find(name + " ", pdf.find("/Subtype /Image")) + name.size() + 1));
}

// The middle pixel of the PDF's first picture, `depth` bytes, as its compressed stream holds it.
QByteArray MiddlePixel(const std::string& pdf, int depth)
{
    const size_t start = pdf.find("stream\n", pdf.find("/Subtype /Image")) + 7;
    const size_t end = pdf.find("endstream", start);
    const qsizetype width = ImageEntry(pdf, "/Width");
    const qsizetype height = ImageEntry(pdf, "/Height");
    const qsizetype size = width * height * depth;
    QByteArray compressed;
    for (const int shift : {24, 16, 8, 0})  // the length qUncompress expects in front
        compressed.append(static_cast<char>(size >> shift & 0xFF));
    compressed.append(pdf.data() + start, static_cast<qsizetype>(end - start));
    return qUncompress(compressed).mid((height / 2 * width + width / 2) * depth, depth);
}

}  // namespace

TEST(PrintJob, AnA4DocumentIsMeasuredAtItsResolution)
{
    PdfDocument portrait(PdfDocument::A4(QPageLayout::Portrait));
    const PrinterFigures figures = MeasurePrinter(portrait.Device());
    // 210 × 297 mm at 600 pixels per inch, as A4's 595 × 842 points come to.
    EXPECT_NEAR(figures.pageWidth, 210 / 25.4 * 600, 3);
    EXPECT_NEAR(figures.pageHeight, 297 / 25.4 * 600, 3);
    EXPECT_EQ(figures.pixelsPerInchX, 600);
    EXPECT_EQ(figures.pixelsPerInchY, 600);
    // A line of 17 and of 11 points is a little taller than the letters: 142 and 92 pixels.
    EXPECT_GT(figures.titleHeight, 142);
    EXPECT_LT(figures.titleHeight, 2 * 142);
    EXPECT_GT(figures.noteHeight, 92);
    EXPECT_LT(figures.noteHeight, figures.titleHeight);

    PdfDocument landscape(PdfDocument::A4(QPageLayout::Landscape));
    EXPECT_EQ(MeasurePrinter(landscape.Device()).pageWidth, figures.pageHeight);
}

TEST(PrintJob, ThePdfKeepsTheFloorLosslessAtPrinterResolutionInGreyOrInColour)
{
    CRoom room;
    room.Width = room.Height = 100;
    room.SpaceAround = {10, 10, 10, 10};
    room.Walls.MakeRectangle(100, 100, 4);
    room.Color = 0x2928C8;  // red (200, 40, 41)
    const auto print = [&](bool colour) {
        PdfDocument document(PdfDocument::A4(QPageLayout::Portrait));
        CPrintSizeCalculator calculator;
        calculator.SetPrinter(MeasurePrinter(document.Device()));
        calculator.ImageWidth = calculator.ImageHeight = 120;
        calculator.PageBorder = 1.5;
        EXPECT_TRUE(calculator.Calculate(room, {.scaleBar = true}));
        PrintChoices choices;
        choices.content.scaleBar = true;
        choices.colour = colour;
        choices.copies = 2;
        EXPECT_TRUE(PrintPages(document.Device(), room, {}, calculator, choices));
        TempDir dir;
        document.Save(dir.file("print.pdf"));
        return TempDir::ReadFile(dir.file("print.pdf"));
    };
    const std::string grey = print(false);
    const std::string colour = print(true);
    EXPECT_EQ(PdfPageCount(grey), 2);
    EXPECT_FALSE(HasJpegImage(grey) || HasJpegImage(colour));
    // The floor is as fine as the page: 120 drawing pixels across about 7 of its 8 inches.
    EXPECT_GT(ImageEntry(grey, "/Width"), 6 * 600);
    // The floor's red becomes the average of its colours cut to a whole grey (93, where
    // weighting them would give 95 and rounding 94) unless printed in colour.
    EXPECT_EQ(MiddlePixel(grey, 1), QByteArray("\x5D"));
    EXPECT_EQ(MiddlePixel(colour, 3), QByteArray("\xC8\x28\x29"));

    PdfDocument unsaved(PdfDocument::A4(QPageLayout::Portrait));
    EXPECT_THROW(unsaved.Save("/nonexistent/folder/print.pdf"), FileWriteError);
}
