#include "platform/TextLayout.h"

#include "platform/Canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QRect>
#include <QStringList>

#include <memory>
#include <string>
#include <unordered_map>

namespace {

// A room of ten thousand objects lays out a few captions each; beyond this the memory is
// given back and the layouts made anew.
constexpr size_t MaxRemembered = 1 << 16;

// Forgets everything once the map holds MaxRemembered entries.
template <typename Map>
void MakeRoom(Map& map)
{
    if (map.size() >= MaxRemembered)
        map.clear();
}

// A word shortened to the width, as QFontMetrics::elidedText gives it; words recur across
// captions, and each costs a layout of its own.
const QString& ElidedWord(const QString& word, const QFontMetrics& metrics, int width, const LayoutFont& font)
{
    static std::unordered_map<QString, QString> remembered;
    QString key = word;
    key.append(QChar(0)).append(QString::number(font.id)).append(u'/').append(QString::number(width));
    if (const auto found = remembered.find(key); found != remembered.end())
        return found->second;
    MakeRoom(remembered);
    return remembered.emplace(std::move(key), metrics.elidedText(word, Qt::ElideRight, width)).first->second;
}

// Shortens what does not fit the width so that it ends in an ellipsis: each line, or, when
// lines wrap at words, each word wider than a whole line, which would otherwise be cut.
QString Elide(const QString& text, const QFontMetrics& metrics, int width, bool wrapped, const LayoutFont& font)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        QStringList words = wrapped ? line.split(u' ') : QStringList{line};
        for (QString& word : words)
            word = ElidedWord(word, metrics, width, font);
        line = words.join(u' ');
    }
    return lines.join(u'\n');
}

TextLayout Measure(std::string_view text, int width, unsigned flags, int qtFlags, const QFontMetrics& metrics,
                   const LayoutFont& font)
{
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (flags & TextSingleLine)
        shown.replace(u'\n', u' ');
    if (flags & TextEndEllipsis)
        shown = Elide(shown, metrics, width, (flags & (TextWordBreak | TextSingleLine)) == TextWordBreak, font);
    // Measured left-aligned: a centred rectangle's rounding can add a pixel to its width.
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 0), qtFlags & ~Qt::AlignHorizontal_Mask, shown);
    return {shown, needed.size()};
}

// The characters below 128 that both the font for Latin text and the one for common
// characters draw themselves, when the two are equally high; else none.
std::bitset<128> DrawnAlike(const QFont& font)
{
    const QRawFont latin = QRawFont::fromFont(font, QFontDatabase::Latin);
    const QRawFont common = QRawFont::fromFont(font, QFontDatabase::Any);
    std::bitset<128> drawn;
    if (!latin.isValid() || !common.isValid() || latin.ascent() != common.ascent() ||
        latin.descent() != common.descent())
        return drawn;
    for (char32_t c = ' '; c < 127; ++c)
        drawn[c] = latin.supportsCharacter(c) && common.supportsCharacter(c);
    return drawn;
}

LayoutFont MakeLayoutFont(const QPainter& painter, uint32_t id)
{
    LayoutFont font;
    font.id = id;
    font.drawn = DrawnAlike(painter.font());
    if (font.drawn['x'])
        font.lineHeight = painter.fontMetrics()
                              .boundingRect(QRect(0, 0, 0, 0), Qt::AlignTop | Qt::TextSingleLine, QStringLiteral("x"))
                              .height();
    return font;
}

// The character a line on its own shows for the byte: qt lays out breaks and tabs as blanks.
char OneLineCharacter(char c)
{
    return c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
}

}  // namespace

const LayoutFont& LayoutFontOf(const QPainter& painter)
{
    static std::unordered_map<QString, std::unique_ptr<LayoutFont>> fonts;
    const QString key = painter.font().key() + u'@' + QString::number(painter.device()->logicalDpiY());
    std::unique_ptr<LayoutFont>& font = fonts[key];
    if (!font)
        font = std::make_unique<LayoutFont>(MakeLayoutFont(painter, static_cast<uint32_t>(fonts.size())));
    return *font;
}

const TextLayout& LayOutText(std::string_view text, int width, unsigned flags, int qtFlags,
                             const QFontMetrics& metrics, const LayoutFont& font)
{
    static std::unordered_map<std::string, TextLayout> remembered;
    // Measuring and drawing share a layout.
    flags &= ~TextCalcRect;
    std::string key;
    key.reserve(text.size() + 12);
    key.append(text);
    AppendKeyBytes(key, font.id);
    AppendKeyBytes(key, width);
    AppendKeyBytes(key, flags);
    if (const auto found = remembered.find(key); found != remembered.end())
        return found->second;
    MakeRoom(remembered);
    return remembered.emplace(std::move(key), Measure(text, width, flags, qtFlags, metrics, font)).first->second;
}

int LeastTextHeight(std::string_view text, const LayoutFont& font)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 128)
            return 0;
    return text.empty() ? 0 : font.lineHeight;
}

int KnownLineHeight(std::string_view text, const LayoutFont& font)
{
    for (const char c : text) {
        const auto drawn = static_cast<unsigned char>(OneLineCharacter(c));
        if (drawn >= 128 || !font.drawn[drawn])
            return 0;
    }
    return text.empty() ? 0 : font.lineHeight;
}
