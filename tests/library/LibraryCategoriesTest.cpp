#include "model/LibraryCategories.h"

#include <gtest/gtest.h>

TEST(LibraryCategories, ParsesBarSeparatedKeys)
{
    EXPECT_EQ(ParseLibraryCategories(""), 1u);
    EXPECT_EQ(ParseLibraryCategories("Chairs"), 1u << 2);
    EXPECT_EQ(ParseLibraryCategories("Chairs|Kitchen"), (1u << 2) | (1u << 6));
    EXPECT_EQ(ParseLibraryCategories("|Tables||Other"), (1u << 3) | (1u << 9));
    EXPECT_EQ(ParseLibraryCategories("Tables|"), (1u << 3) | 1u);
    EXPECT_EQ(ParseLibraryCategories("tables"), 1u);  // keys are case-sensitive
    EXPECT_EQ(LibCategoryKey(LibCategoryCount), LibCategoryKeys[0]) << "beyond the list: the user library";
}
