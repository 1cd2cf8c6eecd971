// The main window driven as a user drives it: its menu items and tool buttons triggered, keys
// pressed, files dropped on it, questions and file choosers answered by a script. The rules
// behind zoom, placement and history are tested in the core; here, that the window uses them.

#include "editor/TForm1.h"

#include "model/ZoomLevels.h"
#include "platform/CSettings.h"
#include "platform/IniFile.h"
#include "support/EditorTest.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>

#include <sys/stat.h>

namespace {

const std::string SaveQuestion = "Message Closing room: The room was changed but it is not saved in the file.\n"
                                 "Do you want to save it?";

class TForm1Test : public EditorTest {
protected:
    // What the last window wrote at close.
    CSettings Stored() const { return CSettings(home.SettingsPath()); }

    static QAction* Action(TForm1& window, const char* name) { return Control<QAction>(window, name); }
    static QString Recent(TForm1& window, int n)
    {
        return Action(window, ("Recent" + std::to_string(n)).c_str())->text();
    }
    static QString Title(const std::string& fileName, bool modified = false)
    {
        return QString::fromStdString("Planzeta - [" + fileName + (modified ? "*" : "") + "]");
    }
    static int RoomWidthIn(const std::string& path) { return CIniFile::Read(path)->ReadInteger("Room", "Width", 0); }

    // Keys go to the widget with the focus, the plan's scroll box; what it does not use
    // reaches the window.
    static void Press(TForm1& window, char key) { QTest::keyClick(Control(window, "ScrollBox1"), key); }

    static void Drop(TForm1& window, const std::vector<std::string>& paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
    }
};

}  // namespace

// --- Start-up, settings and close -------------------------------------------------------

TEST_F(TForm1Test, TheNoticeComesOnceAfterAnUpgradeAndTheVersionIsStored)
{
    home.WriteSettings("LastVersion=200\nLanguage=0\n");
    {
        TForm1 window(prompts, {});
        prompts.buttons = {ButtonOk};
        Show(window);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].rfind("Message Planzeta: This is the first time you run this version", 0), 0u);
        // Shown again, say after being minimized: no second notice.
        window.hide();
        Show(window);
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadInteger("LastVersion", -1), 300);
    TForm1 again(prompts, {});
    Show(again);
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(TForm1Test, GridPlacementAndRecentFilesLastBetweenRuns)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    home.WriteSettings(std::string(EditorHome::Steady) + "Recent0=" + home.rooms + "/b.mst\nRecent1=" + home.rooms +
                       "/a.mst\nMainWndLeft=-50\nMainWndTop=-20\nMainWndWidth=500\nMainWndHeight=" +
                       std::to_string(screen.height() + 200) + "\n");
    {
        TForm1 window(prompts, {});
        EXPECT_EQ(Recent(window, 2), "&2  a.mst");
        EXPECT_FALSE(Action(window, "Recent3")->isVisible());
        // Kept on the screen.
        EXPECT_EQ(window.pos(), screen.topLeft());
        EXPECT_EQ(window.size(), QSize(500, screen.height()));
        Trigger(window, "ShowGrid1");
        EXPECT_FALSE(Control<QToolButton>(window, "ToolButtonGrid")->isChecked());
        Trigger(window, "Konec1");
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(Stored().ReadInteger("ShowGrid", -1), 0);
    EXPECT_EQ(Stored().ReadString("Recent1", ""), home.rooms + "/a.mst");
    EXPECT_EQ(Stored().ReadInteger("MainWndLeft", -1), screen.left());
    EXPECT_EQ(Stored().ReadInteger("MainWndHeight", -1), screen.height());
    EXPECT_FALSE(Action(*std::make_unique<TForm1>(prompts, QStringList()), "ShowGrid1")->isChecked());

    // Maximized comes back maximized, and keeps the placement it returns to.
    home.WriteSettings(std::string(EditorHome::Steady) +
                       "MainWndLeft=40\nMainWndTop=30\nMainWndWidth=500\nMainWndHeight=400\nMainWndMaximized=1\n");
    {
        TForm1 window(prompts, {});
        Show(window);
        EXPECT_TRUE(window.isMaximized());
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadInteger("MainWndLeft", -1), 40);
    EXPECT_EQ(Stored().ReadInteger("MainWndWidth", -1), 500);
    EXPECT_TRUE(Stored().ReadBool("MainWndMaximized", false));
}

TEST_F(TForm1Test, RoomNamedOnTheCommandLineOpensBeforeTheWindowIsShown)
{
    const std::string path = WriteRoom("hall.mst", 480, 360);
    {
        // Given relative to the working folder, shown with its full path.
        const std::string relative = std::filesystem::relative(path).string();
        ASSERT_NE(relative, path);
        TForm1 window(prompts, {QString::fromStdString(relative)});
        EXPECT_EQ(window.windowTitle(), Title(path));
        EXPECT_EQ(Panel(window, 1), "Room: 480×360 cm");
        EXPECT_FALSE(Action(window, "Uloizit1")->isEnabled());
    }
    // A file of another kind, or one that is not there, is passed over without a word.
    std::filesystem::copy_file(path, home.rooms + "/hall.txt");
    for (const std::string& argument : {home.rooms + "/hall.txt", home.rooms + "/missing.mst"}) {
        TForm1 window(prompts, {QString::fromStdString(argument)});
        EXPECT_EQ(window.windowTitle(), Title("untitled")) << argument;
    }
    EXPECT_TRUE(prompts.asked.empty());

    TForm1 window(prompts, {});
    prompts.buttons = {ButtonOk};
    Trigger(window, "Oprogramu1");
    EXPECT_EQ(prompts.asked.at(0).rfind("Message About: Planzeta, version 3.0 (3D)   \n", 0), 0u) << prompts.asked[0];
}

// --- Zoom and view toggles --------------------------------------------------------------

// The levels and the fitting are the core's; here, that the commands and keys use them.
TEST_F(TForm1Test, ZoomCommandsAndKeysResizeThePlanAndShowTheZoom)
{
    TForm1 window(prompts, {QString::fromStdString(WriteRoom("room.mst", 400, 200, 50))});
    Show(window);
    Trigger(window, "Priblizit1");
    EXPECT_EQ(Panel(window, 3), "Zoom: 130%");
    Press(window, '+');
    EXPECT_EQ(Panel(window, 3), "Zoom: 160%");
    Press(window, '/');
    Press(window, '-');
    EXPECT_EQ(Panel(window, 3), "Zoom: 75%");
    EXPECT_EQ(Control(window, "Obr")->size(), QSize(374, 224));
    Trigger(window, "Oddlit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), 0.5);

    // A room too large for an image at full scale opens at the largest zoom that fits.
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(WriteRoom("corridor.mst", 50000, 100, 0))));
    EXPECT_LT(window.Zoom(), 1.0);
    EXPECT_TRUE(ImageFits(window.Room(), window.Zoom()));
    Trigger(window, "Zoom1001");
    EXPECT_TRUE(ImageFits(window.Room(), window.Zoom()));
}

TEST_F(TForm1Test, BestFitFillsTheViewWithoutScrollBars)
{
    const std::string large = WriteRoom("large.mst", 4000, 3000, 0);
    TForm1 window(prompts, {QString::fromStdString(large)});
    Show(window);
    auto* scrollBox = Control<QScrollArea>(window, "ScrollBox1");
    QWidget* plan = Control(window, "Obr");
    ASSERT_TRUE(scrollBox->verticalScrollBar()->isVisible());
    Press(window, '*');
    QCoreApplication::processEvents();
    EXPECT_FALSE(scrollBox->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scrollBox->verticalScrollBar()->isVisible());
    const QSize view = scrollBox->viewport()->size();
    // It fills the view in one direction, give or take the pixel lost to truncation.
    EXPECT_LE(plan->width(), view.width());
    EXPECT_LE(plan->height(), view.height());
    EXPECT_TRUE(plan->width() >= view.width() - 1 || plan->height() >= view.height() - 1);

    // The options fit each room opened, and the window around the plan.
    home.WriteSettings("LastVersion=300\nLanguage=0\nAutosize=1\nOpenInBestFit=1\n");
    TForm1 fitting(prompts, {});
    Show(fitting);
    ASSERT_TRUE(fitting.OpenRoomFile(QString::fromStdString(large)));
    EXPECT_LT(fitting.Zoom(), 0.5);
    ASSERT_TRUE(fitting.OpenRoomFile(QString::fromStdString(WriteRoom("small.mst", 300, 200, 20))));
    EXPECT_DOUBLE_EQ(fitting.Zoom(), 1.0);
    QCoreApplication::processEvents();
    auto* fittedBox = Control<QScrollArea>(fitting, "ScrollBox1");
    EXPECT_FALSE(fittedBox->verticalScrollBar()->isVisible());
    EXPECT_EQ(fittedBox->viewport()->height(), Control(fitting, "Obr")->height());
    // Named on the command line, the room is fitted once the window is laid out.
    home.WriteSettings("LastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=1\n");
    TForm1 started(prompts, {QString::fromStdString(large)});
    Show(started);
    const double fitted = started.Zoom();
    Trigger(started, "BestFit1");
    EXPECT_DOUBLE_EQ(started.Zoom(), fitted);
}

TEST_F(TForm1Test, TheGridAndLocalCoordinatesAreNoChangeOfTheRoom)
{
    const std::string path = WriteRoom("local.mst", 480, 360);
    TForm1 window(prompts, {QString::fromStdString(path)});
    Show(window);
    QWidget* plan = Control(window, "Obr");
    const QImage withGrid = plan->grab().toImage();
    Trigger(window, "ShowGrid1");
    EXPECT_NE(plan->grab().toImage(), withGrid);
    Trigger(window, "ShowGrid1");
    EXPECT_EQ(plan->grab().toImage(), withGrid);

    // "l" turns local coordinates on through the dialog, and off without it; "L" does nothing.
    QAction* coordinates = Action(window, "ToolButtonCoordAction");
    WhenShown(window, "TFormCoord", [](QDialog& dialog) { Click(dialog, "BtnCancel"); });
    Press(window, 'l');
    EXPECT_FALSE(coordinates->isChecked());
    ChangeRoom(window, 600);
    WhenShown(window, "TFormCoord", [](QDialog& dialog) {
        Type(dialog, "EdPosX", "100");
        Click(dialog, "BtnOK");
    });
    Press(window, 'l');
    EXPECT_TRUE(coordinates->isChecked());
    EXPECT_EQ(window.Room().UserCoordOriginX, 100);
    // The only step to undo is the width.
    Trigger(window, "Undo1");
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_TRUE(window.Room().UserCoord);
    ExpectNotShown(window, "TFormCoord");
    Press(window, 'L');
    EXPECT_TRUE(coordinates->isChecked());
    ExpectNotShown(window, "TFormCoord");
    Press(window, 'l');
    EXPECT_FALSE(window.Room().UserCoord);
    EXPECT_EQ(window.windowTitle(), Title(path));
}

// --- Documents ------------------------------------------------------------------------

TEST_F(TForm1Test, RecentAndDroppedFilesOpenAndOneThatCannotBeReadIsReported)
{
    const std::string a = WriteRoom("a.mst");
    const std::string upper = WriteRoom("UPPER.MST", 410, 310);
    const std::string text = WriteRoom("notes.txt", 430, 330);
    {
        TForm1 window(prompts, {});
        EXPECT_EQ(Recent(window, 1), "Recent file");
        EXPECT_FALSE(Action(window, "Recent1")->isEnabled());
        prompts.fileNames = {a};
        Trigger(window, "Otrevrit1");
        Drop(window, {text});
        EXPECT_EQ(window.windowTitle(), Title(a));
        // Of several, the first.
        Drop(window, {upper, text, a});
        EXPECT_EQ(window.windowTitle(), Title(upper));
        EXPECT_EQ(Recent(window, 1), "&1  UPPER.MST");
        Trigger(window, "Recent2");
        EXPECT_EQ(window.windowTitle(), Title(a));
        EXPECT_EQ(Recent(window, 2), "&2  UPPER.MST");

        prompts.fileNames = {home.rooms + "/gone.mst"};
        prompts.buttons = {ButtonOk};
        Trigger(window, "Otrevrit1");
        EXPECT_EQ(prompts.asked.back(), "Message Cannot open file: The file doesn't exist or you don't have the "
                                        "permission to read it.\n" + home.rooms + "/gone.mst");
        EXPECT_EQ(window.windowTitle(), Title(a));
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadString("Recent0", ""), a);
    // The folder of the last room opened is where the open dialog starts next time.
    EXPECT_EQ(Stored().ReadString("LastOpenFolder", ""), home.rooms + "/");
}

// Open, New and Close ask through one question; here its answers, and that each command asks.
TEST_F(TForm1Test, CommandsThatReplaceTheRoomAskAboutUnsavedChanges)
{
    const std::string other = WriteRoom("other.mst", 700, 500);
    TForm1 window(prompts, {});
    Show(window);
    ChangeRoom(window, 612);

    // Cancel: nothing happens, not even the file chooser; a dropped room is no different, and
    // the window stays open without writing its settings yet.
    const std::string settingsBefore = TempDir::ReadFile(home.SettingsPath());
    prompts.buttons = {ButtonCancel, ButtonCancel, ButtonCancel};
    Trigger(window, "Otrevrit1");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{SaveQuestion});
    Drop(window, {other});
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(TempDir::ReadFile(home.SettingsPath()), settingsBefore);

    // Yes on an untitled room asks for a name; cancelling that keeps the room and its changes.
    prompts.asked.clear();
    prompts.buttons = {ButtonYes};
    prompts.fileNames = {std::nullopt};
    Trigger(window, "Otrevrit1");
    EXPECT_EQ(prompts.asked.at(1).rfind("Save Save room into the file", 0), 0u) << prompts.asked[1];
    EXPECT_EQ(window.windowTitle(), Title("untitled", true));

    // No: the other room opens, and its history starts afresh.
    prompts.asked.clear();
    prompts.buttons = {ButtonNo};
    prompts.fileNames = {other};
    Trigger(window, "Otrevrit1");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{SaveQuestion, "Open Open saved room"}));
    EXPECT_EQ(window.Room().Width, 700);
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());

    // Yes on a titled room writes it, then opens the next one; unchanged, nothing is asked.
    const std::string first = WriteRoom("first.mst", 300, 200);
    ChangeRoom(window, 720);
    prompts.buttons = {ButtonYes};
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(first)));
    EXPECT_EQ(window.windowTitle(), Title(first));
    EXPECT_EQ(RoomWidthIn(other), 720);
    prompts.asked.clear();
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(other)));
    EXPECT_TRUE(prompts.asked.empty());

    // Closing: Yes writes the room and the settings, No leaves the file as it was.
    ChangeRoom(window, 612);
    prompts.buttons = {ButtonYes};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(RoomWidthIn(other), 612);
    EXPECT_EQ(Stored().ReadString("Recent0", ""), other);
    const std::string before = TempDir::ReadFile(first);
    TForm1 titled(prompts, {QString::fromStdString(first)});
    ChangeRoom(titled, 640);
    prompts.buttons = {ButtonNo};
    EXPECT_TRUE(titled.close());
    EXPECT_EQ(TempDir::ReadFile(first), before);
}

TEST_F(TForm1Test, SaveAsWritesTheChosenFile)
{
    TForm1 window(prompts, {});
    // An untitled room can be saved before any change.
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    ChangeRoom(window, 612);

    // Save of an untitled room asks for the name; a name without extension gets ".mst".
    prompts.fileNames = {home.rooms + "/plan"};
    Trigger(window, "Uloizit1");
    const std::string path = home.rooms + "/plan.mst";
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_EQ(RoomWidthIn(path), 612);
    EXPECT_FALSE(Action(window, "Uloizit1")->isEnabled());
    // Undo and Redo follow the saved state.
    Trigger(window, "Undo1");
    EXPECT_EQ(Panel(window, 1), "Room: 500×300 cm");
    EXPECT_EQ(window.windowTitle(), Title(path, true));
    Trigger(window, "Redo1");
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_FALSE(Action(window, "Redo1")->isEnabled());

    // Save As writes a copy under the new name, which the room takes; cancelled, nothing.
    ChangeRoom(window, 640);
    prompts.fileNames = {home.rooms + "/copy.mst", std::nullopt};
    Trigger(window, "Ulozitjako1");
    EXPECT_EQ(window.windowTitle(), Title(home.rooms + "/copy.mst"));
    EXPECT_EQ(RoomWidthIn(home.rooms + "/copy.mst"), 640);
    EXPECT_EQ(RoomWidthIn(path), 612);
    EXPECT_EQ(Recent(window, 2), "&2  plan.mst");
    ChangeRoom(window, 700);
    Trigger(window, "Ulozitjako1");
    EXPECT_EQ(window.windowTitle(), Title(home.rooms + "/copy.mst", true));
}

TEST_F(TForm1Test, FailedSaveIsReportedAndKeepsTheChanges)
{
    const std::string path = WriteRoom("locked.mst", 480, 360);
    const std::string before = TempDir::ReadFile(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TForm1 window(prompts, {QString::fromStdString(path)});
    ChangeRoom(window, 612);

    prompts.buttons = {ButtonOk};
    Trigger(window, "Uloizit1");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Message Error: Unable to write to " + path});
    EXPECT_EQ(window.windowTitle(), Title(path, true));
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    EXPECT_EQ(TempDir::ReadFile(path), before);

    // A command that asked for the save stops too: the room is not replaced.
    prompts.buttons = {ButtonYes, ButtonOk, ButtonYes, ButtonOk};
    EXPECT_FALSE(window.OpenRoomFile(QString::fromStdString(WriteRoom("other.mst", 700, 500))));
    Trigger(window, "Nova1");
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(window.windowTitle(), Title(path, true));
}

// The history's rules are the core's; here, that the window keeps 32 states.
TEST_F(TForm1Test, UndoKeeps32States)
{
    TForm1 window(prompts, {});
    for (int i = 1; i <= 35; ++i)
        ChangeRoom(window, 1000 + i);
    int undone = 0;
    for (; Action(window, "Undo1")->isEnabled() && undone < 100; ++undone)
        Trigger(window, "Undo1");
    EXPECT_EQ(undone, 31);
}
