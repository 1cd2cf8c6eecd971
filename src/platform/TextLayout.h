#pragma once
// Text laid out for the canvas's DrawText: the text as shown, with an ellipsis where it is cut,
// and the size it takes. Laying out text is most of the cost of drawing a plan, and a plan
// draws the same captions into the same boxes at every redraw, so layouts are remembered, and
// so are the cut words, which captions share. All drawing happens on the GUI thread, which
// alone uses them.
//
// Many captions need no layout at all: in a box lower than any line of its font a caption
// shrinks to an ellipsis, and only the height of its one line is needed. Characters below 128
// are laid out in the font itself or, where it lacks one, in a fallback font, whose line is
// never lower; so text of such characters is never lower than one line of the font, and one
// line of characters the font draws itself is exactly that high.

#include <QSize>
#include <QString>

#include <bitset>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class QFontMetrics;
class QPainter;

struct TextLayout {
    QString shown;
    QSize needed;
};

// A font at a device resolution, as text is laid out in it.
struct LayoutFont {
    uint32_t id = 0;         // tells remembered layouts of fonts and resolutions apart
    int lineHeight = 0;      // one line of the characters the font draws itself; 0: unknown
    std::bitset<128> drawn;  // the characters below 128 that the font draws itself
};

// The painter's current font; made once for each font and resolution, kept for the program's life.
const LayoutFont& LayoutFontOf(const QPainter& painter);

// `flags` are the canvas's text flags, `qtFlags` the same as Qt alignment flags; text is
// always laid out from the top, so only the width of its box counts.
const TextLayout& LayOutText(std::string_view text, int width, unsigned flags, int qtFlags,
                             const QFontMetrics& metrics, const LayoutFont& font);

// A height that the text, laid out in any way, never falls short of; 0 when that is unknown.
int LeastTextHeight(std::string_view text, const LayoutFont& font);

// The height of the text on one line, lines joined by blanks; 0 when it takes a layout to tell.
int KnownLineHeight(std::string_view text, const LayoutFont& font);

// Appends the bytes of a number to a key of remembered text, which need not be readable,
// only tell keys apart.
template <typename Number>
void AppendKeyBytes(std::string& key, Number value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    key.append(bytes, sizeof value);
}
