#pragma once
// A canvas that writes down every call, for tests of what the renderer draws. Text has fixed
// metrics: every character is CharWidth pixels wide and every line LineHeight pixels high.

#include "platform/Canvas.h"

#include <string>
#include <vector>

class RecordingCanvas : public Canvas {
public:
    static constexpr int CharWidth = 6;
    static constexpr int LineHeight = 10;

    RecordingCanvas(int width = 640, int height = 480) : width_(width), height_(height) {}

    // One line per call, e.g. "Polygon (0,0) (10,0) (10,10) (0,10)" or "Pen Dot 0x0000FF".
    std::vector<std::string> log;
    // The calls whose line starts with the given word.
    std::vector<std::string> Calls(std::string_view name) const;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    Pen SetPen(const Pen& pen) override;
    Brush SetBrush(const Brush& brush) override;
    RasterMode SetRasterMode(RasterMode mode) override;
    Colour SetTextColour(Colour colour) override;
    std::optional<CFont> SetFont(const std::optional<CFont>& font) override;
    void Polygon(std::span<const Point> points) override;
    void Ellipse(const Rect& box) override;
    void Pie(const Rect& box, Point start, Point end) override;
    void Polyline(std::span<const Point> points) override;
    void PolyBezier(std::span<const Point> points) override;
    void FillRect(const Rect& rect, const Brush& brush) override;
    void FloodFill(Point seed, Colour border, Colour fill) override;
    Rect DrawText(std::string_view text, const Rect& rect, unsigned flags) override;
    void DrawPicture(const CanvasPicture& picture, const PictureTransform& transform, int opacity) override;
    std::unique_ptr<CanvasImage> Grab() const override;
    void Put(const CanvasImage& image) override;

    Pen pen;
    Brush brush;
    RasterMode rasterMode = RasterMode::Copy;
    Colour textColour = 0;
    std::optional<CFont> font;

private:
    int width_;
    int height_;
    mutable int grabs_ = 0;
};

std::string ToString(const Point& p);
std::string ToString(const Rect& r);
