#pragma once
// The canvas over QPainter: on a QImage for the plan, exports and the clipboard, or on any
// other paint device such as a printer. Drawing is aliased with one-pixel cosmetic pens and
// two-colour text, so that the plan looks the same on every surface.
//
// Coordinates are always device pixels, also on an image with a device pixel ratio. The pixel
// ratio says how many device pixels a pixel of the plan at its own size takes: text keeps its
// size relative to the drawing, so a font is sized as on an image of the plan at its own size,
// and the surface's default font grows with the ratio.
//
// Reading pixels back needs a 32-bit QImage (Format_RGB32, as the plan uses): on any other
// device FloodFill leaves the surface as it is and Grab returns an empty image, whose Put
// draws nothing.

#include "platform/Canvas.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QPaintDevice;
struct LayoutFont;

// The image's pixels, shared, as an image without a device pixel ratio: QPainter scales any
// drawing on an image with one, while this one is painted on pixel for pixel. It stays valid
// while the image lives and is not reallocated.
QImage DevicePixels(QImage& image);

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
    // Paints on the device until the canvas is destroyed; a ratio of 0 takes the device's own.
    explicit QtCanvas(QPaintDevice& device, double pixelRatio = 0.0);
    // Paints with a painter that is active on its device, in the painter's coordinates, and
    // leaves its settings as they were. Its surface is not read back.
    QtCanvas(QPainter& painter, double pixelRatio);
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
    int32_t OneLineHeight(std::string_view text) override;
    int32_t LeastTextHeight(std::string_view text) override;
    // Takes a QtCanvasPicture.
    void DrawPicture(const CanvasPicture& picture, const PictureTransform& transform, int opacity) override;
    std::unique_ptr<CanvasImage> Grab() const override;
    // Takes an image grabbed from a QtCanvas.
    void Put(const CanvasImage& image) override;

    // Every colour drawn later as the grey of the average of its red, green and blue.
    void SetGrey(bool grey);
    // Pens are this many device pixels wide; 0 is one pixel, as on screen.
    void SetLineWidth(double pixels);

    // Limits every later drawing to the area; an empty one lets nothing through.
    void SetClip(const QRegion& area);
    // A rectangle that holds every pixel drawn since the last call, the clip not counted,
    // so that a partial redraw knows which drawings reach into the area it repaints.
    QRect TakePaintedBounds() { return std::exchange(painted_, QRect()); }

private:
    void SetUp();
    QColor Ink(Colour colour) const;
    QPen ToQPen(const Pen& pen) const;
    QBrush ToQBrush(const Brush& brush) const;
    QFont ScaledFont(const std::optional<CFont>& font) const;
    void MarkPainted(const QRect& bounds, int margin)
    {
        painted_ |= bounds.adjusted(-margin, -margin, margin, margin);
        lastFill_.reset();
    }

    // The last flood fill, while nothing else has been painted: the pixels it reached hold its
    // colour or are borders still, so a fill of the same colours may start from its marks and
    // has nothing to do from a seed among them (as around a plan, filled from two corners).
    struct LastFill {
        QRgb border;
        QRgb fill;
        std::vector<uint8_t> reached;
    };

    QImage pixels_;  // an image with a pixel ratio seen as its device pixels; else null
    QPaintDevice& device_;
    QImage* image_;  // the device when its pixels can be read back, else null
    std::optional<QPainter> ownPainter_;
    QPainter& painter_;
    double pixelRatio_;
    double fontScale_ = 1.0;  // points on the device per point on an image
    bool grey_ = false;
    double lineWidth_ = 0;
    Pen pen_;
    Brush brush_;
    RasterMode rasterMode_ = RasterMode::Copy;
    Colour textColour_ = 0;
    std::optional<CFont> font_;
    QRect painted_;
    std::optional<LastFill> lastFill_;
    const LayoutFont* layoutFont_ = nullptr;  // the painter's font, as text is laid out in it
};
