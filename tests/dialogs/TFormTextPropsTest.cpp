// The label properties dialog driven as a user drives it; the font and colour choosers are
// answered by a script. How a label is measured and written is tested in the core.

#include "dialogs/TFormTextProps.h"

#include "dialogs/ColourSwatch.h"
#include "model/CPart.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "platform/RoomFileText.h"
#include "support/MakePart.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

const CFont Large{"Serif", 24, CFont::DefaultCharSet, CFont::DefaultPitch, CFont::Bold};

class TFormTextPropsTest : public ::testing::Test {
protected:
    TFormTextPropsTest()
    {
        label = MakePart(Label, 120, 80, 1, 1);
        label.Caption = "Kitchen\r\nNorth side";
        label.TextColor = 0;
        label.FillColor = 0x00FFFF;
        label.LineColor = AlignCentre;
        dialog.SetRoom(room);
    }

    // Shows the label modally and takes the steps; on OK the label takes the dialog's values,
    // as the callers do.
    int Edit(std::function<void(QDialog&)> steps)
    {
        dialog.SetLabel(label);
        WhenShown(dialog, "TFormTextProps", std::move(steps));
        const int result = dialog.exec();
        if (result == TFormTextProps::ResultOk)
            dialog.ApplyToLabel(label);
        return result;
    }

    QPlainTextEdit* Memo() { return Control<QPlainTextEdit>(dialog, "MmText"); }

    CRoom room;
    CPart label;
    ScriptedPrompts prompts;
    COptions options;
    TFormTextProps dialog{prompts, options};
};

}  // namespace

TEST_F(TFormTextPropsTest, OKStoresTheTextAlignmentFontColoursAndPosition)
{
    room.UserCoord = true;
    room.UserCoordOriginX = 100;
    room.UserCoordOriginY = 50;
    dialog.SetRoom(room);
    prompts.fonts = {FontChoice{Large, 0x00FF00}};
    prompts.colours = {0x0000FF};
    Edit([this](QDialog&) {
        EXPECT_EQ(Memo()->toPlainText(), "Kitchen\nNorth side");
        EXPECT_EQ(Memo()->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        Memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(Memo(), Qt::Key_Return);
        QTest::keyClicks(Memo(), "Pantry");
        auto* alignment = Control<QComboBox>(dialog, "CbAlign");
        alignment->setFocus();
        QTest::keyClick(alignment, Qt::Key_Down);
        EXPECT_EQ(Memo()->document()->defaultTextOption().alignment(), Qt::AlignRight);
        Click(dialog, "BtnFont");
        EXPECT_EQ(Memo()->font().pointSize(), 24);
        EXPECT_EQ(Control<ColourSwatch>(dialog, "ImgTextColor")->Value(), 0x00FF00u) << "the font's colour";
        // Choosing a colour does not tick its box; an unticked colour is none.
        Click(dialog, "ChkTextColor");
        Click(dialog, "ImgTextColor");
        EXPECT_FALSE(Control<QCheckBox>(dialog, "ChkTextColor")->isChecked());
        Click(dialog, "ChkTextColor");
        Click(dialog, "ChkFill");
        // Positions are local; one that is no number keeps the label's value.
        EXPECT_EQ(Text(dialog, "LbLocal"), "L");
        EXPECT_EQ(Text(dialog, "EdPosX"), "20");
        Type(dialog, "EdPosX", "abc");
        Type(dialog, "EdPosY", "-5");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.Caption, "Kitchen\r\nNorth side\r\nPantry");
    EXPECT_EQ(label.LineColor, static_cast<Colour>(AlignRight));
    EXPECT_EQ(label.Font, Large);
    EXPECT_EQ(label.TextColor, 0x0000FFu);
    EXPECT_EQ(label.FillColor, NoColour);
    EXPECT_EQ(label.PosX, 120);
    EXPECT_EQ(label.PosY, 45);
    EXPECT_GT(label.Width, 1);
    EXPECT_EQ(options.LabelFont, FontText(Large));

    // The font chosen is the one a label without a font of its own takes.
    TFormTextProps next(prompts, options);
    CPart fresh = MakePart(Label, 0, 0, 1, 1);
    next.SetLabel(fresh);
    next.ApplyToLabel(fresh);
    EXPECT_EQ(fresh.Font, Large);
}

TEST_F(TFormTextPropsTest, CancelLeavesTheLabelButKeepsTheFontShownAsDefault)
{
    const CPart before = label;
    prompts.fonts = {FontChoice{Large}, std::nullopt};
    const int result = Edit([this](QDialog&) {
        QTest::keyClicks(Memo(), "Changed");
        Type(dialog, "EdPosX", "7");
        Click(dialog, "BtnFont");
        // A cancelled choice keeps the font chosen before.
        Click(dialog, "BtnFont");
        EXPECT_EQ(Memo()->font().pointSize(), 24);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, TFormTextProps::ResultCancel);
    EXPECT_EQ(label.Caption, before.Caption);
    EXPECT_EQ(label.PosX, before.PosX);
    EXPECT_EQ(label.Font, before.Font);
    EXPECT_EQ(options.LabelFont, FontText(Large));
}
