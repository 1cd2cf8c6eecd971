#include "platform/TextLayout.h"

#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <unordered_map>

namespace {

// A room of ten thousand objects lays out a few captions each; beyond this the memory is
// given back and the layouts made anew.
constexpr size_t MaxRemembered = 1 << 16;

// Shortens what does not fit the width so that it ends in an ellipsis: each line, or, when
// lines wrap at words, each word wider than a whole line, which would otherwise be cut.
QString Elide(const QString& text, const QFontMetrics& metrics, int width, bool wrapped)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        QStringList words = wrapped ? line.split(u' ') : QStringList{line};
        for (QString& word : words)
            word = metrics.elidedText(word, Qt::ElideRight, width);
        line = words.join(u' ');
    }
    return lines.join(u'\n');
}

TextLayout Measure(std::string_view text, QSize box, unsigned flags, int qtFlags, const QFontMetrics& metrics)
{
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (flags & TextSingleLine)
        shown.replace(u'\n', u' ');
    if (flags & TextEndEllipsis)
        shown = Elide(shown, metrics, box.width(), (flags & (TextWordBreak | TextSingleLine)) == TextWordBreak);
    // Measured left-aligned: a centred rectangle's rounding can add a pixel to its width.
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), box), qtFlags & ~Qt::AlignHorizontal_Mask, shown);
    return {shown, needed.size()};
}

std::string Key(std::string_view text, QSize box, unsigned flags, const std::string& fontKey)
{
    std::string key;
    key.reserve(text.size() + fontKey.size() + 32);
    key.append(text).append(1, '\0').append(fontKey).append(1, '\0');
    key.append(std::to_string(box.width())).append(1, 'x').append(std::to_string(box.height()));
    key.append(1, '/').append(std::to_string(flags));
    return key;
}

}  // namespace

const TextLayout& LayOutText(std::string_view text, QSize box, unsigned flags, int qtFlags,
                             const QFontMetrics& metrics, const std::string& fontKey)
{
    static std::unordered_map<std::string, TextLayout> remembered;
    std::string key = Key(text, box, flags, fontKey);
    if (const auto found = remembered.find(key); found != remembered.end())
        return found->second;
    if (remembered.size() >= MaxRemembered)
        remembered.clear();
    return remembered.emplace(std::move(key), Measure(text, box, flags, qtFlags, metrics)).first->second;
}
