// The print dialog driven as a user drives it, on a machine without a printer, where it
// prints into a PDF file of A4 pages at 600 pixels per inch.

#include "dialogs/TFormPrint.h"

#include "model/CRoom.h"
#include "platform/COptions.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <QRadioButton>

namespace {

class TFormPrintTest : public ::testing::Test {
protected:
    TFormPrintTest()
    {
        room.Width = 520;
        room.Height = 420;
        room.SpaceAround = {35, 35, 35, 35};
        room.Unit = 1;
        room.UnitName = "cm";
    }

    void SetUp() override
    {
        if (!dialog.PrintsToPdf())
            GTEST_SKIP() << "a printer is installed";
    }

    // Runs the dialog for the room while `user` works it; `user` ends it.
    int Edit(const QString& fileName, std::function<void()> user)
    {
        QTimer::singleShot(0, &dialog, std::move(user));
        return dialog.Edit(room, QSize(295, 245), fileName);
    }

    void Escape() { QTest::keyClick(&dialog, Qt::Key_Escape); }
    bool Ticked(const char* name) { return Control<QCheckBox>(dialog, name)->isChecked(); }
    bool Enabled(const char* name) { return Control<QWidget>(dialog, name)->isEnabled(); }

    CRoom room;
    COptions options;
    ScriptedPrompts prompts;
    TFormPrint dialog{prompts, options};
};

}  // namespace

TEST_F(TFormPrintTest, FillsItselfFromTheRoomAndKeepsWhatTheUserTyped)
{
    Edit("/home/anna/Kitchen.MST", [this] {
        EXPECT_EQ(Text(dialog, "LbPrinterName"), "Name: PDF file");
        EXPECT_EQ(Text(dialog, "EdTitle"), "Kitchen");
        EXPECT_EQ(Text(dialog, "EdNote1"), "Room dimensions: 520×420 cm");
        EXPECT_TRUE(Ticked("ChkTitle") && Ticked("ChkNote1") && Ticked("ChkScale"));
        EXPECT_FALSE(Ticked("ChkNote2") || Enabled("EdNote2"));
        EXPECT_EQ(Text(dialog, "EdPageBorder"), "1.50");
        EXPECT_TRUE(Control<QRadioButton>(dialog, "RbMaximize")->isChecked());
        EXPECT_FALSE(Enabled("EdPrintInScale"));
        // 590 cm of room and margins across the 18 cm between the borders of an A4 page.
        EXPECT_EQ(Text(dialog, "LbMaxScale"), "(max 1 : 32.79)");
        Escape();
    });
    // The picture has one pixel per centimetre of the room and its margins.
    EXPECT_EQ(dialog.Calculator().ImageWidth, 590);

    // Typed texts stay for the next room, automatic ones follow it; the plan on screen is
    // printed instead when the options say so, and note 1 then has no dimensions.
    options.ExpIn100 = false;
    options.ExpAddText = false;
    Edit("/rooms/Bath.mst", [this] {
        EXPECT_EQ(Text(dialog, "EdTitle"), "Bath");
        Type(dialog, "EdTitle", "Our bathroom");
        Type(dialog, "EdNote1", "");
        Escape();
    });
    EXPECT_EQ(dialog.Calculator().ImageWidth, 295);
    room.Width = 300;
    Edit("", [this] {
        EXPECT_EQ(Text(dialog, "EdTitle"), "Our bathroom");
        EXPECT_EQ(Text(dialog, "EdNote1"), "");
        EXPECT_FALSE(Ticked("ChkNote1"));
        Escape();
    });
}

TEST_F(TFormPrintTest, BorderAndScaleBarGoIntoTheOptionsAtOnceAndOKChecksTheScale)
{
    Edit("", [this] {
        Type(dialog, "EdPageBorder", "1.15");
        EXPECT_EQ(options.PageBorder, 115);
        Type(dialog, "EdPageBorder", "3");
        Type(dialog, "EdPageBorder", "wide");
        Click(dialog, "ChkScale");
        Escape();
    });
    EXPECT_EQ(options.PageBorder, 300) << "text that is no number keeps the border";
    EXPECT_FALSE(options.PrintScale);

    prompts.buttons = {ButtonOk, ButtonOk};
    options.PageBorder = 150;
    const int result = Edit("", [this] {
        Click(dialog, "RbScale");
        EXPECT_TRUE(Enabled("EdPrintInScale"));
        Type(dialog, "EdPrintInScale", "fifty");
        Click(dialog, "BtnOK");
        // 1 : 10 would make the 590 cm 59 cm wide.
        Type(dialog, "EdPrintInScale", "10");
        Click(dialog, "BtnOK");
        EXPECT_EQ(dialog.focusWidget(), Control(dialog, "EdPrintInScale"));
        Type(dialog, "EdPrintInScale", "50");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(result, TFormPrint::ResultOk);
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{
                                 "Message Error: The scale must be a decimal number.",
                                 "Message Error: Required scale is too high. The image would exceed the page."}));
    // At 1 : 50 the 590 cm are 11.8 cm on paper.
    const CPrintSizeCalculator& fit = dialog.Calculator();
    EXPECT_NEAR(fit.ImageWidth * fit.Factor / 600 * 2.54, 11.8, 1e-6);
}
