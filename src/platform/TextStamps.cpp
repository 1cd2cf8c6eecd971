#include "platform/TextStamps.h"

#include "platform/TextLayout.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

namespace {

// Stamps are small, a few for each size of box; beyond this many pixels, or this many texts
// remembered, they are made anew.
constexpr qsizetype MaxStampedPixels = 1 << 22;
constexpr size_t MaxTexts = 1 << 16;

struct Stamp {
    std::optional<QPoint> firstPlace;  // where the text was drawn first, until a stamp is tried
    QImage image;       // null until made, and when the text cannot be stamped
    QPoint boxOrigin;   // where the box's top-left corner lies in the image
    QRect drawn;        // as drawText gives it, from the box's top-left corner
};

// Drawing with this painter sets pixels to the pen's colour or leaves them as they are.
bool PaintsPlainly(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device->devType() == QInternal::Image && static_cast<const QImage*>(device)->format() == QImage::Format_RGB32 && painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.deviceTransform().isIdentity() && painter.opacity() == 1.0 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           !painter.testRenderHint(QPainter::TextAntialiasing);
}

// Whether every pixel is either untouched or the ink itself, as copying needs.
bool IsTwoColoured(const QImage& image, QRgb ink)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [&](QRgb pixel) { return pixel == 0 || pixel == ink; }))
            return false;
    }
    return true;
}

void Make(Stamp& stamp, QPainter& painter, const QRect& box, const StampedText& text, const QColor& ink)
{
    // Room for glyphs that reach past the text's box, as slanted ones do.
    const int margin = 2 * painter.fontMetrics().height() + 2;
    stamp.boxOrigin = QPoint(margin + std::max(0, text.needed.width() - box.width()), margin);
    QImage image(stamp.boxOrigin.x() + std::max(box.width(), text.needed.width()) + margin,
                 margin + text.needed.height() + margin, QImage::Format_ARGB32_Premultiplied);
    const QPaintDevice& device = *painter.device();
    if (image.isNull() || image.logicalDpiX() != device.logicalDpiX() || image.logicalDpiY() != device.logicalDpiY())
        return;
    image.fill(Qt::transparent);
    QPainter scratch(&image);
    scratch.setRenderHints(painter.renderHints());
    scratch.setLayoutDirection(painter.layoutDirection());
    scratch.setFont(painter.font());
    scratch.setPen(ink);
    scratch.drawText(QRect(stamp.boxOrigin, box.size()), text.qtFlags, text.shown, &stamp.drawn);
    scratch.end();
    stamp.drawn.translate(-stamp.boxOrigin);
    if (IsTwoColoured(image, ink.rgba()))
        stamp.image = std::move(image);
}

}  // namespace

bool DrawStamped(QPainter& painter, const QRect& box, const StampedText& text, const QColor& ink,
                 const LayoutFont& font, QRect& drawn)
{
    static std::unordered_map<std::string, Stamp> stamps;
    static qsizetype stampedPixels = 0;
    if (!PaintsPlainly(painter))
        return false;
    std::string key(reinterpret_cast<const char*>(text.shown.utf16()), static_cast<size_t>(text.shown.size()) * 2);
    AppendKeyBytes(key, font.id);
    AppendKeyBytes(key, box.width());
    AppendKeyBytes(key, text.qtFlags);
    AppendKeyBytes(key, ink.rgba());
    if (stamps.size() >= MaxTexts || stampedPixels > MaxStampedPixels) {
        stamps.clear();
        stampedPixels = 0;
    }
    auto [found, added] = stamps.try_emplace(std::move(key));
    Stamp& stamp = found->second;
    if (added)
        stamp.firstPlace = box.topLeft();
    if (stamp.firstPlace) {
        // A text drawn at one place only, as most captions are, is not worth a stamp.
        if (*stamp.firstPlace == box.topLeft())
            return false;
        stamp.firstPlace.reset();
        Make(stamp, painter, box, text, ink);
        stampedPixels += stamp.image.width() * stamp.image.height();
    }
    const QPoint at = box.topLeft() - stamp.boxOrigin;
    if (stamp.image.isNull() || at.x() < 0 || at.y() < 0)
        return false;
    painter.drawImage(at, stamp.image);
    drawn = stamp.drawn.translated(box.topLeft());
    return true;
}
