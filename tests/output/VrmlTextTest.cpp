#include "output/VrmlText.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(VrmlText, NumbersHaveTwoDecimalsRoundedAndStayWholeWhenHuge)
{
    EXPECT_EQ(Fixed2(5), "5.00");
    EXPECT_EQ(Fixed2(1.005), "1.00");  // the double lies just below 1.005
    EXPECT_EQ(Fixed2(2.675001), "2.68");
    EXPECT_EQ(Fixed2(-1.5707963), "-1.57");
    EXPECT_EQ(Fixed2(-0.001), "-0.00");  // as printf writes it
    EXPECT_EQ(Fixed2(1e20), "100000000000000000000.00");
    EXPECT_EQ(Fixed2(-1.7976931348623157e308).size(), 1 + 309 + 3u);
}

TEST(VrmlText, QuotesAndBackslashesAreEscapedAndNothingElse)
{
    EXPECT_EQ(VrmlQuoted(R"(Pohled "zepředu" \ A)"), R"(Pohled \"zepředu\" \\ A)");
    EXPECT_EQ(VrmlQuoted("two\nlines # ok"), "two\nlines # ok");
}

TEST(VrmlText, FileUrlsEncodeEverythingThatCouldEndTheUrlOrTheString)
{
    EXPECT_EQ(FileUrl("/usr/share/planzeta/library.wrl"), "file:///usr/share/planzeta/library.wrl");
    EXPECT_EQ(FileUrl("/home/a b/#1/100%/\"q\"\\/ž~_-.wrl"),
              "file:///home/a%20b/%231/100%25/%22q%22%5C/%C5%BE~_-.wrl");
}

TEST(VrmlText, LinesWhoseValuesDoNotFitTheirPlaceholdersAreRefused)
{
    std::string out;
    EXPECT_THROW(AppendLine(out, "%.2f %.2f", {1.0}), std::logic_error);
    EXPECT_THROW(AppendLine(out, "%.2f", {1.0, 2.0}), std::logic_error);
    EXPECT_THROW(AppendLine(out, "%s", {1.0}), std::logic_error);
    EXPECT_THROW(AppendLine(out, "%d", {1.0}), std::logic_error);
}
