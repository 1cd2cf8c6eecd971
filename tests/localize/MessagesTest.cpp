#include "localize/Messages.h"

#include "localize/CALocalize.h"
#include "localize/MessageFormat.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(Messages, FollowTheCurrentLocalizerAndFallBackToEnglish)
{
    TempDir folder;
    TempDir::WriteFile(folder.file("cz.lng"),
                       "[Main]\nLanguage=Čeština\nLanguageID=1029\n[Messages]\nText33=Varování\n");
    CALocalize localize;
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    SetCurrentLocalizer(&localize);
    EXPECT_EQ(Msg(MsgWarning), "Warning") << "no language chosen yet";
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    EXPECT_EQ(Msg(MsgWarning), "Varování");
    EXPECT_EQ(Msg(MsgSaveChanges), EnglishMessage(MsgSaveChanges)) << "a text the file lacks is English";
    EXPECT_NE(Msg(MsgSaveChanges).find(".\nDo you"), std::string::npos) << "English texts keep their breaks";
    // A number the program has no message for has no English text.
    EXPECT_EQ(EnglishMessage(10), "");
    EXPECT_EQ(EnglishMessage(1000), "");
    SetCurrentLocalizer(nullptr);
    EXPECT_EQ(Msg(MsgWarning), "Warning");
}

TEST(MessageFormat, FillsPlacesInOrderAndNeverReadsATranslationAsAFormat)
{
    EXPECT_EQ(FillPlaceholders("Room %s at %s.", {"a.mst", "10:00"}), "Room a.mst at 10:00.");
    EXPECT_EQ(FillPlaceholders("%s%s%s %n %d %%s 100%", {"x", "y"}), "xy %n %d %s 100%");
    EXPECT_EQ(FillPlaceholders("No places", {"x"}), "No places");
    EXPECT_EQ(FillPlaceholders("at %s", {"x"}), "at x");
    EXPECT_EQ(FillPlaceholders("%", {}), "%");
}
