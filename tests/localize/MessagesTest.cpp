#include "localize/Messages.h"

#include "localize/CALocalize.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(MessagesTest, EnglishTextsKeepTheirLineBreaksAndUnknownNumbersAreEmpty)
{
    EXPECT_EQ(EnglishMessage(MsgError), "Error");
    EXPECT_EQ(EnglishMessage(MsgCenterView), "Center View");
    EXPECT_EQ(EnglishMessage(MsgSaveChanges),
              "The room was changed but it is not saved in the file.\nDo you want to save it?");
    EXPECT_EQ(EnglishMessage(10), "");
    EXPECT_EQ(EnglishMessage(1000), "");
    EXPECT_EQ(Msg(MsgWarning), "Warning");
}

TEST(MessagesTest, MessagesFollowTheCurrentLocalizer)
{
    TempDir folder;
    TempDir::WriteFile(folder.file("cz.lng"),
                       "[Main]\nLanguage=Čeština\nLanguageID=1029\n[Messages]\nText33=Varování\n");
    CALocalize localize;
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    SetCurrentLocalizer(&localize);
    EXPECT_EQ(Msg(MsgWarning), "Warning");
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    EXPECT_EQ(Msg(MsgWarning), "Varování");
    EXPECT_EQ(Msg(MsgError), "Error");
    SetCurrentLocalizer(nullptr);
    EXPECT_EQ(Msg(MsgWarning), "Warning");
}
