#pragma once
// The canvas over QPainter: on a QImage for the plan, exports and the clipboard, or on any
// other paint device such as a printer. Drawing is aliased with one-pixel cosmetic pens and
// two-colour text, so that the plan looks the same on every surface.
//
// Reading pixels back needs a 32-bit QImage (Format_RGB32, as the plan uses): on any other
// device FloodFill leaves the surface as it is and Grab returns an empty image, whose Put
// draws nothing.

#include "platform/Canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include <string>
#include <utility>

class QPaintDevice;

// A picture decoded by Qt, ready for DrawPicture.
class QtCanvasPicture : public CanvasPicture {
public:
    explicit QtCanvasPicture(QImage picture) : image(std::move(picture)) {}
    int Width() const override { return image.width(); }
    int Height() const override { return image.height(); }
    const QImage image;
};

class QtCanvas : public Canvas {
public:
    // Paints on the device until the canvas is destroyed.
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;

    int Width() const override;
    int Height() const override;

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
    // Takes a QtCanvasPicture.
    void DrawPicture(const CanvasPicture& picture, const PictureTransform& transform, int opacity) override;
    std::unique_ptr<CanvasImage> Grab() const override;
    // Takes an image grabbed from a QtCanvas.
    void Put(const CanvasImage& image) override;

    // Limits every later drawing to the area; an empty one lets nothing through.
    void SetClip(const QRegion& area);
    // A rectangle that holds every pixel drawn since the last call, the clip not counted,
    // so that a partial redraw knows which drawings reach into the area it repaints.
    QRect TakePaintedBounds() { return std::exchange(painted_, QRect()); }

private:
    void UpdateFontKey();
    void MarkPainted(const QRect& bounds, int margin) { painted_ |= bounds.adjusted(-margin, -margin, margin, margin); }

    QPaintDevice& device_;
    QImage* image_;  // the device when its pixels can be read back, else null
    QPainter painter_;
    Pen pen_;
    Brush brush_;
    RasterMode rasterMode_ = RasterMode::Copy;
    Colour textColour_ = 0;
    std::optional<CFont> font_;
    QRect painted_;
    std::string fontKey_;  // tells the remembered text layouts of this font and device apart
};
