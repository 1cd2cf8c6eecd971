// The background picture as the user handles it: its commands and their undo steps, the
// calibration by two clicks and a typed distance, the move with Ctrl+Shift, and pictures that
// cannot be shown.

#include "support/PlanWindowTest.h"
#include "support/TempDir.h"
#include "support/Widgets.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>

#include <sys/stat.h>

namespace {

class BackgroundEditorTest : public PlanWindowTest {
protected:
    BackgroundEditorTest() : PlanWindowTest(SmallWalledRoom) {}

    std::string PngBytes()
    {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        return bytes.toStdString();
    }

    const CBackground& Background() { return Room().Background; }
};

}  // namespace

TEST_F(BackgroundEditorTest, EachCommandIsOneUndoStepAndTheStepsShareThePicture)
{
    TempDir::WriteFile(home.dir.file("scan.png"), PngBytes());
    prompts.fileNames = {home.dir.file("scan.png")};
    Action("BackgroundOpen1")->trigger();
    ASSERT_TRUE(Background().Shown());
    EXPECT_EQ(Background().Scale, 5.0);  // at first as wide as the room
    const auto picture = Background().Picture;
    Action("BackgroundShow1")->trigger();
    EXPECT_FALSE(Background().Visible);
    Action("BackgroundRemove1")->trigger();
    EXPECT_FALSE(Background().Present());
    Action("Undo1")->trigger();
    EXPECT_FALSE(Background().Visible);
    Action("Undo1")->trigger();
    EXPECT_TRUE(Background().Visible);
    EXPECT_EQ(Background().Picture, picture);

    Action("BackgroundCalibrate1")->trigger();
    WhenShown(*form, "TFormBackground", [this](QDialog& dialog) {
        Type(dialog, "EdDistance", "0");
        WhenShown(*form, "TFormBackground", [](QDialog& again) {  // refused, said why, shown again
            Type(again, "EdDistance", "250");
            Click(again, "BtnOK");
        });
        Click(dialog, "BtnOK");
    });
    prompts.asked.clear();
    prompts.buttons = {ButtonOk};
    QTest::mouseClick(plan, Qt::LeftButton, {}, Pixel(20, 50));
    QTest::mouseClick(plan, Qt::LeftButton, {}, Pixel(120, 50));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].starts_with("Message Error: Type numbers")) << prompts.asked[0];
    EXPECT_EQ(Background().Scale, 12.5);
    EXPECT_EQ(Background().OffsetX, 20 - 4 * 12.5);  // the picture's pixel 4 stays under the click

    QTest::mousePress(plan, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(40, 40));
    MoveTo(QPoint(50, 45), Qt::ControlModifier | Qt::ShiftModifier);
    MoveTo(QPoint(70, 50), Qt::ControlModifier | Qt::ShiftModifier);
    QTest::mouseRelease(plan, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(70, 50));
    EXPECT_EQ(Background().OffsetX, 20 - 4 * 12.5 + 30);
    Action("Undo1")->trigger();
    EXPECT_EQ(Background().OffsetX, 20 - 4 * 12.5);
    EXPECT_EQ(Background().Picture, picture);
}

TEST_F(BackgroundEditorTest, APictureThatCannotBeShownIsNamedOnceAndTheRoomStillOpens)
{
    ASSERT_EQ(mkfifo(home.dir.file("pipe.png").c_str(), 0600), 0);
    std::filesystem::create_directory(home.dir.file("folder.png"));
    TempDir::WriteFile(home.dir.file("cut.png"), PngBytes().substr(0, 60));
    TempDir::WriteFile(home.dir.file("huge.pgm"), "P5\n30000 30000\n255\n" + std::string(64, '\0'));
    for (const auto& [file, why] : {std::pair{"missing.png", "doesn't exist"}, {"pipe.png", "not a regular file"},
                                    {"folder.png", "not a regular file"}, {"cut.png", "damaged"},
                                    {"huge.pgm", "30000 × 30000 pixels"}}) {
        TempDir::WriteFile(home.dir.file("room.mst"), std::string("[Room]\nWidth=321\n[Background]\nScale=3\nFile=") + file);
        prompts.asked.clear();
        prompts.buttons = {ButtonOk};
        ASSERT_TRUE(form->OpenRoomFile(QString::fromStdString(home.dir.file("room.mst"))));
        ASSERT_EQ(prompts.asked.size(), 1u) << file;
        EXPECT_TRUE(prompts.asked[0].starts_with("Message Warning: The background picture cannot be shown:\n" +
                                                 home.dir.file(file) + "\n"));
        EXPECT_NE(prompts.asked[0].find(why), std::string::npos) << prompts.asked[0];
        EXPECT_EQ(Room().Width, 321);
        EXPECT_TRUE(Background().Present());
        EXPECT_FALSE(Background().Picture);
    }
    TempDir::WriteFile(home.dir.file("found.png"), PngBytes());
    prompts.fileNames = {home.dir.file("found.png")};
    Action("BackgroundOpen1")->trigger();
    EXPECT_TRUE(Background().Shown());
    EXPECT_EQ(Background().Scale, 3.0);  // found again, it keeps its place
}
