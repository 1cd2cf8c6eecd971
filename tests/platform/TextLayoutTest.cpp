#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QPainter>

#include <gtest/gtest.h>

// The heights a canvas tells without laying text out are those the layout gives.
TEST(TextLayout, HeightsToldWithoutLayoutAreTheLaidOutOnes)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QtCanvas canvas(image);
    for (const std::optional<CFont>& font : {std::optional<CFont>(), std::optional<CFont>(CFont{"Serif", 30, 1, 0, 3})}) {
        canvas.SetFont(font);
        for (const char* text : {"x", "Object 12\r\nwith a caption", "tab\tand\rbreak", "Stůl", "日本語", "..."}) {
            const Rect line = canvas.DrawText(text, {0, 0, 0, 0}, TextCentre | TextSingleLine | TextCalcRect);
            EXPECT_EQ(canvas.OneLineHeight(text), line.bottom - line.top) << text;
            const Rect wrapped = canvas.DrawText(text, {0, 0, 4, 0}, TextCentre | TextWordBreak | TextEndEllipsis | TextCalcRect);
            EXPECT_LE(canvas.LeastTextHeight(text), wrapped.bottom - wrapped.top) << text;
        }
    }
}

// Text drawn at several places is copied from a stamp after its first drawing, with the
// pixels of a drawing, unclipped or clipped to its box.
TEST(TextLayout, RepeatedTextHasThePixelsOfItsDrawing)
{
    QImage stamped(300, 160, QImage::Format_RGB32);
    stamped.fill(Qt::white);
    QImage drawn = stamped.copy();
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(ToQFont(std::nullopt));
    QtCanvas canvas(stamped);
    for (int i = 0; i < 4; ++i) {
        const Rect box{60 + 43 * i, 50 + i, 73 + 43 * i + i % 2, 60};
        canvas.DrawText("...", box, TextCentre | TextSingleLine | TextNoClip);
        painter.drawText(ToQRect(box), Qt::AlignHCenter | Qt::TextSingleLine | Qt::TextDontClip, "...");
        const Rect clipped{box.left, 100, box.right + 15, 120};
        canvas.DrawText("Wide words", clipped, TextCentre | TextSingleLine);
        painter.drawText(ToQRect(clipped), Qt::AlignHCenter | Qt::TextSingleLine, "Wide words");
    }
    painter.end();
    EXPECT_EQ(stamped, drawn);
}
