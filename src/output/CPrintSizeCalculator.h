#pragma once
// Fitting the room drawing onto a printed page: the page border, where the drawing starts,
// how many printer pixels a bitmap pixel takes, and the largest scale 1 : X the page allows.
// The printer's figures are handed in, so the rules hold for any printer.

#include <cstdint>
#include <optional>

class CRoom;

struct PrinterFigures {
    int32_t pageWidth = 0;  // the printable page in printer pixels
    int32_t pageHeight = 0;
    int32_t pixelsPerInchX = 0;
    int32_t pixelsPerInchY = 0;
    int32_t titleHeight = 0;  // line height of the title font in printer pixels
    int32_t noteHeight = 0;   // line height of the note font, which also serves the scale bar
};

// What the page shows besides the drawing.
struct PageContent {
    bool title = false;
    bool scaleBar = false;
    bool note1 = false;
    bool note2 = false;
};

class CPrintSizeCalculator {
public:
    // The printer's figures, taken once and kept until the printer may have changed.
    void SetPrinter(const PrinterFigures& figures) { printer_ = figures; }
    void ResetPrinter() { printer_.reset(); }
    const std::optional<PrinterFigures>& Printer() const { return printer_; }

    // Computes the border, the drawing's top, the factor and the maximum scale for a drawing
    // of the room, then applies the requested scale. False without printer figures, without
    // a drawing, when the page has no room left for the drawing, or when the requested scale
    // does not fit; a scale that equals the maximum does not.
    bool Calculate(const CRoom& room, const PageContent& content);

    int32_t ImageWidth = 0;  // the bitmap to print, in bitmap pixels
    int32_t ImageHeight = 0;
    double PageBorder = 0;         // centimetres
    double RequestedScale = -1.0;  // X of 1 : X; 0 or less prints as large as the page allows

    double Factor = 1.0;    // printer pixels per bitmap pixel
    double MaxScale = 0.0;  // X of the scale 1 : X at which the largest drawing prints
    int32_t Border = 0;     // printer pixels
    int32_t ImageTop = 0;   // printer pixels from the page's top edge

private:
    int32_t BorderPixels() const;

    std::optional<PrinterFigures> printer_;
};
