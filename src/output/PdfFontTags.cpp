#include "output/PdfFontTags.h"

#include <QList>

#include <map>
#include <vector>

namespace {

constexpr char FontNameKey[] = "/FontName /";
constexpr char BaseFontKey[] = "/BaseFont /";
constexpr qsizetype KeyLength = sizeof(BaseFontKey) - 1;
constexpr qsizetype TagLength = 7;  // six capitals and "+"
constexpr qsizetype OffsetDigits = 10;
constexpr qsizetype XrefEntryLength = 20;

// Just past the name that starts there: names end at white space or a delimiter.
qsizetype NameEnd(const QByteArray& pdf, qsizetype at)
{
    while (at < pdf.size() && !QByteArray(" \t\r\n/<>[]()%").contains(pdf[at]))
        ++at;
    return at;
}

// The tag of each font that Qt embedded as a subset, by the font's name.
std::map<QByteArray, QByteArray> SubsetTags(const QByteArray& pdf)
{
    std::map<QByteArray, QByteArray> tags;
    for (qsizetype at = pdf.indexOf(FontNameKey); at >= 0; at = pdf.indexOf(FontNameKey, at + 1)) {
        const qsizetype tag = at + KeyLength;
        if (tag + TagLength < pdf.size() && pdf[tag + TagLength - 1] == '+') {
            const qsizetype name = tag + TagLength;
            tags[pdf.mid(name, NameEnd(pdf, name) - name)] = pdf.mid(tag, TagLength);
        }
    }
    return tags;
}

struct Insertion {
    qsizetype at;  // in the document as Qt wrote it
    QByteArray tag;
};

std::vector<Insertion> Insertions(const QByteArray& pdf)
{
    const std::map<QByteArray, QByteArray> tags = SubsetTags(pdf);
    std::vector<Insertion> insertions;
    for (qsizetype at = pdf.indexOf(BaseFontKey); at >= 0; at = pdf.indexOf(BaseFontKey, at + 1)) {
        const qsizetype name = at + KeyLength;
        if (const auto found = tags.find(pdf.mid(name, NameEnd(pdf, name) - name)); found != tags.end())
            insertions.push_back({name, found->second});
    }
    return insertions;
}

}  // namespace

QByteArray TagSubsetFonts(const QByteArray& pdf)
{
    const std::vector<Insertion> insertions = Insertions(pdf);
    const qsizetype table = pdf.lastIndexOf("\nxref\n");
    if (insertions.empty() || table < 0 || insertions.back().at > table)
        return pdf;
    const auto moved = [&](qsizetype offset) {
        qsizetype shift = 0;
        for (const Insertion& insertion : insertions)
            shift += insertion.at < offset ? TagLength : 0;
        return offset + shift;
    };
    // The table: "xref", "0 N", then N entries of a ten-digit offset, generation and kind.
    const qsizetype header = table + 6;
    const qsizetype headerEnd = pdf.indexOf('\n', header);
    const QList<QByteArray> range = pdf.mid(header, headerEnd - header).split(' ');
    bool ok = range.size() == 2;
    const qsizetype count = ok ? range[1].toLongLong(&ok) : 0;
    const qsizetype trailer = pdf.indexOf("startxref\n", headerEnd);
    if (!ok || trailer < 0 || headerEnd + 1 + count * XrefEntryLength > trailer)
        return pdf;
    QByteArray tagged;
    qsizetype from = 0;
    for (const Insertion& insertion : insertions) {
        tagged += pdf.mid(from, insertion.at - from) + insertion.tag;
        from = insertion.at;
    }
    tagged += pdf.mid(from, trailer - from);
    const qsizetype shift = tagged.size() - trailer;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = headerEnd + 1 + i * XrefEntryLength + shift;
        if (tagged[entry + 17] == 'n')
            tagged.replace(entry, OffsetDigits,
                           QByteArray::number(moved(tagged.mid(entry, OffsetDigits).toLongLong()))
                               .rightJustified(OffsetDigits, '0'));
    }
    return tagged + "startxref\n" + QByteArray::number(moved(table + 1)) + "\n%%EOF\n";
}
