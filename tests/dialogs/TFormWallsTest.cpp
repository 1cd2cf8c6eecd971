// The wall editor driven as a user drives it, its questions answered by a script.

#include "dialogs/TFormWalls.h"

#include "dialogs/DriveDialog.h"
#include "support/ScriptedPrompts.h"

#include <QImage>
#include <QRadioButton>
#include <QTimer>

namespace {

const std::string WallChanged = "Message Warning: The wall was changed. Do you want to save it?";
const std::string WallIncomplete = "Message Error: You must enter both wall coordinates and its thickness.";

class TFormWallsTest : public ::testing::Test {
protected:
    TFormWallsTest() { walls.MakeRectangle(500, 300, 10); }

    void Show()
    {
        dialog.InitWalls(walls, 12);
        dialog.SetUnitName("cm");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QListWidget* List() { return Control<QListWidget>(dialog, "LsWalls"); }
    QStringList Fields()
    {
        QStringList texts;
        for (const char* name : {"EdFromX", "EdFromY", "EdToX", "EdToY", "EdThick"})
            texts << Text(dialog, name);
        return texts;
    }

    CRoomWalls Result()
    {
        CRoomWalls result;
        dialog.GetWalls(result);
        return result;
    }

    std::vector<std::string> Walls()
    {
        const CRoomWalls result = Result();
        std::vector<std::string> texts;
        for (const CWall& wall : result.List())
            texts.push_back(wall.Text());
        return texts;
    }

    QImage Preview() { return Control<QLabel>(dialog, "ImgPreview")->pixmap().toImage(); }

    CRoomWalls walls;
    ScriptedPrompts prompts;
    TFormWalls dialog{prompts};
};

}  // namespace

TEST_F(TFormWallsTest, ListsTheWallsAndShowsTheNewWallRowWithTheProposedThickness)
{
    Show();
    QStringList rows;
    for (int i = 0; i < List()->count(); ++i)
        rows << List()->item(i)->text();
    EXPECT_EQ(rows, (QStringList{"[0,0]->[500,0]", "[0,0]->[0,300]", "[0,300]->[500,300]", "[500,0]->[500,300]",
                                 " <new wall>"}));
    EXPECT_EQ(List()->currentRow(), 4);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
    EXPECT_TRUE(Control<QRadioButton>(dialog, "Radio2")->isChecked());
    EXPECT_EQ(Control<QLabel>(dialog, "LbUnit")->text(), "cm");

    ClickRow(dialog, 1);
    EXPECT_EQ(Fields(), (QStringList{"0", "0", "0", "300", "10"}));
    EXPECT_TRUE(Control<QRadioButton>(dialog, "Radio3")->isChecked());
    ClickRow(dialog, 0);
    EXPECT_TRUE(Control<QRadioButton>(dialog, "Radio1")->isChecked());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TFormWallsTest, SavingANewWallAppendsItInOrderAndMovesOnToTheNextNewWall)
{
    Show();
    Type(dialog, "EdFromX", "300");
    Type(dialog, "EdFromY", "50");
    Type(dialog, "EdToX", "100");
    Type(dialog, "EdToY", "50");
    Click(dialog, "Radio3");
    Click(dialog, "BtnSave");
    EXPECT_EQ(List()->item(4)->text(), "[100,50]->[300,50]");
    EXPECT_EQ(List()->currentRow(), 5);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
    EXPECT_FALSE(Result().IsDefault());

    // Enter in a field saves too: Save is the default button.
    Type(dialog, "EdFromX", "0");
    Type(dialog, "EdFromY", "0");
    Type(dialog, "EdToX", "100");
    Type(dialog, "EdToY", "50");
    QTest::keyClick(Control<QLineEdit>(dialog, "EdToY"), Qt::Key_Return);
    EXPECT_EQ(List()->item(5)->text(), "[0,0]->[100,50]");
    EXPECT_TRUE(dialog.isVisible());

    const CRoomWalls result = Result();
    EXPECT_EQ(result[4].alignment, 2);
    EXPECT_EQ(result[4].thickness, 12);
    EXPECT_EQ(result[5].alignment, 1);
}

TEST_F(TFormWallsTest, AnIncompleteOrPointLikeWallIsRefusedWithTheFieldToMend)
{
    Show();
    Type(dialog, "EdFromX", "100");
    Type(dialog, "EdFromY", "50");
    Type(dialog, "EdToX", "100");
    Type(dialog, "EdToY", "50");
    prompts.buttons = {ButtonOk, ButtonOk};
    Click(dialog, "BtnSave");
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "EdToX"));
    Type(dialog, "EdToY", "16777215");
    Click(dialog, "BtnSave");
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "EdToY"));

    EXPECT_EQ(prompts.asked, (std::vector<std::string>(2, WallIncomplete)));
    EXPECT_EQ(Walls().size(), 4u);
    EXPECT_TRUE(Result().IsDefault());
}

TEST_F(TFormWallsTest, LeavingAChangedWallAsksWhetherToSaveIt)
{
    Show();
    ClickRow(dialog, 0);
    Type(dialog, "EdToX", "450");

    prompts.buttons = {ButtonCancel};
    ClickRow(dialog, 2);
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(Text(dialog, "EdToX"), "450");

    prompts.buttons = {ButtonNo};
    ClickRow(dialog, 2);
    EXPECT_EQ(List()->currentRow(), 2);
    EXPECT_EQ(Fields(), (QStringList{"0", "300", "500", "300", "10"}));
    EXPECT_EQ(Walls()[0], "[0,0]->[500,0]");

    // A change of alignment counts as a change too.
    ClickRow(dialog, 0);
    Click(dialog, "Radio2");
    Type(dialog, "EdToX", "450");
    prompts.buttons = {ButtonYes};
    ClickRow(dialog, 3);
    EXPECT_EQ(List()->currentRow(), 3);
    EXPECT_EQ(Walls()[0], "[0,0]->[450,0]");
    EXPECT_EQ(Text(dialog, "EdFromX"), "500");

    // A save that fails keeps the changed wall in view.
    Type(dialog, "EdFromX", "");
    prompts.buttons = {ButtonYes, ButtonOk};
    ClickRow(dialog, 1);
    EXPECT_EQ(List()->currentRow(), 3);
    EXPECT_EQ(Text(dialog, "EdFromX"), "");

    EXPECT_EQ(prompts.asked,
              (std::vector<std::string>{WallChanged, WallChanged, WallChanged, WallChanged, WallIncomplete}));
    EXPECT_EQ(Result()[0].alignment, 1);
    EXPECT_FALSE(Result().IsDefault());
}

TEST_F(TFormWallsTest, RemoveTakesOutTheChosenWallAndOnTheNewWallRowOnlyMarksTheWallsAsDrawn)
{
    Show();
    Click(dialog, "BtnRemove");
    EXPECT_EQ(Walls().size(), 4u);
    EXPECT_FALSE(Result().IsDefault());
    EXPECT_EQ(List()->currentRow(), 4);

    ClickRow(dialog, 1);
    Click(dialog, "BtnRemove");
    EXPECT_EQ(Walls(), (std::vector<std::string>{"[0,0]->[500,0]", "[0,300]->[500,300]", "[500,0]->[500,300]"}));
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_EQ(Fields(), (QStringList{"0", "300", "500", "300", "10"}));

    // Removing every wall leaves only the new wall row, and the editor keeps working.
    ClickRow(dialog, 0);
    for (int i = 0; i < 3; ++i)
        Click(dialog, "BtnRemove");
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(Fields(), (QStringList{"", "", "", "", "12"}));
    EXPECT_EQ(Preview().pixel(100, 10), qRgb(253, 253, 253));
}

TEST_F(TFormWallsTest, OKWithAChangedWallOffersToSaveItAndEscapeCancels)
{
    QTimer::singleShot(0, &dialog, [this] {
        ClickRow(dialog, 0);
        Type(dialog, "EdToX", "450");
        prompts.buttons = {ButtonCancel, ButtonYes};
        Click(dialog, "BtnOK");
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog, "BtnOK");
    });
    dialog.InitWalls(walls, 10);
    EXPECT_EQ(dialog.exec(), TFormWalls::ResultOk);
    EXPECT_EQ(Walls()[0], "[0,0]->[450,0]");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{WallChanged, WallChanged}));

    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(Control<QLineEdit>(dialog, "EdFromX"), Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), TFormWalls::ResultCancel);
}

TEST_F(TFormWallsTest, ThePreviewShowsTheWallsOnTheGreyBackgroundWithTheChosenOneInRed)
{
    Show();
    QImage preview = Preview();
    ASSERT_EQ(preview.size(), QSize(233, 130));
    // 500 x 300 at 300/110 units a pixel: the top wall runs along row 10, the left along column 10.
    EXPECT_EQ(preview.pixel(100, 10), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(10, 60), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(100, 65), qRgb(239, 239, 239));
    EXPECT_EQ(preview.pixel(100, 2), qRgb(255, 255, 255));
    EXPECT_EQ(preview.pixel(0, 0), dialog.palette().color(QPalette::Button).rgb());

    ClickRow(dialog, 0);
    preview = Preview();
    EXPECT_EQ(preview.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(preview.pixel(10, 60), qRgb(0, 0, 0));

}

TEST_F(TFormWallsTest, HelpButtonAndF1AskForTheEditorsHelpTopic)
{
    std::vector<int> asked;
    dialog.SetHelpRequest([&asked](int context) { asked.push_back(context); });
    Show();
    Click(dialog, "BtnHelp");
    QTest::keyClick(Control<QLineEdit>(dialog, "EdThick"), Qt::Key_F1);
    EXPECT_EQ(asked, (std::vector<int>{4, 4}));
}
