#pragma once
// The drawing surface the plan is rendered on: a small set of stateful primitives, as a
// device context offers them. Pens are always one pixel wide; coordinates are device pixels.

#include "base/CFont.h"
#include "base/Colour.h"
#include "base/Geometry.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>

struct Pen {
    enum Style { Solid, Dot, Null };
    Style style = Solid;
    Colour colour = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    enum Style { Solid, Hollow };
    Style style = Solid;
    Colour colour = 0xFFFFFF;
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class RasterMode {
    Copy,
    // Each painted pixel becomes the pen or brush colour AND NOT the pixel already there:
    // on white, one shape comes out black and an overlap of two takes the colour itself.
    MaskPenNot,
};

// Text layout flags for DrawText.
enum TextFlag : unsigned {
    TextLeft = 0,
    TextCentre = 1u << 0,
    TextRight = 1u << 1,
    TextWordBreak = 1u << 2,    // wrap at word boundaries to the rectangle's width
    TextSingleLine = 1u << 3,   // line breaks are drawn as blanks
    TextNoClip = 1u << 4,       // draw outside the rectangle where the text is larger
    TextEndEllipsis = 1u << 5,  // a line that does not fit ends in "..."
    TextCalcRect = 1u << 6,     // only measure: nothing is drawn
};

// A copy of what a canvas shows, to be put back later (the cached background).
class CanvasImage {
public:
    virtual ~CanvasImage() = default;
};

// A decoded picture a canvas can draw, such as the background under a plan. It is shared by
// whoever shows it and never changes.
class CanvasPicture {
public:
    virtual ~CanvasPicture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// Where a picture's pixel (u, v) lands: (m11 u + m21 v + dx, m12 u + m22 v + dy) device pixels.
struct PictureTransform {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Each setter returns the previous setting, so that callers can restore it.
    virtual Pen SetPen(const Pen& pen) = 0;
    virtual Brush SetBrush(const Brush& brush) = 0;
    virtual RasterMode SetRasterMode(RasterMode mode) = 0;
    virtual Colour SetTextColour(Colour colour) = 0;
    // The caption font, its size in points; nothing selects the surface's default font.
    virtual std::optional<CFont> SetFont(const std::optional<CFont>& font) = 0;

    // Filled with the brush and outlined with the pen.
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void Ellipse(const Rect& box) = 0;
    // The part of the ellipse in the box from the radial through `start` counter-clockwise
    // (as seen on screen) to the radial through `end`.
    virtual void Pie(const Rect& box, Point start, Point end) = 0;
    // Outlined with the pen only.
    virtual void Polyline(std::span<const Point> points) = 0;
    // Cubic segments: a start point, then three points per segment.
    virtual void PolyBezier(std::span<const Point> points) = 0;

    // Fills without outline; a hollow brush fills nothing.
    virtual void FillRect(const Rect& rect, const Brush& brush) = 0;
    // Fills the area around the seed that is bounded by pixels of the border colour.
    virtual void FloodFill(Point seed, Colour border, Colour fill) = 0;

    // Draws text in the text colour, with transparent background, into the rectangle. With
    // TextCalcRect nothing is drawn. Returns the rectangle the text takes: the given one with
    // its right and bottom moved to fit the text.
    virtual Rect DrawText(std::string_view text, const Rect& rect, unsigned flags) = 0;
    // The height of the text drawn on one line (TextSingleLine), as DrawText measures it.
    virtual int32_t OneLineHeight(std::string_view text)
    {
        const Rect measured = DrawText(text, {0, 0, 0, 0}, TextSingleLine | TextCalcRect);
        return measured.bottom - measured.top;
    }
    // A height that DrawText never measures the text lower than, whatever its flags and width;
    // 0 when the surface cannot tell without laying the text out.
    virtual int32_t LeastTextHeight(std::string_view /*text*/) { return 0; }

    // Blends the picture, smoothly scaled, over what is there at an opacity of 0 to 100 percent.
    virtual void DrawPicture(const CanvasPicture& picture, const PictureTransform& transform, int opacity) = 0;

    virtual std::unique_ptr<CanvasImage> Grab() const = 0;
    virtual void Put(const CanvasImage& image) = 0;

    void Line(Point from, Point to)
    {
        const Point points[] = {from, to};
        Polyline(points);
    }
};
