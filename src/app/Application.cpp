#include "app/Application.h"

#include "dialogs/ErrorReport.h"

#include <QIcon>

#include <exception>

Application::Application(int& argc, char** argv, Prompts& prompts) : QApplication(argc, argv), prompts_(prompts)
{
    setApplicationName("Planzeta");
    setOrganizationName("Kelvora");
    setWindowIcon(QIcon(":/icons/planzeta.svg"));
    // Lets desktops match the window to its menu entry and icon.
    setDesktopFileName("io.planzeta.Planzeta");
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(prompts_, error.what());
    } catch (...) {
        ReportError(prompts_, "An unexpected error occurred.");
    }
    return false;
}
