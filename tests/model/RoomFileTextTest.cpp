#include "platform/RoomFileText.h"

#include <gtest/gtest.h>

TEST(RoomFileText, ColoursHaveAtLeastSixUpperCaseDigits)
{
    EXPECT_EQ(ColourText(0), "0x000000");
    EXPECT_EQ(ColourText(0xd9ffff), "0xD9FFFF");
    EXPECT_EQ(ColourText(NoColour), "0xEFFFFFFF");
}

TEST(RoomFileText, ScansIntegersLikeAFormatWithBars)
{
    using V = std::vector<int32_t>;
    EXPECT_EQ(ScanIntegers("1|-2|3|4", 4), (V{1, -2, 3, 4}));
    EXPECT_EQ(ScanIntegers(" 40", 4), (V{40}));
    EXPECT_EQ(ScanIntegers("1|x|3", 3), (V{1}));
    EXPECT_EQ(ScanIntegers("1| 2|+3|4|5", 3), (V{1, 2, 3}));
    EXPECT_EQ(ScanIntegers("1 |2", 2), (V{1}));
    EXPECT_EQ(ScanIntegers("1;2", 2), (V{1})) << "only the separator goes between numbers";
    EXPECT_EQ(ScanIntegers("", 3), V{});
    EXPECT_EQ(ScanIntegers("99999999999|-99999999999", 2), (V{INT32_MAX, INT32_MIN}));
}

TEST(RoomFileText, CaptionsSurviveEscapingWithBreaksAndHashes)
{
    EXPECT_EQ(EscapeText("Sofa\r\nleft"), "Sofa\\nleft");
    EXPECT_EQ(UnescapeText("Sofa\\nleft"), "Sofa\r\nleft");
    // A lone CR or LF is a line break too, never a raw break in the file.
    EXPECT_EQ(EscapeText("a\rb\nc\r\n"), "a\\nb\\nc\\n");
    // A backslash at the very end stays one, whatever follows the text in memory.
    EXPECT_EQ(UnescapeText(std::string_view("a\\n").substr(0, 2)), "a\\");
    for (const char* caption : {"No. #3", "#", "a#b#c", "plain", "x\r\n#y"})
        EXPECT_EQ(UnescapeText(EscapeText(caption)), caption) << caption;
    // What files written elsewhere hold: the text from the last "#" is dropped.
    EXPECT_EQ(UnescapeText("a#b#c"), "a#b");
}

TEST(RoomFileText, FontTextRoundTripsAndFillsMissingFieldsFromPresets)
{
    const CFont font{"DejaVu Sans", 12, 238, CFont::VariablePitch, CFont::Bold | CFont::Italic};
    EXPECT_EQ(FontText(font), "DejaVu Sans|12|238|1|3");
    EXPECT_EQ(ParseFontText(FontText(font)), font);
    EXPECT_FALSE(ParseFontText(""));
    EXPECT_EQ(ParseFontText("Serif"), CFont{});
    const std::optional<CFont> partial = ParseFontText("Serif|14|x|2");
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->face, "Serif");
    EXPECT_EQ(partial->size, 14);
    EXPECT_EQ(partial->charSet, CFont::DefaultCharSet);
    EXPECT_EQ(partial->pitch, 0);  // reading stopped at the field that failed
    EXPECT_EQ(ParseFontText("Serif|")->size, 10);
}
