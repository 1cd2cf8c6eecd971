// The main window driven as a user drives it: its menu items and tool buttons triggered, keys
// pressed, files dropped on it, questions and file choosers answered by a script. Every test
// runs with its own settings, data and room folders, so nothing of the user's is read or written.

#include "editor/TForm1.h"

#include "dialogs/TFormCoord.h"
#include "editor/ZoomLevels.h"
#include "platform/CSettings.h"
#include "platform/IniFile.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>

#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

const std::string FirstRunNotice = "Message Planzeta: This is the first time you run this version of Planzeta.";

// A run after this version's first: no notices. The window is neither resized around the plan
// nor fitted on open, so that zoom and placement are the tests' own.
const std::string SteadySettings = "LastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=0\n";

class TForm1Test : public ::testing::Test {
protected:
    TForm1Test()
    {
        std::filesystem::create_directories(rooms);
        std::filesystem::create_directories(data);
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompts.buttons.empty()) << "a question the test expected was not asked";
        EXPECT_TRUE(prompts.fileNames.empty()) << "a file chooser the test expected was not shown";
    }

    std::string SettingsPath() const { return home.path() + "/config/Kelvora/Planzeta.ini"; }

    // The settings of an earlier run: values of the section [Planzeta], one "Name=value" a line.
    void WriteSettings(const std::string& values)
    {
        std::filesystem::create_directories(home.path() + "/config/Kelvora");
        TempDir::WriteFile(SettingsPath(), "[Planzeta]\n" + values);
    }

    // What the last window wrote at close.
    CSettings Stored() const
    {
        EXPECT_TRUE(std::filesystem::exists(SettingsPath())) << "no settings were written";
        return CSettings(SettingsPath());
    }

    // A room file in the rooms folder; returns its full path.
    std::string WriteRoom(const std::string& name, int width = 480, int height = 360, int margin = 35,
                          const std::string& extraRoomKeys = "")
    {
        const std::string path = rooms + "/" + name;
        TempDir::WriteFile(path, "[Room]\r\nFileVersion=300\r\nWidth=" + std::to_string(width) +
                                     "\r\nHeight=" + std::to_string(height) + "\r\nUnit=cm\r\nSpaceAround=" +
                                     std::to_string(margin) + "\r\n" + extraRoomKeys);
        return path;
    }

    static QAction* Action(TForm1& window, const char* name)
    {
        auto* action = window.findChild<QAction*>(name);
        if (!action)
            ADD_FAILURE() << "no action " << name;
        return action;
    }

    static void Trigger(TForm1& window, const char* name)
    {
        if (QAction* action = Action(window, name))
            action->trigger();
    }

    static QString Panel(TForm1& window, int index)
    {
        auto* panel = window.findChild<QLabel*>(QString("StatusPanel%1").arg(index));
        if (!panel) {
            ADD_FAILURE() << "no status panel " << index;
            return {};
        }
        return panel->text();
    }

    static QString Title(const std::string& fileName, bool modified = false)
    {
        return QString::fromStdString("Planzeta - [" + fileName + (modified ? "*" : "") + "]");
    }

    static void Show(TForm1& window)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // A change as every command makes one: announced, then made.
    static void ChangeRoom(TForm1& window, int width)
    {
        window.NoteRoomChange(true);
        window.Room().Width = width;
        window.Redraw(true);
    }

    // Keys go to the widget with the focus, the plan's scroll box; what it does not use
    // reaches the window.
    static void Type(TForm1& window, char key)
    {
        QTest::keyClick(window.findChild<QScrollArea*>("ScrollBox1"), key);
    }

    // Answers the local coordinates dialog as soon as it shows: the origin typed and OK, or
    // Cancel when there is no origin.
    static void AnswerCoordinatesDialog(TForm1& window, std::optional<QPoint> origin)
    {
        QTimer::singleShot(0, &window, [&window, origin] {
            auto* dialog = window.findChild<TFormCoord*>("TFormCoord");
            if (!dialog || !dialog->isVisible()) {
                ADD_FAILURE() << "the local coordinates dialog was not shown";
                return;
            }
            if (origin) {
                dialog->findChild<QLineEdit*>("EdPosX")->setText(QString::number(origin->x()));
                dialog->findChild<QLineEdit*>("EdPosY")->setText(QString::number(origin->y()));
                QTest::mouseClick(dialog->findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog->findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
            }
        });
    }

    // Should the dialog show after all, it is cancelled, so that the test goes on and fails.
    static void ExpectNoCoordinatesDialog(TForm1& window)
    {
        QTimer::singleShot(0, &window, [&window] {
            auto* dialog = window.findChild<TFormCoord*>("TFormCoord");
            if (dialog && dialog->isVisible()) {
                ADD_FAILURE() << "the local coordinates dialog was shown";
                dialog->reject();
            }
        });
    }

    TempDir home;
    const std::string rooms = home.path() + "/rooms";
    const std::string data = home.path() + "/data";
    ScopedEnv configHome{"XDG_CONFIG_HOME", (home.path() + "/config").c_str()};
    ScopedEnv dataHome{"XDG_DATA_HOME", (home.path() + "/share").c_str()};
    // An installation without language files or library.
    ScopedEnv dataFolder{"PLANZETA_DATA_DIR", data.c_str()};
    ScriptedPrompts prompts;
};

// --- Start-up, settings and close -------------------------------------------------------

TEST_F(TForm1Test, FirstRunShowsNoNoticeAndStoresThisVersion)
{
    {
        TForm1 window(prompts, {});
        EXPECT_EQ(window.windowTitle(), Title("untitled"));
        Show(window);
        EXPECT_TRUE(prompts.asked.empty());
        EXPECT_TRUE(Action(window, "ShowGrid1")->isChecked());
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadInteger("LastVersion", -1), 300);
    EXPECT_EQ(Stored().ReadInteger("Language", -1), 0);
    EXPECT_EQ(Stored().ReadInteger("ShowGrid", -1), 1);

    // The next run finds what the first one left and has nothing to tell either.
    TForm1 again(prompts, {});
    Show(again);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TForm1Test, UpgradeShowsTheNoticeOnceAndClosingStoresThisVersion)
{
    WriteSettings("LastVersion=200\nLanguage=0\n");
    {
        TForm1 window(prompts, {});
        prompts.buttons = {ButtonOk};
        Show(window);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].rfind(FirstRunNotice, 0), 0u) << prompts.asked[0];
        // Shown again, say after being minimized: no second notice.
        window.hide();
        Show(window);
        EXPECT_EQ(prompts.asked.size(), 1u);
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadInteger("LastVersion", -1), 300);

    TForm1 again(prompts, {});
    Show(again);
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(TForm1Test, GridSettingAndRecentFilesLastBetweenRuns)
{
    WriteSettings(SteadySettings + "Recent0=" + rooms + "/b.mst\nRecent1=" + rooms + "/a.mst\n");
    {
        TForm1 window(prompts, {});
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  b.mst");
        EXPECT_EQ(Action(window, "Recent2")->text(), "&2  a.mst");
        EXPECT_FALSE(Action(window, "Recent3")->isVisible());
        EXPECT_FALSE(Action(window, "Recent4")->isVisible());

        Trigger(window, "ShowGrid1");
        EXPECT_FALSE(Action(window, "ShowGrid1")->isChecked());
        EXPECT_FALSE(window.findChild<QToolButton*>("ToolButtonGrid")->isChecked());
        Trigger(window, "Konec1");
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(Stored().ReadInteger("ShowGrid", -1), 0);
    EXPECT_EQ(Stored().ReadString("Recent0", ""), rooms + "/b.mst");
    EXPECT_EQ(Stored().ReadString("Recent1", ""), rooms + "/a.mst");
    EXPECT_EQ(Stored().ReadString("Recent2", "?"), "");

    TForm1 again(prompts, {});
    EXPECT_FALSE(Action(again, "ShowGrid1")->isChecked());
    EXPECT_FALSE(again.findChild<QToolButton*>("ToolButtonGrid")->isChecked());
}

TEST_F(TForm1Test, StoredPlacementIsKeptOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        // Wider and higher than the screen, and above and left of it.
        WriteSettings(SteadySettings + "MainWndLeft=-50\nMainWndTop=-20\nMainWndWidth=" +
                      std::to_string(screen.width() + 300) + "\nMainWndHeight=" +
                      std::to_string(screen.height() + 200) + "\n");
        TForm1 window(prompts, {});
        EXPECT_EQ(window.width(), screen.width());
        EXPECT_EQ(window.height(), screen.height());
        EXPECT_EQ(window.pos(), screen.topLeft());
    }
    {
        // Partly beyond the right and the bottom edge: moved back, the size kept.
        WriteSettings(SteadySettings + "MainWndLeft=" + std::to_string(screen.right() - 100) + "\nMainWndTop=" +
                      std::to_string(screen.bottom() - 50) + "\nMainWndWidth=500\nMainWndHeight=400\n");
        TForm1 window(prompts, {});
        EXPECT_EQ(window.size(), QSize(500, 400));
        EXPECT_EQ(window.x(), screen.right() + 1 - 500);
        EXPECT_EQ(window.y(), screen.bottom() + 1 - 400);
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadInteger("MainWndLeft", -1), screen.right() + 1 - 500);
    EXPECT_EQ(Stored().ReadInteger("MainWndTop", -1), screen.bottom() + 1 - 400);
    EXPECT_EQ(Stored().ReadInteger("MainWndWidth", -1), 500);
    EXPECT_EQ(Stored().ReadInteger("MainWndHeight", -1), 400);
    {
        // Maximized comes back maximized, and keeps the placement it returns to.
        WriteSettings(SteadySettings + "MainWndLeft=40\nMainWndTop=30\nMainWndWidth=500\nMainWndHeight=400\n"
                                       "MainWndMaximized=1\n");
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
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("hall.mst", 480, 360);
    {
        // Given relative to the working folder, shown with its full path.
        const std::string relative = std::filesystem::relative(path).string();
        ASSERT_NE(relative, path);
        TForm1 window(prompts, {QString::fromStdString(relative)});
        EXPECT_EQ(window.windowTitle(), Title(path));
        EXPECT_EQ(window.FileName(), QString::fromStdString(path));
        EXPECT_EQ(Panel(window, 1), "Room: 480×360 cm");
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  hall.mst");
        EXPECT_FALSE(Action(window, "Uloizit1")->isEnabled());
    }
    // A file of another kind, or one that is not there, is passed over without a word.
    std::filesystem::copy_file(path, rooms + "/hall.txt");
    for (const std::string& argument : {rooms + "/hall.txt", rooms + "/missing.mst"}) {
        TForm1 window(prompts, {QString::fromStdString(argument)});
        EXPECT_EQ(window.windowTitle(), Title("untitled")) << argument;
        EXPECT_EQ(Panel(window, 1), "Room: 500×300 cm") << argument;
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TForm1Test, AboutNamesTheProgramAndItsVersion)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    prompts.buttons = {ButtonOk};
    Trigger(window, "Oprogramu1");
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].rfind("Message About: Planzeta, version 3.0 (3D)   \n", 0), 0u) << prompts.asked[0];
}

// --- Zoom, status panels, view toggles, wheel -----------------------------------------

TEST_F(TForm1Test, ZoomInAndOutStepThroughTheLevelsAndStopAtTheEnds)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    EXPECT_EQ(Panel(window, 3), "Zoom: 100%");

    std::vector<QString> shown;
    for (int i = 0; i < 6; ++i) {
        Trigger(window, "Priblizit1");
        shown.push_back(Panel(window, 3));
    }
    EXPECT_EQ(shown, (std::vector<QString>{"Zoom: 130%", "Zoom: 160%", "Zoom: 200%", "Zoom: 300%", "Zoom: 400%",
                                           "Zoom: 400%"}));
    EXPECT_DOUBLE_EQ(window.Zoom(), 4.0);

    Trigger(window, "Zoom1001");
    EXPECT_EQ(Panel(window, 3), "Zoom: 100%");
    shown.clear();
    for (int i = 0; i < 10; ++i) {
        Trigger(window, "Oddlit1");
        shown.push_back(Panel(window, 3));
    }
    EXPECT_EQ(shown, (std::vector<QString>{"Zoom: 75%", "Zoom: 50%", "Zoom: 33%", "Zoom: 25%", "Zoom: 20%",
                                           "Zoom: 15%", "Zoom: 10%", "Zoom: 7%", "Zoom: 5%", "Zoom: 5%"}));
    EXPECT_DOUBLE_EQ(window.Zoom(), 0.05);
}

TEST_F(TForm1Test, ZoomKeysActFromThePlan)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    Show(window);
    Type(window, '+');
    EXPECT_EQ(Panel(window, 3), "Zoom: 130%");
    Type(window, '+');
    EXPECT_EQ(Panel(window, 3), "Zoom: 160%");
    Type(window, '-');
    EXPECT_EQ(Panel(window, 3), "Zoom: 130%");
    Type(window, '/');
    EXPECT_EQ(Panel(window, 3), "Zoom: 100%");
    Type(window, '-');
    EXPECT_EQ(Panel(window, 3), "Zoom: 75%");
}

TEST_F(TForm1Test, PlanImageFollowsTheZoom)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("room.mst", 400, 200, 50);
    TForm1 window(prompts, {QString::fromStdString(path)});
    auto* plan = window.findChild<QWidget*>("Obr");
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->size(), QSize(500, 300));
    Trigger(window, "Priblizit1");
    EXPECT_EQ(plan->size(), QSize(650, 390));
    // Each margin is truncated on its own: 50 × 0.75 gives 37 pixels.
    Trigger(window, "Zoom1001");
    Trigger(window, "Oddlit1");
    EXPECT_EQ(plan->size(), QSize(374, 224));
}

TEST_F(TForm1Test, RoomTooLargeForAnImageAtFullScaleOpensAtTheLargestZoomThatFits)
{
    WriteSettings(SteadySettings);
    // Long and narrow, so that the image that fits stays small enough to test quickly.
    const std::string path = WriteRoom("corridor.mst", 50000, 100, 0);
    TForm1 window(prompts, {QString::fromStdString(path)});
    auto* plan = window.findChild<QWidget*>("Obr");
    const auto withinLimits = [plan] {
        const qint64 width = plan->width();
        const qint64 height = plan->height();
        return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
               width * height <= MaxImagePixels;
    };
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_LT(window.Zoom(), 1.0);
    EXPECT_TRUE(withinLimits()) << plan->width() << "x" << plan->height();
    EXPECT_EQ(Panel(window, 3), QString("Zoom: %1%").arg(static_cast<int>(window.Zoom() * 100)));
    const double largest = window.Zoom();

    Trigger(window, "Oddlit1");
    EXPECT_LT(window.Zoom(), largest);
    Trigger(window, "Priblizit1");
    Trigger(window, "Priblizit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), largest);
    EXPECT_TRUE(withinLimits());
    Trigger(window, "Zoom1001");
    EXPECT_DOUBLE_EQ(window.Zoom(), largest);
}

TEST_F(TForm1Test, BestFitFillsTheViewWithoutScrollBarsAndNeverEnlarges)
{
    WriteSettings(SteadySettings);
    const std::string large = WriteRoom("large.mst", 4000, 3000, 0);
    const std::string tiny = WriteRoom("tiny.mst", 60, 40, 5);
    const std::string huge = WriteRoom("huge.mst", 100000, 1000, 0);
    TForm1 window(prompts, {QString::fromStdString(large)});
    Show(window);
    auto* scrollBox = window.findChild<QScrollArea*>("ScrollBox1");
    auto* plan = window.findChild<QWidget*>("Obr");
    ASSERT_TRUE(scrollBox && plan);
    ASSERT_TRUE(scrollBox->verticalScrollBar()->isVisible());

    Trigger(window, "BestFit1");
    QCoreApplication::processEvents();
    EXPECT_LT(window.Zoom(), 1.0);
    EXPECT_FALSE(scrollBox->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scrollBox->verticalScrollBar()->isVisible());
    const QSize view = scrollBox->viewport()->size();
    EXPECT_LE(plan->width(), view.width());
    EXPECT_LE(plan->height(), view.height());
    // It fills the view in one direction, give or take the pixel lost to truncation.
    EXPECT_TRUE(plan->width() >= view.width() - 1 || plan->height() >= view.height() - 1)
        << "plan " << plan->width() << "x" << plan->height() << " in " << view.width() << "x" << view.height();
    EXPECT_EQ(Panel(window, 3), QString("Zoom: %1%").arg(static_cast<int>(window.Zoom() * 100)));

    // The key does the same.
    Trigger(window, "Zoom1001");
    Type(window, '*');
    EXPECT_LT(window.Zoom(), 1.0);

    // A room smaller than the view is shown at 100 %, not enlarged.
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(tiny)));
    Trigger(window, "Priblizit1");
    Trigger(window, "Priblizit1");
    Trigger(window, "BestFit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), 1.0);
    EXPECT_EQ(Panel(window, 3), "Zoom: 100%");

    // A room that would fit only below 5 % is shown at 5 %, and the view scrolls.
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(huge)));
    Trigger(window, "BestFit1");
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(window.Zoom(), 0.05);
    EXPECT_EQ(Panel(window, 3), "Zoom: 5%");
    EXPECT_EQ(plan->size(), QSize(5000, 50));
    EXPECT_TRUE(scrollBox->horizontalScrollBar()->isVisible());

    // A fit between two levels: Zoom In and Zoom Out go to the levels on either side. The room
    // is made so long that its width decides the fit, at about 60 %.
    const int viewWidth = scrollBox->viewport()->width() +
                          (scrollBox->verticalScrollBar()->isVisible() ? scrollBox->verticalScrollBar()->width() : 0);
    const std::string between = WriteRoom("between.mst", viewWidth * 10 / 6, 10, 0);
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(between)));
    Trigger(window, "BestFit1");
    EXPECT_GT(window.Zoom(), 0.55);
    EXPECT_LT(window.Zoom(), 0.65);
    const double fitted = window.Zoom();
    Trigger(window, "Priblizit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), 0.75);
    Trigger(window, "BestFit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), fitted);
    Trigger(window, "Oddlit1");
    EXPECT_DOUBLE_EQ(window.Zoom(), 0.5);
}

TEST_F(TForm1Test, OpeningInBestFitFitsTheRoom)
{
    WriteSettings("LastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=1\n");
    const std::string tiny = WriteRoom("tiny.mst", 60, 40, 5);
    const std::string large = WriteRoom("large.mst", 4000, 3000, 0);
    TForm1 window(prompts, {});
    Show(window);
    Trigger(window, "Priblizit1");
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(tiny)));
    EXPECT_DOUBLE_EQ(window.Zoom(), 1.0);
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(large)));
    EXPECT_LT(window.Zoom(), 0.5);

    // Named on the command line, the room is fitted once the window is laid out.
    TForm1 started(prompts, {QString::fromStdString(large)});
    Show(started);
    const double fitted = started.Zoom();
    Trigger(started, "BestFit1");
    EXPECT_DOUBLE_EQ(started.Zoom(), fitted);
}

TEST_F(TForm1Test, AutosizeFitsTheWindowAroundThePlan)
{
    WriteSettings("LastVersion=300\nLanguage=0\nAutosize=1\nOpenInBestFit=0\n");
    const std::string path = WriteRoom("room.mst", 300, 200, 20);
    TForm1 window(prompts, {QString::fromStdString(path)});
    Show(window);
    QCoreApplication::processEvents();
    auto* scrollBox = window.findChild<QScrollArea*>("ScrollBox1");
    auto* plan = window.findChild<QWidget*>("Obr");
    const auto expectFitted = [&] {
        QCoreApplication::processEvents();
        EXPECT_FALSE(scrollBox->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(scrollBox->verticalScrollBar()->isVisible());
        // The height is the plan's; the width at least the tool bar's.
        EXPECT_EQ(scrollBox->viewport()->height(), plan->height());
        EXPECT_GE(scrollBox->viewport()->width(), plan->width());
    };
    expectFitted();
    const int height = window.height();
    Trigger(window, "Priblizit1");
    expectFitted();
    EXPECT_GT(window.height(), height);
}

TEST_F(TForm1Test, ViewTogglesRedrawThePlanAndAreNoChangeOfTheRoom)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    auto* plan = window.findChild<QWidget*>("Obr");
    const QImage withGrid = plan->grab().toImage();
    Trigger(window, "ShowGrid1");
    EXPECT_NE(plan->grab().toImage(), withGrid);
    Trigger(window, "ShowGrid1");
    EXPECT_EQ(plan->grab().toImage(), withGrid);
    EXPECT_TRUE(Action(window, "ShowCaptions1")->isChecked());
    EXPECT_TRUE(window.findChild<QToolButton*>("ToolButtonCapt")->isChecked());
    Trigger(window, "ShowCaptions1");
    EXPECT_FALSE(window.findChild<QToolButton*>("ToolButtonCapt")->isChecked());
    EXPECT_FALSE(Action(window, "ShowCollisions1")->isChecked());
    Trigger(window, "ShowCollisions1");
    EXPECT_TRUE(Action(window, "ShowCollisions1")->isChecked());

    EXPECT_EQ(window.windowTitle(), Title("untitled"));
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());
}

TEST_F(TForm1Test, LocalCoordinatesAreASettingOfTheViewNotAChange)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("local.mst", 480, 360);
    TForm1 window(prompts, {QString::fromStdString(path)});
    Show(window);
    QAction* coordinates = Action(window, "ToolButtonCoordAction");
    ASSERT_FALSE(coordinates->isChecked());

    // "l" turns them on through the dialog; cancelling it leaves them off.
    AnswerCoordinatesDialog(window, std::nullopt);
    Type(window, 'l');
    EXPECT_FALSE(coordinates->isChecked());
    EXPECT_FALSE(window.Room().UserCoord);

    ChangeRoom(window, 600);
    AnswerCoordinatesDialog(window, QPoint(100, 50));
    Type(window, 'l');
    EXPECT_TRUE(coordinates->isChecked());
    EXPECT_TRUE(window.Room().UserCoord);
    EXPECT_EQ(window.Room().UserCoordOriginX, 100);
    EXPECT_EQ(window.Room().UserCoordOriginY, 50);

    // The only step to undo is the width; the local coordinates stay as they are.
    Trigger(window, "Undo1");
    EXPECT_EQ(window.Room().Width, 480);
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_TRUE(window.Room().UserCoord);
    EXPECT_TRUE(coordinates->isChecked());
    EXPECT_EQ(window.Room().UserCoordOriginX, 100);
    EXPECT_EQ(window.Room().UserCoordOriginY, 50);

    // Turned off without a question; an upper-case L is not the command.
    ExpectNoCoordinatesDialog(window);
    Type(window, 'l');
    EXPECT_FALSE(coordinates->isChecked());
    EXPECT_FALSE(window.Room().UserCoord);
    ExpectNoCoordinatesDialog(window);
    Type(window, 'L');
    EXPECT_FALSE(coordinates->isChecked());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), Title(path));
}

TEST_F(TForm1Test, WheelScrollsAThirdOfItsDelta)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("room.mst", 3000, 3000, 0);
    TForm1 window(prompts, {QString::fromStdString(path)});
    Show(window);
    auto* scrollBox = window.findChild<QScrollArea*>("ScrollBox1");
    QScrollBar* vertical = scrollBox->verticalScrollBar();
    QScrollBar* horizontal = scrollBox->horizontalScrollBar();
    vertical->setValue(500);
    horizontal->setValue(500);

    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWidget* viewport = scrollBox->viewport();
        const QPointF at(10, 10);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &event);
    };
    wheel(-120, Qt::NoModifier);  // one notch towards the user: down
    EXPECT_EQ(vertical->value(), 540);
    EXPECT_EQ(horizontal->value(), 500);
    wheel(240, Qt::NoModifier);
    EXPECT_EQ(vertical->value(), 460);
    wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(horizontal->value(), 540);
    EXPECT_EQ(vertical->value(), 460);
}

// --- Documents ------------------------------------------------------------------------

TEST_F(TForm1Test, RecentFilesListTheNewestFirst)
{
    WriteSettings(SteadySettings);
    std::vector<std::string> files;
    for (const char* name : {"a.mst", "b.mst", "c.mst", "d.mst", "e.mst"})
        files.push_back(WriteRoom(name));
    {
        TForm1 window(prompts, {});
        EXPECT_EQ(Action(window, "Recent1")->text(), "Recent file");
        EXPECT_TRUE(Action(window, "Recent1")->isVisible());
        EXPECT_FALSE(Action(window, "Recent1")->isEnabled());
        EXPECT_FALSE(Action(window, "Recent2")->isVisible());

        for (int i = 0; i < 3; ++i) {
            prompts.fileNames.push_back(files[static_cast<size_t>(i)]);
            Trigger(window, "Otrevrit1");
        }
        EXPECT_EQ(window.windowTitle(), Title(files[2]));
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  c.mst");
        EXPECT_EQ(Action(window, "Recent2")->text(), "&2  b.mst");
        EXPECT_EQ(Action(window, "Recent3")->text(), "&3  a.mst");
        EXPECT_TRUE(Action(window, "Recent3")->isEnabled());
        EXPECT_FALSE(Action(window, "Recent4")->isVisible());

        // The second item opens b, which moves to the top.
        Trigger(window, "Recent2");
        EXPECT_EQ(window.windowTitle(), Title(files[1]));
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  b.mst");
        EXPECT_EQ(Action(window, "Recent2")->text(), "&2  c.mst");
        EXPECT_EQ(Action(window, "Recent3")->text(), "&3  a.mst");
        // The first one is opened again in place.
        Trigger(window, "Recent1");
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  b.mst");
        EXPECT_EQ(Action(window, "Recent2")->text(), "&2  c.mst");

        // A fourth file fills the list, a fifth drops the oldest.
        ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(files[3])));
        ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(files[4])));
        EXPECT_EQ(Action(window, "Recent1")->text(), "&1  e.mst");
        EXPECT_EQ(Action(window, "Recent2")->text(), "&2  d.mst");
        EXPECT_EQ(Action(window, "Recent3")->text(), "&3  b.mst");
        EXPECT_EQ(Action(window, "Recent4")->text(), "&4  c.mst");
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(Stored().ReadString("Recent0", ""), files[4]);
    EXPECT_EQ(Stored().ReadString("Recent1", ""), files[3]);
    EXPECT_EQ(Stored().ReadString("Recent2", ""), files[1]);
    EXPECT_EQ(Stored().ReadString("Recent3", ""), files[2]);
    // The folder of the last room opened is where the open dialog starts next time.
    EXPECT_EQ(Stored().ReadString("LastOpenFolder", ""), rooms + "/");
}

TEST_F(TForm1Test, OpeningAFileThatCannotBeReadReportsItAndKeepsTheRoom)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("room.mst");
    TForm1 window(prompts, {QString::fromStdString(path)});
    prompts.fileNames = {rooms + "/gone.mst"};
    prompts.buttons = {ButtonOk};
    Trigger(window, "Otrevrit1");
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1], "Message Cannot open file: The file doesn't exist or you don't have the "
                                "permission to read it.\n" +
                                    rooms + "/gone.mst");
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_FALSE(Action(window, "Recent2")->isVisible());
}

TEST_F(TForm1Test, OpenAsksAboutUnsavedChanges)
{
    WriteSettings(SteadySettings);
    const std::string other = WriteRoom("other.mst", 700, 500);
    TForm1 window(prompts, {});
    ChangeRoom(window, 612);
    ASSERT_EQ(window.windowTitle(), Title("untitled", true));
    const std::string question = "Message Closing room: The room was changed but it is not saved in the file.\n"
                                 "Do you want to save it?";

    // Cancel: nothing happens, not even the file chooser.
    prompts.buttons = {ButtonCancel};
    Trigger(window, "Otrevrit1");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{question});
    EXPECT_EQ(window.windowTitle(), Title("untitled", true));
    EXPECT_EQ(window.Room().Width, 612);

    // Yes on an untitled room asks for a name; cancelling that keeps the room and its changes.
    prompts.asked.clear();
    prompts.buttons = {ButtonYes};
    prompts.fileNames = {std::nullopt};
    Trigger(window, "Otrevrit1");
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].rfind("Save Save room into the file", 0), 0u) << prompts.asked[1];
    EXPECT_EQ(window.windowTitle(), Title("untitled", true));
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_TRUE(Action(window, "Undo1")->isEnabled());

    // A dropped room is no different.
    prompts.buttons = {ButtonCancel};
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_EQ(window.Room().Width, 612);

    // No: the other room opens, and its history starts afresh.
    prompts.asked.clear();
    prompts.buttons = {ButtonNo};
    prompts.fileNames = {other};
    Trigger(window, "Otrevrit1");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{question, "Open Open saved room"}));
    EXPECT_EQ(window.windowTitle(), Title(other));
    EXPECT_EQ(window.Room().Width, 700);
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());
    EXPECT_FALSE(Action(window, "Redo1")->isEnabled());

    // Yes on a titled room writes it, then opens the next one.
    const std::string first = WriteRoom("first.mst", 300, 200);
    ChangeRoom(window, 720);
    prompts.buttons = {ButtonYes};
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(first)));
    EXPECT_EQ(window.windowTitle(), Title(first));
    EXPECT_EQ(CIniFile::Read(other)->ReadInteger("Room", "Width", 0), 720);

    // With nothing changed there is no question.
    prompts.asked.clear();
    ASSERT_TRUE(window.OpenRoomFile(QString::fromStdString(other)));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TForm1Test, ClosingAsksAboutUnsavedChanges)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("room.mst", 480, 360);
    const std::string before = TempDir::ReadFile(path);
    TForm1 window(prompts, {QString::fromStdString(path)});
    Show(window);
    ChangeRoom(window, 612);

    // Cancel keeps the window open, and its settings are not written yet.
    const std::string settingsBefore = TempDir::ReadFile(SettingsPath());
    prompts.buttons = {ButtonCancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.acceptDrops());
    EXPECT_EQ(TempDir::ReadFile(SettingsPath()), settingsBefore);

    // Exit is the same.
    prompts.buttons = {ButtonCancel};
    Trigger(window, "Konec1");
    EXPECT_TRUE(window.isVisible());

    // No closes without writing the room.
    prompts.buttons = {ButtonNo};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(TempDir::ReadFile(path), before);
    EXPECT_EQ(Stored().ReadString("Recent0", ""), path);
}

TEST_F(TForm1Test, ClosingWithYesSavesAndStopsWhenTheSaveDoesNot)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    Show(window);
    ChangeRoom(window, 612);

    // An untitled room whose naming is cancelled is not lost.
    prompts.buttons = {ButtonYes};
    prompts.fileNames = {std::nullopt};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    const std::string saved = rooms + "/kept.mst";
    prompts.buttons = {ButtonYes};
    prompts.fileNames = {saved};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(CIniFile::Read(saved)->ReadInteger("Room", "Width", 0), 612);
    EXPECT_EQ(Stored().ReadString("Recent0", ""), saved);
}

TEST_F(TForm1Test, SaveAsWritesTheChosenFile)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    // An untitled room can be saved before any change.
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    ChangeRoom(window, 612);

    // Save of an untitled room asks for the name; a name without extension gets ".mst".
    prompts.fileNames = {rooms + "/plan"};
    Trigger(window, "Uloizit1");
    const std::string path = rooms + "/plan.mst";
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_EQ(CIniFile::Read(path)->ReadInteger("Room", "Width", 0), 612);
    EXPECT_FALSE(Action(window, "Uloizit1")->isEnabled());
    EXPECT_EQ(Action(window, "Recent1")->text(), "&1  plan.mst");

    // Save As writes a copy under the new name, which the room takes.
    ChangeRoom(window, 640);
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    prompts.fileNames = {rooms + "/copy.mst"};
    Trigger(window, "Ulozitjako1");
    EXPECT_EQ(window.windowTitle(), Title(rooms + "/copy.mst"));
    EXPECT_EQ(CIniFile::Read(rooms + "/copy.mst")->ReadInteger("Room", "Width", 0), 640);
    EXPECT_EQ(CIniFile::Read(path)->ReadInteger("Room", "Width", 0), 612);
    EXPECT_EQ(Action(window, "Recent2")->text(), "&2  plan.mst");

    // Save As cancelled changes nothing.
    ChangeRoom(window, 700);
    prompts.fileNames = {std::nullopt};
    Trigger(window, "Ulozitjako1");
    EXPECT_EQ(window.windowTitle(), Title(rooms + "/copy.mst", true));
}

TEST_F(TForm1Test, FailedSaveIsReportedAndKeepsTheChanges)
{
    WriteSettings(SteadySettings);
    const std::string path = WriteRoom("locked.mst", 480, 360);
    const std::string before = TempDir::ReadFile(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TForm1 window(prompts, {QString::fromStdString(path)});
    ChangeRoom(window, 612);

    prompts.buttons = {ButtonOk};
    Trigger(window, "Uloizit1");
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Message Error: Unable to write to " + path});
    EXPECT_EQ(window.windowTitle(), Title(path, true));
    EXPECT_EQ(window.FileName(), QString::fromStdString(path));
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    EXPECT_EQ(TempDir::ReadFile(path), before);

    // A command that asked for the save stops too: the room is not replaced.
    const std::string other = WriteRoom("other.mst", 700, 500);
    prompts.buttons = {ButtonYes, ButtonOk};
    EXPECT_FALSE(window.OpenRoomFile(QString::fromStdString(other)));
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(window.windowTitle(), Title(path, true));
    prompts.buttons = {ButtonYes, ButtonOk};
    Trigger(window, "Nova1");
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(window.windowTitle(), Title(path, true));
}

// --- Undo and redo ----------------------------------------------------------------------

TEST_F(TForm1Test, UndoAndRedoFollowTheSavedState)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    QAction* undo = Action(window, "Undo1");
    QAction* redo = Action(window, "Redo1");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    ChangeRoom(window, 612);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(window.windowTitle(), Title("untitled", true));
    EXPECT_EQ(Panel(window, 1), "Room: 612×300 cm");

    // Undone to the room as it started, which was never changed.
    Trigger(window, "Undo1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_EQ(Panel(window, 1), "Room: 500×300 cm");
    EXPECT_EQ(window.windowTitle(), Title("untitled"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    Trigger(window, "Redo1");
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(window.windowTitle(), Title("untitled", true));

    // Saved, the change is the saved state: undoing it leaves unsaved changes, redoing it
    // returns to what the file holds.
    const std::string path = rooms + "/room.mst";
    prompts.fileNames = {path};
    Trigger(window, "Uloizit1");
    ASSERT_EQ(window.windowTitle(), Title(path));
    Trigger(window, "Undo1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_EQ(window.windowTitle(), Title(path, true));
    EXPECT_TRUE(Action(window, "Uloizit1")->isEnabled());
    Trigger(window, "Redo1");
    EXPECT_EQ(window.Room().Width, 612);
    EXPECT_EQ(window.windowTitle(), Title(path));
    EXPECT_FALSE(Action(window, "Uloizit1")->isEnabled());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // A new change after an undo discards what could be redone.
    Trigger(window, "Undo1");
    ChangeRoom(window, 650);
    EXPECT_FALSE(redo->isEnabled());
    Trigger(window, "Undo1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(TForm1Test, MergedChangesAreOneStepAndHistoryIsLimited)
{
    WriteSettings(SteadySettings);
    TForm1 window(prompts, {});
    // A drag: every move merged into one step, which the release closes.
    for (int width = 501; width <= 510; ++width) {
        window.NoteRoomChange(false);
        window.Room().Width = width;
    }
    window.NoteRoomChange(true);
    window.Room().Width = 520;
    Trigger(window, "Undo1");
    EXPECT_EQ(window.Room().Width, 500);
    EXPECT_FALSE(Action(window, "Undo1")->isEnabled());

    // Thirty-five changes: the last 31 can be undone.
    for (int i = 1; i <= 35; ++i)
        ChangeRoom(window, 1000 + i);
    int undone = 0;
    while (Action(window, "Undo1")->isEnabled() && undone < 100) {
        Trigger(window, "Undo1");
        ++undone;
    }
    EXPECT_EQ(undone, 31);
    EXPECT_EQ(window.Room().Width, 1004);
}

// --- Dropped files ----------------------------------------------------------------------

TEST_F(TForm1Test, DroppedRoomFileOpens)
{
    WriteSettings(SteadySettings);
    const std::string upper = WriteRoom("UPPER.MST", 410, 310);
    const std::string lower = WriteRoom("lower.mst", 420, 320);
    const std::string text = WriteRoom("notes.txt", 430, 330);
    TForm1 window(prompts, {});

    const auto drop = [&window](const std::vector<std::string>& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };

    drop({text});
    EXPECT_EQ(window.windowTitle(), Title("untitled"));
    drop({upper});
    EXPECT_EQ(window.windowTitle(), Title(upper));
    // Of several, the first.
    drop({lower, text, upper});
    EXPECT_EQ(window.windowTitle(), Title(lower));
    EXPECT_EQ(Panel(window, 1), "Room: 420×320 cm");
    EXPECT_EQ(Action(window, "Recent1")->text(), "&1  lower.mst");
    EXPECT_EQ(Action(window, "Recent2")->text(), "&2  UPPER.MST");
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
