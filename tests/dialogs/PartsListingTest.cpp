// The object listing's rows, names, order and text.

#include "dialogs/PartsListing.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "support/MakePart.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

void Add(CRoom& room, CPart part, const std::string& caption = "")
{
    part.Caption = caption;
    part.InUse = true;
    room.Parts.push_back(part);
}

std::vector<std::string> Names(const std::vector<ListingRow>& rows)
{
    std::vector<std::string> names;
    for (const ListingRow& row : rows)
        names.push_back(row.name);
    return names;
}

}  // namespace

TEST(PartsListing, RowsHoldNameSizeAndUnshiftedPositionOfEveryObjectButLabels)
{
    CRoom room;
    room.ClearParts();
    room.UserCoord = true;
    room.UserCoordOriginX = 100;
    Add(room, MakePart(Rectangle, 10, 20, 120, 80), "Table");
    Add(room, MakePart(Label, 0, 0, 50, 10), "Kitchen");
    CPart unused = MakePart(Circle, 0, 0, 5, 5);
    Add(room, unused, "Gone");
    room.Parts.back().InUse = false;
    Add(room, MakePart(Door, -5, 300, 90, 10));

    const std::vector<ListingRow> rows = ListingRows(room);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].index, 3);
    EXPECT_EQ(rows[0].name, "Door");
    EXPECT_EQ(rows[0].size, "90\u00D710");
    EXPECT_EQ(rows[0].position, "-5, 300");
    EXPECT_EQ(rows[1].index, 0);
    EXPECT_EQ(rows[1].name, "Table");
    EXPECT_EQ(rows[1].size, "120\u00D780");
    EXPECT_EQ(rows[1].position, "10, 20");
}

TEST(PartsListing, RowsAreSortedByNameRegardlessOfCaseKeepingRoomOrderForEqualNames)
{
    CRoom room;
    room.ClearParts();
    Add(room, MakePart(Rectangle, 1, 0, 10, 10), "chair");
    Add(room, MakePart(Rectangle, 2, 0, 10, 10), "Bed");
    Add(room, MakePart(Rectangle, 3, 0, 10, 10), "Chair");
    Add(room, MakePart(Rectangle, 4, 0, 10, 10), "armchair");
    Add(room, MakePart(Rectangle, 5, 0, 10, 10), "chair");
    const std::vector<ListingRow> rows = ListingRows(room);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"armchair", "Bed", "chair", "Chair", "chair"}));
    EXPECT_EQ(rows[2].index, 0);
    EXPECT_EQ(rows[4].index, 4);
}

TEST(PartsListing, AnObjectWithoutCaptionIsNamedByItsKindAndACaptionOnOneLine)
{
    CRoom room;
    room.ClearParts();
    Add(room, MakePart(Circle, 0, 0, 10, 10));
    Add(room, MakePart(LibraryObject, 0, 0, 10, 10));
    Add(room, MakePart(Rectangle, 0, 0, 10, 10), "Tall\r\ncupboard\nold");
    EXPECT_EQ(ListingName(room, 0), "Circle");
    EXPECT_EQ(ListingName(room, 1), "From library");
    EXPECT_EQ(ListingName(room, 2), "Tall cupboard old");
}

class NumberedNames : public ::testing::Test {
protected:
    NumberedNames()
    {
        TempDir::WriteFile(folder.file("xx.lng"), "[Main]\nLanguage=Test\nLanguageID=1111\n[Messages]\nText13=Item\n");
        localize.ScanFiles(folder.path());
        localize.SelectLanguageByID(1111);
        SetCurrentLocalizer(&localize);
    }

    TempDir folder;
    CALocalize localize;
};

TEST_F(NumberedNames, TheNumberIsPaddedToTheDigitsOfTheSlotCountInTheWordOfTheLanguage)
{
    EXPECT_EQ(NumberedName(9, 9), "Item 9");
    EXPECT_EQ(NumberedName(1, 10), "Item 01");
    EXPECT_EQ(NumberedName(99, 99), "Item 99");
    EXPECT_EQ(NumberedName(5, 100), "Item 005");
    EXPECT_EQ(NumberedName(1000, 1000), "Item 1000");
    SetCurrentLocalizer(nullptr);
    EXPECT_EQ(NumberedName(3, 4), "Object 3");
}

TEST(PartsListing, TheTextHasNameTabAndSizeWithCrLfPerRowInListOrder)
{
    CRoom room;
    room.ClearParts();
    Add(room, MakePart(Rectangle, 7, 8, 120, 80), "Table");
    Add(room, MakePart(Label, 0, 0, 50, 10), "Note");
    Add(room, MakePart(Ellipse, 1, 2, 30, 40), "Rug");
    Add(room, MakePart(Rectangle, 7, 8, 200, 90), "Bed");
    EXPECT_EQ(ListingText(ListingRows(room)), "Bed\t200\u00D790\r\nRug\t30\u00D740\r\nTable\t120\u00D780\r\n");
    EXPECT_EQ(ListingText(ListingRows(CRoom())), "");
    // Control characters, C0 and C1, would break the columns or reach a terminal; U+00A0 stays.
    EXPECT_EQ(WithoutControlCharacters("a\tb\x1b[1m\x7f\xc2\x80\xc2\x9f\xc2\xa0\xc2"), "a b [1m   \xc2\xa0\xc2");
}

TEST(PartsListing, HeadersTakeTheUnitIntoTheirBrackets)
{
    EXPECT_EQ(HeaderInUnit("Size [cm]", "mm"), "Size [mm]");
    EXPECT_EQ(HeaderInUnit("Position [cm]", "in"), "Position [in]");
    EXPECT_EQ(HeaderInUnit("Größe [", "m"), "Größe [m]");
    EXPECT_EQ(HeaderInUnit("Size", "ft"), "Size [ft]");
}
