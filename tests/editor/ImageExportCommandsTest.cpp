// The plan saved as a picture and copied to the clipboard through the main window's commands,
// with the file chooser and messages answered by a script and the export options set as a
// previous run left them.

#include "editor/PlanWidget.h"
#include "support/EditorTest.h"

#include <QClipboard>
#include <QImageReader>

#include <filesystem>

namespace {

class ImageExportCommandsTest : public EditorTest {
protected:
    // A window on a 500 × 300 room with margins of 35, and the export options given.
    std::unique_ptr<TForm1> OpenWindow(bool in100, bool addText)
    {
        home.WriteSettings(std::string(EditorHome::Steady) + "ExpIn100=" + std::to_string(in100) +
                           "\nExpAddText=" + std::to_string(addText) + "\n");
        return std::make_unique<TForm1>(prompts, QStringList{QString::fromStdString(WriteRoom("Kitchen.mst", 500, 300))});
    }

    static QImage Screen(TForm1& window) { return window.findChild<PlanWidget*>("Obr")->Image().copy(); }

    // Saves through the command into the rooms folder and reads the picture back.
    QImage SaveAs(TForm1& window, const std::string& name)
    {
        prompts.fileNames.push_back(home.rooms + "/" + name);
        Trigger(window, "Ulozjakoobrazek1");
        return QImage(QString::fromStdString(home.rooms + "/" + name));
    }
};

}  // namespace

// --- What the picture shows ---------------------------------------------------------------

TEST_F(ImageExportCommandsTest, At100PercentThePictureHasOnePixelPerUnitAndTheScreenKeepsItsPlan)
{
    auto window = OpenWindow(true, false);
    for (const double zoom : {0.5, 1.0, 2.0}) {
        window->SetZoom(zoom);
        const QImage before = Screen(*window);
        EXPECT_EQ(SaveAs(*window, "plan.bmp").size(), QSize(570, 370)) << "at zoom " << zoom;
        window->Redraw(true);
        EXPECT_EQ(Screen(*window), before);
    }
    QGuiApplication::clipboard()->clear();
    Trigger(*window, "CopytoClipboard1");
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(570, 370)) << "the clipboard's copy";
}

// Without the 100 % option the picture is the plan on screen, with the caption if asked.
TEST_F(ImageExportCommandsTest, TheCaptionIsInThePictureOfTheScreenOnlyNeverOnScreen)
{
    auto window = OpenWindow(false, true);
    window->SetZoom(0.5);
    const QImage screen = Screen(*window);
    const QImage exported = SaveAs(*window, "plan.png").convertToFormat(screen.format());
    EXPECT_EQ(Screen(*window), screen);
    ASSERT_EQ(exported.size(), screen.size());
    EXPECT_NE(exported, screen);
    // The caption sits in the bottom-left corner: the top half is the plan untouched.
    const QRect topHalf(0, 0, screen.width(), screen.height() / 2);
    EXPECT_EQ(exported.copy(topHalf), screen.copy(topHalf));
    QGuiApplication::clipboard()->clear();
    Trigger(*window, "CopytoClipboard1");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(screen.format()), exported);
    EXPECT_EQ(Screen(*window), screen);
}

// --- Files --------------------------------------------------------------------------------

TEST_F(ImageExportCommandsTest, ATypedExtensionChoosesTheFormatElseTheChosenType)
{
    auto window = OpenWindow(true, false);
    prompts.fileTypes = {"Bitmaps (*.bmp)", "Bitmaps (*.bmp)"};
    SaveAs(*window, "plan.PNG");
    SaveAs(*window, "bedroom");
    SaveAs(*window, "plan");  // PNG unless another type is chosen
    EXPECT_EQ(QImageReader(QString::fromStdString(home.rooms + "/plan.PNG")).format(), "png");
    EXPECT_EQ(QImageReader(QString::fromStdString(home.rooms + "/bedroom.bmp")).format(), "bmp");
    EXPECT_EQ(QImageReader(QString::fromStdString(home.rooms + "/plan.png")).format(), "png");
    EXPECT_FALSE(std::filesystem::exists(home.rooms + "/plan"));
}

TEST_F(ImageExportCommandsTest, TheChooserOffersFinerPicturesOfTheSameLayoutAndSvgDrawings)
{
    auto window = OpenWindow(true, false);
    prompts.fileTypes = {"PNG images (*.png)", "PNG images at four times the resolution (*.png)", "SVG drawings (*.svg)"};
    const QImage plain = SaveAs(*window, "plain.png");
    EXPECT_EQ(SaveAs(*window, "fine.png").size(), plain.size() * 4);
    SaveAs(*window, "drawing.svg");
    EXPECT_NE(TempDir::ReadFile(home.rooms + "/drawing.svg").find("viewBox=\"0 0 570 370\""), std::string::npos);
}

TEST_F(ImageExportCommandsTest, TheChooserSuggestsTheRoomsNameInTheLastFolderAndAFailedWriteIsReported)
{
    auto window = OpenWindow(true, false);
    std::filesystem::create_directories(home.dir.path() + "/pictures");
    prompts.asked.clear();
    prompts.fileNames = {home.dir.path() + "/pictures/plan.bmp", std::nullopt};
    Trigger(*window, "Ulozjakoobrazek1");
    Trigger(*window, "Ulozjakoobrazek1");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Save Save as image " + home.rooms + "/Kitchen.png",
                                                        "Save Save as image " + home.dir.path() + "/pictures/Kitchen.png"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.dir.path() + "/pictures"),
                            std::filesystem::directory_iterator()),
              1) << "the cancelled chooser wrote nothing";

    prompts.buttons.push_back(ButtonOk);
    SaveAs(*window, "missing/plan.bmp");
    ASSERT_EQ(prompts.asked.size(), 4u);
    EXPECT_TRUE(prompts.asked[3].starts_with("Message Error: ")) << prompts.asked[3];
    EXPECT_NE(prompts.asked[3].find("missing/plan.bmp"), std::string::npos) << prompts.asked[3];
}
