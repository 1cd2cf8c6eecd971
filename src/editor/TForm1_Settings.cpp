#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/TFormOptions.h"
#include "editor/WindowPlacement.h"
#include "localize/Messages.h"
#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int32_t ThisVersion = 300;
constexpr int32_t EnglishLanguageID = 1;

std::string RecentValue(size_t i)
{
    return "Recent" + std::to_string(i);
}

}  // namespace

void TForm1::ReadSettings()
{
    firstRunLanguage_ = settings_.ReadInteger("Language", EnglishLanguageID) == EnglishLanguageID;
    lastVersion_ = settings_.ReadInteger("LastVersion", 110);
    showGrid_ = settings_.ReadBool("ShowGrid", true);
    for (size_t i = 0; i < recentFiles_.size(); ++i)
        recentFiles_[i] = QString::fromStdString(settings_.ReadString(RecentValue(i), ""));
    RefreshRecentMenu();
    const QRect placement(settings_.ReadInteger("MainWndLeft", x()), settings_.ReadInteger("MainWndTop", y()),
                          settings_.ReadInteger("MainWndWidth", width()),
                          settings_.ReadInteger("MainWndHeight", height()));
    move(placement.topLeft());
    resize(placement.size());
}

void TForm1::KeepWindowOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const WindowBounds kept = KeepOnScreen({x(), y(), width(), height()},
                                           {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    move(kept.left, kept.top);
    resize(kept.width, kept.height);
}

void TForm1::WriteSettings()
{
    settings_.WriteInteger("LastVersion", ThisVersion);
    settings_.WriteInteger("Language", engines_.localizer.CurrentLanguageID());
    for (size_t i = 0; i < recentFiles_.size(); ++i)
        settings_.WriteString(RecentValue(i), recentFiles_[i].toStdString());
    settings_.WriteInteger("MainWndLeft", x());
    settings_.WriteInteger("MainWndTop", y());
    settings_.WriteInteger("MainWndWidth", width());
    settings_.WriteInteger("MainWndHeight", height());
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
