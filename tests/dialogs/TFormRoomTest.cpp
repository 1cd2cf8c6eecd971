// The room properties dialog driven as a user drives it, alone and as the main window's
// "Change Size..." and New; its rules are tested in the core.

#include "dialogs/TFormRoom.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/TFormWalls.h"
#include "editor/TForm1.h"
#include "model/ZoomLevels.h"
#include "support/EditorHome.h"
#include "support/MakePart.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

namespace {

class TFormRoomTest : public ::testing::Test {
protected:
    TFormRoomTest()
    {
        room.Width = 400;
        room.Height = 300;
        room.Walls.MakeRectangle(400, 300, 10);
        room.SpaceAround = {1, 2, 3, 4};
        room.GridSize = 25;
        room.WallZHeight = 250;
        room.Color = 0xFFEEDD;
        dialog.Load(room);
        Show(dialog);
    }

    QComboBox* Units() { return Control<QComboBox>(dialog, "CbUnitText"); }

    CRoom room;
    ScriptedPrompts prompts;
    TFormWalls walls{prompts};
    TFormRoom dialog{prompts, walls};
};

}  // namespace

TEST_F(TFormRoomTest, ShowsTheRoomAndOKStoresEveryField)
{
    QStringList fields;
    for (const char* name : {"EdWidth", "EdHeight", "EdThick", "EdWallZHeight", "EdBorderLeft", "EdBorderTop",
                             "EdBorderRight", "EdBorderBottom", "EdGridSize"})
        fields << Text(dialog, name);
    EXPECT_EQ(fields, (QStringList{"400", "300", "10", "250", "1", "2", "3", "4", "25"}));
    EXPECT_EQ(Control<ColourSwatch>(dialog, "ImgColor")->Value(), 0xFFEEDDu);
    EXPECT_EQ(dialog.focusWidget(), Control(dialog, "EdWidth"));
    EXPECT_EQ(Units()->count(), 7);
    Units()->setCurrentIndex(2);
    for (const char* label : {"LbUnit1", "LbUnit2", "LbUnit3", "LbUnit4", "LbGridSize2"})
        EXPECT_EQ(Text(dialog, label), "\"") << label;

    Type(dialog, "EdBorderTop", "15");
    Click(dialog, "BtnSameBorder");
    Type(dialog, "EdWallZHeight", "240");
    Type(dialog, "EdGridSize", "fine");
    Units()->setCurrentIndex(0);
    prompts.colours = {0x123456, 0x654321, 0x0000FF};
    Click(dialog, "ImgColor");
    QTest::keyClick(Control(dialog, "ImgGridColor"), Qt::Key_Space);
    Click(dialog, "ImgWallColor");
    QTest::keyClick(Control(dialog, "EdGridSize"), Qt::Key_Return);

    EXPECT_EQ(dialog.result(), TFormRoom::ResultOk);
    const CRoom& stored = dialog.Room();
    EXPECT_EQ(stored.Width, 400);
    EXPECT_EQ(stored.UnitName, "mm");
    EXPECT_EQ(stored.SpaceAround, (std::array<int32_t, 4>{15, 15, 15, 15}));
    EXPECT_EQ(stored.WallZHeight, 240);
    EXPECT_EQ(stored.GridSize, 25);
    EXPECT_EQ(stored.Color, 0x123456u);
    EXPECT_EQ(stored.GridColor, 0x654321u);
    EXPECT_EQ(stored.WallsColor, 0x0000FFu);
}

TEST_F(TFormRoomTest, ANumberTheRoomCannotTakeIsRefusedWithItsFieldFocusedAndF1AsksForHelp)
{
    int help = 0;
    dialog.SetHelpTopic(4, [&help](int context) { help = context; });
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help, 4);

    Type(dialog, "EdWidth", "0");
    prompts.buttons = {ButtonOk};
    Click(dialog, "BtnOK");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Message Error: Enter a whole number from 1 to 2147483647."});
    EXPECT_EQ(dialog.focusWidget(), Control(dialog, "EdWidth"));
    EXPECT_TRUE(dialog.isVisible());

    // Nor does the wall editor open for it.
    prompts.buttons = {ButtonOk};
    Click(dialog, "BtnWalls");
    EXPECT_FALSE(walls.isVisible());
    EXPECT_EQ(prompts.asked.size(), 2u);
}

TEST_F(TFormRoomTest, TheWallEditorWorksOnTheRoomAndOnlyItsOKKeepsTheWalls)
{
    Type(dialog, "EdThick", "14");
    WhenShown<TFormWalls>(walls, "TFormWalls", [](TFormWalls& editor) {
        EXPECT_EQ(Text(editor, "EdThick"), "14");
        ClickRow(editor, 0);
        Type(editor, "EdToX", "600");
        Type(editor, "EdThick", "20");
        Click(editor, "BtnSave");
        Click(editor, "BtnOK");
    });
    Click(dialog, "BtnWalls");
    EXPECT_EQ(Text(dialog, "EdWidth"), "600");
    EXPECT_EQ(Text(dialog, "EdThick"), "differ.");

    WhenShown<TFormWalls>(walls, "TFormWalls", [](TFormWalls& editor) {
        ClickRow(editor, 0);
        Click(editor, "BtnRemove");
        Click(editor, "BtnCancel");
    });
    Click(dialog, "BtnWalls");

    // A new size for the drawn walls is asked about; No keeps them.
    Type(dialog, "EdWidth", "700");
    prompts.buttons = {ButtonNo, ButtonOk};
    Click(dialog, "BtnOK");
    EXPECT_EQ(prompts.asked.size(), 2u);
    const CRoom& stored = dialog.Room();
    EXPECT_EQ(stored.Width, 600);
    EXPECT_EQ(stored.Walls.Count(), 4);
    EXPECT_EQ(stored.Walls[0].Text(), "[0,0]->[600,0]");
    EXPECT_EQ(stored.Walls[0].thickness, 20);
    EXPECT_EQ(stored.Walls[1].thickness, 14);
}

namespace {

// The room dialog as the main window shows it.
class ChangeSizeCommandTest : public ::testing::Test {
protected:
    void WhenRoomDialogOpens(std::function<void(QDialog&)> fill, const char* button)
    {
        WhenShown(window, "TFormRoom", [fill, button](QDialog& dialog) {
            fill(dialog);
            Click(dialog, button);
        });
    }
    bool UndoEnabled() { return Control<QAction>(window, "Undo1")->isEnabled(); }

    EditorHome home;
    ScriptedPrompts prompts;
    TForm1 window{prompts, {}};
};

}  // namespace

TEST_F(ChangeSizeCommandTest, ChangeSizeIsOneUndoStepThatCarriesTheObjectsOnTheWalls)
{
    // A window in the right wall, whose face lies at x = 510.
    CPart& part = window.Room().AddPart();
    part = MakePart(Window, 505, 100, 80, 10);
    part.SnapToWallFlag = true;
    part.InUse = true;
    window.Room().SnapAllToWalls();
    ASSERT_EQ(part.PosX, 510);

    WhenRoomDialogOpens([](QDialog& dialog) { Type(dialog, "EdWidth", "520"); }, "BtnOK");
    Trigger(window, "Zmenrozmery1");
    const CRoom& room = window.Room();
    EXPECT_EQ(room.Width, 520);
    EXPECT_EQ(room.Parts[0].PosX, 530);
    EXPECT_TRUE(window.windowTitle().endsWith("*]"));

    Trigger(window, "Undo1");
    EXPECT_EQ(room.Width, 500);
    EXPECT_EQ(room.Parts[0].PosX, 510);
    EXPECT_FALSE(room.Modified);
    EXPECT_FALSE(UndoEnabled());

    // Cancel changes nothing; OK counts as a change even unedited; a much larger room is
    // shown at a zoom whose image fits.
    WhenRoomDialogOpens([](QDialog& dialog) { Type(dialog, "EdWidth", "800"); }, "BtnCancel");
    Trigger(window, "Zmenrozmery1");
    EXPECT_FALSE(UndoEnabled());
    WhenRoomDialogOpens([](QDialog& dialog) { EXPECT_EQ(Text(dialog, "EdWidth"), "500"); }, "BtnOK");
    Trigger(window, "Zmenrozmery1");
    EXPECT_TRUE(UndoEnabled());
    WhenRoomDialogOpens([](QDialog& dialog) { Type(dialog, "EdWidth", "300000"); }, "BtnOK");
    Trigger(window, "Zmenrozmery1");
    EXPECT_LT(window.Zoom(), 1.0);
    EXPECT_TRUE(ImageFits(window.Room(), window.Zoom()));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(ChangeSizeCommandTest, NewSetsUpTheFreshRoomInTheDialogAsItsFirstState)
{
    window.Room().GridSize = 10;
    WhenRoomDialogOpens([](QDialog& dialog) {
        EXPECT_EQ(Text(dialog, "EdGridSize"), "50");
        Type(dialog, "EdWidth", "800");
    }, "BtnOK");
    Trigger(window, "Nova1");
    EXPECT_EQ(window.Room().Width, 800);
    EXPECT_FALSE(window.Room().Modified);
    EXPECT_FALSE(UndoEnabled());
}
