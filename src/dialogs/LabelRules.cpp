#include "dialogs/LabelRules.h"

#include "base/Numeric.h"
#include "dialogs/RoomDialogRules.h"
#include "model/CPart.h"
#include "platform/Canvas.h"

#include <algorithm>

namespace {

constexpr unsigned AlignmentFlags[] = {TextLeft, TextCentre, TextRight};

int32_t PositionOr(std::string_view text, int32_t current, int32_t origin)
{
    const IntegerReading reading = ReadInteger(text);
    if (reading.kind != IntegerReading::Integer)
        return current;
    return SaturateToInt(int64_t{reading.value} + origin);
}

}  // namespace

std::string EditedLabelText(std::string_view caption)
{
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption.compare(i, 2, "\r\n") != 0)
            text += caption[i];
    }
    return text;
}

std::string LabelCaptionOf(std::string_view edited)
{
    std::string caption;
    for (const char c : EditedLabelText(edited)) {
        if (c == '\n')
            caption += '\r';
        caption += c;
    }
    return caption;
}

int LabelAlignmentOf(const CPart& label)
{
    return label.LineColor <= AlignRight ? static_cast<int>(label.LineColor) : static_cast<int>(AlignLeft);
}

LabelSize MeasureLabelText(Canvas& canvas, const std::string& caption, const CFont& font, int alignment)
{
    const std::optional<CFont> previous = canvas.SetFont(font);
    const Rect measured = canvas.DrawText(caption, {}, AlignmentFlags[std::clamp(alignment, 0, 2)] | TextCalcRect);
    canvas.SetFont(previous);
    return {measured.right - measured.left, measured.bottom - measured.top};
}

void ApplyLabelFields(const LabelFields& fields, const ObjectRoom& room, Canvas& measuring, CPart& label)
{
    const int alignment = std::clamp(fields.alignment, 0, 2);
    label.Type = Label;
    label.Caption = LabelCaptionOf(fields.text);
    label.PosX = PositionOr(fields.posX, label.PosX, room.userCoord ? room.originX : 0);
    label.PosY = PositionOr(fields.posY, label.PosY, room.userCoord ? room.originY : 0);
    const LabelSize size = MeasureLabelText(measuring, label.Caption, fields.font, alignment);
    label.Width = std::max(size.width, 1);
    label.Height = std::max(size.height, 1);
    label.Font = fields.font;
    label.Rotation = 0;
    label.LineColor = static_cast<Colour>(alignment);
    label.FillColor = fields.fillColour.value_or(NoColour);
    label.TextColor = fields.textColour.value_or(NoColour);
    label.SnapToWallFlag = false;
    label.InvalidateCorners();
}
