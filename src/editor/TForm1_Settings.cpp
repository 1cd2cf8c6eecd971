#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/TFormOptions.h"
#include "editor/WindowPlacement.h"
#include "localize/Messages.h"
#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int32_t ThisVersion = 300;
constexpr int32_t EnglishLanguageID = 1;
constexpr char MaximizedValue[] = "MainWndMaximized";
// How far below the window's top its title bar is looked for on the screens.
constexpr int TitleBarAllowance = 10;

}  // namespace

void TForm1::CreateSettingsActions()
{
    Options1 = NewAction("Options1", [this] { EditOptions(); });
}

void TForm1::ReadSettings()
{
    firstRunLanguage_ = settings_.ReadInteger("Language", EnglishLanguageID) == EnglishLanguageID;
    lastVersion_ = settings_.ReadInteger("LastVersion", 110);
    showGrid_ = settings_.ReadBool("ShowGrid", true);
    recentFiles_.Read(settings_);
    RefreshRecentMenu();
    const QRect placement(settings_.ReadInteger("MainWndLeft", x()), settings_.ReadInteger("MainWndTop", y()),
                          settings_.ReadInteger("MainWndWidth", width()),
                          settings_.ReadInteger("MainWndHeight", height()));
    move(placement.topLeft());
    resize(placement.size());
    KeepWindowOnScreen();
    // Maximized over the normal placement, which it returns to.
    if (settings_.ReadBool(MaximizedValue, false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

// The window stays on the screen that holds the middle of its title bar, or on the primary
// screen when none does, so that it can always be taken by its title bar.
void TForm1::KeepWindowOnScreen()
{
    const QPoint titleBar(x() + width() / 2, y() + TitleBarAllowance);
    const QScreen* screen = QGuiApplication::screenAt(titleBar);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const WindowBounds kept = KeepOnScreen({x(), y(), width(), height()}, FromQRect(screen->availableGeometry()));
    move(kept.left, kept.top);
    resize(kept.width, kept.height);
}

// The window manager's frame is known only once the window is shown: a frame that takes the
// window past the work area, its title bar above it above all, is moved and cut back.
void TForm1::KeepFrameOnScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect frame = frameGeometry();
    const WindowBounds kept =
        KeepOnScreen({frame.x(), frame.y(), frame.width(), frame.height()}, WorkArea());
    const QSize frameExtra = frame.size() - size();
    move(kept.left, kept.top);
    resize(kept.width - frameExtra.width(), kept.height - frameExtra.height());
}

void TForm1::WriteSettings()
{
    settings_.WriteInteger("LastVersion", ThisVersion);
    settings_.WriteInteger("Language", engines_.localizer.CurrentLanguageID());
    recentFiles_.Write(settings_);
    // A maximized window stores the placement it returns to. Qt keeps that by the client area
    // once the window was shown in its normal state, and else as it was set: by the frame.
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const QPoint frameOffset = shownNormal_ ? geometry().topLeft() - pos() : QPoint();
    settings_.WriteInteger("MainWndLeft", normal.x() - frameOffset.x());
    settings_.WriteInteger("MainWndTop", normal.y() - frameOffset.y());
    settings_.WriteInteger("MainWndWidth", normal.width());
    settings_.WriteInteger("MainWndHeight", normal.height());
    settings_.WriteBool(MaximizedValue, isMaximized());
    settings_.WriteBool("ShowGrid", showGrid_);
    engines_.options.Save(settings_);
    try {
        settings_.Save();
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
    }
}

void TForm1::FirstShow()
{
    ApplyStartLanguage();
    if (lastVersion_ < ThisVersion && !firstRunLanguage_)
        prompts_.Message("Planzeta", Msg(MsgFirstRun), PromptIcon::Information, ButtonOk);
}

void TForm1::EditOptions()
{
    if (FormOptions->exec() != TFormOptions::ResultOk)
        return;
    ApplyToModel(engines_.options);
    if (engines_.options.Autosize)
        FitWindowToPlan();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        shownNormal_ = true;
    QMainWindow::changeEvent(event);
}
