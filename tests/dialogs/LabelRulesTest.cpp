// Labels written from the dialog's fields, measured on a canvas of fixed text metrics.

#include "dialogs/LabelRules.h"

#include "model/CPart.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = RecordingCanvas::CharWidth;
constexpr int H = RecordingCanvas::LineHeight;

LabelFields Fields(const std::string& text)
{
    LabelFields fields;
    fields.text = text;
    fields.posX = "10";
    fields.posY = "20";
    return fields;
}

}  // namespace

TEST(LabelRulesTest, CaptionLineBreaksAreCrLfInTheModelAndLfInTheEditor)
{
    EXPECT_EQ(EditedLabelText("Bed\r\nDesk\r\n"), "Bed\nDesk\n");
    EXPECT_EQ(LabelCaptionOf("Bed\nDesk\n"), "Bed\r\nDesk\r\n");
    EXPECT_EQ(LabelCaptionOf("Bed\r\nDesk"), "Bed\r\nDesk");
}

// A label measures to its longest line and its number of lines, at least one pixel wide and
// one line high, in its own font, which the canvas gives back afterwards.
TEST(LabelRulesTest, ALabelIsMeasuredInItsOwnFontAndTheCanvasFontIsRestored)
{
    RecordingCanvas canvas;
    CPart label;
    LabelFields fields = Fields("A\nLonger");
    fields.font = CFont{"Serif", 16};
    ApplyLabelFields(fields, {}, canvas, label);
    EXPECT_EQ(label.Width, 6 * W);
    EXPECT_EQ(label.Height, 2 * H);
    EXPECT_EQ(label.Caption, "A\r\nLonger");
    EXPECT_EQ(label.Font, fields.font);
    EXPECT_EQ(canvas.Calls("Font"), (std::vector<std::string>{"Font Serif 16", "Font default"}));

    ApplyLabelFields(Fields(""), {}, canvas, label);
    EXPECT_EQ(label.Width, 1);
    EXPECT_EQ(label.Height, H);
}

TEST(LabelRulesTest, TheObjectBecomesAnUnturnedFreeLabelWhoseAlignmentIsKeptInItsLineColour)
{
    RecordingCanvas canvas;
    CPart part;
    part.Type = Door;
    part.Rotation = 90;
    part.SnapToWallFlag = true;
    part.LineColor = 0x00FF00;
    EXPECT_EQ(LabelAlignmentOf(part), AlignLeft) << "a colour is no alignment";
    LabelFields fields = Fields("Door");
    fields.alignment = AlignRight;
    fields.fillColour = 0x00FF00;
    ApplyLabelFields(fields, {}, canvas, part);
    EXPECT_EQ(part.Type, Label);
    EXPECT_EQ(part.Rotation, 0);
    EXPECT_FALSE(part.SnapToWallFlag);
    EXPECT_EQ(part.LineColor, static_cast<Colour>(AlignRight));
    EXPECT_EQ(LabelAlignmentOf(part), AlignRight);
    EXPECT_EQ(part.FillColor, 0x00FF00u);
    EXPECT_EQ(part.TextColor, NoColour);
    EXPECT_EQ(part.PosX, 10);
    EXPECT_EQ(part.PosY, 20);
}
