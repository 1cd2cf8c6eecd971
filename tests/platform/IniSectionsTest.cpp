#include "platform/IniFile.h"

#include <gtest/gtest.h>

// Writers and views of one section keep the reader's rules however their calls interleave.
TEST(IniSections, WritersAndViewsKeepOneKeyPerName)
{
    CIniFile ini;
    CIniFile::SectionWriter out = ini.WriteSection("S");
    out.Integer("Width", 1);
    ini.WriteString("s", "Height", "2");
    out.String("HEIGHT", "3");
    out.String("width", " 4\r\n5 ");
    EXPECT_EQ(ini.Text(), "[S]\r\nWidth=4  5\r\nHeight=3\r\n");

    // Lines and keys longer than the eight bytes the line search takes at a time.
    const CIniFile parsed = CIniFile::Parse("[Section one]\r\nAVeryLongKeyName =  first value \rAVERYLONGKEYNAME=second\n"
                                           "OtherKey=x=y\r\n\r\n[section ONE]\nMore=1");
    const CIniFile::SectionView in = parsed.Section("SECTION ONE");
    EXPECT_EQ(in.Text("OtherKey", ""), "x=y");
    EXPECT_EQ(in.Text("averylongkeyname", ""), "first value");
    EXPECT_FALSE(in.Has("More"));
    EXPECT_EQ(in.Integer("Missing", 7), 7);
    EXPECT_FALSE(parsed.Section("Absent").Has("OtherKey"));
}
