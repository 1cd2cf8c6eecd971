#include "model/LibrarySymbolBodies.h"

#include <array>

namespace symbols {

// A bowl with its drain and tap, and a ribbed drainer beside it.
void KitchenSink(const Symbol& s)
{
    Outline(s);
    Box(s, 6, 14, 50, 86);
    Circle(s, At(s, 28, 50), ByDepth(s, 1.0 / 22));
    Circle(s, At(s, 28, 6), ByDepth(s, 1.0 / 22));
    Box(s, 56, 14, 92, 86);
    Dividers(s, 8, {56, 20}, {92, 20}, {56, 80}, {92, 80});
}

// Four burners of three sizes, each with its cap.
void Stove(const Symbol& s)
{
    struct Burner {
        int u, v;
        double k;
    };
    static constexpr std::array<Burner, 4> burners = {{{26, 28, 1.0 / 6}, {70, 28, 1.0 / 7},
                                                       {26, 70, 1.0 / 8}, {70, 70, 1.0 / 6}}};
    Outline(s);
    for (const Burner& burner : burners) {
        const Point centre = At(s, burner.u, burner.v);
        Circle(s, centre, ByWidth(s, burner.k));
        Circle(s, centre, ByWidth(s, 1.0 / 16));
    }
}

// The door at the front, and a snowflake.
void Refrigerator(const Symbol& s)
{
    Outline(s);
    Box(s, 0, 86, 96, 96);
    Lines(s, {{48, 22}, {48, 66}});
    Lines(s, {{29, 33}, {67, 55}});
    Lines(s, {{29, 55}, {67, 33}});
}

// The door panel at the front, and the dish rack inside.
void Dishwasher(const Symbol& s)
{
    Outline(s);
    Box(s, 0, 86, 96, 96);
    Box(s, 8, 8, 88, 80);
    Dividers(s, 6, {8, 8}, {88, 8}, {8, 80}, {88, 80});
    Dividers(s, 4, {8, 8}, {8, 80}, {88, 8}, {88, 80});
}

}  // namespace symbols
