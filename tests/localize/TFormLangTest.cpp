// The language chooser on its own: its caption rule, its list and its keys.

#include "dialogs/TFormLang.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"
#include "support/TempDir.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class TFormLangTest : public ::testing::Test {
protected:
    // Shows the chooser in the language of the file and returns its caption.
    QString CaptionIn(const std::string& languagesSection)
    {
        TempDir::WriteFile(folder.file("x.lng"), "[Main]\nLanguage=X\nLanguageID=1050\n" + languagesSection);
        localizer.ScanFiles(folder.path());
        localizer.SelectLanguageByID(1050);
        SetCurrentLocalizer(&localizer);
        chooser.show();
        const QString caption = chooser.windowTitle();
        chooser.hide();
        return caption;
    }

    TempDir folder;
    CALocalize localizer;
    TFormLang chooser{localizer};
};

}  // namespace

TEST_F(TFormLangTest, TheCaptionAddsTheEnglishOneOnlyToADifferentTranslation)
{
    EXPECT_EQ(CaptionIn("[LanguagesDlg]\nText1=Odaberite jezik\n"), "Odaberite jezik / Select the Language");
    EXPECT_EQ(CaptionIn("[LanguagesDlg]\nText1=Select the Language\n"), "Select the Language");
}

TEST_F(TFormLangTest, OkChoosesTheSelectedLanguage)
{
    TempDir::WriteFile(folder.file("a.lng"), "[Main]\nLanguage=Hrvatski\nLanguageID=1050\n");
    TempDir::WriteFile(folder.file("b.lng"), "[Main]\nLanguage=Dansk\nLanguageID=1030\n");
    TempDir::WriteFile(folder.file("c.lng"), "[Main]\nLanguageID=1040\n");
    TempDir::WriteFile(folder.file("d.lng"), "[Main]\nLanguage=Čeština\nLanguageID=1029\n");
    localizer.ScanFiles(folder.path());
    std::vector<int32_t> chosen;
    chooser.SetLanguageChoice([&chosen](int32_t id) { chosen.push_back(id); });
    QTimer::singleShot(0, &chooser, [this] {
        auto* list = chooser.findChild<QListWidget*>("LsLang");
        ASSERT_EQ(list->count(), 3) << "a file without a language name is not offered";
        EXPECT_EQ(list->item(0)->text(), "Čeština") << "sorted by character codes, not alphabetically";
        EXPECT_EQ(list->item(1)->text(), "Dansk");
        list->setCurrentRow(2);
        QTest::mouseClick(chooser.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(chooser.exec(), TFormLang::ResultOk);
    EXPECT_EQ(chosen, std::vector<int32_t>{1050});
}
