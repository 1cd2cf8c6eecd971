#include "library/CPartsCatalogue.h"

#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "support/MakePart.h"
#include "support/TempDir.h"

#include <array>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

class CPartsCatalogueTest : public ::testing::Test {
protected:
    CPart& Add(CPartsCatalogue& catalogue, const std::string& caption, const CPart& part = {})
    {
        CPart& entry = catalogue.AddEntry() = part;
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

// The entries in use as templates without position, rotation or font, numbered without gaps,
// replacing all the file held, in a folder made for it.
TEST_F(CPartsCatalogueTest, SavingRewritesTheWholeFileWithTheTemplatesInUse)
{
    CPartsCatalogue catalogue;
    CPart& door = Add(catalogue, "Front\r\ndoor", MakePart(Door, 40, 50, 90, 10, 90));
    door.ZHeight = 200;
    door.PosZ = 5;
    door.Font = CFont{"Serif", 12, 0, 2, 1};
    door.LineStyle = 1;
    door.SnapToWallFlag = true;
    door.LibObjID = 25;
    Add(catalogue, "Bed");
    Add(catalogue, "Lamp");
    catalogue.Remove(1);
    const std::string path = dir.file("new/planzeta/Catalog.msk");
    const std::string expected =
        "[Part1]\r\nType=Door\r\nCaption=Front\\ndoor\r\nWidth=90\r\nHeight=10\r\n"
        "ZHeight=200\r\nLineColor=0x000000\r\nFillColor=0xD9FFFF\r\nTextColor=0x000000\r\n"
        "LineStyle=1\r\nSnapToWall=1\r\nLibObjID=25\r\n\r\n"
        "[Part2]\r\nType=Rectangle\r\nCaption=Lamp\r\nWidth=100\r\nHeight=100\r\nZHeight=100\r\n"
        "LineColor=0x000000\r\nFillColor=0xD9FFFF\r\nTextColor=0x000000\r\n";
    catalogue.Save(path);
    EXPECT_EQ(TempDir::ReadFile(path), expected);
    TempDir::WriteFile(path, "[Settings]\nKey=1\n[Part1]\nCaption=Stool\n[Part2]\nCaption=Old\n[Part3]\n");
    catalogue.Save(path);
    EXPECT_EQ(TempDir::ReadFile(path), expected);

    CPartsCatalogue reloaded;
    reloaded.Load(path, false);
    ASSERT_EQ(reloaded.Count(), 2);
    EXPECT_EQ(reloaded.Entry(1).Caption, "Lamp");
    EXPECT_TRUE(reloaded.Entry(1).InUse);
}

TEST_F(CPartsCatalogueTest, ReadsEverySectionBeginningWithPartInFileOrderWithoutPositionOrRotation)
{
    const CPartsCatalogue catalogue = LoadText(
        "[Room]\nWidth=10\n[Part7]\nCaption=Sofa\nPosX=40\nPosY=-50\nPosZ=7\nRotation=90\nWidth=60\n"
        "[Partial]\nCaption=Shelf\n[Settings]\nCaption=No\n[part3]\nCaption=Lower case\n");
    ASSERT_EQ(catalogue.Count(), 2);
    const CPart& sofa = catalogue.Entry(0);
    EXPECT_EQ(sofa.Caption, "Sofa");
    EXPECT_EQ((std::array{sofa.PosX, sofa.PosY, sofa.Rotation, sofa.PosZ, sofa.Width}), (std::array{0, 0, 0, 7, 60}));
    EXPECT_EQ(catalogue.Entry(1).Caption, "Shelf");
    EXPECT_EQ(catalogue.FindByCaption("Shelf"), 1);
    EXPECT_EQ(catalogue.FindByCaption("shelf"), -1);
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
    EXPECT_TRUE(catalogue.Load(path, true));
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

// A read-only file loads, and neither it nor a file that is no text is ever replaced.
TEST_F(CPartsCatalogueTest, AFileThatMayOrMustNotBeReplacedIsKept)
{
    const std::string path = dir.file("Catalog.msk");
    const std::string readOnly = "[Part1]\nCaption=Wardrobe\n";
    TempDir::WriteFile(path, readOnly);
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
    EXPECT_EQ(TempDir::ReadFile(path), readOnly);
    EXPECT_EQ(catalogue.Count(), 2);

    const std::string binary = dir.file("Binary.msk");
    const std::string notText("[Part1]\nCaption=\0", 17);
    TempDir::WriteFile(binary, notText);
    ReadFailure failure = ReadFailure::Unreadable;
    EXPECT_FALSE(catalogue.Load(binary, false, CodePageHint::Western, &failure));
    EXPECT_EQ(failure, ReadFailure::NotText);
    Add(catalogue, "Armchair");
    EXPECT_THROW(catalogue.Save(binary), FileWriteError);
    EXPECT_EQ(TempDir::ReadFile(binary), notText);
}
