// Pictures of the main window with its Room menu open and of two dialogs, in German and in
// Czech, for the documentation; taken only when PLANZETA_LANGUAGE_PICTURES names the folder
// to write them to (tools/language-pictures.sh runs them on a virtual X server).

#include "editor/TForm1.h"

#include "dialogs/TFormProp.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

const std::string SourceFolder = PLANZETA_SOURCE_DIR;

// The screen where the window and an open menu lie, as a person sees it.
QPixmap ScreenAround(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

void SavePictures(const std::string& folder, int32_t language, const std::string& suffix)
{
    TempDir home;
    const ScopedEnv configHome("XDG_CONFIG_HOME", home.path().c_str());
    const ScopedEnv dataHome("XDG_DATA_HOME", home.path().c_str());
    const ScopedEnv data("PLANZETA_DATA_DIR", (SourceFolder + "/data").c_str());
    std::filesystem::create_directories(home.file("Kelvora"));
    TempDir::WriteFile(home.file("Kelvora/Planzeta.ini"),
                       "[Planzeta]\nLastVersion=300\nAutosize=0\nOpenInBestFit=0\nMainWndLeft=40\nMainWndTop=30\n"
                       "MainWndWidth=760\nMainWndHeight=600\nLanguage=" + std::to_string(language) + "\n");
    ScriptedPrompts prompts;
    TForm1 window(prompts, {QString::fromStdString(SourceFolder + "/docs/rooms/Furnished.mst")});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>("BestFit1")->trigger();
    auto* menu = window.findChild<QMenu*>("Mistnost1");
    const QRect titleBar = window.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(window.menuBar()->mapToGlobal(titleBar.bottomLeft()));
    QTest::qWait(400);
    const QRect frame = window.frameGeometry().united(menu->geometry()).adjusted(-10, -10, 10, 10);
    EXPECT_TRUE(ScreenAround(frame).save(QString::fromStdString(folder + "/main-window-" + suffix + ".png")));
    menu->hide();

    QTimer::singleShot(400, &window, [&window, folder, suffix] {
        auto* dialog = window.findChild<QDialog*>("TFormRoom");
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_TRUE(dialog->grab().save(QString::fromStdString(folder + "/room-properties-" + suffix + ".png")));
        dialog->reject();
    });
    window.findChild<QAction*>("Zmenrozmery1")->trigger();

    auto* properties = window.findChild<TFormProp*>("TFormProp");
    properties->SetRoom(window.Room());
    const auto sofa = std::find_if(window.Room().Parts.begin(), window.Room().Parts.end(),
                                   [](const CPart& part) { return part.Type == LibraryObject; });
    ASSERT_NE(sofa, window.Room().Parts.end());
    properties->SetPart(*sofa, false);
    properties->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(properties));
    QTest::mouseClick(properties->findChild<QPushButton*>("BtnCatalogue"), Qt::LeftButton);
    QTest::qWait(400);
    EXPECT_TRUE(properties->grab().save(QString::fromStdString(folder + "/object-properties-" + suffix + ".png")));
    properties->hide();
}

}  // namespace

TEST(LanguagePictures, SavesTheMainWindowAndTwoDialogsInGermanAndCzech)
{
    const char* folder = std::getenv("PLANZETA_LANGUAGE_PICTURES");
    if (!folder)
        GTEST_SKIP() << "PLANZETA_LANGUAGE_PICTURES not set";
    SavePictures(folder, 1031, "de");
    SavePictures(folder, 1029, "cs");
}
