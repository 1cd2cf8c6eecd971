#include "model/PlanRendering.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour White = 0xFFFFFF;

// Grid lines closer than this would fill the area solid; they are left out rather than
// drawn by the hundred thousand.
constexpr double MinGridStep = 2.0;

int32_t Scaled(int32_t length, double zoom)
{
    return TruncToInt(length * zoom);
}

// Grid lines across one axis: x = trunc(step * k + offset) from the line at or before the
// origin of the drawn area, until the far edge.
template <typename DrawLine>
void DrawGridLines(double step, int32_t offset, int32_t extent, DrawLine drawLine)
{
    for (double k = std::trunc(-static_cast<double>(offset) / step);; ++k) {
        const int32_t at = TruncToInt(step * k + offset);
        if (at > 0)
            drawLine(at);
        if (at >= extent)
            return;
    }
}

void DrawGrid(const CRoom& room, Canvas& canvas, const PlanView& view)
{
    const double step = room.GridSize * view.zoom;
    if (room.GridSize < 1 || step < MinGridStep)
        return;
    // Lines past the canvas would not show; a huge room must not cost a line per step of it.
    const int32_t width = std::min(view.width, canvas.Width());
    const int32_t height = std::min(view.height, canvas.Height());
    const Pen previous = canvas.SetPen({Pen::Dot, room.GridColor});
    DrawGridLines(step, view.offsetX, width,
                  [&](int32_t x) { canvas.Line({x, 1}, {x, view.height - 1}); });
    DrawGridLines(step, view.offsetY, height,
                  [&](int32_t y) { canvas.Line({1, y}, {view.width - 1, y}); });
    canvas.SetPen(previous);
}

}  // namespace

PlanView WholeRoomView(const CRoom& room, double zoom)
{
    PlanView view;
    view.zoom = zoom;
    view.offsetX = Scaled(room.SpaceAround[0], zoom);
    view.offsetY = Scaled(room.SpaceAround[1], zoom);
    // A damaged file's negative sizes and margins give no area rather than a negative one.
    view.width = std::max(0, SaturateToInt(int64_t{Scaled(room.Width, zoom)} + view.offsetX +
                                           Scaled(room.SpaceAround[2], zoom)));
    view.height = std::max(0, SaturateToInt(int64_t{Scaled(room.Height, zoom)} + view.offsetY +
                                            Scaled(room.SpaceAround[3], zoom)));
    return view;
}

Point MapQuadPoint(const std::array<Point, 4>& p, int a, int b, int c, int d)
{
    const int64_t bb = b == 0 ? 1 : b;
    const int64_t dd = d == 0 ? 1 : d;
    const auto mix = [&](int32_t p0, int32_t p1, int32_t p2, int32_t p3) {
        const int64_t top = a * int64_t{p0} + (bb - a) * p1;
        const int64_t bottom = a * int64_t{p3} + (bb - a) * p2;
        return SaturateToInt((top * c + bottom * (dd - c)) / (bb * dd));
    };
    return {mix(p[0].x, p[1].x, p[2].x, p[3].x), mix(p[0].y, p[1].y, p[2].y, p[3].y)};
}

void DrawWalls(const CRoom& room, Canvas& canvas, bool linesOnly)
{
    const Pen previousPen = canvas.SetPen({Pen::Solid, room.WallsColor});
    const Brush previousBrush = canvas.SetBrush({Brush::Solid, room.WallsColor});
    for (const CWall& wall : room.Walls.List()) {
        if (wall.IsDegenerate())
            continue;  // no direction, so no outline to draw
        if (wall.thickness < 1 || linesOnly)
            canvas.Line(wall.screen[0], wall.screen[1]);
        else
            canvas.Polygon(wall.screen);
    }
    canvas.SetBrush(previousBrush);
    canvas.SetPen(previousPen);
}

void DrawBackground(CRoom& room, Canvas& canvas, const PlanView& view, std::unique_ptr<CanvasImage>* cache)
{
    if (cache && *cache) {
        canvas.Put(**cache);
        return;
    }
    DrawFloor(room, canvas, view);
    DrawGridAndWalls(room, canvas, view);
    if (cache)
        *cache = canvas.Grab();
}

void DrawFloor(const CRoom& room, Canvas& canvas, const PlanView& view)
{
    const Colour background = view.showCollisions ? White : room.Color;
    canvas.FillRect({0, 0, view.width, view.height}, {Brush::Solid, background});
    DrawWalls(room, canvas, false);
    // Whatever the walls do not enclose, the margins included, is white.
    canvas.FloodFill({0, 0}, room.WallsColor, White);
    canvas.FloodFill({view.width - 1, view.height - 1}, room.WallsColor, White);
}

void DrawGridAndWalls(const CRoom& room, Canvas& canvas, const PlanView& view)
{
    if (view.showGrid)
        DrawGrid(room, canvas, view);
    DrawWalls(room, canvas, false);
}

void PrepareForView(CRoom& room, const PlanView& view)
{
    room.Walls.ComputeScreen(view.offsetX, view.offsetY, view.zoom);
    room.InvalidateParts();
}

void DrawParts(CRoom& room, Canvas& canvas, const PlanView& view, const PartPass& pass)
{
    RasterMode previousMode{};
    Pen previousPen;
    Brush previousBrush;
    if (view.showCollisions) {
        previousMode = canvas.SetRasterMode(RasterMode::MaskPenNot);
        previousPen = canvas.SetPen({Pen::Null, CollisionColour});
        previousBrush = canvas.SetBrush({Brush::Solid, CollisionColour});
    }
    for (size_t slot = 0; slot < room.Parts.size(); ++slot) {
        CPart& part = room.Parts[slot];
        if (!part.InUse || (pass.include && !pass.include(slot)))
            continue;
        part.Draw(canvas, view.offsetX, view.offsetY, view.zoom, view.showCaptions, view.showCollisions, &room);
        if (pass.drawn)
            pass.drawn(slot);
    }
    if (view.showCollisions) {
        canvas.SetBrush(previousBrush);
        canvas.SetPen(previousPen);
        canvas.SetRasterMode(previousMode);
    }
}

void DrawRoom(CRoom& room, Canvas& canvas, const PlanView& view, std::unique_ptr<CanvasImage>* cache)
{
    DrawBackground(room, canvas, view, cache);
    DrawParts(room, canvas, view);
}
