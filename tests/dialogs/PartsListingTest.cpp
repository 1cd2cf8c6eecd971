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

// A row as "index: name, size at position".
std::vector<std::string> Shown(const std::vector<ListingRow>& rows)
{
    std::vector<std::string> shown;
    for (const ListingRow& row : rows)
        shown.push_back(std::to_string(row.index) + ": " + row.name + ", " + row.size + " at " + row.position);
    return shown;
}

}  // namespace

// Rows are sorted by name regardless of case, keeping room order for equal names; an object
// without a caption is named by its kind, a caption shows on one line.
TEST(PartsListing, RowsHoldNameSizeAndUnshiftedPositionOfEveryObjectButLabelsSortedByName)
{
    CRoom room;
    room.ClearParts();
    room.UserCoord = true;
    room.UserCoordOriginX = 100;
    Add(room, MakePart(Rectangle, 10, 20, 120, 80), "chair");
    Add(room, MakePart(Label, 0, 0, 50, 10), "Kitchen");
    Add(room, MakePart(Circle, 0, 0, 5, 5), "Gone");
    room.Parts.back().InUse = false;
    Add(room, MakePart(Door, -5, 300, 90, 10));
    Add(room, MakePart(Rectangle, 3, 0, 10, 10), "Chair");
    Add(room, MakePart(LibraryObject, 4, 0, 10, 10));
    Add(room, MakePart(Rectangle, 5, 0, 10, 10), "chair");
    Add(room, MakePart(Circle, 6, 0, 10, 10));
    Add(room, MakePart(Rectangle, 7, 0, 10, 10), "Tall\r\ncupboard\nold\r\n");
    EXPECT_EQ(Shown(ListingRows(room)),
              (std::vector<std::string>{"0: chair, 120\u00D780 at 10, 20", "4: Chair, 10\u00D710 at 3, 0",
                                        "6: chair, 10\u00D710 at 5, 0", "7: Circle, 10\u00D710 at 6, 0",
                                        "3: Door, 90\u00D710 at -5, 300", "5: From library, 10\u00D710 at 4, 0",
                                        "8: Tall cupboard old , 10\u00D710 at 7, 0"}));
}

TEST(PartsListing, NumberedNamesArePaddedToTheDigitsOfTheSlotCountInTheWordOfTheLanguage)
{
    EXPECT_EQ(NumberedName(3, 4), "Object 3");
    TempDir folder;
    TempDir::WriteFile(folder.file("xx.lng"), "[Main]\nLanguage=Test\nLanguageID=1111\n[Messages]\nText13=Item\n");
    CALocalize localize;
    localize.ScanFiles(folder.path());
    localize.SelectLanguageByID(1111);
    SetCurrentLocalizer(&localize);
    EXPECT_EQ(NumberedName(9, 9), "Item 9");
    EXPECT_EQ(NumberedName(1, 10), "Item 01");
    EXPECT_EQ(NumberedName(99, 99), "Item 99");
    EXPECT_EQ(NumberedName(5, 100), "Item 005");
    EXPECT_EQ(NumberedName(1000, 1000), "Item 1000");
    SetCurrentLocalizer(nullptr);
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
