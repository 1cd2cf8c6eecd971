// The interface language as a user meets it: the chooser on the first run, the switch from
// the Configure menu, windows whose language file lacks their texts, and the language kept
// for the next run.

#include "editor/TForm1.h"

#include "dialogs/TFormLang.h"
#include "localize/Messages.h"
#include "platform/CSettings.h"
#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QToolButton>

namespace {

// Two small translations, both without the room dialog; the second lacks the Exit item too.
const std::string Alpha = "[Main]\nLanguage=Alpha\nLanguageID=1031\n"
                          "[Messages]\nText1=Gut\nText2=Nein\nText8=namenlos\nText34=Fehler\n"
                          "[MainMenu]\nText1=&Zimmer\nText8=&Ende\nText20=&Sprache...\nText21=Zuletzt\n"
                          "[Toolbar]\nText1=Neu (Strg+N)\n"
                          "[RenameDlg]\nText1=Umbenennen\n"
                          "[LanguagesDlg]\nText1=Sprache\nText2=Sprachen\n";
const std::string Beta = "[Main]\nLanguage=Beta\nLanguageID=1029\n"
                         "[Messages]\nText34=Chyba\n"
                         "[MainMenu]\nText1=&Místnost\n"
                         "[LanguagesDlg]\nText2=Jazyky\n";

class LanguageSwitchTest : public ::testing::Test {
protected:
    void AddLanguage(const std::string& name, const std::string& text)
    {
        TempDir::WriteFile(home.data + "/Language/" + name, text);
    }
    void WriteSettings(const std::string& values) { home.WriteSettings("LastVersion=300\nAutosize=0\n" + values); }
    std::string SettingsPath() const { return home.SettingsPath(); }

    static void AnswerChooser(TForm1& window, std::function<void(TFormLang&)> steps)
    {
        WhenShown<TFormLang>(window, "TFormLang", std::move(steps));
    }
    static QListWidget& List(TFormLang& chooser) { return *Control<QListWidget>(chooser, "LsLang"); }
    static QString ActionText(TForm1& window, const char* name) { return Control<QAction>(window, name)->text(); }

    EditorHome home{""};
    ScopedEnv locale{"LC_ALL", "de_AT.UTF-8"};
    ScriptedPrompts prompts;
};

}  // namespace

// The chooser's own captions and order are tested with it; here, which language it offers at
// the first run, and that the choice reaches every window and the next run.
TEST_F(LanguageSwitchTest, AFirstRunOffersTheLanguageOfTheLocaleWhenThereIsAFileForIt)
{
    AddLanguage("alpha.lng", Alpha);
    AddLanguage("beta.lng", Beta);
    for (const char* locale : {"ja_JP.UTF-8", "de_AT.UTF-8"}) {
        SCOPED_TRACE(locale);
        const ScopedEnv inLocale("LC_ALL", locale);
        const bool german = locale[0] == 'd';
        std::filesystem::remove(SettingsPath());
        TForm1 window(prompts, {});
        AnswerChooser(window, [german](TFormLang& chooser) {
            EXPECT_EQ(Text(chooser, "LbLang"), german ? "Sprachen" : "Available languages");
            ASSERT_EQ(List(chooser).count(), 2);
            EXPECT_EQ(List(chooser).selectedItems().size(), german ? 1 : 0);
            EXPECT_EQ(List(chooser).item(0)->isSelected(), german);
            EXPECT_EQ(List(chooser).item(0)->data(Qt::UserRole).toInt(), 1031);
            Click(chooser, german ? "BtnCancel" : "BtnOK");
        });
        Show(window);
        // No choice: the windows keep their English designs, the messages speak the locale's
        // language if there is a file for it.
        EXPECT_EQ(ActionText(window, "Konec1"), "E&xit");
        EXPECT_EQ(Msg(MsgError), german ? "Fehler" : "Error");
        EXPECT_TRUE(prompts.asked.empty()) << "no version notice on the very first run";
        EXPECT_TRUE(window.close());
        EXPECT_EQ(CSettings(SettingsPath()).ReadInteger("Language", -1), german ? 1031 : 0);
    }

    // The next run takes the stored language for every window without asking.
    TForm1 again(prompts, {});
    Show(again);
    EXPECT_EQ(ActionText(again, "Konec1"), "&Ende");
    EXPECT_EQ(again.findChild<QMenu*>("Mistnost1")->title(), "&Zimmer");
    EXPECT_EQ(again.findChild<QToolButton*>("ToolButtonNew")->toolTip(), "Neu (Strg+N)");
    EXPECT_EQ(again.windowTitle(), "Planzeta - [namenlos]");
}

TEST_F(LanguageSwitchTest, SwitchingKeepsTheTextsTheNewLanguageLacks)
{
    AddLanguage("alpha.lng", Alpha);
    AddLanguage("beta.lng", Beta);
    WriteSettings("Language=1031\n");
    TForm1 window(prompts, {});
    Show(window);
    EXPECT_EQ(ActionText(window, "Recent1"), "Zuletzt");

    // The chooser is reached from the menu, shows the language in use, and switches on a
    // double click.
    AnswerChooser(window, [](TFormLang& chooser) {
        ASSERT_TRUE(List(chooser).item(0)->isSelected());
        // A double click starts with the first click of it.
        const QPoint beta = List(chooser).visualItemRect(List(chooser).item(1)).center();
        QTest::mouseClick(List(chooser).viewport(), Qt::LeftButton, {}, beta);
        QTest::mouseDClick(List(chooser).viewport(), Qt::LeftButton, {}, beta);
    });
    Trigger(window, "Language1");
    EXPECT_EQ(window.findChild<QMenu*>("Mistnost1")->title(), "&Místnost");
    EXPECT_EQ(ActionText(window, "Konec1"), "&Ende") << "Beta has no Exit item";
    EXPECT_EQ(Msg(MsgError), "Chyba");
    EXPECT_EQ(Msg(MsgUntitled), "untitled");

    // OK without another choice keeps the language.
    AnswerChooser(window, [](TFormLang& chooser) {
        EXPECT_EQ(Text(chooser, "LbLang"), "Jazyky");
        Click(chooser, "BtnOK");
    });
    Trigger(window, "Language1");
    EXPECT_EQ(Msg(MsgError), "Chyba");
}

TEST_F(LanguageSwitchTest, ADialogWithoutItsSectionStaysEnglishWhileItsMessagesAreTranslated)
{
    AddLanguage("alpha.lng", Alpha);
    WriteSettings("Language=1031\n");
    TForm1 window(prompts, {});
    Show(window);

    WhenShown(window, "TFormRoom", [this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Room Size");
        EXPECT_EQ(Text(dialog, "BtnOK"), "OK");
        Type(dialog, "EdWidth", "0");
        prompts.buttons = {ButtonOk};
        Click(dialog, "BtnOK");
        ASSERT_FALSE(prompts.asked.empty());
        EXPECT_EQ(prompts.asked.back().rfind("Message Fehler: ", 0), 0u) << prompts.asked.back();
        Click(dialog, "BtnCancel");
    });
    window.findChild<QAction*>("Zmenrozmery1")->trigger();

    // A dialog whose section exists takes the common buttons from the messages.
    auto* rename = window.findChild<QDialog*>("TFormRename");
    EXPECT_EQ(rename->windowTitle(), "Umbenennen");
    EXPECT_EQ(Text(*rename, "BtnOK"), "Gut");
    EXPECT_EQ(Text(*rename, "BtnCancel"), "Nein");
    // Alpha has no section for the local coordinates, a dialog the main window owns.
    EXPECT_EQ(Text(*window.findChild<QDialog*>("TFormCoord"), "BtnOK"), "OK");
}

TEST_F(LanguageSwitchTest, WithoutLanguageFilesTheChooserSaysSoAndChangesNothing)
{
    WriteSettings("Language=0\n");
    TForm1 window(prompts, {});
    Show(window);
    AnswerChooser(window, [](TFormLang& chooser) {
        ASSERT_EQ(List(chooser).count(), 2);
        EXPECT_FALSE(List(chooser).isEnabled());
        EXPECT_EQ(List(chooser).item(0)->text(), "No translations available. Install the program");
        Click(chooser, "BtnOK");
    });
    window.findChild<QAction*>("Language1")->trigger();
    EXPECT_EQ(ActionText(window, "Konec1"), "E&xit");
    EXPECT_EQ(ActionText(window, "Recent1"), "Recent file");
}
