#include "platform/QtConversions.h"

#include "base/NumberText.h"

#include <QLocale>

#include <algorithm>

namespace {

// Glyphs of larger sizes would dwarf any surface; a corrupt font size must not make the
// font engine try.
constexpr int MaxPointSize = 4000;

}  // namespace

QColor ToQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour FromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

QFont ToQFont(const std::optional<CFont>& font)
{
    const CFont& f = font ? *font : CFont{};
    QFont qfont(QString::fromStdString(f.face));
    qfont.setStyleHint(f.pitch == CFont::FixedPitch ? QFont::Monospace : QFont::SansSerif,
                       QFont::NoAntialias);
    qfont.setPointSize(std::clamp(f.size, 1, MaxPointSize));
    qfont.setBold(f.style & CFont::Bold);
    qfont.setItalic(f.style & CFont::Italic);
    qfont.setUnderline(f.style & CFont::Underline);
    qfont.setStrikeOut(f.style & CFont::StrikeOut);
    return qfont;
}

CFont FromQFont(const QFont& font, const CFont& base)
{
    CFont chosen = base;
    chosen.face = font.family().toStdString();
    chosen.size = font.pointSize();
    chosen.style = (font.bold() ? CFont::Bold : 0) | (font.italic() ? CFont::Italic : 0) |
                   (font.underline() ? CFont::Underline : 0) | (font.strikeOut() ? CFont::StrikeOut : 0);
    return chosen;
}

NumberPunctuation LocalePunctuation()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
