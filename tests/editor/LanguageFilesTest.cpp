// The language files shipped with the program: each has a text for every key the program
// looks up, keeps the placeholders of the English texts, and gives every menu item an
// accelerator of its own.

#include "editor/TForm1.h"

#include "editor/LocalizedWindows.h"
#include "library/CLibrary.h"
#include "localize/CALocalize.h"
#include "localize/Messages.h"
#include "platform/IniFile.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <regex>
#include <set>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string DataFolder = PLANZETA_SOURCE_DIR "/data";

struct ShippedLanguage {
    std::string file;
    int32_t id;
};

void PrintTo(const ShippedLanguage& language, std::ostream* out)
{
    *out << language.file;
}

const ShippedLanguage Shipped[] = {
    {"English.lng", 1033},
    {"Deutsch.lng", 1031},
    {"Cestina.lng", 1029},
};

class LanguageFilesTest : public ::testing::TestWithParam<ShippedLanguage> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(localizer.ScanFiles(DataFolder + "/Language"));
        ASSERT_TRUE(localizer.SelectLanguageByID(GetParam().id));
    }

    // The text of a key, or a failure naming what is missing.
    std::string Has(std::string_view section, int key)
    {
        std::string text;
        EXPECT_TRUE(localizer.Lookup(localizer.FindSection(section), key, text))
            << GetParam().file << " lacks [" << section << "] " << key;
        return text;
    }

    // The placeholders of a text, in order: "%s", "%1", "%2".
    static std::vector<std::string> Placeholders(const std::string& text)
    {
        static const std::regex placeholder("%[s0-9]");
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
            found.push_back(it->str());
        return found;
    }

    CALocalize localizer;
};

}  // namespace

TEST_P(LanguageFilesTest, EveryWindowTextIsTranslatedWithItsPlaceholders)
{
    for (const LocalizedWindow& window : LocalizedWindows())
        for (const DialogText& entry : window.texts)
            EXPECT_EQ(Placeholders(Has(window.section, entry.key)), Placeholders(entry.english))
                << GetParam().file << " [" << window.section << "] " << entry.key;
}

TEST_P(LanguageFilesTest, EveryMessageAndLibraryNameIsTranslated)
{
    for (int id = 1; id < 100; ++id) {
        if (const std::string english(EnglishMessage(id)); !english.empty()) {
            EXPECT_EQ(Placeholders(Has("Messages", id)), Placeholders(english)) << GetParam().file << " message " << id;
        }
    }
    for (int category = 1; category <= 10; ++category)
        Has("Library", category);
    CLibrary library;
    library.Load(DataFolder + "/Library.msk");
    ASSERT_GT(library.Catalogue().Count(), 0);
    for (int i = 0; i < library.Catalogue().Count(); ++i)
        if (const int id = library.Catalogue().Entry(i).LibObjID; id != 0)
            Has("Library", id);
    const std::optional<CIniFile> file = CIniFile::Read(DataFolder + "/Library.msk");
    for (const std::string& section : file->SectionNames())
        if (const int text = file->ReadInteger(section, "TextID", 0); text > 0)
            Has("Library", text);
    if (const std::string help = localizer.CurrentHelpFile(); !help.empty()) {
        EXPECT_TRUE(fs::is_regular_file(DataFolder + "/" + help)) << help;
    }
}

TEST_P(LanguageFilesTest, EveryMenuItemHasAnAcceleratorOfItsOwn)
{
    TempDir home;
    const ScopedEnv configHome("XDG_CONFIG_HOME", home.path().c_str());
    const ScopedEnv dataHome("XDG_DATA_HOME", home.path().c_str());
    const ScopedEnv dataFolder("PLANZETA_DATA_DIR", DataFolder.c_str());
    ScriptedPrompts prompts;
    TForm1 window(prompts, {});
    window.SetLanguage(GetParam().id);
    std::vector<QList<QAction*>> menus = {window.menuBar()->actions()};
    for (const QMenu* menu : window.findChildren<QMenu*>())
        menus.push_back(menu->actions());
    for (const QList<QAction*>& actions : menus) {
        std::set<QChar> keys;
        for (const QAction* action : actions) {
            const QString text = action->text();
            const qsizetype amp = text.indexOf('&');
            // The recent files are numbered instead.
            if (amp < 0 || action->objectName().startsWith("Recent"))
                continue;
            EXPECT_TRUE(keys.insert(text.at(amp + 1).toLower()).second)
                << GetParam().file << ": " << text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFilesTest, ::testing::ValuesIn(Shipped),
                         [](const auto& info) { return info.param.file.substr(0, info.param.file.find('.')); });
