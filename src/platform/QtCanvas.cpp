#include "platform/QtCanvas.h"

#include "base/Numeric.h"
#include "platform/QtConversions.h"
#include "platform/TextLayout.h"
#include "platform/TextStamps.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygon>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// A whole turn in QPainter's angle unit, 1/16 degree.
constexpr int FullCircle = 360 * 16;

constexpr QRgb RgbBits = 0x00FFFFFF;

// How far a one-pixel pen may reach past the points it joins.
constexpr int PenReach = 1;

// Laying text out costs time and memory by the character; no plan shows this much of one
// caption, so a longer one, as from a damaged file, is cut before it is laid out.
constexpr size_t MaxDrawnCharacters = 100'000;

std::string_view DrawnText(std::string_view text)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == MaxDrawnCharacters)
            return text.substr(0, i);
    }
    return text;
}

class QtCanvasImage : public CanvasImage {
public:
    explicit QtCanvasImage(QImage image) : image(std::move(image)) {}
    QImage image;
};

// Sizes far beyond any plan's would only make the font engine labour.
constexpr double MaxScaledPointSize = 16000;

// The resolution fonts are sized for: that of an image, which the plan is composed in.
int ImageDpi()
{
    static const int dpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    return dpi;
}

// The pixels of an image with a device pixel ratio, else nothing.
QImage PixelsOfScaledImage(QPaintDevice& device)
{
    auto* image = dynamic_cast<QImage*>(&device);
    return image && image->devicePixelRatio() != 1.0 ? DevicePixels(*image) : QImage();
}

// Only these formats hold a pixel as one 0xAARRGGBB word, which the flood fill relies on.
QImage* ReadableImage(QPaintDevice& device)
{
    auto* image = dynamic_cast<QImage*>(&device);
    if (!image)
        return nullptr;
    const QImage::Format format = image->format();
    const bool xrgb = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                      format == QImage::Format_ARGB32_Premultiplied;
    return xrgb ? image : nullptr;
}

QPainter::CompositionMode ToCompositionMode(RasterMode mode)
{
    return mode == RasterMode::MaskPenNot ? QPainter::RasterOp_SourceAndNotDestination
                                          : QPainter::CompositionMode_SourceOver;
}

QPolygon ToQPolygon(std::span<const Point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points)
        polygon.append(ToQPoint(p));
    return polygon;
}

int ToQtTextFlags(unsigned flags)
{
    int qtFlags = Qt::AlignTop;
    if (flags & TextCentre)
        qtFlags |= Qt::AlignHCenter;
    else
        qtFlags |= (flags & TextRight) ? Qt::AlignRight : Qt::AlignLeft;
    if (flags & TextWordBreak)
        qtFlags |= Qt::TextWordWrap;
    if (flags & TextSingleLine)
        qtFlags |= Qt::TextSingleLine;
    if (flags & TextNoClip)
        qtFlags |= Qt::TextDontClip;
    return qtFlags;
}

// The angle, in QPainter's unit, at which the radial from the box's centre through the point
// meets the ellipse. QPainter measures angles on an ellipse as if it were the circle it is
// stretched from, so the radial is first squeezed back onto that circle.
int PieAngle(const QRectF& box, Point through)
{
    const QPointF centre = box.center();
    const double angle =
        std::atan2((centre.y() - through.y) / box.height(), (through.x - centre.x()) / box.width());
    return qRound(qRadiansToDegrees(angle) * 16);
}

// Fills the area around the seed that is bounded by the border colour, one row span at a
// time, and marks the pixels it reaches; marked pixels are never entered again. Each pixel is
// filled once, so time and memory are bounded by the image's size.
void ScanlineFill(QImage& image, QPoint seed, QRgb border, QRgb fill, std::vector<uint8_t>& reached)
{
    if (!image.rect().contains(seed))
        return;
    const int width = image.width();
    const int height = image.height();
    const QRgb edge = border & RgbBits;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
    const auto marks = [&](int y) { return reached.data() + static_cast<size_t>(y) * static_cast<size_t>(width); };
    const auto open = [&](const QRgb* pixels, const uint8_t* marked, int x) {
        return !marked[x] && (pixels[x] & RgbBits) != edge;
    };
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const int y = p.y();
        QRgb* const pixels = row(y);
        uint8_t* const marked = marks(y);
        if (!open(pixels, marked, p.x()))
            continue;
        int left = p.x();
        int right = p.x();
        while (left > 0 && open(pixels, marked, left - 1))
            --left;
        while (right + 1 < width && open(pixels, marked, right + 1))
            ++right;
        std::fill(pixels + left, pixels + right + 1, fill);
        std::fill(marked + left, marked + right + 1, uint8_t{1});
        // Each run of open pixels next to the span is seeded once, at its left end.
        for (const int next : {y - 1, y + 1}) {
            if (next < 0 || next >= height)
                continue;
            const QRgb* const nextPixels = row(next);
            const uint8_t* const nextMarked = marks(next);
            bool previousOpen = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open(nextPixels, nextMarked, x);
                if (isOpen && !previousOpen)
                    pending.emplace_back(x, next);
                previousOpen = isOpen;
            }
        }
    }
}

}  // namespace

QImage DevicePixels(QImage& image)
{
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
}

QtCanvas::QtCanvas(QPaintDevice& device, double pixelRatio)
    : pixels_(PixelsOfScaledImage(device)),
      device_(pixels_.isNull() ? device : pixels_),
      image_(ReadableImage(device_)),
      ownPainter_(std::in_place, &device_),
      painter_(*ownPainter_),
      pixelRatio_(pixelRatio > 0 ? pixelRatio : device.devicePixelRatioF())
{
    SetUp();
}

QtCanvas::QtCanvas(QPainter& painter, double pixelRatio)
    : device_(*painter.device()), image_(nullptr), painter_(painter), pixelRatio_(pixelRatio)
{
    painter_.save();
    SetUp();
}

QtCanvas::~QtCanvas()
{
    if (!ownPainter_)
        painter_.restore();
}

void QtCanvas::SetUp()
{
    fontScale_ = static_cast<double>(ImageDpi()) / device_.logicalDpiY();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(ToQPen(pen_));
    painter_.setBrush(ToQBrush(brush_));
    painter_.setFont(ScaledFont(font_));
    layoutFont_ = &LayoutFontOf(painter_);
}

void QtCanvas::SetGrey(bool grey)
{
    grey_ = grey;
    painter_.setPen(ToQPen(pen_));
    painter_.setBrush(ToQBrush(brush_));
}

void QtCanvas::SetLineWidth(double pixels)
{
    lineWidth_ = pixels;
    painter_.setPen(ToQPen(pen_));
}

QColor QtCanvas::Ink(Colour colour) const
{
    const QColor ink = ToQColor(colour);
    if (!grey_)
        return ink;
    const int grey = (ink.red() + ink.green() + ink.blue()) / 3;
    return QColor(grey, grey, grey);
}

QPen QtCanvas::ToQPen(const Pen& pen) const
{
    if (pen.style == Pen::Null)
        return QPen(Qt::NoPen);
    QPen qpen(Ink(pen.colour), lineWidth_, pen.style == Pen::Dot ? Qt::DotLine : Qt::SolidLine);
    qpen.setCosmetic(true);
    return qpen;
}

QBrush QtCanvas::ToQBrush(const Brush& brush) const
{
    return brush.style == Brush::Hollow ? QBrush(Qt::NoBrush) : QBrush(Ink(brush.colour));
}

QFont QtCanvas::ScaledFont(const std::optional<CFont>& font) const
{
    QFont qfont = ToQFont(font);
    const double scale = fontScale_ * (font ? 1.0 : pixelRatio_);
    if (scale != 1.0)
        qfont.setPointSizeF(std::min(qfont.pointSizeF() * scale, MaxScaledPointSize));
    return qfont;
}

int QtCanvas::Width() const
{
    return device_.width();
}

int QtCanvas::Height() const
{
    return device_.height();
}

Pen QtCanvas::SetPen(const Pen& pen)
{
    painter_.setPen(ToQPen(pen));
    return std::exchange(pen_, pen);
}

Brush QtCanvas::SetBrush(const Brush& brush)
{
    painter_.setBrush(ToQBrush(brush));
    return std::exchange(brush_, brush);
}

RasterMode QtCanvas::SetRasterMode(RasterMode mode)
{
    painter_.setCompositionMode(ToCompositionMode(mode));
    return std::exchange(rasterMode_, mode);
}

Colour QtCanvas::SetTextColour(Colour colour)
{
    return std::exchange(textColour_, colour);
}

std::optional<CFont> QtCanvas::SetFont(const std::optional<CFont>& font)
{
    painter_.setFont(ScaledFont(font));
    layoutFont_ = &LayoutFontOf(painter_);
    return std::exchange(font_, font);
}

void QtCanvas::Polygon(std::span<const Point> points)
{
    const QPolygon polygon = ToQPolygon(points);
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
    MarkPainted(polygon.boundingRect(), PenReach);
}

void QtCanvas::Ellipse(const Rect& box)
{
    painter_.drawEllipse(ToQRect(box));
    MarkPainted(ToQRect(box).normalized(), PenReach);
}

void QtCanvas::Pie(const Rect& box, Point start, Point end)
{
    const QRect qbox = ToQRect(box);
    if (qbox.isEmpty())
        return;
    const int from = PieAngle(qbox, start);
    int span = (PieAngle(qbox, end) - from) % FullCircle;
    if (span <= 0)
        span += FullCircle;  // radials that coincide enclose the whole ellipse
    painter_.drawPie(qbox, from, span);
    MarkPainted(qbox.normalized(), PenReach);
}

void QtCanvas::Polyline(std::span<const Point> points)
{
    const QPolygon polyline = ToQPolygon(points);
    painter_.drawPolyline(polyline);
    MarkPainted(polyline.boundingRect(), PenReach);
}

void QtCanvas::PolyBezier(std::span<const Point> points)
{
    if (points.empty())
        return;
    QPainterPath path(ToQPoint(points[0]));
    for (size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(ToQPoint(points[i]), ToQPoint(points[i + 1]), ToQPoint(points[i + 2]));
    painter_.strokePath(path, painter_.pen());
    // A cubic segment stays within the hull of its control points.
    MarkPainted(ToQPolygon(points).boundingRect(), PenReach);
}

void QtCanvas::FillRect(const Rect& rect, const Brush& brush)
{
    painter_.fillRect(ToQRect(rect), ToQBrush(brush));
    if (brush.style != Brush::Hollow)
        MarkPainted(ToQRect(rect).normalized(), 0);
}

// The pixels of a printer cannot be read back, so there the fill does nothing; the plan is
// always rendered into an image first.
void QtCanvas::FloodFill(Point seed, Colour border, Colour fill)
{
    if (!image_)
        return;
    const QRgb edge = Ink(border).rgb();
    const QRgb paint = Ink(fill).rgb();
    std::optional<LastFill> last = std::exchange(lastFill_, std::nullopt);
    if (!last || last->border != edge || last->fill != paint)
        last = LastFill{edge, paint, std::vector<uint8_t>(static_cast<size_t>(image_->width()) * image_->height())};
    ScanlineFill(*image_, ToQPoint(seed), edge, paint, last->reached);
    MarkPainted(image_->rect(), 0);
    lastFill_ = std::move(last);
}

Rect QtCanvas::DrawText(std::string_view text, const Rect& rect, unsigned flags)
{
    const QRect box = ToQRect(rect);
    const int qtFlags = ToQtTextFlags(flags);
    const QFontMetrics metrics = painter_.fontMetrics();
    const TextLayout& layout = LayOutText(DrawnText(text), box.width(), flags, qtFlags, metrics, *layoutFont_);
    if (!(flags & TextCalcRect)) {
        const QColor ink = Ink(textColour_);
        QRect drawn;
        if (!(flags & TextSingleLine) ||
            !DrawStamped(painter_, box, {layout.shown, layout.needed, qtFlags}, ink, *layoutFont_, drawn)) {
            painter_.setPen(ink);
            painter_.drawText(box, qtFlags, layout.shown, &drawn);
            painter_.setPen(ToQPen(pen_));
        }
        // Glyphs may reach past the text's logical box: slanted ones, accents, underlines.
        MarkPainted(drawn, metrics.height() / 2 + 1);
    }
    return {rect.left, rect.top, SaturateToInt(int64_t{rect.left} + layout.needed.width()),
            SaturateToInt(int64_t{rect.top} + layout.needed.height())};
}

int32_t QtCanvas::OneLineHeight(std::string_view text)
{
    const int known = KnownLineHeight(DrawnText(text), *layoutFont_);
    return known > 0 ? known : Canvas::OneLineHeight(text);
}

int32_t QtCanvas::LeastTextHeight(std::string_view text)
{
    return ::LeastTextHeight(DrawnText(text), *layoutFont_);
}

void QtCanvas::DrawPicture(const CanvasPicture& picture, const PictureTransform& t, int opacity)
{
    const QImage& image = static_cast<const QtCanvasPicture&>(picture).image;
    const QTransform transform(t.m11, t.m12, t.m21, t.m22, t.dx, t.dy);
    painter_.save();
    painter_.setTransform(transform, true);
    painter_.setOpacity(opacity / 100.0);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(0, 0, image);
    painter_.restore();
    MarkPainted(transform.mapRect(QRectF(image.rect())).toAlignedRect(), 1);
}

std::unique_ptr<CanvasImage> QtCanvas::Grab() const
{
    return std::make_unique<QtCanvasImage>(image_ ? image_->copy() : QImage());
}

void QtCanvas::Put(const CanvasImage& image)
{
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& source = static_cast<const QtCanvasImage&>(image).image;
    // Only the clipped part is copied; a redraw of a small region costs no more.
    const QRect area = painter_.hasClipping() ? painter_.clipBoundingRect().toAlignedRect() & source.rect()
                                              : source.rect();
    painter_.drawImage(area.topLeft(), source, area);
    painter_.setCompositionMode(ToCompositionMode(rasterMode_));
    MarkPainted(area, 0);
}

void QtCanvas::SetClip(const QRegion& area)
{
    painter_.setClipRegion(area);
}
