// The options dialog driven as a user drives it, alone and as the main window's "Options..."
// command; the colour chooser is answered by a script.

#include "dialogs/TFormOptions.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/DriveDialog.h"
#include "editor/TForm1.h"
#include "model/CPart.h"
#include "platform/COptions.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QTimer>

#include <filesystem>
#include <functional>

namespace {

class TFormOptionsTest : public ::testing::Test {
protected:
    void Show()
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    bool Checked(const char* name) { return Control<QCheckBox>(dialog, name)->isChecked(); }
    void Toggle(const char* name) { Click(dialog, name); }
    QComboBox* Units() { return Control<QComboBox>(dialog, "CbDefUnit"); }
    Colour Swatch(const char* name) { return Control<ColourSwatch>(dialog, name)->Value(); }

    // Edits every control away from the fresh options.
    void EditEverything()
    {
        prompts.colours = {0x0000FF, 0x00FF00, 0xFF0000};
        Click(dialog, "ImgColor");
        Click(dialog, "ImgFill");
        Click(dialog, "ImgTextColor");
        for (const char* box : {"ChkExport100", "ChkExpAddText", "ChkAutosize", "ChkOpenBestFit"})
            Toggle(box);
        Units()->setCurrentIndex(5);
    }

    ScriptedPrompts prompts;
    COptions options;
    TFormOptions dialog{prompts, options};
};

}  // namespace

TEST_F(TFormOptionsTest, ShowsTheOptionsItEdits)
{
    options.DefLineColor = 0x112233;
    options.DefFillColor = 0x445566;
    options.DefTextColor = 0x778899;
    options.ExpIn100 = false;
    options.OpenInBestFit = false;
    options.DefaultUnit = "ft";
    Show();
    EXPECT_EQ(Swatch("ImgColor"), 0x112233u);
    EXPECT_EQ(Swatch("ImgFill"), 0x445566u);
    EXPECT_EQ(Swatch("ImgTextColor"), 0x778899u);
    EXPECT_FALSE(Checked("ChkExport100"));
    EXPECT_TRUE(Checked("ChkExpAddText"));
    EXPECT_TRUE(Checked("ChkAutosize"));
    EXPECT_FALSE(Checked("ChkOpenBestFit"));
    EXPECT_EQ(Units()->currentText(), "ft");
    EXPECT_EQ(Units()->count(), 7);
}

TEST_F(TFormOptionsTest, OkTakesEveryControl)
{
    Show();
    EditEverything();
    Click(dialog, "BtnOK");
    EXPECT_EQ(dialog.result(), TFormOptions::ResultOk);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(options.DefLineColor, 0x0000FFu);
    EXPECT_EQ(options.DefFillColor, 0x00FF00u);
    EXPECT_EQ(options.DefTextColor, 0xFF0000u);
    EXPECT_FALSE(options.ExpIn100);
    EXPECT_FALSE(options.ExpAddText);
    EXPECT_FALSE(options.Autosize);
    EXPECT_FALSE(options.OpenInBestFit);
    EXPECT_EQ(options.DefaultUnit, "m");
}

TEST_F(TFormOptionsTest, CancelChangesNothingAndTheNextOpeningShowsTheOptionsAgain)
{
    Show();
    EditEverything();
    Click(dialog, "BtnCancel");
    EXPECT_EQ(dialog.result(), TFormOptions::ResultCancel);
    const COptions fresh;
    EXPECT_EQ(options.DefFillColor, fresh.DefFillColor);
    EXPECT_TRUE(options.ExpIn100);
    EXPECT_EQ(options.DefaultUnit, "cm");

    Show();
    EXPECT_EQ(Swatch("ImgFill"), fresh.DefFillColor);
    EXPECT_TRUE(Checked("ChkExport100"));
    EXPECT_EQ(Units()->currentText(), "cm");
}

TEST_F(TFormOptionsTest, ACancelledColourChooserKeepsTheSwatch)
{
    Show();
    prompts.colours = {std::nullopt};
    Click(dialog, "ImgFill");
    EXPECT_EQ(Swatch("ImgFill"), options.DefFillColor);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Colour"});
}

TEST_F(TFormOptionsTest, AnUnknownUnitSelectsInchesAndOkStoresTheInchSign)
{
    options.DefaultUnit = "yd";
    Show();
    EXPECT_EQ(Units()->currentText(), "Inches (\")");
    Click(dialog, "BtnOK");
    EXPECT_EQ(options.DefaultUnit, "\"");
}

// --- The main window's command ------------------------------------------------------------

namespace {

class OptionsCommandTest : public ::testing::Test {
protected:
    OptionsCommandTest()
    {
        std::filesystem::create_directories(home.path() + "/config/Kelvora");
        std::filesystem::create_directories(data);
        // Neither the window nor its plan is fitted unless a test asks for it.
        TempDir::WriteFile(home.path() + "/config/Kelvora/Planzeta.ini",
                           "[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=0\n");
    }

    // Runs the command, letting `edit` work the dialog before it closes with the button.
    void RunOptions(TForm1& window, const std::function<void(TFormOptions&)>& edit, const char* button)
    {
        QTimer::singleShot(0, &window, [&window, edit, button] {
            auto* options = window.findChild<TFormOptions*>("TFormOptions");
            if (!options || !options->isVisible()) {
                ADD_FAILURE() << "the options dialog was not shown";
                return;
            }
            edit(*options);
            Click(*options, button);
        });
        window.findChild<QAction*>("Options1")->trigger();
    }

    TempDir home;
    const std::string data = home.path() + "/data";
    ScopedEnv configHome{"XDG_CONFIG_HOME", (home.path() + "/config").c_str()};
    ScopedEnv dataHome{"XDG_DATA_HOME", (home.path() + "/share").c_str()};
    ScopedEnv dataFolder{"PLANZETA_DATA_DIR", data.c_str()};
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(OptionsCommandTest, NewObjectsAndRoomsTakeTheColoursAndUnitChosen)
{
    TForm1 window(prompts, {});
    prompts.colours = {0x00FF00};
    RunOptions(window, [](TFormOptions& dialog) {
        Click(dialog, "ImgFill");
        Control<QComboBox>(dialog, "CbDefUnit")->setCurrentIndex(0);
    }, "BtnOK");
    EXPECT_EQ(CPart().FillColor, 0x00FF00u);
    EXPECT_EQ(CRoom().UnitName, "mm");
}

TEST_F(OptionsCommandTest, CancelLeavesNewObjectsAsTheyWere)
{
    TForm1 window(prompts, {});
    const Colour before = CPart().FillColor;
    prompts.colours = {0x00FF00};
    RunOptions(window, [](TFormOptions& dialog) { Click(dialog, "ImgFill"); }, "BtnCancel");
    EXPECT_EQ(CPart().FillColor, before);
}

TEST_F(OptionsCommandTest, TurningAutosizeOnFitsTheWindowToThePlan)
{
    TForm1 window(prompts, {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(200, 150);
    QCoreApplication::processEvents();
    auto* scroll = window.findChild<QScrollArea*>("ScrollBox1");
    ASSERT_LT(scroll->viewport()->width(), scroll->widget()->width());

    RunOptions(window, [](TFormOptions& dialog) { Click(dialog, "ChkAutosize"); }, "BtnOK");
    QCoreApplication::processEvents();
    EXPECT_GE(scroll->viewport()->width(), scroll->widget()->width());
    EXPECT_GE(scroll->viewport()->height(), scroll->widget()->height());
}
