#include "model/LibrarySymbolBodies.h"

#include "base/Numeric.h"
#include "model/PlanRendering.h"

namespace symbols {

// The treads, and the walking line with its arrow pointing up the flight.
void Stairs(const Symbol& s)
{
    Outline(s);
    Dividers(s, 12, {0, 0}, {96, 0}, {0, 96}, {96, 96});
    Lines(s, {{4, 48}, {90, 48}});
    Lines(s, {{82, 36}, {92, 48}, {82, 60}});
}

// Ten fins, fewer when they would come closer than 4 pixels.
void Radiator(const Symbol& s)
{
    constexpr int fins = 10;
    constexpr double minGap = 4;
    const double length = s.part.Width * s.zoom;
    const int n = length / fins < minGap ? TruncToInt(length / minGap) : fins;
    Outline(s);
    Dividers(s, n, {96, 0}, {0, 0}, {96, 96}, {0, 96});
}

// Seen from above with the bonnet towards P1: body, windscreen, roof, rear window, mirrors.
void Car(const Symbol& s)
{
    Shape(s, {{6, 4}, {88, 4}, {96, 18}, {96, 78}, {88, 92}, {6, 92}, {0, 80}, {0, 16}});
    Shape(s, {{58, 18}, {68, 10}, {68, 86}, {58, 78}});
    Box(s, 30, 18, 58, 78);
    Shape(s, {{20, 14}, {30, 18}, {30, 78}, {20, 82}});
    Box(s, 58, 0, 62, 4);
    Box(s, 58, 92, 62, 96);
    Lines(s, {{74, 24}, {92, 28}});
    Lines(s, {{74, 72}, {92, 68}});
}

// A screen on its stand, a keyboard with its keys, and a mouse.
void Computer(const Symbol& s)
{
    Box(s, 42, 12, 54, 24);
    Box(s, 16, 4, 80, 14);
    Box(s, 14, 50, 74, 72);
    Dividers(s, 10, {14, 50}, {74, 50}, {14, 72}, {74, 72});
    Dividers(s, 4, {14, 50}, {14, 72}, {74, 50}, {74, 72});
    Oval(s, 82, 52, 92, 72);
}

// The pointed board, its crossed legs underneath, and the iron on it.
void IroningBoard(const Symbol& s)
{
    Shape(s, {{0, 12}, {60, 6}, {80, 14}, {96, 48}, {80, 82}, {60, 90}, {0, 84}});
    Hidden(s, [&] {
        Lines(s, {{14, 14}, {58, 82}});
        Lines(s, {{14, 82}, {58, 14}});
    });
    Shape(s, {{28, 34}, {46, 30}, {56, 48}, {46, 66}, {28, 62}});
}

// Twelve treads winding around the central post.
void SpiralStairs(const Symbol& s)
{
    const Point centre = MapQuadPoint(s.p, 1, 2, 1, 2);
    Circle(s, centre, ByWidth(s, 1.0 / 2));
    const PointF hub{48, 48};
    for (int tread = 0; tread < 12; ++tread)
        s.canvas.Line(Polar(s, hub, {6, 6}, 30.0 * tread), Polar(s, hub, {48, 48}, 30.0 * tread));
    Circle(s, centre, ByWidth(s, 1.0 / 16));
}

void PlainBlock(const Symbol& s)
{
    Outline(s);
}

}  // namespace symbols
