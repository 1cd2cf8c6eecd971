#include "platform/COptions.h"

#include "model/CRoom.h"
#include "model/ModelServices.h"
#include "platform/CSettings.h"
#include "platform/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class COptionsTest : public ::testing::Test {
protected:
    // A settings file holding the given lines in the section "Planzeta".
    CSettings Stored(const std::string& lines)
    {
        TempDir::WriteFile(path, "[Planzeta]\n" + lines);
        return CSettings(path);
    }

    TempDir dir;
    std::string path = dir.file("Planzeta.ini");
};

}  // namespace

TEST_F(COptionsTest, MissingValuesKeepTheFieldsButSwitchesTurnOn)
{
    COptions options;
    options.Autosize = false;
    options.OpenInBestFit = false;
    options.ExpIn100 = false;
    options.PrintScale = false;
    options.PageBorder = 77;
    options.LabelFont = "Serif|12|0|0|0";
    options.Load(Stored("Autosize=0\nOpenInBestFit=2\nExpIn100=-1\nExpAddText=1\n3DZoom=250\n"));
    EXPECT_FALSE(options.Autosize);
    EXPECT_TRUE(options.OpenInBestFit);
    EXPECT_FALSE(options.ExpIn100);
    EXPECT_TRUE(options.ExpAddText);
    EXPECT_TRUE(options.PrintScale);
    EXPECT_EQ(options.PageBorder, 77);
    EXPECT_EQ(options.LabelFont, "Serif|12|0|0|0");
    EXPECT_EQ(options.Zoom3D, 250);
}

TEST_F(COptionsTest, ColoursAreReadOnlyUnderTheirColotNames)
{
    COptions options;
    options.Load(Stored("DefLineColor=255\nDefFillColor=255\nDefTextColor=255\n"
                        "deflinecolot=0x00FF00\nDefFillColot=0xEFFFFFFF\nDefTextColot=16711680\n"));
    EXPECT_EQ(options.DefLineColor, 0x00FF00u);
    EXPECT_EQ(options.DefFillColor, 0xEFFFFFFFu);
    EXPECT_EQ(options.DefTextColor, 0xFF0000u);
}

TEST_F(COptionsTest, SavingWritesEveryValueInOrderAndReadsBackTheSame)
{
    COptions options;
    options.DefFillColor = 0xEFFFFFFF;
    options.DefTextColor = 0x123456;
    options.DefLineColor = 0xABCDEF;
    options.Autosize = false;
    options.OpenInBestFit = false;
    options.ExpIn100 = false;
    options.ExpAddText = false;
    options.LastOpenFolder = "/home/user/rooms";
    options.LastLibraryPage = 4;
    options.LabelFont = "Sans|10|0|0|1";
    options.DefaultUnit = "\"";
    options.PaperOrientation = 1;
    options.PageBorder = -20;
    options.PrintScale = false;
    options.WallsTransp3D = 50;
    options.Zoom3D = 180;
    options.ExpBackground = false;
    options.PrintBackground = true;
    CSettings settings(path);
    options.Save(settings);
    settings.Save();
    const std::string written = TempDir::ReadFile(path);

    EXPECT_EQ(CIniFile::Read(path).value().KeyNames("Planzeta"),
              (std::vector<std::string>{"DefFillColot", "DefTextColot", "DefLineColot", "Autosize",
                                        "OpenInBestFit", "ExpIn100", "ExpAddText", "LastOpenFolder",
                                        "LastLibraryPage", "LabelFont", "DefaultUnit",
                                        "PaperOrientation", "PageBorder", "PrintScale",
                                        "3DWallsTransp", "3DZoom", "ExpBackground", "PrintBackground"}));
    // Every field differs from its default, so one that is not read back changes the file.
    COptions reread;
    reread.Load(CSettings(path));
    CSettings again(dir.file("again.ini"));
    reread.Save(again);
    again.Save();
    EXPECT_EQ(TempDir::ReadFile(dir.file("again.ini")), written);
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
