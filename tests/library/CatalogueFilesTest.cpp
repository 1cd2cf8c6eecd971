#include "library/CatalogueFiles.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Points the user's and the installation's data folders into a private folder for one test.
class CatalogueFilesTest : public ::testing::Test {
protected:
    std::string UserFile(const std::string& name) const { return dir.file("planzeta/" + name); }

    void WriteUserFile(const std::string& name, const std::string& text) const
    {
        fs::create_directories(dir.file("planzeta"));
        TempDir::WriteFile(UserFile(name), text);
    }

    TempDir dir;
    ScopedEnv data_{"XDG_DATA_HOME", dir.path().c_str()};
    ScopedEnv install_{"PLANZETA_DATA_DIR", dir.file("install").c_str()};
};

}  // namespace

TEST_F(CatalogueFilesTest, LibraryIsInstallationDataAndTheCatalogueBelongsToTheUser)
{
    EXPECT_EQ(LibraryCataloguePath(), dir.file("install/Library.msk"));
    EXPECT_EQ(UserCataloguePath(), UserFile("Catalog.msk"));
    MigrateLegacyCatalogue();
    EXPECT_FALSE(fs::exists(dir.file("planzeta")));
}

TEST_F(CatalogueFilesTest, LegacyCatalogueTakesTheNewNameOnlyWhenThatIsFree)
{
    WriteUserFile("Katalog.msk", "[Part1]\nCaption=Old\n");
    MigrateLegacyCatalogue();
    EXPECT_FALSE(fs::exists(UserFile("Katalog.msk")));
    EXPECT_EQ(TempDir::ReadFile(UserFile("Catalog.msk")), "[Part1]\nCaption=Old\n");

    WriteUserFile("Katalog.msk", "[Part1]\nCaption=Older\n");
    MigrateLegacyCatalogue();
    EXPECT_EQ(TempDir::ReadFile(UserFile("Katalog.msk")), "[Part1]\nCaption=Older\n");
    EXPECT_EQ(TempDir::ReadFile(UserFile("Catalog.msk")), "[Part1]\nCaption=Old\n");
}
