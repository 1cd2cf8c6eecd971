#pragma once
// Where everything goes on a printed page, in printer pixels: the title above the drawing,
// the drawing centred between the side borders, and below it the scale bar with its label
// and the two notes.

#include "base/Geometry.h"
#include "output/CPrintSizeCalculator.h"

#include <cstdint>
#include <string>

class CRoom;

// The lines below the drawing, measured down from the drawing's bottom edge. The calculator
// reserves exactly `bottom` so that the last line ends above the bottom border.
struct LinesBelow {
    int32_t tickTop = 0;     // the scale bar's end ticks run from here...
    int32_t tickBottom = 0;  // ...to here
    int32_t barY = 0;        // the bar between the ticks
    int32_t labelTop = 0;    // the bar's label, one note line high
    int32_t note1Top = 0;    // each note is one note line high
    int32_t note2Top = 0;
    int32_t bottom = 0;  // just below the last line printed; the drawing's bottom when none is
};

LinesBelow LayOutLinesBelow(int32_t drawingBottom, int32_t noteHeight, const PageContent& content);

struct ScaleBar {
    int32_t left = 0;
    int32_t length = 0;  // on paper, printer pixels
    int32_t units = 0;   // in room units: a whole number of grid steps
    std::string label;   // "100 cm"
};

struct PageLayout {
    Rect title;    // one title line between the side borders
    Rect drawing;  // where the bitmap is stretched to
    ScaleBar bar;
    LinesBelow lines;
    Rect note1;  // one note line between the side borders
    Rect note2;
};

// The page for a bitmap of the room as the calculator has fitted it. The scale bar is about an
// inch long, whole grid steps of the room (of 50 units without a grid), and ends at the last
// grid line within the room.
PageLayout LayOutPage(const CPrintSizeCalculator& calculator, const CRoom& room, const PageContent& content);
