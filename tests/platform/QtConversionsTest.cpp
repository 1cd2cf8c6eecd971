#include "platform/QtConversions.h"

#include <gtest/gtest.h>

TEST(QtConversions, RectanglesWiderThanInt32HoldsSaturateInsteadOfWrapping)
{
    EXPECT_EQ(ToQRect({10, 20, 110, 70}), QRect(10, 20, 100, 50));
    const QRect huge = ToQRect({-2147483623, -2000000000, 727289531, 2000000000});
    EXPECT_EQ(huge.left(), -2147483623);
    EXPECT_EQ(huge.width(), INT32_MAX);
    EXPECT_EQ(huge.height(), INT32_MAX);
}
