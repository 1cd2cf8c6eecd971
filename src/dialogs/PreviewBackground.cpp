#include "dialogs/PreviewBackground.h"

#include "platform/Canvas.h"

#include <algorithm>
#include <array>

namespace {

Colour Grey(int level)
{
    const auto g = static_cast<Colour>(std::clamp(level, 0, 255));
    return g | g << 8 | g << 16;
}

// How far row y of an image `height` rows high is cut in at both ends, to round the corners.
int Inset(int y, int height)
{
    if (y < 4)
        return 3 - y;
    if (y > height - 4)
        return y - height + 4;
    return 1;
}

// The outline of the whole image with corners of radius 4.
void DrawRoundedOutline(Canvas& canvas, Colour colour)
{
    const int r = canvas.Width() - 1;
    const int b = canvas.Height() - 1;
    const std::array<Point, 16> outline = {{
        {4, 0}, {r - 4, 0}, {r - 2, 1}, {r - 1, 2}, {r, 4}, {r, b - 4}, {r - 1, b - 2}, {r - 2, b - 1},
        {r - 4, b}, {4, b}, {2, b - 1}, {1, b - 2}, {0, b - 4}, {0, 4}, {1, 2}, {2, 1},
    }};
    const Pen pen = canvas.SetPen({Pen::Solid, colour});
    const Brush brush = canvas.SetBrush({Brush::Hollow, 0});
    canvas.Polygon(outline);
    canvas.SetBrush(brush);
    canvas.SetPen(pen);
}

}  // namespace

void DrawPreviewBackground(Canvas& canvas, int rowsPerLevel, Colour face, Colour shadow)
{
    const int width = canvas.Width();
    const int height = canvas.Height();
    canvas.FillRect({0, 0, width, height}, {Brush::Solid, face});
    for (int y = 1; y <= height - 2; ++y) {
        const int inset = Inset(y, height);
        canvas.FillRect({inset, y, width - inset, y + 1}, {Brush::Solid, Grey(255 - y / std::max(rowsPerLevel, 1))});
    }
    DrawRoundedOutline(canvas, shadow);
}
