// The wall editor driven as a user drives it, its questions answered by a script; the rules of
// a wall and of the preview are tested in the core.

#include "dialogs/TFormWalls.h"

#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QImage>
#include <QRadioButton>

namespace {

const std::string WallChanged = "Message Warning: The wall was changed. Do you want to save it?";
const std::string WallIncomplete = "Message Error: You must enter both wall coordinates and its thickness.";

class TFormWallsTest : public ::testing::Test {
protected:
    TFormWallsTest()
    {
        walls.MakeRectangle(500, 300, 10);
        dialog.InitWalls(walls, 12);
        dialog.SetUnitName("cm");
    }

    QListWidget* List() { return Control<QListWidget>(dialog, "LsWalls"); }
    QStringList Fields()
    {
        QStringList texts;
        for (const char* name : {"EdFromX", "EdFromY", "EdToX", "EdToY", "EdThick"})
            texts << Text(dialog, name);
        return texts;
    }
    void TypeEnds(const QString& fromX, const QString& fromY, const QString& toX, const QString& toY)
    {
        Type(dialog, "EdFromX", fromX);
        Type(dialog, "EdFromY", fromY);
        Type(dialog, "EdToX", toX);
        Type(dialog, "EdToY", toY);
    }
    CRoomWalls Result()
    {
        CRoomWalls result;
        dialog.GetWalls(result);
        return result;
    }
    QRgb PreviewPixel(int x, int y) { return Control<QLabel>(dialog, "ImgPreview")->pixmap().toImage().pixel(x, y); }

    CRoomWalls walls;
    ScriptedPrompts prompts;
    TFormWalls dialog{prompts};
};

}  // namespace

TEST_F(TFormWallsTest, ListsTheWallsAndSavesANewOneInOrder)
{
    Show(dialog);
    EXPECT_EQ(List()->count(), 5);
    EXPECT_EQ(List()->item(4)->text(), " <new wall>");
    EXPECT_EQ(List()->currentRow(), 4);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
    EXPECT_EQ(Text(dialog, "LbUnit"), "cm");
    ClickRow(dialog, 1);
    EXPECT_EQ(Fields(), (QStringList{"0", "0", "0", "300", "10"}));
    EXPECT_TRUE(Control<QRadioButton>(dialog, "Radio3")->isChecked());
    // The chosen wall is red in the preview.
    EXPECT_EQ(PreviewPixel(10, 60), qRgb(255, 0, 0));
    EXPECT_EQ(PreviewPixel(100, 10), qRgb(0, 0, 0));

    ClickRow(dialog, 4);
    TypeEnds("300", "50", "100", "50");
    Click(dialog, "Radio3");
    Click(dialog, "BtnSave");
    EXPECT_EQ(List()->item(4)->text(), "[100,50]->[300,50]");
    EXPECT_EQ(List()->currentRow(), 5);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
    // Enter saves too, Save being the default button.
    TypeEnds("0", "0", "100", "0");
    QTest::keyClick(Control(dialog, "EdToY"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    // A point-like wall is refused with the field to mend.
    TypeEnds("5", "5", "5", "5");
    prompts.buttons = {ButtonOk};
    Click(dialog, "BtnSave");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{WallIncomplete});
    EXPECT_EQ(dialog.focusWidget(), Control(dialog, "EdToX"));

    const CRoomWalls result = Result();
    EXPECT_FALSE(result.IsDefault());
    ASSERT_EQ(result.Count(), 6);
    EXPECT_EQ(result[4].alignment, 2);
    EXPECT_EQ(result[4].thickness, 12);
    EXPECT_EQ(result[5].Text(), "[0,0]->[100,0]");
}

TEST_F(TFormWallsTest, LeavingAChangedWallOrClosingWithOKAsksWhetherToSaveIt)
{
    Show(dialog);
    ClickRow(dialog, 0);
    Type(dialog, "EdToX", "450");
    prompts.buttons = {ButtonCancel, ButtonNo};
    ClickRow(dialog, 2);
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(Text(dialog, "EdToX"), "450");
    ClickRow(dialog, 2);
    EXPECT_EQ(List()->currentRow(), 2);
    EXPECT_EQ(Result()[0].Text(), "[0,0]->[500,0]");

    // A change of alignment counts as a change too; Yes saves it.
    ClickRow(dialog, 0);
    Click(dialog, "Radio2");
    Type(dialog, "EdToX", "450");
    prompts.buttons = {ButtonYes};
    ClickRow(dialog, 3);
    EXPECT_EQ(List()->currentRow(), 3);
    EXPECT_EQ(Result()[0].Text(), "[0,0]->[450,0]");

    // A save that fails keeps the changed wall in view.
    Type(dialog, "EdFromX", "");
    prompts.buttons = {ButtonYes, ButtonOk};
    ClickRow(dialog, 1);
    EXPECT_EQ(List()->currentRow(), 3);
    EXPECT_EQ(Result()[0].alignment, 1);

    // So does OK: Cancel stays, Yes saves the wall and closes.
    Type(dialog, "EdFromX", "400");
    prompts.buttons = {ButtonCancel, ButtonYes};
    Click(dialog, "BtnOK");
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog, "BtnOK");
    EXPECT_EQ(dialog.result(), TFormWalls::ResultOk);
    EXPECT_EQ(Result()[3].Text(), "[400,0]->[500,300]");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{WallChanged, WallChanged, WallChanged, WallChanged,
                                                        WallIncomplete, WallChanged, WallChanged}));
    // Escape cancels.
    Show(dialog);
    QTest::keyClick(Control(dialog, "EdFromX"), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), TFormWalls::ResultCancel);
}

TEST_F(TFormWallsTest, RemoveTakesOutTheChosenWallAndOnTheNewWallRowOnlyMarksTheWallsAsDrawn)
{
    Show(dialog);
    Click(dialog, "BtnRemove");
    EXPECT_EQ(Result().Count(), 4);
    EXPECT_FALSE(Result().IsDefault());

    ClickRow(dialog, 1);
    Click(dialog, "BtnRemove");
    EXPECT_EQ(Result()[1].Text(), "[0,300]->[500,300]");
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_EQ(Fields(), (QStringList{"0", "300", "500", "300", "10"}));

    // Removing every wall leaves only the new wall row, and the editor keeps working.
    ClickRow(dialog, 0);
    for (int i = 0; i < 3; ++i)
        Click(dialog, "BtnRemove");
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
}
