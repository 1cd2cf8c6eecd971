#include "platform/CSettings.h"

#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(CSettings, ValuesComeBackExactlyAfterSavingAndAMissingFileGivesTheDefaults)
{
    TempDir dir;
    const std::string path = dir.file("config/Kelvora/Planzeta.ini");
    CSettings settings(path);
    settings.WriteDword("AllBits", 0xFFFFFFFF);
    settings.WriteDword("Fill", 0xD9FFFF);
    settings.WriteInteger("MainWndLeft", -8);
    settings.WriteBool("Autosize", false);
    settings.WriteBool("ShowGrid", true);
    settings.WriteString("LastOpenFolder", "/home/user/Plány");
    settings.Save();

    const CSettings reread(path);
    EXPECT_EQ(reread.ReadDword("AllBits", 0), 0xFFFFFFFFu);
    EXPECT_EQ(reread.ReadDword("Fill", 0), 0xD9FFFFu);
    EXPECT_EQ(reread.ReadInteger("MainWndLeft", 0), -8);
    EXPECT_FALSE(reread.ReadBool("Autosize", true));
    EXPECT_TRUE(reread.ReadBool("ShowGrid", false));
    EXPECT_EQ(reread.ReadString("LastOpenFolder", ""), "/home/user/Plány");
    EXPECT_NE(TempDir::ReadFile(path).find("Fill=0x00D9FFFF\r\n"), std::string::npos);

    const CSettings missing(dir.file("absent/Planzeta.ini"));
    EXPECT_EQ(missing.ReadDword("DefFillColot", 0xD9FFFF), 0xD9FFFFu);
    EXPECT_EQ(missing.ReadString("DefaultUnit", "cm"), "cm");

    const CSettings folder(dir.path());
    EXPECT_EQ(folder.ReadString("DefaultUnit", "cm"), "cm");
}

TEST(CSettings, SavingKeepsTheOtherSectionsOfTheFile)
{
    TempDir dir;
    const std::string path = dir.file("Planzeta.ini");
    TempDir::WriteFile(path, "[Other]\nKey=kept\n\n[Planzeta]\nPageBorder=100\n");
    CSettings settings(path);
    settings.WriteInteger("PageBorder", 200);
    settings.Save();

    const CIniFile saved = CIniFile::Read(path).value();
    EXPECT_EQ(saved.SectionNames(), (std::vector<std::string>{"Other", "Planzeta"}));
    EXPECT_EQ(saved.ReadString("Other", "Key", ""), "kept");
    EXPECT_EQ(saved.ReadInteger("Planzeta", "PageBorder", 0), 200);
}

TEST(CSettings, AFolderThatCannotBeMadeFailsTheSaveAndHarmsNothing)
{
    TempDir dir;
    TempDir::WriteFile(dir.file("blocker"), "not a folder");
    CSettings settings(dir.file("blocker/Planzeta.ini"));
    settings.WriteInteger("PageBorder", 1);
    EXPECT_THROW(settings.Save(), FileWriteError);
    EXPECT_EQ(TempDir::ReadFile(dir.file("blocker")), "not a folder");
}
