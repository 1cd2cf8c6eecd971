#pragma once
// One line of text drawn the same way again and again, as the ellipsis of every object too
// small for its caption, is drawn once into a transparent image, its stamp, and then copied.
// Text on an image is drawn with one-bit glyphs in a solid colour, so a copy of the stamp
// sets the very pixels a drawing would; glyph positions are rounded alike wherever they lie,
// as long as they are not negative, so a stamp is copied only where all of it lands inside
// the image. Stamps are made on a text's second drawing; all drawing happens on the GUI
// thread, which alone uses them.

#include <QRect>
#include <QString>

#include <string_view>

class QColor;
class QPainter;
struct LayoutFont;

// What to draw: `qtFlags` as QPainter::drawText takes them, which must not clip; the text is
// `shown` as laid out, `needed` is its size, `key` tells it apart from other texts.
struct StampedText {
    std::string_view key;
    const QString& shown;
    QSize needed;
    int qtFlags;
};

// Draws the text into the box with the painter's font in the colour, as QPainter::drawText
// would, and sets `drawn` to the rectangle drawText gives. Returns false, having drawn
// nothing, when a stamp cannot stand in for the drawing (not yet made, not on an image, a
// transformation, another blending, too near the image's top or left edge).
bool DrawStamped(QPainter& painter, const QRect& box, const StampedText& text, const QColor& ink,
                 const LayoutFont& font, QRect& drawn);
