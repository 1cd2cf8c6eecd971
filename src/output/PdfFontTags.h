#pragma once
// Qt embeds only the glyphs a PDF document uses and tags the embedded font program's name as a
// subset ("ABCDEF+Name"), but leaves the tag off the fonts' /BaseFont, by which readers tell a
// subset font. This adds it there and moves the cross-reference table's offsets to match.

#include <QByteArray>

// The document with its subset fonts tagged; as it was when it is not laid out as expected.
QByteArray TagSubsetFonts(const QByteArray& pdf);
