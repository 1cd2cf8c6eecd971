#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/FirstPaint.h"
#include "editor/TForm1.h"
#include "platform/QtPrompts.h"

int main(int argc, char** argv)
{
    // Headless tasks need no display, so they run before any window system is touched.
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;

    QtPrompts prompts;
    Application app(argc, argv, prompts);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool quitAfterFirstPaint = arguments.removeAll(QuitAfterFirstPaintSwitch) > 0;
    TForm1 window(prompts, arguments);
    prompts.SetParent(&window);
    if (quitAfterFirstPaint)
        QuitAfterFirstPaint(window.findChild<QWidget*>("Obr"));
    window.show();
    return QApplication::exec();
}
