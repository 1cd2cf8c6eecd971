#include "model/CRoom.h"

#include "dialogs/BackgroundCalibration.h"

#include "support/TempDir.h"

#include <filesystem>
#include <limits>

#include <gtest/gtest.h>

namespace {

std::string BackgroundSection(const std::string& fileText)
{
    const size_t start = fileText.find("[Background]");
    return start == std::string::npos ? "" : fileText.substr(start, fileText.find("[", start + 1) - start);
}

}  // namespace

TEST(CBackgroundTest, TheSectionComesBackAsReadUntilAValueChanges)
{
    TempDir dir;
    const std::string section = "[Background]\r\nFile=plans/../plans/scan.png\r\nScale=0.50\r\nExtra=kept\r\n"
                                "Rotation=370\r\nOffsetX=-12.5\r\n";
    TempDir::WriteFile(dir.file("in.mst"), "[Room]\r\nWidth=400\r\n" + section);
    CRoom room;
    ASSERT_TRUE(room.Load(dir.file("in.mst")));
    EXPECT_EQ(room.Background.File, dir.file("plans/scan.png"));
    EXPECT_EQ(room.Background.Scale, 0.5);
    EXPECT_EQ(room.Background.Rotation, 10.0);
    EXPECT_EQ(room.Background.OffsetX, -12.5);
    EXPECT_EQ(room.Background.Opacity, 50);

    room.Save(dir.file("same.mst"));
    EXPECT_EQ(BackgroundSection(TempDir::ReadFile(dir.file("same.mst"))), section);

    room.Background.Scale = 2;
    room.Background.Visible = false;
    std::filesystem::create_directory(dir.file("other"));
    room.Save(dir.file("other/moved.mst"));
    EXPECT_EQ(BackgroundSection(TempDir::ReadFile(dir.file("other/moved.mst"))),
              "[Background]\r\nFile=" + dir.file("plans/scan.png") +
                  "\r\nScale=2\r\nExtra=kept\r\nRotation=370\r\nOffsetX=-12.5\r\nVisible=0\r\n");

    CRoom fresh;
    fresh.Background.File = dir.file("deep/er/scan.png");
    fresh.Save(dir.file("new.mst"));
    EXPECT_EQ(BackgroundSection(TempDir::ReadFile(dir.file("new.mst"))),
              "[Background]\r\nFile=deep/er/scan.png\r\nScale=1\r\nOffsetX=0\r\nOffsetY=0\r\nRotation=0\r\n"
              "Opacity=50\r\nVisible=1\r\n");
}

TEST(CBackgroundTest, TwoPointsAndTheirDistanceSetTheScaleAroundTheFirstThenTheCornerIsPlaced)
{
    CBackground background;
    EXPECT_TRUE(background.Calibrate({10, 20}, {110, 20}, 250));
    EXPECT_EQ(background.Scale, 2.5);
    EXPECT_EQ(background.OffsetX, -15.0);
    EXPECT_EQ(background.OffsetY, -30.0);
    EXPECT_FALSE(background.Calibrate({10, 20}, {10, 20}, 250));
    EXPECT_FALSE(background.Calibrate({10, 20}, {30, 20}, 0));
    EXPECT_EQ(background.Scale, 2.5);

    background.RotateAbout({60, 40}, 90);
    const PointF pivot = background.ToPlan(background.ToPicture({60, 40}));
    EXPECT_NEAR(pivot.x, 60, 1e-9);
    EXPECT_NEAR(pivot.y, 40, 1e-9);
    const PointF right = background.ToPlan({1, 0});  // the picture's x axis now points down
    const PointF origin = background.ToPlan({0, 0});
    EXPECT_NEAR(right.x - origin.x, 0, 1e-9);
    EXPECT_NEAR(right.y - origin.y, 2.5, 1e-9);

    // The calibration entered in the dialog turns and scales about the first click.
    const std::array<PointF, 2> clicks{{{10, 20}, {110, 20}}};
    EXPECT_EQ(Distance(clicks), 100.0);
    background = CBackground{};
    EXPECT_TRUE(ApplyCalibration(background, {clicks, 250, {}, {}, 90, 70}));
    const PointF first = background.ToPlan({10, 20});
    EXPECT_NEAR(first.x, 10, 1e-9);
    EXPECT_NEAR(first.y, 20, 1e-9);
    EXPECT_EQ(background.Scale, 2.5);
    EXPECT_EQ(background.Rotation, 90.0);
    EXPECT_EQ(background.Opacity, 70);

    EXPECT_TRUE(ApplyCalibration(background, {{}, {}, 5, -6, {}, {}}));
    const double noNumber = std::numeric_limits<double>::quiet_NaN();
    for (const CalibrationEntry& wrong : {CalibrationEntry{{}, 250}, {clicks, 0}, {{}, {}, 1, 1, {}, 101}, {{}, {}, noNumber},
                                          {{}, {}, {}, {}, noNumber}})
        EXPECT_FALSE(ApplyCalibration(background, wrong));
    EXPECT_EQ(background.OffsetX, 5.0);
    EXPECT_EQ(background.OffsetY, -6.0);
    EXPECT_EQ(background.Scale, 2.5);
}
