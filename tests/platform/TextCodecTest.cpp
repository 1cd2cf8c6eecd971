#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, KeepsValidUtf8AndReadsOtherBytesAsWindows1252)
{
    EXPECT_EQ(DecodeLegacyText("plain"), "plain");
    EXPECT_EQ(DecodeLegacyText("\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(DecodeLegacyText("\xC5\xA1\xF0\x9F\x9B\x8B"), "\xC5\xA1\xF0\x9F\x9B\x8B");
    // Windows-1252 letters, the euro sign, an undefined byte and a multiplication sign.
    EXPECT_EQ(DecodeLegacyText("\x9A\x80\x81\xD7"), "\xC5\xA1\xE2\x82\xAC\xC2\x81\xC3\x97");
    // A truncated sequence, an overlong form and a surrogate are not UTF-8.
    EXPECT_EQ(DecodeLegacyText("\xC3"), "\xC3\x83");
    EXPECT_EQ(DecodeLegacyText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(DecodeLegacyText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
}
