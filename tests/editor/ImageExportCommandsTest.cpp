// The plan saved as a picture and copied to the clipboard through the main window's commands,
// with the file chooser and messages answered by a script and the export options set as a
// previous run left them.

#include "editor/PlanWidget.h"
#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QClipboard>
#include <QImageReader>

#include <filesystem>

namespace {

class ImageExportCommandsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(prompts.fileNames.empty()) << "a file chooser the test expected was not shown";
    }

    // A window on a 500 × 300 room with margins of 35, and the export options given.
    std::unique_ptr<TForm1> OpenWindow(bool in100, bool addText)
    {
        editorHome.WriteSettings(std::string(EditorHome::Steady) + "ExpIn100=" + std::to_string(in100) +
                                 "\nExpAddText=" + std::to_string(addText) + "\n");
        const std::string room = rooms + "/Kitchen.mst";
        TempDir::WriteFile(room, "[Room]\r\nFileVersion=300\r\nWidth=500\r\nHeight=300\r\nUnit=cm\r\nSpaceAround=35\r\n");
        return std::make_unique<TForm1>(prompts, QStringList{QString::fromStdString(room)});
    }

    static QImage Screen(TForm1& window) { return window.findChild<PlanWidget*>("Obr")->Image().copy(); }

    // Saves through the command into the exports folder and reads the picture back.
    QImage SaveAs(TForm1& window, const std::string& name)
    {
        prompts.fileNames.push_back(exports + "/" + name);
        Trigger(window, "Ulozjakoobrazek1");
        return QImage(QString::fromStdString(exports + "/" + name));
    }

    EditorHome editorHome;
    const TempDir& home = editorHome.dir;
    const std::string rooms = editorHome.rooms;
    const std::string exports = editorHome.rooms;
    ScriptedPrompts prompts;
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

TEST_F(ImageExportCommandsTest, WithoutThe100PercentOptionThePictureIsThePlanOnScreen)
{
    auto window = OpenWindow(false, false);
    window->SetZoom(0.5);
    const QImage screen = Screen(*window);
    EXPECT_LT(screen.width(), 570);
    EXPECT_EQ(SaveAs(*window, "plan.png").convertToFormat(screen.format()), screen);
}

TEST_F(ImageExportCommandsTest, TheCaptionIsInThePictureOnlyNeverOnScreen)
{
    auto window = OpenWindow(false, true);
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
    EXPECT_EQ(QImageReader(QString::fromStdString(exports + "/plan.PNG")).format(), "png");
    EXPECT_EQ(QImageReader(QString::fromStdString(exports + "/bedroom.bmp")).format(), "bmp");
    EXPECT_EQ(QImageReader(QString::fromStdString(exports + "/plan.png")).format(), "png");
    EXPECT_FALSE(std::filesystem::exists(exports + "/plan"));
}

TEST_F(ImageExportCommandsTest, TheChooserOffersFinerPicturesOfTheSameLayoutAndSvgDrawings)
{
    auto window = OpenWindow(true, false);
    prompts.fileTypes = {"PNG images (*.png)", "PNG images at four times the resolution (*.png)", "SVG drawings (*.svg)"};
    const QImage plain = SaveAs(*window, "plain.png");
    EXPECT_EQ(SaveAs(*window, "fine.png").size(), plain.size() * 4);
    SaveAs(*window, "drawing.svg");
    EXPECT_NE(TempDir::ReadFile(exports + "/drawing.svg").find("viewBox=\"0 0 570 370\""), std::string::npos);
}

TEST_F(ImageExportCommandsTest, TheChooserSuggestsTheRoomsNameInTheLastFolderAndAFailedWriteIsReported)
{
    auto window = OpenWindow(true, false);
    std::filesystem::create_directories(home.path() + "/pictures");
    prompts.asked.clear();
    prompts.fileNames = {home.path() + "/pictures/plan.bmp", std::nullopt};
    Trigger(*window, "Ulozjakoobrazek1");
    Trigger(*window, "Ulozjakoobrazek1");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Save Save as image " + rooms + "/Kitchen.png",
                                                        "Save Save as image " + home.path() + "/pictures/Kitchen.png"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path() + "/pictures"),
                            std::filesystem::directory_iterator()),
              1) << "the cancelled chooser wrote nothing";

    prompts.buttons.push_back(ButtonOk);
    SaveAs(*window, "missing/plan.bmp");
    ASSERT_EQ(prompts.asked.size(), 4u);
    EXPECT_TRUE(prompts.asked[3].starts_with("Message Error: ")) << prompts.asked[3];
    EXPECT_NE(prompts.asked[3].find("missing/plan.bmp"), std::string::npos) << prompts.asked[3];
}
