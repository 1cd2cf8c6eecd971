#pragma once
// Text laid out for the canvas's DrawText: the text as shown, with an ellipsis where it is cut,
// and the size it takes. Laying out text is most of the cost of drawing a plan, and a plan
// draws the same captions into the same boxes at every redraw, so layouts are remembered. All
// drawing happens on the GUI thread, which alone uses them.

#include <QSize>
#include <QString>

#include <string>
#include <string_view>

class QFontMetrics;

struct TextLayout {
    QString shown;
    QSize needed;
};

// `flags` are the canvas's text flags, `qtFlags` the same as Qt alignment flags. The font key
// tells fonts and device resolutions apart.
const TextLayout& LayOutText(std::string_view text, QSize box, unsigned flags, int qtFlags,
                             const QFontMetrics& metrics, const std::string& fontKey);
