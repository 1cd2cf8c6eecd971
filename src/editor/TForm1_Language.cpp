#include "editor/TForm1.h"

#include "dialogs/TFormLang.h"
#include "dialogs/TFormLibrary.h"
#include "dialogs/TFormProp.h"
#include "dialogs/WindowTexts.h"
#include "editor/LocalizedWindows.h"
#include "localize/LocaleIds.h"
#include "localize/QtTranslations.h"

#include <QAction>

namespace {

// The identifier that stands for the built-in English texts.
constexpr int32_t EnglishLanguageID = 1;

}  // namespace

void TForm1::CreateLanguageActions()
{
    Language1 = NewAction("Language1", [this] { Language1Click(); });
}

void TForm1::CreateLanguageChooser()
{
    FormLang = new TFormLang(engines_.localizer, this);
    FormLang->SetLanguageChoice([this](int32_t id) { SetLanguage(id); });
}

void TForm1::SetLanguage(int32_t id)
{
    if (!engines_.localizer.SelectLanguageByID(id))
        return;
    engines_.UseLanguage(&engines_.localizer);
    UseQtTranslations(id);
    FormProp->SetCodePageHint(CodePageHintFor(id));
    FormLibrary->SetCodePageHint(CodePageHintFor(id));
    UpdateTitle();
    UpdateZoomPanel();
    UpdateRoomPanel();
    UpdateAreaPanel();
    for (const LocalizedWindow& window : LocalizedWindows())
        LocalizeWindow(window);
    RefreshRecentMenu();
}

void TForm1::LocalizeWindow(const LocalizedWindow& window)
{
    QWidget* target = objectName() == QLatin1String(window.window) ? this : findChild<QWidget*>(window.window);
    // A window made only when first needed is localized then.
    if (target)
        ApplyWindowTexts(*target, window.section, window.texts, engines_.localizer);
}

void TForm1::LocalizeWindowNamed(const char* name)
{
    for (const LocalizedWindow& window : LocalizedWindows())
        if (QLatin1String(window.window) == QLatin1String(name))
            LocalizeWindow(window);
}

void TForm1::Language1Click()
{
    FormLang->exec();
}

void TForm1::ApplyStartLanguage()
{
    CALocalize& localizer = engines_.localizer;
    if (firstRunLanguage_ && localizer.LanguageCount() > 0) {
        // The user's own language speaks from the chooser, which still names itself in English.
        const int32_t id = UserLocaleId();
        if (id > EnglishLanguageID &&
            (localizer.SelectLanguageByID(id) || localizer.SelectLanguageByID(PrimaryLocaleId(id)))) {
            engines_.UseLanguage(&localizer);
            UseQtTranslations(localizer.CurrentLanguageID());
            LocalizeWindowNamed("TFormLang");
        }
        FormLang->exec();
        return;
    }
    if (localizer.CurrentLanguageID() > EnglishLanguageID)
        SetLanguage(localizer.CurrentLanguageID());
}
