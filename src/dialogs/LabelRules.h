#pragma once
// The rules of the label properties dialog apart from its widgets: how a caption is edited,
// which alignment a label shows, and how the dialog's fields are written into a label, whose
// size is measured from its text rather than typed.

#include "base/CFont.h"
#include "base/Colour.h"
#include "dialogs/ObjectPropertyRules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Canvas;
class CPart;

// A caption as an editor holds it, its lines separated by LF instead of CR LF.
std::string EditedLabelText(std::string_view caption);
// The caption of edited text: every line break becomes CR LF.
std::string LabelCaptionOf(std::string_view edited);

// The label's alignment kept in its LineColor; left for a value that is no alignment.
int LabelAlignmentOf(const CPart& label);

// What the dialog's controls hold.
struct LabelFields {
    std::string text;  // lines separated by LF
    std::string posX, posY;  // relative to the origin when local coordinates are on
    int alignment = 0;
    std::optional<Colour> fillColour;  // nothing when its box is unticked
    std::optional<Colour> textColour;
    CFont font;
};

struct LabelSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const LabelSize&, const LabelSize&) = default;
};

// The size the caption takes in the font, in pixels at zoom 1.
LabelSize MeasureLabelText(Canvas& canvas, const std::string& caption, const CFont& font, int alignment);

// Makes the object a label holding the fields. A position that holds no integer keeps the
// label's value; the size is measured on `measuring`, at least 1 by 1.
void ApplyLabelFields(const LabelFields& fields, const ObjectRoom& room, Canvas& measuring, CPart& label);
