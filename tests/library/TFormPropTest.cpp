// The object properties dialog driven as a user drives it, with the user catalogue in a
// private data folder; questions, the colour chooser and the rename prompt are answered by
// the test.

#include "dialogs/TFormProp.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/TFormRename.h"
#include "model/CRoom.h"
#include "support/MakePart.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/Widgets.h"

#include <QContextMenuEvent>

#include <array>
#include <filesystem>
#include <optional>
#include <tuple>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string BlankCaption = "Message Error: Caption (name) of the object cannot be blank!";
const std::string Overwrite =
    "Message Warning: There is already an object with this name.\nDo you want to overwrite it?";

class TFormPropTest : public ::testing::Test {
protected:
    TFormPropTest() { room.WallThickness = 15; }

    template <typename Widget = QWidget>
    Widget* Control(const char* name) { return ::Control<Widget>(dialog, name); }
    QString Text(const char* name) { return ::Text(dialog, name); }
    bool Enabled(const char* name) { return Control(name)->isEnabled(); }
    void Click(const char* name) { ::Click(dialog, name); }
    // Types into the field as a user does, who clicks it first.
    void Type(const char* field, const QString& text)
    {
        Control(field)->setFocus();
        ::Type(dialog, field, text);
    }

    // Shows the dialog anew, as each use of it by the editor does: editing the object, or
    // browsing the catalogue with the fields cleared when there is none.
    void Edit(std::optional<CPart> part)
    {
        dialog.SetRoom(room);
        if (part)
            dialog.SetPart(*part, false);
        dialog.SetBrowseMode(!part);
        if (!part)
            dialog.ClearFields();
        dialog.hide();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    CPart Applied(CPart target = MakePart(Rectangle, 10, 20, 50, 30))
    {
        dialog.ApplyToPart(target);
        return target;
    }

    void WriteCatalogue(const std::string& text)
    {
        fs::create_directories(home.file("planzeta"));
        TempDir::WriteFile(cataloguePath, text);
    }

    QTreeWidget* List() { return Control<QTreeWidget>("CatList"); }

    // The rows as "name | size", in the order shown.
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < List()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = List()->topLevelItem(i);
            rows.push_back((row->text(0) + " | " + row->text(1)).toStdString());
        }
        return rows;
    }

    QPoint RowCentre(const QString& name)
    {
        const QList<QTreeWidgetItem*> rows = List()->findItems(name, Qt::MatchExactly, 0);
        if (rows.size() != 1) {
            ADD_FAILURE() << "no single row " << name.toStdString();
            return {};
        }
        return List()->visualItemRect(rows.front()).center();
    }

    void SelectRow(const QString& name)
    {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(name));
    }

    // Renames the chosen row with F2 on the list, answering the prompt with the name; the
    // dialog is active again once the prompt it opened before has closed.
    void RenameByKey(const QString& name)
    {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        List()->setFocus();
        QTimer::singleShot(0, &renamePrompt, [this, name] {
            ASSERT_TRUE(renamePrompt.isVisible());
            auto* edit = renamePrompt.findChild<QLineEdit*>("EdText");
            edit->selectAll();
            QTest::keyClicks(edit, name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QTest::keyClick(List(), Qt::Key_F2);
    }

    // Right-clicks a row and chooses an item of the menu that opens.
    void ChooseFromRowMenu(const QString& row, const char* action)
    {
        QTimer::singleShot(0, &dialog, [this, action] {
            auto* menu = Control<QMenu>("PopupMenu1");
            ASSERT_TRUE(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Control<QAction>(action)).center());
        });
        const QPoint at = RowCentre(row);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, List()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(List()->viewport(), &rightClick);
    }

    TempDir home;
    ScopedEnv dataHome{"XDG_DATA_HOME", home.path().c_str()};
    const std::string cataloguePath = home.file("planzeta/Catalog.msk");
    CRoom room;
    ScriptedPrompts prompts;
    TFormRename renamePrompt;
    TFormProp dialog{prompts, renamePrompt};
};

}  // namespace

TEST_F(TFormPropTest, ShowsTheObjectInTheRoomsUnitAndLocalCoordinates)
{
    room.Unit = 0;
    room.UserCoord = true;
    room.UserCoordOriginX = 100;
    room.UserCoordOriginY = 50;
    CPart part = MakePart(Triangle, 300, 200, 60, 40);
    part.LineColor = NoColour;
    part.FillColor = 0x123456;
    Edit(part);
    EXPECT_TRUE(Control("GroupBoxCatalogue")->isHidden());
    EXPECT_EQ(Control<QComboBox>("CBType")->currentText(), "Triangle");
    EXPECT_EQ(Text("EdPosX"), "200");
    EXPECT_EQ(Text("EdPosY"), "150");
    EXPECT_EQ(Text("LbUnit1"), "mm");
    EXPECT_EQ(Text("LbUnit3"), "mm L");
    EXPECT_FALSE(Control<QCheckBox>("ChkLine")->isChecked());
    EXPECT_EQ(Control<ColourSwatch>("ImgFill")->Value(), 0x123456u);

    Type("EdPosX", "-20");
    Control<QCheckBox>("ChkLine")->click();
    prompts.colours = {0x0000FF};
    Click("ImgFill");
    EXPECT_EQ(Control<QLabel>("ImgPreview")->pixmap().toImage().pixel(40, 58), 0xFFFF0000) << "the preview shows the chosen fill";
    Click("BtnOK");
    EXPECT_EQ(dialog.result(), TFormProp::ResultOk);
    const CPart stored = Applied(part);
    EXPECT_EQ((std::tuple{stored.PosX, stored.PosY, stored.LineColor, stored.FillColor}),
              (std::tuple{80, 200, 0u, 0x0000FFu}));

    Edit(part);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), TFormProp::ResultCancel);
}

// The rules of the types are the core's; here, that the fields follow them as the type changes.
TEST_F(TFormPropTest, TheFieldsFollowTheRulesOfTheType)
{
    Edit(MakePart(Rectangle, 10, 20, 50, 30));
    Type("EdHeight", "80");
    Control<QComboBox>("CBType")->setCurrentIndex(Circle);
    EXPECT_FALSE(Enabled("EdHeight"));
    EXPECT_EQ(Text("EdHeight"), "50");
    EXPECT_EQ(Applied().Type, Circle);

    Edit(MakePart(Window, 0, 0, 120, 12, 30));
    EXPECT_FALSE(Enabled("EdRotation") || Enabled("ImgRot") || Enabled("ChkSnap"));
    Control<QComboBox>("CBType")->setCurrentIndex(Rectangle);
    EXPECT_TRUE(Enabled("EdRotation"));
    // The dial turns to the pointer, by eighths with Shift.
    QTest::mouseClick(Control("ImgRot"), Qt::LeftButton, Qt::ShiftModifier, {24, 19});
    EXPECT_EQ(Applied().Rotation, 135);
}

// Which entry a save or a rename replaces is the core's rule; here, the questions, the list and
// the file.
TEST_F(TFormPropTest, TheCatalogueStoresAndLoadsEntries)
{
    WriteCatalogue("[Part1]\nType=Rectangle\nCaption=Desk\nWidth=10\nHeight=10\n[Part2]\nCaption=Chair\n");
    room.Unit = 0;
    CPart desk = MakePart(Rectangle, 300, 200, 600, 400, 20);
    desk.Caption = " ";
    desk.ZHeight = 750;
    Edit(desk);
    Click("BtnCatalogue");
    EXPECT_FALSE(Control("GroupBoxCatalogue")->isHidden());
    prompts.buttons = {ButtonOk, ButtonYes};
    Click("BtnSave");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{BlankCaption});
    Type("EdCaption", "Desk");
    Click("BtnSave");
    EXPECT_EQ(prompts.asked.back(), Overwrite);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Chair | 1000\u00D71000", "Desk | 600\u00D7400"}))
        << "in the room's millimetres";
    const std::string file = TempDir::ReadFile(cataloguePath);
    EXPECT_NE(file.find("Width=60\r\nHeight=40\r\nZHeight=75\r\n"), std::string::npos) << file;

    // Loading takes the entry's look and size and leaves the place and turn as they were.
    Edit(MakePart(Circle, 10, 20, 30, 30, 45));
    Click("BtnCatalogue");
    EXPECT_FALSE(Enabled("BtnLoad"));
    SelectRow("Desk");
    Click("BtnLoad");
    EXPECT_EQ(Text("EdWidth"), "600");
    const CPart loaded = Applied();
    EXPECT_EQ(loaded.Caption, "Desk");
    EXPECT_EQ((std::array{loaded.PosX, loaded.Rotation}), (std::array{10, 45}));
}

TEST_F(TFormPropTest, BrowsingManagesTheCatalogueReadAtEveryShowing)
{
    WriteCatalogue("[Part1]\nType=Ellipse\nCaption=Rug\nWidth=200\nHeight=140\nZHeight=1\n");
    dialog.SetPart(MakePart(Rectangle, 10, 20, 50, 30, 45), false);
    Edit(std::nullopt);
    EXPECT_EQ(dialog.windowTitle(), "Browse and Edit User library");
    EXPECT_EQ(Text("BtnOK"), "Close");
    EXPECT_FALSE(Enabled("BtnCancel"));
    EXPECT_FALSE(Enabled("BtnCatalogue"));
    EXPECT_FALSE(Control("GroupBoxCatalogue")->isHidden());
    EXPECT_EQ(Text("EdRotation"), "--");
    EXPECT_FALSE(Enabled("EdPosX") || Enabled("ImgRot"));

    SelectRow("Rug");
    Click("BtnLoad");
    EXPECT_EQ(Text("EdWidth"), "200");
    EXPECT_EQ(Text("EdPosX"), "--");
    Type("EdCaption", "Round rug");
    Type("EdWidth", "300");
    Click("BtnSave");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Round rug | 300\u00D7140", "Rug | 200\u00D7140"}));
    EXPECT_TRUE(prompts.asked.empty());

    // Renaming onto another name asks, and removing from the row's menu does not.
    SelectRow("Rug");
    prompts.buttons = {ButtonYes};
    RenameByKey("Round rug");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{Overwrite});
    EXPECT_EQ(Rows(), std::vector<std::string>{"Round rug | 200\u00D7140"});
    ChooseFromRowMenu("Round rug", "Odeberzkatalogu1");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(TempDir::ReadFile(cataloguePath).find("rug"), std::string::npos);
    EXPECT_EQ(prompts.asked.size(), 1u);
    Click("BtnOK");
    EXPECT_EQ(dialog.result(), TFormProp::ResultOk);

    // The catalogue is read again at the next showing; a failed write is reported.
    const std::string lamp = "[Part1]\nCaption=Lamp\nWidth=30\nHeight=30\n";
    WriteCatalogue(lamp);
    ASSERT_EQ(::chmod(cataloguePath.c_str(), 0444), 0);
    Edit(std::nullopt);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Lamp | 30\u00D730"});
    prompts.buttons = {ButtonOk};
    ChooseFromRowMenu("Lamp", "Odeberzkatalogu1");
    EXPECT_EQ(prompts.asked.back(), "Message Error: Unable to write to " + cataloguePath);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(TempDir::ReadFile(cataloguePath), lamp);
}

TEST_F(TFormPropTest, AnOldCatalogueTakesTheNewNameWhenTheDialogIsMade)
{
    fs::create_directories(home.file("planzeta"));
    TempDir::WriteFile(home.file("planzeta/Katalog.msk"), "[Part1]\nCaption=Old\n");
    TFormProp another(prompts, renamePrompt);
    EXPECT_FALSE(fs::exists(home.file("planzeta/Katalog.msk")));
    EXPECT_EQ(TempDir::ReadFile(cataloguePath), "[Part1]\nCaption=Old\n");
}

