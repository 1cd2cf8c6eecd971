#include "model/CPart.h"

#include "base/Numeric.h"
#include "model/CRoom.h"
#include "model/LibrarySymbols.h"
#include "model/PlanRendering.h"
#include "platform/Canvas.h"

#include <cmath>

namespace {

using Corners = std::array<Point, 4>;

Brush FillBrush(const CPart& part)
{
    return part.FillColor == NoColour ? Brush{Brush::Hollow, 0} : Brush{Brush::Solid, part.FillColor};
}

Pen OutlinePen(const CPart& part)
{
    if (part.LineColor == NoColour || part.Type == Label)
        return {Pen::Null, 0};
    return {part.LineStyle == 1 ? Pen::Dot : Pen::Solid, part.LineColor};
}

void DrawCircle(const CPart& part, Canvas& canvas, const Corners& p, double zoom)
{
    const Point c = MapQuadPoint(p, 1, 2, 1, 2);
    const int32_t r = TruncToInt(part.Width * zoom * 0.5);
    canvas.Ellipse({SaturateToInt(int64_t{c.x} - r), SaturateToInt(int64_t{c.y} - r),
                    SaturateToInt(int64_t{c.x} + r), SaturateToInt(int64_t{c.y} + r)});
}

void DrawHexagon(Canvas& canvas, const Corners& p)
{
    const Point points[] = {
        MapQuadPoint(p, 3, 4, 15, 16), MapQuadPoint(p, 1, 4, 15, 16), MapQuadPoint(p, 0, 1, 1, 2),
        MapQuadPoint(p, 1, 4, 1, 16),  MapQuadPoint(p, 3, 4, 1, 16),  MapQuadPoint(p, 1, 1, 1, 2),
    };
    canvas.Polygon(points);
}

Point Plus(Point p, Point o)
{
    return {SaturateToInt(int64_t{p.x} + o.x), SaturateToInt(int64_t{p.y} + o.y)};
}

// The floor-coloured gap a door cuts across the wall it is attached to.
void DrawDoorOpening(const CPart& door, Canvas& canvas, const Corners& p, double zoom, const CRoom& room)
{
    const int wall = door.WallLink & 0xFFFF;
    const int q = (door.WallLink >> 16) & 0xFFFF;
    if (door.WallLink < 0 || wall >= room.Walls.Count() || q % 90 != 0 || q > 270)
        return;
    const double angle = DegToRad(static_cast<double>(door.Rotation) - q);
    // Turned round before the cut to int32, whose least value has no negative.
    const double t = room.Walls[wall].thickness * zoom * (q == 90 || q == 180 ? -1 : 1);
    const Point o{TruncToInt(-t * std::sin(angle)), TruncToInt(t * std::cos(angle))};
    const Point hinge = q == 0 || q == 180 ? p[2] : p[0];
    const Point opening[] = {p[3], hinge, Plus(hinge, o), Plus(p[3], o)};
    const Brush previous = canvas.SetBrush({Brush::Solid, room.Color});
    canvas.Polygon(opening);
    canvas.SetBrush(previous);
}

// The leaf as a line from the hinge, its swing as a quarter arc.
void DrawDoor(const CPart& door, Canvas& canvas, const Corners& p, double zoom, const CRoom* room)
{
    if (door.LineColor == NoColour)
        return;
    // A quarter of the way from the corner to another, in 64 bits for doors of any size.
    const auto nearCorner = [&](Point other) {
        return Point{static_cast<int32_t>((3 * int64_t{p[1].x} + other.x) / 4),
                     static_cast<int32_t>((3 * int64_t{p[1].y} + other.y) / 4)};
    };
    const Point arc[] = {p[0], nearCorner(p[0]), nearCorner(p[2]), p[2]};
    canvas.PolyBezier(arc);
    const Point leaf[] = {p[0], p[3], p[2]};
    canvas.Polyline(leaf);
    if (door.SnapToWallFlag && room)
        DrawDoorOpening(door, canvas, p, zoom, *room);
}

unsigned CaptionFlags(const CPart& part)
{
    if (part.Type != Label)
        return TextCentre | TextWordBreak | TextEndEllipsis;
    switch (part.LineColor) {
    case AlignCentre:
        return TextNoClip | TextCentre;
    case AlignRight:
        return TextNoClip | TextRight;
    default:
        return TextNoClip | TextLeft;
    }
}

Rect Lowered(Rect r, int32_t by)
{
    r.top = SaturateToInt(int64_t{r.top} + by);
    return r;
}

// A caption that does not fit its object shrinks to one line with an ellipsis, and to "..."
// when not even one line fits. An object lower than any text needs no layout of its caption.
void DrawObjectCaption(const std::string& text, Canvas& canvas, const Rect& r, unsigned flags)
{
    const int64_t height = int64_t{r.bottom} - r.top;
    if (height >= canvas.LeastTextHeight(text)) {
        const Rect measured = canvas.DrawText(text, r, flags | TextCalcRect);
        const int64_t textHeight = int64_t{measured.bottom} - measured.top;
        if (textHeight <= height) {
            canvas.DrawText(text, Lowered(r, static_cast<int32_t>((height - textHeight) / 2)), flags);
            return;
        }
    }
    const unsigned oneLine = TextCentre | TextSingleLine;
    const int64_t lineHeight = canvas.OneLineHeight(text);
    const Rect centred = Lowered(r, static_cast<int32_t>((height - lineHeight) / 2));
    if (height >= lineHeight)
        canvas.DrawText(text, centred, oneLine | TextEndEllipsis);
    else
        canvas.DrawText("...", centred, oneLine | TextNoClip);
}

void DrawLabelCaption(const CPart& label, Canvas& canvas, const Rect& r, unsigned flags)
{
    const Rect m = canvas.DrawText(label.Caption, r, flags | TextCalcRect);
    canvas.FillRect({m.left, m.top, SaturateToInt(int64_t{m.right} + 1), SaturateToInt(int64_t{m.bottom} + 1)},
                    FillBrush(label));
    canvas.DrawText(label.Caption, m, flags);
}

}  // namespace

void DrawShape(CPart& part, Canvas& canvas, int32_t offsetX, int32_t offsetY, double zoom, bool shapeOnly,
               const CRoom* room)
{
    const Corners& p = part.ScreenCorners(offsetX, offsetY, zoom);
    if (!shapeOnly && part.Type == LibraryObject && part.LibObjID != 0 &&
        DrawLibraryObject(part, canvas, part.LibObjID, offsetX, offsetY, zoom))
        return;
    switch (part.ShapeType()) {
    case Circle:
        DrawCircle(part, canvas, p, zoom);
        return;
    case Ellipse:
        canvas.Ellipse(part.ScreenBounds(offsetX, offsetY, zoom));
        return;
    case Hexagon:
        DrawHexagon(canvas, p);
        return;
    case Label:
        return;
    case Window:
        if (shapeOnly)
            return;  // windows take no part in the collision view
        break;
    case Door:
        if (!shapeOnly) {
            DrawDoor(part, canvas, p, zoom, room);
            return;
        }
        break;
    default:
        break;
    }
    canvas.Polygon(p);
}

void DrawCaption(const CPart& part, Canvas& canvas, const Rect& rect, double zoom)
{
    const Colour previousColour = canvas.SetTextColour(part.TextColor);
    const unsigned flags = CaptionFlags(part);
    if (part.Type != Label) {
        DrawObjectCaption(part.Caption, canvas, rect, flags);
    } else if (part.Font) {
        CFont scaled = *part.Font;
        scaled.size = TruncToInt(scaled.size * zoom);
        const std::optional<CFont> previousFont = canvas.SetFont(scaled);
        DrawLabelCaption(part, canvas, rect, flags);
        canvas.SetFont(previousFont);
    } else {
        DrawLabelCaption(part, canvas, rect, flags);
    }
    canvas.SetTextColour(previousColour);
}

void CPart::Draw(Canvas& canvas, int32_t offsetX, int32_t offsetY, double zoom, bool showCaption,
                 bool shapeOnly, const CRoom* room)
{
    if (shapeOnly) {
        DrawShape(*this, canvas, offsetX, offsetY, zoom, true, room);
        return;
    }
    const Brush previousBrush = canvas.SetBrush(FillBrush(*this));
    const Pen previousPen = canvas.SetPen(OutlinePen(*this));
    DrawShape(*this, canvas, offsetX, offsetY, zoom, false, room);
    if (TextColor != NoColour && !Caption.empty() && (showCaption || Type == Label))
        DrawCaption(*this, canvas, ScreenBounds(offsetX, offsetY, zoom), zoom);
    canvas.SetPen(previousPen);
    canvas.SetBrush(previousBrush);
}
