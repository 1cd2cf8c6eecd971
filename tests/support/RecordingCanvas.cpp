#include "support/RecordingCanvas.h"

#include "base/Numeric.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

std::string Hex(Colour colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

std::string Points(std::string name, std::span<const Point> points)
{
    for (const Point& p : points)
        name += " " + ToString(p);
    return name;
}

class RecordedImage : public CanvasImage {
public:
    explicit RecordedImage(int id) : id(id) {}
    int id;
};

// The lengths of a text's lines between its explicit breaks; a single line takes it whole.
std::vector<int64_t> LineLengths(std::string_view text, unsigned flags)
{
    if (flags & TextSingleLine)
        return {static_cast<int64_t>(text.size())};
    std::vector<int64_t> lengths;
    for (size_t start = 0;; start += 2) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        lengths.push_back(static_cast<int64_t>(end - start));
        if (end == text.size())
            return lengths;
        start = end;
    }
}

}  // namespace

std::string ToString(const Point& p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string ToString(const Rect& r)
{
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + "]";
}

std::vector<std::string> RecordingCanvas::Calls(std::string_view name) const
{
    std::vector<std::string> calls;
    for (const std::string& line : log)
        if (line.compare(0, name.size(), name) == 0 && (line.size() == name.size() || line[name.size()] == ' '))
            calls.push_back(line);
    return calls;
}

Pen RecordingCanvas::SetPen(const Pen& newPen)
{
    static const char* const styles[] = {"Solid", "Dot", "Null"};
    log.push_back(std::string("Pen ") + styles[newPen.style] + " " + Hex(newPen.colour));
    return std::exchange(pen, newPen);
}

Brush RecordingCanvas::SetBrush(const Brush& newBrush)
{
    log.push_back(newBrush.style == Brush::Hollow ? "Brush Hollow" : "Brush Solid " + Hex(newBrush.colour));
    return std::exchange(brush, newBrush);
}

RasterMode RecordingCanvas::SetRasterMode(RasterMode mode)
{
    log.push_back(mode == RasterMode::Copy ? "Raster Copy" : "Raster MaskPenNot");
    return std::exchange(rasterMode, mode);
}

Colour RecordingCanvas::SetTextColour(Colour colour)
{
    log.push_back("TextColour " + Hex(colour));
    return std::exchange(textColour, colour);
}

std::optional<CFont> RecordingCanvas::SetFont(const std::optional<CFont>& newFont)
{
    log.push_back(newFont ? "Font " + newFont->face + " " + std::to_string(newFont->size) : "Font default");
    return std::exchange(font, newFont);
}

void RecordingCanvas::Polygon(std::span<const Point> points)
{
    log.push_back(Points("Polygon", points));
}

void RecordingCanvas::Ellipse(const Rect& box)
{
    log.push_back("Ellipse " + ToString(box));
}

void RecordingCanvas::Pie(const Rect& box, Point start, Point end)
{
    log.push_back("Pie " + ToString(box) + " " + ToString(start) + " " + ToString(end));
}

void RecordingCanvas::Polyline(std::span<const Point> points)
{
    log.push_back(Points("Polyline", points));
}

void RecordingCanvas::PolyBezier(std::span<const Point> points)
{
    log.push_back(Points("PolyBezier", points));
}

void RecordingCanvas::FillRect(const Rect& rect, const Brush& fill)
{
    log.push_back("FillRect " + ToString(rect) + (fill.style == Brush::Hollow ? " Hollow" : " " + Hex(fill.colour)));
}

void RecordingCanvas::FloodFill(Point seed, Colour border, Colour fill)
{
    log.push_back("FloodFill " + ToString(seed) + " " + Hex(border) + " " + Hex(fill));
}

Rect RecordingCanvas::DrawText(std::string_view text, const Rect& rect, unsigned flags)
{
    // In 64 bits: the rectangle of a huge object's caption may span more than int32 holds.
    const int64_t available = int64_t{rect.right} - rect.left;
    const std::vector<int64_t> lines = LineLengths(text, flags);
    const int64_t width = std::min<int64_t>(*std::max_element(lines.begin(), lines.end()) * CharWidth,
                                            (flags & TextWordBreak) ? available : INT32_MAX);
    // Wrapped to the width when asked, a line takes as many lines as its characters need.
    const bool wraps = (flags & TextWordBreak) && !(flags & TextSingleLine);
    const int64_t perLine = std::max(1, SaturateToInt(available) / CharWidth);
    int64_t count = 0;
    for (const int64_t chars : lines)
        count += wraps && chars > perLine ? (chars + perLine - 1) / perLine : 1;
    const int64_t height = count * LineHeight;
    const Rect measured{rect.left, rect.top, SaturateToInt(rect.left + width), SaturateToInt(rect.top + height)};
    if (!(flags & TextCalcRect))
        log.push_back("Text " + ToString(rect) + " " + std::to_string(flags) + " " + std::string(text));
    return measured;
}

void RecordingCanvas::DrawPicture(const CanvasPicture& picture, const PictureTransform& t, int opacity)
{
    log.push_back("DrawPicture " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()) + " at (" +
                  std::to_string(t.dx) + "," + std::to_string(t.dy) + ") " + std::to_string(opacity) + "%");
}

std::unique_ptr<CanvasImage> RecordingCanvas::Grab() const
{
    return std::make_unique<RecordedImage>(++grabs_);
}

void RecordingCanvas::Put(const CanvasImage& image)
{
    log.push_back("Put " + std::to_string(static_cast<const RecordedImage&>(image).id));
}
