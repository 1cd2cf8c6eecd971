#include "library/CLibrary.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"
#include "model/CPart.h"
#include "model/LibraryCategories.h"
#include "model/ModelServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class CLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TempDir::WriteFile(dir.file("Library.msk"),
                           "[Part1]\nType=LibraryObject\nCaption=Bed\nLibObjID=40\nZHeight=45\n"
                           "[Part2]\nType=LibraryObject\nCaption=Wide bed\nName=Wide\nTextID=1002\nLibObjID=40\n"
                           "[Part3]\nType=LibraryObject\nCaption=Double sink\nName=Sink\nLibObjID=2000000000\n"
                           "[Part4]\nType=Rectangle\nCaption=Plain\n");
        library.Load(dir.file("Library.msk"));
        TempDir::WriteFile(dir.file("de.lng"), "[Main]\nLanguage=Deutsch\nLanguageID=1031\n"
                                               "[Library]\nText3=St\xC3\xBChle\nText40=Bett\nText1002=Breites Bett\n");
        localizer.ScanFiles(dir.path());
    }

    TempDir dir;
    CLibrary library;
    CALocalize localizer;
};

}  // namespace

TEST_F(CLibraryTest, HeightsAndNamesComeFromTheFirstTemplateOfANumber)
{
    EXPECT_EQ(library.DefaultLibraryHeight(40), 45);
    EXPECT_EQ(library.DefaultLibraryHeight(41), -1);
    EXPECT_EQ(library.GetObjectName(40), "Bed");
    EXPECT_EQ(library.GetObjectName(2000000000), "Sink");
    EXPECT_EQ(library.GetObjectName(-1), "");
    EXPECT_EQ(library.GetObjectName(0), "") << "a template without a number names none";

    library.InstallServices();
    CPart part;
    part.Type = LibraryObject;
    part.LibObjID = 40;
    EXPECT_EQ(part.Describe(), "Bed, 100\u00D7100");
}

TEST_F(CLibraryTest, NamesAndTitlesFollowTheLanguageAndComeBackToEnglish)
{
    ASSERT_TRUE(localizer.SelectLanguageByID(1031));
    SetCurrentLocalizer(&localizer);
    library.ApplyLanguage(&localizer);
    EXPECT_EQ(library.GetObjectName(40), "Bett");
    EXPECT_EQ(library.GetObjectName(2000000000), "Sink");
    EXPECT_EQ(library.Catalogue().Entry(0).Caption, "Bett");
    EXPECT_EQ(library.Catalogue().Entry(1).Caption, "Breites Bett") << "a template's own text";
    EXPECT_EQ(library.Catalogue().Entry(2).Caption, "Double sink") << "neither the number's name nor a text";
    EXPECT_EQ(library.Catalogue().Entry(3).Caption, "Plain");
    EXPECT_EQ(LibCategoryTitle(2), "St\xC3\xBChle");
    EXPECT_EQ(LibCategoryTitle(3), "Tables");

    SetCurrentLocalizer(nullptr);
    library.ApplyLanguage(nullptr);
    EXPECT_EQ(library.GetObjectName(40), "Bed");
    EXPECT_EQ(library.Catalogue().Entry(0).Caption, "Bed");
    EXPECT_EQ(library.Catalogue().Entry(1).Caption, "Wide bed");
    EXPECT_EQ(LibCategoryTitle(2), "Chairs");
    EXPECT_EQ(LibCategoryTitle(12), "User Library");
    EXPECT_EQ(LibCategoryKey(-1), "UserDef");
    EXPECT_EQ(LibCategoryKey(7), "LivingRoom");
}
