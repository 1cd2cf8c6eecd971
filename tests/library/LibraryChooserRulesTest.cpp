#include "library/LibraryChooserRules.h"

#include "model/CPart.h"
#include "support/MakePart.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

TEST(LibraryChooserRules, AnEntryIsListedInTheCategoriesOfItsMaskWhileInUse)
{
    CPart entry = MakePart(Rectangle, 0, 0, 60, 45);
    entry.InUse = true;
    entry.CategoryMask = 1u << 2 | 1u << 31;
    EXPECT_TRUE(ListedInCategory(entry, 2));
    EXPECT_TRUE(ListedInCategory(entry, 31));
    for (int category : {0, 1, 3, -1, 32, 33})
        EXPECT_FALSE(ListedInCategory(entry, category)) << category;
    entry.InUse = false;
    EXPECT_FALSE(ListedInCategory(entry, 2));

    EXPECT_EQ(LibraryItemText(entry, 0), "Rectangle, 600×450mm");
    entry.Caption = "Desk";
    EXPECT_EQ(LibraryItemText(entry, 1), "Desk, 60×45cm");
}

TEST(LibraryChooserRules, TheIconIsTheSymbolScaledToFitWithAPixelToSpareAndCentred)
{
    RecordingCanvas canvas(56, 56);
    CPart entry = MakePart(Rectangle, 300, 400, 200, 50);
    DrawLibraryIcon(canvas, entry, 0xFFFFFF);
    // 200 × 50 scaled by 54/200: 54 pixels wide from x = 1, 13.5 high from y = 21.
    EXPECT_EQ(canvas.Calls("Polygon"), std::vector<std::string>{"Polygon (1,21) (55,21) (55,35) (1,35)"});
    EXPECT_EQ(canvas.log.front(), "FillRect [0,0,57,57] 0xFFFFFF");
    // Standing upright, its height decides.
    RecordingCanvas upright(56, 56);
    DrawLibraryIcon(upright, MakePart(Rectangle, 0, 0, 50, 200), 0xFFFFFF);
    EXPECT_EQ(upright.Calls("Polygon"), std::vector<std::string>{"Polygon (21,1) (35,1) (35,55) (21,55)"});

    entry.Width = 0;
    RecordingCanvas empty(56, 56);
    DrawLibraryIcon(empty, entry, 0xFFFFFF);
    EXPECT_EQ(empty.log.size(), 1u) << "only the background";
}
