#include "platform/COptions.h"

#include "model/CRoom.h"
#include "model/ModelServices.h"
#include "platform/CSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class COptionsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("Planzeta.ini");
};

}  // namespace

TEST_F(COptionsTest, MissingValuesKeepTheFieldsButSwitchesTurnOnAndColoursAreReadOnlyUnderTheirColotNames)
{
    COptions options;
    options.Autosize = false;
    options.PrintScale = false;
    options.PageBorder = 77;
    options.DefTextColor = 0x123456;
    options.LabelFont = "Serif|12|0|0|0";
    TempDir::WriteFile(path, "[Planzeta]\nAutosize=0\nOpenInBestFit=2\nExpIn100=-1\n3DZoom=250\nDefTextColor=255\n"
                             "deflinecolot=0x00FF00\nDefFillColor=255\n");
    options.Load(CSettings(path));
    EXPECT_FALSE(options.Autosize);
    EXPECT_TRUE(options.OpenInBestFit);
    EXPECT_FALSE(options.ExpIn100);
    EXPECT_TRUE(options.PrintScale);
    EXPECT_EQ(options.PageBorder, 77);
    EXPECT_EQ(options.LabelFont, "Serif|12|0|0|0");
    EXPECT_FALSE(options.PrintBackground) << "a switch added later keeps its default";
    EXPECT_EQ(options.Zoom3D, 250);
    EXPECT_EQ(options.DefTextColor, 0x123456u);
    EXPECT_EQ(options.DefLineColor, 0x00FF00u);
    EXPECT_EQ(options.DefFillColor, COptions().DefFillColor);
}

// The stored names and their order are what earlier versions wrote and read.
TEST_F(COptionsTest, EveryValueIsReadAndWrittenBackUnderItsStoredNameInOrder)
{
    const std::string stored =
        "[Planzeta]\r\nDefFillColot=0xEFFFFFFF\r\nDefTextColot=0x00123456\r\nDefLineColot=0x00ABCDEF\r\nAutosize=0\r\n"
        "OpenInBestFit=0\r\nExpIn100=0\r\nExpAddText=0\r\nLastOpenFolder=/home/user/rooms\r\nLastLibraryPage=4\r\n"
        "LabelFont=Sans|10|0|0|1\r\nDefaultUnit=\"\r\nPaperOrientation=1\r\nPageBorder=-20\r\nPrintScale=0\r\n"
        "3DWallsTransp=50\r\n3DZoom=180\r\nExpBackground=0\r\nPrintBackground=1\r\n";
    TempDir::WriteFile(path, stored);
    COptions options;
    options.Load(CSettings(path));
    CSettings again(dir.file("again.ini"));
    options.Save(again);
    again.Save();
    EXPECT_EQ(TempDir::ReadFile(dir.file("again.ini")), stored);
}

TEST_F(COptionsTest, NewRoomsAndObjectsTakeTheOptionsDefaults)
{
    // A first run: rooms in centimetres, objects outlined and captioned in black on a pale fill.
    COptions fresh;
    fresh.Load(CSettings(dir.file("none.ini")));
    ApplyToModel(fresh);
    CRoom first;
    EXPECT_EQ(first.UnitName, "cm");
    EXPECT_EQ(first.Unit, 1);
    EXPECT_EQ(first.AddPart().FillColor, 0xD9FFFFu);
    EXPECT_EQ(first.Parts[0].LineColor, 0u);

    COptions options;
    options.DefaultUnit = "m";
    options.DefLineColor = 0x0000FF;
    options.DefFillColor = 0x00FF00;
    options.DefTextColor = 0xFF0000;
    ApplyToModel(options);
    CRoom room;
    EXPECT_EQ(room.UnitName, "m");
    EXPECT_EQ(room.Unit, 5);
    const CPart& part = room.AddPart();
    EXPECT_EQ(part.LineColor, 0x0000FFu);
    EXPECT_EQ(part.FillColor, 0x00FF00u);
    EXPECT_EQ(part.TextColor, 0xFF0000u);
}
