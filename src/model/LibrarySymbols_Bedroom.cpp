#include "model/LibrarySymbolBodies.h"

namespace symbols {

// The frame, a pillow at the head and the cover with one corner folded back.
void SingleBed(const Symbol& s)
{
    Outline(s);
    Box(s, 14, 5, 82, 22);
    Shape(s, {{34, 28}, {96, 28}, {96, 96}, {0, 96}, {0, 52}});
    Shape(s, {{34, 28}, {0, 52}, {40, 46}});
}

// The single bed with two pillows over its one.
void DoubleBed(const Symbol& s)
{
    SingleBed(s);
    Box(s, 8, 5, 48, 22);
    Box(s, 48, 5, 88, 22);
}

// The table with a lamp on it.
void BedsideTable(const Symbol& s)
{
    Outline(s);
    Rings(s, {1.0 / 4, 1.0 / 16});
}

// The table with its mirror at the wall, and a stool in front.
void DressingTable(const Symbol& s)
{
    Box(s, 0, 0, Grid, 60);
    Box(s, 14, 2, 82, 9);
    Circle(s, At(s, 48, 80), ByDepth(s, 1.0 / 8));
}

// The mattress and a pillow between the barred sides.
void Cot(const Symbol& s)
{
    Outline(s);
    Box(s, 4, 8, 92, 88);
    Box(s, 8, 24, 22, 72);
    Dividers(s, 16, {0, 0}, {96, 0}, {0, 8}, {96, 8});
    Dividers(s, 16, {0, 88}, {96, 88}, {0, 96}, {96, 96});
}

}  // namespace symbols
