#include "library/CPartsCatalogue.h"

#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class CPartsCatalogueTest : public ::testing::Test {
protected:
    CPart& Add(CPartsCatalogue& catalogue, const std::string& caption)
    {
        CPart& entry = catalogue.AddEntry();
        entry.Caption = caption;
        entry.InUse = true;
        return entry;
    }

    CPartsCatalogue LoadText(const std::string& text)
    {
        const std::string path = dir.file("in.msk");
        TempDir::WriteFile(path, text);
        CPartsCatalogue catalogue;
        catalogue.Load(path, false);
        return catalogue;
    }

    TempDir dir;
};

}  // namespace

TEST_F(CPartsCatalogueTest, SavesOnlyEntriesInUseNumberedWithoutGaps)
{
    CPartsCatalogue catalogue;
    Add(catalogue, "Desk");
    Add(catalogue, "Bed");
    Add(catalogue, "Lamp");
    catalogue.Remove(1);
    const std::string path = dir.file("Catalog.msk");
    catalogue.Save(path);

    const std::string text = TempDir::ReadFile(path);
    EXPECT_NE(text.find("[Part1]\r\nType=Rectangle\r\nCaption=Desk"), std::string::npos);
    EXPECT_NE(text.find("[Part2]\r\nType=Rectangle\r\nCaption=Lamp"), std::string::npos);
    EXPECT_EQ(text.find("Bed"), std::string::npos);
    EXPECT_EQ(text.find("[Part3]"), std::string::npos);

    CPartsCatalogue reloaded;
    reloaded.Load(path, false);
    ASSERT_EQ(reloaded.Count(), 2);
    EXPECT_EQ(reloaded.Entry(1).Caption, "Lamp");
    EXPECT_TRUE(reloaded.Entry(1).InUse);
}

TEST_F(CPartsCatalogueTest, WritesTemplatesWithoutPositionRotationOrFont)
{
    CPartsCatalogue catalogue;
    CPart& door = Add(catalogue, "Front\r\ndoor");
    door.Type = Door;
    door.Width = 90;
    door.Height = 10;
    door.ZHeight = 200;
    door.PosX = 40;
    door.PosY = 50;
    door.PosZ = 5;
    door.Rotation = 90;
    door.Font = CFont{"Serif", 12, 0, 2, 1};
    door.LineStyle = 1;
    door.SnapToWallFlag = true;
    door.LibObjID = 25;
    const std::string path = dir.file("Catalog.msk");
    catalogue.Save(path);
    EXPECT_EQ(TempDir::ReadFile(path),
              "[Part1]\r\nType=Door\r\nCaption=Front\\ndoor\r\nWidth=90\r\nHeight=10\r\n"
              "ZHeight=200\r\nLineColor=0x000000\r\nFillColor=0xD9FFFF\r\nTextColor=0x000000\r\n"
              "LineStyle=1\r\nSnapToWall=1\r\nLibObjID=25\r\n");
}

TEST_F(CPartsCatalogueTest, ReadsEverySectionBeginningWithPartInFileOrder)
{
    const CPartsCatalogue catalogue = LoadText(
        "[Room]\nWidth=10\n[Part7]\nCaption=Sofa\n[Partial]\nCaption=Shelf\n"
        "[Settings]\nCaption=No\n[part3]\nCaption=Lower case\n");
    ASSERT_EQ(catalogue.Count(), 2);
    EXPECT_EQ(catalogue.Entry(0).Caption, "Sofa");
    EXPECT_EQ(catalogue.Entry(1).Caption, "Shelf");
    EXPECT_EQ(catalogue.FindByCaption("Shelf"), 1);
    EXPECT_EQ(catalogue.FindByCaption("shelf"), -1);
}

TEST_F(CPartsCatalogueTest, LoadedEntriesLoseTheirPositionAndRotation)
{
    const CPartsCatalogue catalogue =
        LoadText("[Part1]\nPosX=40\nPosY=-50\nPosZ=7\nRotation=90\nWidth=60\n");
    ASSERT_EQ(catalogue.Count(), 1);
    const CPart& entry = catalogue.Entry(0);
    EXPECT_EQ(entry.PosX, 0);
    EXPECT_EQ(entry.PosY, 0);
    EXPECT_EQ(entry.Rotation, 0);
    EXPECT_EQ(entry.PosZ, 7);
    EXPECT_EQ(entry.Width, 60);
}

TEST_F(CPartsCatalogueTest, MissingHeightsAndCategoriesTakeTheLibraryDefaults)
{
    Services().defaultLibraryHeight = [](int libObjID) { return libObjID == 25 ? 88 : -1; };
    const CPartsCatalogue catalogue = LoadText(
        "[Part1]\nType=LibraryObject\nLibObjID=25\nLibrary=Kitchen|Bedroom\n"
        "[Part2]\nType=Door\nLibObjID=30\n"
        "[Part3]\nType=LibraryObject\nLibObjID=25\nZHeight=40\n");
    ASSERT_EQ(catalogue.Count(), 3);
    EXPECT_EQ(catalogue.Entry(0).ZHeight, 88);
    EXPECT_EQ(catalogue.Entry(0).CategoryMask, (1u << 6) | (1u << 5));
    EXPECT_EQ(catalogue.Entry(1).ZHeight, 195);
    EXPECT_EQ(catalogue.Entry(1).CategoryMask, 1u);
    EXPECT_EQ(catalogue.Entry(2).ZHeight, 40);
}

TEST_F(CPartsCatalogueTest, AddingReusesTheFirstFreeSlotUnlessForcedToAppend)
{
    CPartsCatalogue catalogue;
    Add(catalogue, "A");
    Add(catalogue, "B");
    Add(catalogue, "C");
    catalogue.Remove(1);
    catalogue.Remove(7);
    EXPECT_EQ(catalogue.FindByCaption("B"), -1);

    int index = -1;
    CPart& reused = catalogue.AddEntry(&index, false);
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(reused.Caption.empty());
    EXPECT_FALSE(reused.InUse);

    catalogue.AddEntry(&index, true);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(catalogue.Count(), 4);
    EXPECT_THROW(catalogue.Entry(4), std::out_of_range);
}

TEST_F(CPartsCatalogueTest, AppendingTwiceDuplicatesAndTruncateDropsTheCopies)
{
    const std::string path = dir.file("Catalog.msk");
    TempDir::WriteFile(path, "[Part1]\nCaption=Chair\n[Part2]\nCaption=Table\n");
    CPartsCatalogue catalogue;
    Add(catalogue, "Library object");
    catalogue.Load(path, true);
    catalogue.Load(path, true);
    ASSERT_EQ(catalogue.Count(), 5);
    EXPECT_EQ(catalogue.Entry(3).Caption, "Chair");
    EXPECT_EQ(catalogue.FindByCaption("Table"), 2);

    catalogue.Truncate(1);
    catalogue.Load(path, true);
    ASSERT_EQ(catalogue.Count(), 3);
    EXPECT_EQ(catalogue.Entry(0).Caption, "Library object");
    EXPECT_EQ(catalogue.Entry(2).Caption, "Table");

    catalogue.Truncate(-1);
    EXPECT_EQ(catalogue.Count(), 0);
    catalogue.Load(dir.file("missing.msk"), true);
    EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(CPartsCatalogueTest, ReadOnlyFileLoadsAndRefusesToBeReplaced)
{
    const std::string path = dir.file("Catalog.msk");
    const std::string original = "[Part1]\nCaption=Wardrobe\n";
    TempDir::WriteFile(path, original);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);

    CPartsCatalogue catalogue;
    catalogue.Load(path, false);
    ASSERT_EQ(catalogue.Count(), 1);
    EXPECT_EQ(catalogue.Entry(0).Caption, "Wardrobe");

    Add(catalogue, "Armchair");
    try {
        catalogue.Save(path);
        FAIL() << "a read-only catalogue was overwritten";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(TempDir::ReadFile(path), original);
    EXPECT_EQ(catalogue.Count(), 2);
}

TEST_F(CPartsCatalogueTest, AFileThatIsNoTextIsNeverOverwritten)
{
    const std::string path = dir.file("Catalog.msk");
    const std::string original("[Part1]\nCaption=\0", 17);
    TempDir::WriteFile(path, original);
    CPartsCatalogue catalogue;
    ReadFailure failure = ReadFailure::Unreadable;
    EXPECT_FALSE(catalogue.Load(path, false, CodePageHint::Western, &failure));
    EXPECT_EQ(failure, ReadFailure::NotText);
    Add(catalogue, "Armchair");
    EXPECT_THROW(catalogue.Save(path), FileWriteError);
    EXPECT_EQ(TempDir::ReadFile(path), original);
}

TEST_F(CPartsCatalogueTest, SavingCreatesTheMissingFolderAndRewritesTheWholeFile)
{
    const std::string path = dir.file("new/planzeta/Catalog.msk");
    CPartsCatalogue catalogue;
    Add(catalogue, "Stool");
    catalogue.Save(path);
    ASSERT_TRUE(std::filesystem::is_regular_file(path));

    TempDir::WriteFile(path, "[Settings]\nKey=1\n[Part1]\nCaption=Stool\n[Part2]\nCaption=Old\n");
    catalogue.Save(path);
    const std::string text = TempDir::ReadFile(path);
    EXPECT_EQ(text.find("Settings"), std::string::npos);
    EXPECT_EQ(text.find("Old"), std::string::npos);
    EXPECT_EQ(text.rfind("[Part1]\r\nType=Rectangle\r\nCaption=Stool", 0), 0u);
}
