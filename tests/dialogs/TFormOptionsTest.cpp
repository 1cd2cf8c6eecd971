// The options dialog driven as a user drives it, alone and as the main window's "Options..."
// command; the colour chooser is answered by a script.

#include "dialogs/TFormOptions.h"

#include "dialogs/ColourSwatch.h"
#include "editor/TForm1.h"
#include "model/CPart.h"
#include "platform/COptions.h"
#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QScrollArea>

namespace {

class TFormOptionsTest : public ::testing::Test {
protected:
    bool Checked(const char* name) { return Control<QCheckBox>(dialog, name)->isChecked(); }
    QComboBox* Units() { return Control<QComboBox>(dialog, "CbDefUnit"); }
    Colour Swatch(const char* name) { return Control<ColourSwatch>(dialog, name)->Value(); }

    // Edits every control away from the fresh options; the fill colour's chooser is cancelled.
    void EditEverything()
    {
        prompts.colours = {0x0000FF, std::nullopt, 0xFF0000};
        Click(dialog, "ImgColor");
        Click(dialog, "ImgFill");
        Click(dialog, "ImgTextColor");
        for (const char* box : {"ChkExport100", "ChkExpAddText", "ChkAutosize", "ChkOpenBestFit"})
            Click(dialog, box);
        Units()->setCurrentIndex(5);
    }

    ScriptedPrompts prompts;
    COptions options;
    TFormOptions dialog{prompts, options};
};

}  // namespace

TEST_F(TFormOptionsTest, ShowsTheOptionsCancelChangesNothingAndOKTakesEveryControl)
{
    options.DefTextColor = 0x778899;
    options.OpenInBestFit = false;
    options.DefaultUnit = "ft";
    Show(dialog);
    EXPECT_EQ(Swatch("ImgTextColor"), 0x778899u);
    EXPECT_TRUE(Checked("ChkExpAddText"));
    EXPECT_FALSE(Checked("ChkOpenBestFit"));
    EXPECT_EQ(Units()->currentText(), "ft");
    EditEverything();
    Click(dialog, "BtnCancel");
    EXPECT_EQ(dialog.result(), TFormOptions::ResultCancel);
    EXPECT_EQ(options.DefLineColor, COptions().DefLineColor);
    EXPECT_TRUE(options.ExpIn100);
    EXPECT_EQ(options.DefaultUnit, "ft");

    // Shown again, the dialog holds the options, not the edits cancelled.
    Show(dialog);
    EXPECT_EQ(Swatch("ImgColor"), COptions().DefLineColor);
    EXPECT_TRUE(Checked("ChkExport100"));
    const Colour fill = options.DefFillColor;
    EditEverything();
    Click(dialog, "BtnOK");
    EXPECT_EQ(dialog.result(), TFormOptions::ResultOk);
    EXPECT_EQ(options.DefLineColor, 0x0000FFu);
    EXPECT_EQ(options.DefFillColor, fill);
    EXPECT_EQ(options.DefTextColor, 0xFF0000u);
    EXPECT_FALSE(options.ExpIn100);
    EXPECT_FALSE(options.ExpAddText);
    EXPECT_FALSE(options.Autosize);
    EXPECT_TRUE(options.OpenInBestFit);
    EXPECT_EQ(options.DefaultUnit, "m");

    // A unit the list does not hold shows as inches.
    options.DefaultUnit = "yd";
    Show(dialog);
    EXPECT_EQ(Units()->currentText(), "Inches (\")");
    Click(dialog, "BtnOK");
    EXPECT_EQ(options.DefaultUnit, "\"");
}

TEST(OptionsCommandTest, NewObjectsAndRoomsTakeTheChoiceAndAutosizeFitsTheWindow)
{
    EditorHome home;
    ScriptedPrompts prompts;
    TForm1 window(prompts, {});
    Show(window);
    window.resize(200, 150);
    QCoreApplication::processEvents();
    auto* scroll = window.findChild<QScrollArea*>("ScrollBox1");
    ASSERT_LT(scroll->viewport()->width(), scroll->widget()->width());
    const auto run = [&window](std::function<void(QDialog&)> edit, const char* button) {
        WhenShown(window, "TFormOptions", [edit, button](QDialog& dialog) {
            edit(dialog);
            Click(dialog, button);
        });
        Control<QAction>(window, "Options1")->trigger();
    };

    const Colour fill = CPart().FillColor;
    prompts.colours = {0x00FF00};
    run([](QDialog& dialog) { Click(dialog, "ImgFill"); }, "BtnCancel");
    EXPECT_EQ(CPart().FillColor, fill);

    prompts.colours = {0x00FF00};
    run([](QDialog& dialog) {
        Click(dialog, "ImgFill");
        Control<QComboBox>(dialog, "CbDefUnit")->setCurrentIndex(0);
        Click(dialog, "ChkAutosize");
    }, "BtnOK");
    EXPECT_EQ(CPart().FillColor, 0x00FF00u);
    EXPECT_EQ(CRoom().UnitName, "mm");
    QCoreApplication::processEvents();
    EXPECT_GE(scroll->viewport()->width(), scroll->widget()->width());
    EXPECT_GE(scroll->viewport()->height(), scroll->widget()->height());
}
