#pragma once
// Between the model's colours and fonts and Qt's, in one place.

#include "base/CFont.h"
#include "base/Colour.h"
#include "base/Geometry.h"
#include "base/Numeric.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

struct NumberPunctuation;

// The decimal point and thousands separator of the user's locale, for the texts that show
// measured numbers.
NumberPunctuation LocalePunctuation();

// The model's 0x00BBGGRR colour as Qt's colour; the top byte, which marks "no colour", is
// the caller's concern.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// A font of the model as Qt's, its size in points bounded; nothing gives the default font.
// Drawing is two-colour, so glyphs are not smoothed.
QFont ToQFont(const std::optional<CFont>& font);
// Qt's font as the model's, keeping the character set and pitch of `base`.
CFont FromQFont(const QFont& font, const CFont& base = CFont{});

// Points and rectangles; a Rect's right and bottom are the first pixels past it.
inline QPoint ToQPoint(Point p)
{
    return {p.x, p.y};
}

inline Point FromQPoint(QPoint p)
{
    return {p.x(), p.y()};
}

inline QRect ToQRect(const Rect& r)
{
    // A rectangle around a huge object may be wider than int32 holds.
    return {QPoint(r.left, r.top),
            QSize(SaturateToInt(int64_t{r.right} - r.left), SaturateToInt(int64_t{r.bottom} - r.top))};
}

inline Rect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
