#pragma once
// Between the model's colours and fonts and Qt's, in one place.

#include "model/CFont.h"
#include "model/Colour.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <string>

// The model's 0x00BBGGRR colour as Qt's colour; the top byte, which marks "no colour", is
// the caller's concern.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// A font of the model as Qt's, its size in points bounded; nothing gives the default font.
// Drawing is two-colour, so glyphs are not smoothed.
QFont ToQFont(const std::optional<CFont>& font);
// Qt's font as the model's, keeping the character set and pitch of `base`.
CFont FromQFont(const QFont& font, const CFont& base = CFont{});

inline QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}
