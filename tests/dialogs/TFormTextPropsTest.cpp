// The label properties dialog driven as a user drives it; the font and colour choosers are
// answered by a script.

#include "dialogs/TFormTextProps.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/DriveDialog.h"
#include "model/CPart.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "platform/QtConversions.h"
#include "platform/RoomFileText.h"
#include "support/MakePart.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>

#include <functional>

namespace {

const CFont Large{"Serif", 24, CFont::DefaultCharSet, CFont::DefaultPitch, CFont::Bold};

class TFormTextPropsTest : public ::testing::Test {
protected:
    TFormTextPropsTest()
    {
        label = MakePart(Label, 120, 80, 1, 1);
        label.Caption = "Kitchen";
        label.TextColor = 0;
        label.FillColor = NoColour;
        label.LineColor = AlignLeft;
        dialog.SetRoom(room);
    }

    // Shows the label modally and, once the dialog shows, takes the steps; on OK the label
    // takes the dialog's values, as the callers do.
    int Edit(std::function<void()> steps)
    {
        dialog.SetLabel(label);
        QTimer::singleShot(0, &dialog, [this, steps] {
            ASSERT_TRUE(dialog.isVisible());
            steps();
        });
        const int result = dialog.exec();
        if (result == TFormTextProps::ResultOk)
            dialog.ApplyToLabel(label);
        return result;
    }

    // Shows the label and closes the dialog with OK at once.
    void Confirm(const CPart& shown)
    {
        label = shown;
        Edit([this] { Click(dialog, "BtnOK"); });
    }

    QPlainTextEdit* Memo() { return Control<QPlainTextEdit>(dialog, "MmText"); }
    QComboBox* Alignment() { return Control<QComboBox>(dialog, "CbAlign"); }

    CRoom room;
    CPart label;
    ScriptedPrompts prompts;
    COptions options;
    TFormTextProps dialog{prompts, options};
};

}  // namespace

TEST_F(TFormTextPropsTest, LinesEditedInTheMemoBecomeCaptionLinesSeparatedByCrLf)
{
    label.Caption = "Kitchen\r\nNorth side";
    Edit([this] {
        EXPECT_EQ(Memo()->toPlainText(), "Kitchen\nNorth side");
        Memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(Memo(), Qt::Key_Return);
        QTest::keyClicks(Memo(), "Pantry");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.Caption, "Kitchen\r\nNorth side\r\nPantry");
    EXPECT_EQ(label.Type, Label);
}

TEST_F(TFormTextPropsTest, TheChosenAlignmentIsKeptInLineColorAndShownByTheMemo)
{
    label.LineColor = AlignCentre;
    Edit([this] {
        EXPECT_EQ(Alignment()->currentText(), "Center");
        EXPECT_EQ(Memo()->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        Alignment()->setFocus();
        QTest::keyClick(Alignment(), Qt::Key_Down);
        EXPECT_EQ(Memo()->document()->defaultTextOption().alignment(), Qt::AlignRight);
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.LineColor, static_cast<Colour>(AlignRight));
}

TEST_F(TFormTextPropsTest, AnAlignmentOutOfRangeShowsAndStoresLeft)
{
    label.LineColor = 0x00FF00;
    Confirm(label);
    EXPECT_EQ(label.LineColor, static_cast<Colour>(AlignLeft));
}

TEST_F(TFormTextPropsTest, TheChosenFontGoesIntoTheLabelAndBecomesTheDefaultOfNewLabels)
{
    prompts.fonts.push_back(Large);
    Edit([this] {
        Click(dialog, "BtnFont");
        EXPECT_EQ(Memo()->font().pointSize(), 24);
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Font"});
    EXPECT_EQ(label.Font, Large);
    EXPECT_EQ(options.LabelFont, FontText(Large));

    TFormTextProps next(prompts, options);
    CPart fresh = MakePart(Label, 0, 0, 1, 1);
    next.SetLabel(fresh);
    next.ApplyToLabel(fresh);
    EXPECT_EQ(fresh.Font, Large);
}

TEST_F(TFormTextPropsTest, ACancelledFontChoiceKeepsTheFont)
{
    label.Font = Large;
    prompts.fonts.push_back(std::nullopt);
    Edit([this] {
        Click(dialog, "BtnFont");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.Font, Large);
}

TEST_F(TFormTextPropsTest, ALabelWithoutFontTakesTheDefaultLabelFontOfTheOptions)
{
    options.LabelFont = "Serif|14|1|0|2";
    TFormTextProps dialog(prompts, options);
    dialog.SetLabel(label);
    dialog.ApplyToLabel(label);
    EXPECT_EQ(label.Font, (CFont{"Serif", 14, 1, CFont::DefaultPitch, CFont::Italic}));
}

TEST_F(TFormTextPropsTest, TheSizeIsMeasuredFromTheTextInItsFont)
{
    label.Caption = "A";
    label.Font = CFont{"Sans Serif", 10};
    Confirm(label);
    const CPart oneLetter = label;
    EXPECT_GT(oneLetter.Width, 1);
    EXPECT_GT(oneLetter.Height, 1);

    label.Caption = "A\r\nA much longer line";
    Confirm(label);
    const CPart twoLines = label;
    label.Caption = "A much longer line";
    Confirm(label);
    EXPECT_EQ(twoLines.Width, label.Width);
    EXPECT_GT(twoLines.Width, oneLetter.Width);
    EXPECT_GE(twoLines.Height, 2 * oneLetter.Height - 1);

    label.Caption = "A";
    label.Font = Large;
    Confirm(label);
    EXPECT_GT(label.Width, oneLetter.Width);
    EXPECT_GT(label.Height, oneLetter.Height);
}

TEST_F(TFormTextPropsTest, APositionThatIsNoNumberKeepsTheLabelsValue)
{
    Edit([this] {
        EXPECT_EQ(Text(dialog, "EdPosX"), "120");
        EXPECT_EQ(Text(dialog, "EdPosY"), "80");
        Type(dialog, "EdPosX", "abc");
        Type(dialog, "EdPosY", "95");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.PosX, 120);
    EXPECT_EQ(label.PosY, 95);
}

TEST_F(TFormTextPropsTest, WithLocalCoordinatesThePositionIsRelativeToTheOrigin)
{
    room.UserCoord = true;
    room.UserCoordOriginX = 100;
    room.UserCoordOriginY = 50;
    dialog.SetRoom(room);
    Edit([this] {
        EXPECT_EQ(Text(dialog, "LbLocal"), "L");
        EXPECT_EQ(Text(dialog, "EdPosX"), "20");
        EXPECT_EQ(Text(dialog, "EdPosY"), "30");
        Type(dialog, "EdPosX", "-5");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.PosX, 95);
    EXPECT_EQ(label.PosY, 80);

    room.UserCoord = false;
    dialog.SetRoom(room);
    EXPECT_EQ(Text(dialog, "LbLocal"), "");
}

TEST_F(TFormTextPropsTest, UntickedColoursAreNoneAndAChosenColourDoesNotTickItsBox)
{
    label.FillColor = 0x00FFFF;
    prompts.colours = {0x0000FF, 0x00FF00};
    Edit([this] {
        EXPECT_TRUE(Control<QCheckBox>(dialog, "ChkFill")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(dialog, "ChkTextColor")->isChecked());
        Click(dialog, "ChkTextColor");
        Click(dialog, "ImgTextColor");
        EXPECT_FALSE(Control<QCheckBox>(dialog, "ChkTextColor")->isChecked());
        Click(dialog, "ImgFill");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(label.FillColor, 0x00FF00u);
    EXPECT_EQ(label.TextColor, NoColour);
}

TEST_F(TFormTextPropsTest, AColourlessLabelShowsTheDialogsColoursInItsSwatches)
{
    label.TextColor = NoColour;
    dialog.SetLabel(label);
    EXPECT_FALSE(Control<QCheckBox>(dialog, "ChkFill")->isChecked());
    EXPECT_EQ(Control<ColourSwatch>(dialog, "ImgFill")->Value(), FromQColor(dialog.palette().color(QPalette::Window)));
    EXPECT_EQ(Control<ColourSwatch>(dialog, "ImgTextColor")->Value(),
              FromQColor(dialog.palette().color(QPalette::WindowText)));
}

TEST_F(TFormTextPropsTest, CancelLeavesTheLabelButKeepsTheFontShownAsDefault)
{
    const CPart before = label;
    prompts.fonts.push_back(Large);
    const int result = Edit([this] {
        QTest::keyClicks(Memo(), "Changed");
        Type(dialog, "EdPosX", "7");
        Click(dialog, "BtnFont");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, TFormTextProps::ResultCancel);
    EXPECT_EQ(label.Caption, before.Caption);
    EXPECT_EQ(label.PosX, before.PosX);
    EXPECT_EQ(label.Font, before.Font);
    EXPECT_EQ(options.LabelFont, FontText(Large));
}
