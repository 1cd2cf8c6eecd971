#pragma once
// One line of text that many objects show alike, as the ellipsis of every object too small
// for its caption, is drawn once into a transparent image, its stamp, and then copied. Text
// on an image is drawn with one-bit glyphs in a solid colour, clipped to its box where it
// does not fit, so a copy of the stamp sets the very pixels a drawing would; glyph positions
// are rounded alike wherever they lie, as long as they are not negative, so a stamp is copied
// only where all of it lands inside the image. A stamp is made when its text is drawn at a
// second place; all drawing happens on the GUI thread, which alone uses them.

#include <QRect>
#include <QSize>
#include <QString>

class QColor;
class QPainter;
struct LayoutFont;

// What to draw: the text as laid out, the size it needs, and the flags of QPainter::drawText.
struct StampedText {
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
