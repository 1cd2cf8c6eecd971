#include "localize/CLocStrings.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

// String `number` of the table, or "<none>" when it has none.
std::string StringOf(const CLocStrings& strings, int32_t number)
{
    std::string text = "<none>";
    strings.Get(number, text);
    return text;
}

CLocStrings ReadSection(std::string_view fileText, const std::string& section = "S")
{
    CLocStrings strings;
    strings.Read(CIniFile::Parse(fileText), section);
    return strings;
}

}  // namespace

TEST(CLocStrings, NumbersComeFromTheKeyAfterFourCharactersAndStopAt32Bits)
{
    const CLocStrings strings = ReadSection(
        "[S]\nText12=twelve\nab!_3=three\nItem0007=seven\nÄÖÜß9=nine\nKey5=short\nText=none\n"
        "Text12a=bad\nText-4=negative\nText+6=signed\nText 8=blank\nText1.5=point\n");
    EXPECT_EQ(StringOf(strings, 12), "twelve");
    EXPECT_EQ(StringOf(strings, 3), "three");
    EXPECT_EQ(StringOf(strings, 7), "seven");
    // Four letters outside ASCII are still four characters.
    EXPECT_EQ(StringOf(strings, 9), "nine");
    for (int32_t number : {5, 4, 6, 8, 1, 15, -4})
        EXPECT_EQ(StringOf(strings, number), "<none>") << number;

    // Huge numbers cost one entry; an overflowing number must not wrap onto a small one.
    const CLocStrings huge = ReadSection(
        "[S]\nText2000000000=far\nText2147483647=last\nText2147483648=over\n"
        "Text99999999999999999999=way over\n");
    EXPECT_EQ(StringOf(huge, 2000000000), "far");
    EXPECT_EQ(StringOf(huge, 2147483647), "last");
    for (int32_t number : {1999999999, 0, INT32_MIN})
        EXPECT_EQ(StringOf(huge, number), "<none>") << number;
}

TEST(CLocStrings, ValuesGetLineBreaksLoseTheirLastHashCommentAndTheLaterKeyWins)
{
    const CLocStrings strings = ReadSection(
        "[S]\nText1=two\\nlines\nText2=keep # comment\nText3=a # b # c\nText4=  padded  \n"
        "Text5=#only a comment\nText6=\nText12=first\nItem12=second\nText7=kept\nItem7=\nText12=repeated\n");
    EXPECT_EQ(StringOf(strings, 1), "two\r\nlines");
    EXPECT_EQ(StringOf(strings, 2), "keep ");
    EXPECT_EQ(StringOf(strings, 3), "a # b ");
    EXPECT_EQ(StringOf(strings, 4), "padded");
    // What is left empty counts as missing, and hides an earlier text of the same number.
    for (int32_t number : {5, 6, 7})
        EXPECT_EQ(StringOf(strings, number), "<none>") << number;
    // "Text12" repeated is the same key, and the reader keeps its first value.
    EXPECT_EQ(StringOf(strings, 12), "second");
}
