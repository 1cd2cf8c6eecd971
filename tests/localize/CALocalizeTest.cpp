#include "localize/CALocalize.h"

#include "support/TempDir.h"

#include <filesystem>
#include <ostream>

#include <gtest/gtest.h>

static void PrintTo(const LanguageListItem& item, std::ostream* out)
{
    *out << item.name << " (" << item.id << ')';
}

namespace {

class CALocalizeTest : public ::testing::Test {
protected:
    void WriteLanguage(const std::string& fileName, const std::string& text)
    {
        TempDir::WriteFile(folder.file(fileName), text);
    }

    TempDir folder;
    CALocalize localize;
};

const std::string Czech =
    "[Main]\nLanguage=Čeština\nLanguageID=1029\nHelpFile=Plz_cz.html\n"
    "[Messages]\nText34=Chyba\nText1=\n"
    "[Library]\nText100=Židle\n"
    "[MainMenu]\nItem8=Konec\n";

const std::string German =
    "[Main]\nLanguage=Deutsch\nLanguageID=0x407\n"
    "[Messages]\nText33=Warnung\n"
    "[mainmenu]\nItem8=Beenden\n";

std::vector<LanguageListItem> LanguageList(const CALocalize& localize)
{
    std::vector<LanguageListItem> list{{"stale", 9}};
    localize.FillLanguageList(list);
    return list;
}

}  // namespace

TEST_F(CALocalizeTest, WithoutALanguageEveryTextIsTheDefault)
{
    EXPECT_FALSE(localize.ScanFiles(folder.file("missing")));
    EXPECT_FALSE(localize.ScanFiles(folder.path()));
    EXPECT_EQ(localize.LanguageCount(), 0);
    EXPECT_FALSE(localize.SelectLanguage(0));
    EXPECT_FALSE(localize.SelectLanguageByID(1));
    EXPECT_EQ(localize.CurrentLanguageID(), 0);
    std::string text = "untouched";
    EXPECT_FALSE(localize.Lookup(0, 1, text));
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(localize.Message(34, "Error"), "Error");
    EXPECT_TRUE(LanguageList(localize).empty());
}

TEST_F(CALocalizeTest, ScansLanguageFilesInNameOrderWhateverTheCaseOfTheirExtension)
{
    // Written out of name order, so that creation order cannot decide.
    WriteLanguage("zz.lng", "[Main]\nLanguage=Po\xE8\xEDta\xE8\nLanguageID=1029\n[Messages]\nText34=from zz\n");
    WriteLanguage("german.LNG", German);
    WriteLanguage("czech.lng", Czech);
    WriteLanguage("french.lng", "[Main]\nLanguage=Premi\xE8re\nLanguageID=1036\n");
    WriteLanguage("nameless.lng", "[Main]\nLanguage=\nLanguageID=2000000000\n[Messages]\nText34=Błąd\n");
    WriteLanguage("notes.txt", Czech);
    WriteLanguage(".lng", Czech);
    std::filesystem::create_directory(folder.file("folder.lng"));
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    EXPECT_EQ(localize.LanguageCount(), 5);
    // A file without a language name is counted but never offered; it is chosen by identifier.
    // Letters both code pages have tell nothing; the identifier then chooses: a Central European
    // language's file is read in its code page, any other in the western one.
    EXPECT_EQ(LanguageList(localize), (std::vector<LanguageListItem>{
                                          {"Čeština", 1029}, {"Première", 1036}, {"Deutsch", 0x407}, {"Počítač", 1029}}));
    ASSERT_TRUE(localize.SelectLanguageByID(2000000000));
    EXPECT_EQ(localize.Message(34, "Error"), "Błąd");
    // Of two files with one identifier, the first by name is selected.
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    EXPECT_EQ(localize.Message(34, "Error"), "Chyba");
}

TEST_F(CALocalizeTest, TranslatesWhatTheFileHoldsAndFallsBackElsewhere)
{
    WriteLanguage("czech.lng", Czech);
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    EXPECT_EQ(localize.CurrentLanguageID(), 1029);
    EXPECT_EQ(localize.CurrentHelpFile(), "Plz_cz.html");
    EXPECT_EQ(localize.Message(34, "Error"), "Chyba");
    EXPECT_EQ(localize.Message(33, "Warning"), "Warning");
    EXPECT_EQ(localize.Message(1, "OK"), "OK");
    EXPECT_EQ(localize.Message(2000000, "far"), "far");
    EXPECT_EQ(localize.LibraryText(100, "Chair"), "Židle");

    const int32_t menu = localize.FindSection("MainMenu");
    ASSERT_EQ(menu, 3);
    EXPECT_EQ(localize.Text(menu, 8, "E&xit"), "Konec");
    EXPECT_EQ(localize.Text(menu, 9, "&Objects"), "&Objects");
    // Section names are compared exactly, and an absent section gives -1.
    EXPECT_EQ(localize.FindSection("mainmenu"), -1);
    EXPECT_EQ(localize.FindSection("PrintDlg"), -1);
    EXPECT_EQ(localize.Text(-1, 8, "E&xit"), "E&xit");
    EXPECT_EQ(localize.Text(17, 8, "E&xit"), "E&xit");
}

TEST_F(CALocalizeTest, SwitchingLanguagesReplacesEverySection)
{
    WriteLanguage("czech.lng", Czech);
    WriteLanguage("german.lng", German);
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    ASSERT_TRUE(localize.SelectLanguageByID(0x407));
    EXPECT_EQ(localize.CurrentHelpFile(), "");
    EXPECT_EQ(localize.Message(34, "Error"), "Error");
    EXPECT_EQ(localize.Message(33, "Warning"), "Warnung");
    // The new file has no "Library" section: the old one's index must not linger.
    EXPECT_EQ(localize.LibraryText(100, "Chair"), "Chair");
    // Its "mainmenu" is spelled differently from the name the program asks for.
    EXPECT_EQ(localize.FindSection("MainMenu"), -1);
    EXPECT_FALSE(localize.SelectLanguageByID(1045));
    EXPECT_EQ(localize.CurrentLanguageID(), 0x407);
}

TEST_F(CALocalizeTest, AFileThatVanishedIsSelectedAsALanguageWithoutTexts)
{
    WriteLanguage("czech.lng", Czech);
    WriteLanguage("german.lng", German);
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    ASSERT_TRUE(localize.SelectLanguage(0));
    std::filesystem::remove(folder.file("german.lng"));
    ASSERT_TRUE(localize.SelectLanguageByID(0x407));
    EXPECT_EQ(localize.CurrentLanguageID(), 0x407);
    EXPECT_EQ(localize.FindSection("Messages"), -1);
    EXPECT_EQ(localize.Message(34, "Error"), "Error");
    EXPECT_EQ(localize.LibraryText(100, "Chair"), "Chair");
    EXPECT_FALSE(localize.SelectLanguage(2));
    EXPECT_FALSE(localize.SelectLanguage(-1));
    EXPECT_EQ(localize.CurrentLanguageID(), 0x407);
}
