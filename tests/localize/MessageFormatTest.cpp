#include "localize/MessageFormat.h"

#include <gtest/gtest.h>

TEST(MessageFormat, FillsPlacesInOrderAndNeverReadsATranslationAsAFormat)
{
    EXPECT_EQ(FillPlaceholders("Room %s at %s.", {"a.mst", "10:00"}), "Room a.mst at 10:00.");
    EXPECT_EQ(FillPlaceholders("%s%s%s %n %d %%s 100%", {"x", "y"}), "xy %n %d %s 100%");
    EXPECT_EQ(FillPlaceholders("No places", {"x"}), "No places");
    EXPECT_EQ(FillPlaceholders("%", {}), "%");
}
