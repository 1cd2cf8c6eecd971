#include "app/CommandLine.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    // Headless tasks need no display, so they run before any window system is touched.
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Planzeta");
    QMainWindow window;
    window.setWindowTitle("Planzeta");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
