// The Explore-in-3D setup driven as a user drives it, alone and as the main window's command
// that writes the scene and hands it to a viewer: a script that writes down its arguments.

#include "dialogs/TForm3D.h"

#include "editor/TForm1.h"
#include "platform/COptions.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/Widgets.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr QRgb Black = 0xFF000000;

void Click(QWidget* widget, QPoint at = {}, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, at.isNull() ? widget->rect().center() : at);
}

QRgb PixelOf(QLabel* image, QPoint at)
{
    return image->pixmap().toImage().pixel(at);
}

// The start's mark is red, which nothing else in these rooms is.
bool IsMark(QRgb pixel)
{
    return qRed(pixel) > 0xC0 && qGreen(pixel) < 0x40 && qBlue(pixel) < 0x40;
}

}  // namespace

TEST(TForm3DTest, ShowsTheStartWhichThePreviewAndTheDialPickAndOKGivesWithTheOptions)
{
    // With its margins the room is twice as wide as the preview, which therefore shows it at
    // half size: plan point (x, y) at pixel (x / 2 + 17, y / 2 + 17).
    CRoom room;
    room.Width = 2 * TForm3D::PreviewWidth - 70;
    room.Height = 300;
    room.SpaceAround = {35, 35, 35, 35};
    room.Start3D = {120, 80, 30};
    COptions options;
    options.WallsTransp3D = 1;
    options.Zoom3D = 50;
    TForm3D dialog;
    // Runs the dialog modally while `user` works it.
    const auto edit = [&](std::function<void()> user) {
        QTimer::singleShot(0, &dialog, std::move(user));
        return dialog.Edit(room, options);
    };
    EXPECT_EQ(edit([&] {
                  EXPECT_EQ(Text(dialog, "EdPosX"), "120");
                  EXPECT_EQ(Text(dialog, "EdRotation"), "30");
                  EXPECT_EQ(Text(dialog, "EdZoom"), "50");
                  EXPECT_EQ(Control<QComboBox>(dialog, "CbWallsTransp")->currentIndex(), 1);
                  EXPECT_EQ(dialog.focusWidget(), Control(dialog, "BtnOK"));
                  // The room at half size: the start's mark where it stands, and a click
                  // elsewhere moves it there.
                  auto* plan = Control<QLabel>(dialog, "ImgPlan");
                  EXPECT_EQ(plan->pixmap().size(), QSize(319, 184));
                  EXPECT_TRUE(IsMark(PixelOf(plan, {77, 57})));
                  Click(plan, {117, 67});
                  EXPECT_TRUE(IsMark(PixelOf(plan, {117, 67})));
                  EXPECT_FALSE(IsMark(PixelOf(plan, {77, 57})));
                  // The dial turns to the pointer, by eighths with Shift; the needle follows.
                  auto* dial = Control<QLabel>(dialog, "ImgPreview");
                  Click(dial, {27, 7});
                  EXPECT_EQ(Text(dialog, "EdRotation"), "28");
                  Click(dial, {27, 7}, Qt::ShiftModifier);
                  EXPECT_EQ(Text(dialog, "EdRotation"), "45");
                  Click(dial, {20, 35});
                  EXPECT_EQ(PixelOf(dial, {20, 30}), Black);
                  // Text that is no integer keeps the value, and so does a zoom that is not
                  // positive, which would make the scene empty or mirrored.
                  Type(dialog, "EdZoom", "-100");
                  Type(dialog, "EdPosY", "12.5");
                  Control<QComboBox>(dialog, "CbWallsTransp")->setCurrentIndex(0);
                  Click(dialog, "BtnOK");
              }),
              TForm3D::ResultOk);
    EXPECT_EQ(options.Zoom3D, 50);
    EXPECT_EQ(options.WallsTransp3D, 0);
    EXPECT_EQ(dialog.ChosenStart(), (TForm3D::Start{200, 80, 180}));
    EXPECT_EQ(room.Start3D, (TForm3D::Start{120, 80, 30})) << "the caller stores the start";

    EXPECT_EQ(edit([&] {
                  Type(dialog, "EdZoom", "200");
                  QTest::keyClick(&dialog, Qt::Key_Escape);
              }),
              TForm3D::ResultCancel);
    EXPECT_EQ(options.Zoom3D, 50);
    // Any stored choice but 0 leaves the walls out, so it shows as "Invisible".
    options.WallsTransp3D = 7;
    dialog.Load(room, options);
    EXPECT_EQ(Control<QComboBox>(dialog, "CbWallsTransp")->currentIndex(), 1);
}

namespace {

class Explore3DCommandTest : public ::testing::Test {
protected:
    Explore3DCommandTest()
    {
        fs::create_directories(home.file("runtime"));
        TempDir::WriteFile(viewer, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + viewerArgs + ".part'\nmv '" +
                                       viewerArgs + ".part' '" + viewerArgs + "'\n");
        fs::permissions(viewer, fs::perms::owner_all);
    }

    void TearDown() override { EXPECT_TRUE(prompts.buttons.empty()) << "an expected question was not asked"; }

    // Triggers the command while `user` works the dialog.
    void Explore(std::function<void(TForm3D&)> user)
    {
        auto* dialog = window.findChild<TForm3D*>("TForm3D");
        ASSERT_NE(dialog, nullptr);
        QTimer::singleShot(0, dialog, [dialog, user] { user(*dialog); });
        window.findChild<QAction*>("Explorein3D1")->trigger();
    }

    static void PressOK(TForm3D& dialog) { Click(dialog, "BtnOK"); }

    // What the viewer was started with, one argument a line.
    std::string ViewerArguments() const
    {
        const bool called = QTest::qWaitFor([this] { return fs::exists(viewerArgs); }, 10000);
        return called ? TempDir::ReadFile(viewerArgs) : "(the viewer was not started)";
    }

    bool Enabled(const char* action) { return window.findChild<QAction*>(action)->isEnabled(); }

    TempDir home;
    const std::string viewer = home.file("viewer");
    const std::string viewerArgs = home.file("viewer-args");
    const std::string scene = home.file("runtime/planzeta/Plz_Explore3D.wrl");
    ScopedEnv configHome{"XDG_CONFIG_HOME", home.file("config").c_str()};
    ScopedEnv dataHome{"XDG_DATA_HOME", home.file("share").c_str()};
    ScopedEnv runtime{"XDG_RUNTIME_DIR", home.file("runtime").c_str()};
    ScopedEnv viewerChoice{"PLANZETA_VRML_VIEWER", viewer.c_str()};
    ScriptedPrompts prompts;
    TForm1 window{prompts, {}};
};

}  // namespace

TEST_F(Explore3DCommandTest, WritesTheSceneIntoThePrivateFolderOpensItAndANewStartIsOneUndoStep)
{
    const TForm3D::Start before = window.Room().Start3D;
    Explore([](TForm3D& dialog) {
        Type(dialog, "EdPosX", "150");
        Click(dialog, "BtnCancel");
    });
    EXPECT_FALSE(fs::exists(scene));

    Explore([](TForm3D& dialog) {
        Type(dialog, "EdZoom", "150");
        PressOK(dialog);
    });
    EXPECT_EQ(ViewerArguments(), scene + "\n");
    EXPECT_EQ(TempDir::ReadFile(scene).rfind("#VRML V2.0 utf8\n", 0), 0u);
    EXPECT_EQ(fs::status(home.file("runtime/planzeta")).permissions(), fs::perms::owner_all);
    EXPECT_EQ(window.Engines().options.Zoom3D, 150);
    // The start stayed as it was: the room is unchanged and there is nothing to undo.
    EXPECT_FALSE(window.Room().Modified);
    EXPECT_FALSE(Enabled("Undo1"));

    Explore([](TForm3D& dialog) {
        Type(dialog, "EdPosX", "150");
        Type(dialog, "EdPosY", "75");
        Click(Control<QLabel>(dialog, "ImgPreview"), {35, 20});
        PressOK(dialog);
    });
    EXPECT_EQ(window.Room().Start3D, (TForm3D::Start{150, 75, 90}));
    EXPECT_TRUE(window.Room().Modified);
    window.findChild<QAction*>("Undo1")->trigger();
    EXPECT_EQ(window.Room().Start3D, before);
    EXPECT_FALSE(Enabled("Undo1"));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Explore3DCommandTest, WithoutAViewerTheUserLearnsWhereTheSceneIs)
{
    {
        ScopedEnv missing{"PLANZETA_VRML_VIEWER", home.file("no-such-viewer").c_str()};
        prompts.buttons = {ButtonOk};
        Explore(PressOK);
    }
    // None named, none registered with the desktop and none installed.
    fs::create_directories(home.file("bin"));
    ScopedEnv noViewer{"PLANZETA_VRML_VIEWER", nullptr};
    ScopedEnv path{"PATH", home.file("bin").c_str()};
    prompts.buttons = {ButtonOk};
    Explore(PressOK);

    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].rfind("Message Warning: The VRML viewer", 0), 0u) << prompts.asked[0];
    EXPECT_EQ(prompts.asked[1].rfind("Message Warning: Exploring the room in 3D needs a VRML viewer", 0), 0u)
        << prompts.asked[1];
    for (const std::string& message : prompts.asked)
        EXPECT_NE(message.find(scene), std::string::npos) << message;
    EXPECT_TRUE(fs::exists(scene));
}

TEST_F(Explore3DCommandTest, ASceneThatCannotBeWrittenIsReportedAndNotOpened)
{
    // A folder under the private name that others may enter is not used.
    fs::create_directories(home.file("runtime/planzeta"));
    fs::permissions(home.file("runtime/planzeta"), fs::perms::group_read | fs::perms::group_exec, fs::perm_options::add);
    prompts.buttons = {ButtonOk};
    Explore(PressOK);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].rfind("Message Error: ", 0), 0u) << prompts.asked[0];
    EXPECT_FALSE(fs::exists(scene));
    EXPECT_FALSE(fs::exists(viewerArgs));
}
