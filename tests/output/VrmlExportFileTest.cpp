#include "output/VrmlExportFile.h"

#include "platform/FileIo.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(VrmlExportFile, TheSceneReplacesALinkPlantedUnderItsNameInsteadOfFollowingIt)
{
    TempDir runtime;
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path().c_str());
    const std::string expected = runtime.file("planzeta/Plz_Explore3D.wrl");
    const std::string victim = runtime.file("victim.txt");
    TempDir::WriteFile(victim, "precious");
    fs::create_directory(runtime.file("planzeta"));
    fs::permissions(runtime.file("planzeta"), fs::perms::owner_all);
    fs::create_symlink(victim, expected);

    EXPECT_EQ(WriteExplore3DFile("#VRML V2.0 utf8\n"), expected);
    EXPECT_EQ(TempDir::ReadFile(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(expected));
    EXPECT_EQ(TempDir::ReadFile(expected), "#VRML V2.0 utf8\n");

    WriteExplore3DFile("second");
    EXPECT_EQ(TempDir::ReadFile(expected), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(runtime.file("planzeta")), fs::directory_iterator()), 1);
}

TEST(VrmlExportFile, AFolderOthersMayEnterIsRefused)
{
    TempDir runtime;
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path().c_str());
    fs::create_directory(runtime.file("planzeta"));
    fs::permissions(runtime.file("planzeta"), fs::perms(0777));
    EXPECT_THROW(WriteExplore3DFile("scene"), FileWriteError);
    EXPECT_TRUE(fs::is_empty(runtime.file("planzeta")));
}

TEST(VrmlExportFile, TheLibraryPrefixIsTheAbsoluteUrlOfTheInstalledLibrary)
{
    {
        const ScopedEnv data("PLANZETA_DATA_DIR", "/opt/my data#2/./share");
        EXPECT_EQ(InstalledLibraryPrefix(), "file:///opt/my%20data%232/share/library.wrl#");
    }
    const ScopedEnv data("PLANZETA_DATA_DIR", "relative");
    const fs::path library = fs::current_path() / "relative/library.wrl";
    EXPECT_EQ(InstalledLibraryPrefix(), "file://" + library.string() + "#");
}
