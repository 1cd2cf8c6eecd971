// Pictures of windows for the documentation, taken from the real windows on a display:
//   planzeta-pictures languages FOLDER   the main window with its Room menu open and the room
//                                        and object properties dialogs, in German and Czech
//   planzeta-pictures dialogs FOLDER     the library chooser (Cabinets, Bathroom) and the object
//                                        properties dialog with the user library open
// DATA names the source tree's data folder. tools/language-pictures.sh and
// tools/dialog-pictures.sh run it on a virtual X server.

#include "dialogs/COptions.h"
#include "dialogs/TFormRename.h"
#include "editor/TForm1.h"
#include "library/CLibrary.h"
#include "library/TFormLibrary.h"
#include "library/TFormProp.h"
#include "platform/QtPrompts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

void Save(const QPixmap& picture, const QString& path)
{
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void WriteText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// A private home whose settings ask nothing at start and choose the language.
void UseHome(const QTemporaryDir& home, int language)
{
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    WriteText(home.filePath("Kelvora/Planzeta.ini"),
              "[Planzeta]\nLastVersion=300\nAutosize=0\nOpenInBestFit=0\nMainWndLeft=40\nMainWndTop=30\n"
              "MainWndWidth=760\nMainWndHeight=600\nLanguage=" + QByteArray::number(language) + "\n");
}

void ShowAndWait(QWidget& window)
{
    window.show();
    QTest::qWaitForWindowExposed(&window);
    QTest::qWait(400);
}

void LanguagePictures(const QString& folder, const QString& data, int language, const QString& suffix)
{
    QTemporaryDir home;
    UseHome(home, language);
    QtPrompts prompts;
    TForm1 window(prompts, {data + "/../docs/rooms/Furnished.mst"});
    ShowAndWait(window);
    window.findChild<QAction*>("BestFit1")->trigger();
    auto* menu = window.findChild<QMenu*>("Mistnost1");
    menu->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    QTest::qWait(400);
    const QRect frame = window.frameGeometry().united(menu->geometry()).adjusted(-10, -10, 10, 10);
    Save(QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()),
         folder + "/main-window-" + suffix + ".png");
    menu->hide();

    QTimer::singleShot(400, &window, [&window, folder, suffix] {
        auto* dialog = window.findChild<QDialog*>("TFormRoom");
        Save(dialog->grab(), folder + "/room-properties-" + suffix + ".png");
        dialog->reject();
    });
    window.findChild<QAction*>("Zmenrozmery1")->trigger();

    auto* properties = window.findChild<TFormProp*>("TFormProp");
    properties->SetRoom(window.Room());
    const auto& parts = window.Room().Parts;
    const auto sofa = std::find_if(parts.begin(), parts.end(), [](const CPart& part) { return part.Type == LibraryObject; });
    if (sofa != parts.end())
        properties->SetPart(*sofa, false);
    ShowAndWait(*properties);
    QTest::mouseClick(properties->findChild<QPushButton*>("BtnCatalogue"), Qt::LeftButton);
    QTest::qWait(400);
    Save(properties->grab(), folder + "/object-properties-" + suffix + ".png");
    properties->hide();
}

void DialogPictures(const QString& folder, const QString& data)
{
    QTemporaryDir home;
    UseHome(home, 0);
    WriteText(home.filePath("planzeta/Catalog.msk"),
              "[Part1]\nType=Rectangle\nCaption=My desk\nWidth=60\nHeight=60\n"
              "[Part2]\nType=Circle\nCaption=Round table\nWidth=90\nHeight=90\n"
              "[Part3]\nType=Door\nCaption=Front door\nWidth=90\nHeight=90\n");
    CLibrary library;
    library.Load((data + "/Library.msk").toStdString());
    COptions options;
    CRoom room;
    TFormLibrary chooser(library, options);
    chooser.SetRoom(room);
    for (const auto& [page, name] : {std::pair{1, "cabinets"}, std::pair{4, "bathroom"}}) {
        options.LastLibraryPage = page;
        ShowAndWait(chooser);
        Save(chooser.grab(), folder + "/library-chooser-" + name + ".png");
        chooser.hide();
    }

    QtPrompts prompts;
    TFormRename renamePrompt;
    TFormProp properties(prompts, renamePrompt);
    properties.SetRoom(room);
    CPart cabinet = library.Catalogue().Entry(1);
    cabinet.PosX = 120;
    cabinet.PosY = 80;
    properties.SetPart(cabinet, false);
    ShowAndWait(properties);
    QTest::mouseClick(properties.findChild<QPushButton*>("BtnCatalogue"), Qt::LeftButton);
    QTest::qWait(200);
    Save(properties.grab(), folder + "/object-properties.png");
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: planzeta-pictures languages|dialogs FOLDER DATA\n");
        return 2;
    }
    const QString which = argv[1];
    const QString folder = QDir(argv[2]).absolutePath();
    const QString data = QDir(argv[3]).absolutePath();
    qputenv("PLANZETA_DATA_DIR", data.toUtf8());
    if (which == "languages") {
        LanguagePictures(folder, data, 1031, "de");
        LanguagePictures(folder, data, 1029, "cs");
    } else if (which == "dialogs") {
        DialogPictures(folder, data);
    } else {
        std::fprintf(stderr, "unknown pictures: %s\n", argv[1]);
        return 2;
    }
    return 0;
}
