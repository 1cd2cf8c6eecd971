#include "platform/Paths.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Paths, FollowTheXdgFoldersOrTheNamedDataFolderAndAreCreatedPrivate)
{
    ScopedEnv home("HOME", "/home/user");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        ScopedEnv data("XDG_DATA_HOME", "/data");
        EXPECT_EQ(SettingsFilePath(), "/cfg/Kelvora/Planzeta.ini");
        EXPECT_EQ(UserDataFolder(), "/data/planzeta");
    }
    ScopedEnv config("XDG_CONFIG_HOME", "relative/cfg");
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(SettingsFilePath(), "/home/user/.config/Kelvora/Planzeta.ini");
    EXPECT_EQ(UserDataFolder(), "/home/user/.local/share/planzeta");

    ScopedEnv dataDir("PLANZETA_DATA_DIR", "/opt/planzeta-data");
    EXPECT_EQ(DataFolder(), "/opt/planzeta-data");

    TempDir dir;
    const std::string folder = dir.file("a/b/planzeta");
    EXPECT_TRUE(EnsureFolder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    struct stat st {};
    ::stat(folder.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(EnsureFolder(folder));
    TempDir::WriteFile(dir.file("file"), "x");
    EXPECT_FALSE(EnsureFolder(dir.file("file/sub")));
}

TEST(Paths, ThePrivateTempFolderIsTheUsersAlone)
{
    TempDir dir;
    const ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path().c_str());
    EXPECT_EQ(PrivateTempFolder(), dir.file("planzeta"));
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("planzeta").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::filesystem::permissions(dir.file("planzeta"), std::filesystem::perms(0755));
    EXPECT_EQ(PrivateTempFolder(), "");  // others could enter it
    std::filesystem::remove(dir.file("planzeta"));
    std::filesystem::create_directory_symlink(dir.path(), dir.file("planzeta"));
    EXPECT_EQ(PrivateTempFolder(), "");  // a link is not ours
    std::filesystem::remove(dir.file("planzeta"));
    TempDir::WriteFile(dir.file("planzeta"), "");
    std::filesystem::permissions(dir.file("planzeta"), std::filesystem::perms(0600));
    EXPECT_EQ(PrivateTempFolder(), "");  // nor is a file, however private
}
