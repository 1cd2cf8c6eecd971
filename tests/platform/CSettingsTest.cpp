#include "platform/CSettings.h"

#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(CSettings, AMissingOrUnreadableFileGivesTheDefaults)
{
    TempDir dir;
    const CSettings missing(dir.file("absent/Planzeta.ini"));
    EXPECT_EQ(missing.ReadInteger("PageBorder", 150), 150);
    EXPECT_EQ(missing.ReadDword("DefFillColot", 0xD9FFFF), 0xD9FFFFu);
    EXPECT_TRUE(missing.ReadBool("Autosize", true));
    EXPECT_EQ(missing.ReadString("DefaultUnit", "cm"), "cm");

    const CSettings folder(dir.path());
    EXPECT_EQ(folder.ReadString("DefaultUnit", "cm"), "cm");
}

TEST(CSettings, ValuesComeBackExactlyAfterSaving)
{
    TempDir dir;
    const std::string path = dir.file("config/Kelvora/Planzeta.ini");
    CSettings settings(path);
    settings.WriteDword("NoColour", 0xEFFFFFFF);
    settings.WriteDword("AllBits", 0xFFFFFFFF);
    settings.WriteDword("Fill", 0xD9FFFF);
    settings.WriteInteger("MainWndLeft", -8);
    settings.WriteBool("Autosize", false);
    settings.WriteBool("ShowGrid", true);
    settings.WriteString("LastOpenFolder", "/home/user/Plány");
    settings.Save();

    const CSettings reread(path);
    EXPECT_EQ(reread.ReadDword("NoColour", 0), 0xEFFFFFFFu);
    EXPECT_EQ(reread.ReadDword("AllBits", 0), 0xFFFFFFFFu);
    EXPECT_EQ(reread.ReadDword("Fill", 0), 0xD9FFFFu);
    EXPECT_EQ(reread.ReadInteger("mainwndleft", 0), -8);
    EXPECT_FALSE(reread.ReadBool("Autosize", true));
    EXPECT_TRUE(reread.ReadBool("ShowGrid", false));
    EXPECT_EQ(reread.ReadString("LastOpenFolder", ""), "/home/user/Plány");
    EXPECT_NE(TempDir::ReadFile(path).find("Fill=0x00D9FFFF\r\n"), std::string::npos);
}

TEST(CSettings, ASwitchIsOnOnlyWhenItsNumberIsAboveZero)
{
    TempDir dir;
    const std::string path = dir.file("Planzeta.ini");
    TempDir::WriteFile(path, "[planzeta]\nZero=0\nTwo=2\nMinus=-1\nWord=yes\nHex=0x10\n");
    const CSettings settings(path);
    EXPECT_FALSE(settings.ReadBool("Zero", true));
    EXPECT_TRUE(settings.ReadBool("Two", false));
    EXPECT_FALSE(settings.ReadBool("Minus", true));
    EXPECT_TRUE(settings.ReadBool("Word", true));
    EXPECT_FALSE(settings.ReadBool("Word", false));
    EXPECT_TRUE(settings.ReadBool("Hex", false));
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

TEST(CSettings, TheDefaultFileLivesInTheUsersConfigFolder)
{
    TempDir dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    CSettings settings;
    saved ? ::setenv("XDG_CONFIG_HOME", saved->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    settings.WriteInteger("LastVersion", 300);
    settings.Save();

    EXPECT_EQ(CSettings(dir.file("Kelvora/Planzeta.ini")).ReadInteger("LastVersion", 0), 300);
}

TEST(CSettings, AFailedSaveReportsTheFileAndHarmsNothing)
{
    TempDir dir;
    TempDir::WriteFile(dir.file("blocker"), "not a folder");
    const std::string underFile = dir.file("blocker/Planzeta.ini");
    CSettings settings(underFile);
    settings.WriteInteger("PageBorder", 1);
    try {
        settings.Save();
        FAIL() << "saving under a plain file succeeded";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + underFile);
    }
    EXPECT_EQ(TempDir::ReadFile(dir.file("blocker")), "not a folder");

    const std::string locked = dir.file("Planzeta.ini");
    TempDir::WriteFile(locked, "[Planzeta]\nPageBorder=5\n");
    fs::permissions(locked, fs::perms(0444));
    CSettings lockedSettings(locked);
    lockedSettings.WriteInteger("PageBorder", 6);
    EXPECT_THROW(lockedSettings.Save(), FileWriteError);
    EXPECT_EQ(CSettings(locked).ReadInteger("PageBorder", 0), 5);
}
