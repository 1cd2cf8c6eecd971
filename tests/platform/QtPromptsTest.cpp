// Qt's own choosers as the program sets them up, answered as a user answers them.

#include "platform/QtPrompts.h"

#include "support/Widgets.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPushButton>

TEST(QtPrompts, TheFontChooserOffersScalableFontsAndTheTextColour)
{
    QWidget owner;
    QtPrompts prompts(&owner);
    WhenShown(owner, "FontDialog", [&owner](QDialog& dialog) {
        EXPECT_TRUE(static_cast<QFontDialog&>(dialog).testOption(QFontDialog::ScalableFonts));
        WhenShown(owner, "ColourDialog", [](QDialog& shown) {
            auto& colours = static_cast<QColorDialog&>(shown);
            EXPECT_EQ(colours.currentColor(), QColor(Qt::red)) << "the label's colour to start from";
            colours.setCurrentColor(Qt::blue);
            colours.accept();
        });
        Click(dialog, "BtnFontColour");
        EXPECT_TRUE(dialog.isVisible()) << "the colour is chosen beside the font";
        dialog.accept();
    });
    const std::optional<FontChoice> chosen = prompts.ChooseFont({CFont{"Serif", 14}, 0x0000FF});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->colour, 0xFF0000u);
    EXPECT_EQ(chosen->font.size, 14);
}
