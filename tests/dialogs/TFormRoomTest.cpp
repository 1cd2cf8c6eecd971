// The room properties dialog driven as a user drives it, alone and as the main window's
// "Change Size..." command; questions and the colour chooser are answered by a script.

#include "dialogs/TFormRoom.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/DriveDialog.h"
#include "dialogs/TFormWalls.h"
#include "editor/TForm1.h"
#include "editor/ZoomLevels.h"
#include "support/MakePart.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>

#include <filesystem>
#include <functional>

namespace {

const std::string ResetWallsQuestion =
    "Message Warning: You changed size of the room with user-defined walls.\n"
    "This will return walls back to the rectangular shape.\nDo you want to continue?";
const std::string SizeFromWallsNotice = "Message Warning: Width and height were changed back to correspond room walls.";

std::string OutOfRange(const std::string& least)
{
    return "Message Error: Enter a whole number from " + least + " to 2147483647.";
}

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
    }

    void MakeWallsUserDefined()
    {
        room.Walls[0] = CWall(0, 0, 400, 0, 0, 15);
        room.Walls.SetDefault(false);
    }

    void Show()
    {
        dialog.Load(room);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    // Runs the wall editor's part when "Edit walls..." opens it.
    void WhenWallEditorOpens(std::function<void()> steps)
    {
        QTimer::singleShot(0, &walls, [this, steps] {
            ASSERT_TRUE(walls.isVisible());
            steps();
        });
    }

    QComboBox* Units() { return Control<QComboBox>(dialog, "CbUnitText"); }
    ColourSwatch* Swatch(const char* name) { return Control<ColourSwatch>(dialog, name); }

    CRoom room;
    ScriptedPrompts prompts;
    TFormWalls walls{prompts};
    TFormRoom dialog{prompts, walls};
};

}  // namespace

TEST_F(TFormRoomTest, ShowsTheRoomWithTheUnitBesideEveryLength)
{
    room.Color = 0xFFEEDD;
    room.GridColor = 0x112233;
    room.WallsColor = 0x445566;
    Show();
    QStringList fields;
    for (const char* name : {"EdWidth", "EdHeight", "EdThick", "EdWallZHeight", "EdBorderLeft", "EdBorderTop",
                             "EdBorderRight", "EdBorderBottom", "EdGridSize"})
        fields << Text(dialog, name);
    EXPECT_EQ(fields, (QStringList{"400", "300", "10", "250", "1", "2", "3", "4", "25"}));
    EXPECT_EQ(Swatch("ImgColor")->Value(), 0xFFEEDDu);
    EXPECT_EQ(Swatch("ImgGridColor")->Value(), 0x112233u);
    EXPECT_EQ(Swatch("ImgWallColor")->Value(), 0x445566u);
    EXPECT_EQ(Swatch("ImgColor")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(Swatch("ImgColor")->cursor().pixmap().isNull());
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "EdWidth"));

    QStringList units;
    for (int i = 0; i < Units()->count(); ++i)
        units << Units()->itemText(i);
    EXPECT_EQ(units, (QStringList{"mm", "cm", "Inches (\")", "dm", "ft", "m", "km"}));
    EXPECT_EQ(Units()->currentIndex(), 1);
    const char* unitLabels[] = {"LbUnit1", "LbUnit2", "LbUnit3", "LbUnit4", "LbGridSize2"};
    for (const char* label : unitLabels)
        EXPECT_EQ(Text(dialog, label), "cm") << label;
    Units()->setCurrentIndex(2);
    for (const char* label : unitLabels)
        EXPECT_EQ(Text(dialog, label), "\"") << label;

    MakeWallsUserDefined();
    dialog.Load(room);
    EXPECT_EQ(Text(dialog, "EdThick"), "differ.");
    EXPECT_EQ(Text(dialog, "LbUnit1"), "cm");
}

TEST_F(TFormRoomTest, OKStoresEveryFieldAndAnotherUnitConvertsNoNumber)
{
    Show();
    Type(dialog, "EdBorderTop", "15");
    Click(dialog, "BtnSameBorder");
    Type(dialog, "EdWallZHeight", "240");
    Type(dialog, "EdGridSize", "fine");
    Units()->setCurrentIndex(0);
    prompts.colours = {0x123456, std::nullopt};
    Click(dialog, "ImgColor");
    QTest::keyClick(Swatch("ImgGridColor"), Qt::Key_Space);
    EXPECT_EQ(Swatch("ImgColor")->Value(), 0x123456u);
    QTest::keyClick(Control<QLineEdit>(dialog, "EdGridSize"), Qt::Key_Return);

    EXPECT_EQ(dialog.result(), TFormRoom::ResultOk);
    const CRoom& stored = dialog.Room();
    EXPECT_EQ(stored.Width, 400);
    EXPECT_EQ(stored.Height, 300);
    EXPECT_EQ(stored.Unit, 0);
    EXPECT_EQ(stored.UnitName, "mm");
    EXPECT_EQ(stored.SpaceAround, (std::array<int32_t, 4>{15, 15, 15, 15}));
    EXPECT_EQ(stored.WallZHeight, 240);
    EXPECT_EQ(stored.GridSize, 25);
    EXPECT_EQ(stored.Color, 0x123456u);
    EXPECT_EQ(stored.GridColor, room.GridColor);
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Colour", "Colour"}));
}

TEST_F(TFormRoomTest, ResizingUserDefinedWallsAsksAndNoKeepsThemWhileOKGoesOn)
{
    MakeWallsUserDefined();
    Show();
    Type(dialog, "EdWidth", "500");
    Type(dialog, "EdGridSize", "20");
    prompts.buttons = {ButtonNo, ButtonOk};
    Click(dialog, "BtnOK");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{ResetWallsQuestion, SizeFromWallsNotice}));
    EXPECT_EQ(Text(dialog, "EdWidth"), "400");
    EXPECT_EQ(dialog.result(), TFormRoom::ResultOk);
    EXPECT_EQ(dialog.Room().Width, 400);
    EXPECT_FALSE(dialog.Room().Walls.IsDefault());
    EXPECT_EQ(dialog.Room().GridSize, 20);
}

TEST_F(TFormRoomTest, NumbersTheRoomCannotTakeAreRefusedWithTheFieldPointedOut)
{
    Show();
    const auto refused = [this](const char* field, const QString& text, const std::string& least) {
        Type(dialog, field, text);
        prompts.buttons = {ButtonOk};
        Click(dialog, "BtnOK");
        EXPECT_EQ(prompts.asked.back(), OutOfRange(least)) << field;
        EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, field));
        EXPECT_TRUE(dialog.isVisible());
        Type(dialog, field, "5");
    };
    refused("EdWidth", "0", "1");
    refused("EdHeight", "3000000000", "1");
    refused("EdBorderLeft", "-1", "0");
    refused("EdGridSize", "-99999999999", "-2147483648");

    // The wall editor is not opened for a size the room cannot take.
    bool opened = false;
    QTimer::singleShot(0, &walls, [&] {
        opened = walls.isVisible();
        walls.reject();
    });
    Type(dialog, "EdWidth", "0");
    prompts.buttons = {ButtonOk};
    Click(dialog, "BtnWalls");
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(prompts.asked.size(), 5u);

    Type(dialog, "EdWidth", "400");
    Click(dialog, "BtnOK");
    EXPECT_EQ(dialog.result(), TFormRoom::ResultOk);
    EXPECT_EQ(dialog.Room().Height, 5);
    EXPECT_EQ(dialog.Room().SpaceAround[0], 5);
}

TEST_F(TFormRoomTest, TheWallEditorWorksOnTheRoomAndItsResultShowsInTheFields)
{
    Show();
    Type(dialog, "EdThick", "14");
    Units()->setCurrentIndex(0);
    WhenWallEditorOpens([this] {
        EXPECT_EQ(Text(walls, "LbUnit"), "mm");
        EXPECT_EQ(Text(walls, "EdThick"), "14");
        ClickRow(walls, 0);
        Type(walls, "EdToX", "600");
        Type(walls, "EdThick", "20");
        Click(walls, "BtnSave");
        Click(walls, "BtnOK");
    });
    Click(dialog, "BtnWalls");
    EXPECT_EQ(Text(dialog, "EdWidth"), "600");
    EXPECT_EQ(Text(dialog, "EdHeight"), "300");
    EXPECT_EQ(Text(dialog, "EdThick"), "differ.");

    Click(dialog, "BtnOK");
    EXPECT_TRUE(prompts.asked.empty());
    const CRoom& stored = dialog.Room();
    EXPECT_EQ(stored.Width, 600);
    EXPECT_FALSE(stored.Walls.IsDefault());
    EXPECT_EQ(stored.Walls[0].Text(), "[0,0]->[600,0]");
    EXPECT_EQ(stored.Walls[0].thickness, 20);
    EXPECT_EQ(stored.Walls[1].thickness, 14);
}

TEST_F(TFormRoomTest, CancelInTheWallEditorKeepsTheWalls)
{
    MakeWallsUserDefined();
    Show();
    WhenWallEditorOpens([this] {
        ClickRow(walls, 0);
        Click(walls, "BtnRemove");
        Click(walls, "BtnCancel");
    });
    Click(dialog, "BtnWalls");
    Click(dialog, "BtnOK");
    EXPECT_EQ(dialog.Room().Walls.Count(), 4);
    EXPECT_EQ(dialog.Room().Walls[0].thickness, 15);
    EXPECT_TRUE(prompts.asked.empty());
}

namespace {

// The room dialog as the main window shows it, for "Change Size..." and New.
class TFormRoomChangeSizeTest : public ::testing::Test {
protected:
    TFormRoomChangeSizeTest()
    {
        std::filesystem::create_directories(home.path() + "/config/Kelvora");
        std::filesystem::create_directories(data);
        TempDir::WriteFile(home.path() + "/config/Kelvora/Planzeta.ini",
                           "[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=0\n");
    }

    void Trigger(const char* name) { Control<QAction>(window, name)->trigger(); }

    // Fills the room dialog when the command opens it, then presses a button.
    void WhenRoomDialogOpens(std::function<void(TFormRoom&)> fill, const char* button)
    {
        QTimer::singleShot(0, &window, [this, fill, button] {
            auto* dialog = window.findChild<TFormRoom*>("TFormRoom");
            ASSERT_TRUE(dialog && dialog->isVisible());
            fill(*dialog);
            Click(*dialog, button);
        });
    }

    bool UndoEnabled() { return Control<QAction>(window, "Undo1")->isEnabled(); }

    TempDir home;
    const std::string data = home.path() + "/data";
    ScopedEnv configHome{"XDG_CONFIG_HOME", (home.path() + "/config").c_str()};
    ScopedEnv dataHome{"XDG_DATA_HOME", (home.path() + "/share").c_str()};
    ScopedEnv dataFolder{"PLANZETA_DATA_DIR", data.c_str()};
    ScriptedPrompts prompts;
    TForm1 window{prompts, {}};
};

}  // namespace

TEST_F(TFormRoomChangeSizeTest, ChangeSizeIsOneUndoStepThatCarriesTheObjectsOnTheWalls)
{
    // A window in the right wall, whose face lies at x = 510.
    CPart& part = window.Room().AddPart();
    part = MakePart(Window, 505, 100, 80, 10);
    part.SnapToWallFlag = true;
    part.InUse = true;
    window.Room().SnapAllToWalls();
    ASSERT_EQ(part.PosX, 510);

    WhenRoomDialogOpens([](TFormRoom& dialog) {
        Type(dialog, "EdWidth", "520");
        Type(dialog, "EdGridSize", "20");
    }, "BtnOK");
    Trigger("Zmenrozmery1");
    const CRoom& room = window.Room();
    EXPECT_EQ(room.Width, 520);
    EXPECT_EQ(room.GridSize, 20);
    EXPECT_EQ(room.Walls[3].Text(), "[520,0]->[520,300]");
    EXPECT_EQ(room.Parts[0].PosX, 530);
    EXPECT_TRUE(room.Modified);
    EXPECT_TRUE(window.windowTitle().endsWith("*]"));
    EXPECT_TRUE(UndoEnabled());

    Trigger("Undo1");
    EXPECT_EQ(room.Width, 500);
    EXPECT_EQ(room.GridSize, 50);
    EXPECT_EQ(room.Walls[3].Text(), "[500,0]->[500,300]");
    EXPECT_EQ(room.Parts[0].PosX, 510);
    EXPECT_FALSE(room.Modified);
    EXPECT_FALSE(UndoEnabled());

    Trigger("Redo1");
    EXPECT_EQ(room.Width, 520);
    EXPECT_EQ(room.Parts[0].PosX, 530);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TFormRoomChangeSizeTest, CancelChangesNothingWhileOKMarksTheRoomChangedEvenUnedited)
{
    WhenRoomDialogOpens([](TFormRoom& dialog) { Type(dialog, "EdWidth", "800"); }, "BtnCancel");
    Trigger("Zmenrozmery1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_FALSE(window.Room().Modified);
    EXPECT_FALSE(UndoEnabled());

    // The next showing starts from the room again, not from what was typed.
    WhenRoomDialogOpens([](TFormRoom& dialog) { EXPECT_EQ(Text(dialog, "EdWidth"), "500"); }, "BtnOK");
    Trigger("Zmenrozmery1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_TRUE(window.Room().Modified);
    EXPECT_TRUE(UndoEnabled());
}

TEST_F(TFormRoomChangeSizeTest, AMuchLargerRoomIsShownAtAZoomWhoseImageFits)
{
    WhenRoomDialogOpens([](TFormRoom& dialog) { Type(dialog, "EdWidth", "300000"); }, "BtnOK");
    Trigger("Zmenrozmery1");
    EXPECT_EQ(window.Room().Width, 300000);
    EXPECT_LT(window.Zoom(), 1.0);
    EXPECT_TRUE(ImageFits(window.Room(), window.Zoom()));
}

TEST_F(TFormRoomChangeSizeTest, NewSetsUpTheFreshRoomInTheDialogAsItsFirstState)
{
    window.Room().GridSize = 10;
    WhenRoomDialogOpens([](TFormRoom& dialog) {
        EXPECT_EQ(Text(dialog, "EdGridSize"), "50");
        Type(dialog, "EdWidth", "800");
    }, "BtnOK");
    Trigger("Nova1");
    EXPECT_EQ(window.Room().Width, 800);
    EXPECT_FALSE(window.Room().Modified);
    EXPECT_FALSE(UndoEnabled());
}

TEST_F(TFormRoomTest, F1AsksForTheHelpTopic)
{
    int asked = 0;
    dialog.SetHelpTopic(4, [&asked](int context) { asked = context; });
    Show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(asked, 4);
}
