// The rename prompt driven by the keyboard and its buttons.

#include "dialogs/TFormRename.h"

#include "support/Widgets.h"

namespace {

class TFormRenameTest : public ::testing::Test {
protected:
    // Asks for a name and, once the prompt shows, takes the steps.
    std::optional<std::string> Ask(const std::string& name, std::function<void()> steps)
    {
        QTimer::singleShot(0, &prompt, [this, steps] {
            ASSERT_TRUE(prompt.isVisible());
            steps();
        });
        return prompt.AskName(name);
    }

    QLineEdit* Edit() { return prompt.findChild<QLineEdit*>("EdText"); }

    TFormRename prompt;
};

}  // namespace

TEST_F(TFormRenameTest, TheNameShowsSelectedSoThatTypingReplacesItAndCancelOrEscapeGiveNone)
{
    const std::optional<std::string> name = Ask("Old chair", [this] {
        EXPECT_EQ(prompt.windowTitle(), "Rename");
        EXPECT_EQ(prompt.findChild<QLabel*>("LbPrompt")->text(), "Enter new name");
        EXPECT_EQ(prompt.focusWidget(), Edit());
        EXPECT_EQ(Edit()->selectedText(), "Old chair");
        QTest::keyClicks(Edit(), "Armchair");
        QTest::keyClick(Edit(), Qt::Key_Return);
    });
    EXPECT_EQ(prompt.result(), TFormRename::ResultOk);
    EXPECT_EQ(name, "Armchair");
    EXPECT_EQ(Ask("Stool", [this] {
        QTest::keyClick(Edit(), Qt::Key_Delete);
        Click(prompt, "BtnOK");
    }), "");

    EXPECT_FALSE(Ask("Bed", [this] {
        QTest::keyClicks(Edit(), "Sofa");
        Click(prompt, "BtnCancel");
    }));
    EXPECT_FALSE(Ask("Bed", [this] { QTest::keyClick(Edit(), Qt::Key_Escape); }));
    EXPECT_EQ(prompt.result(), TFormRename::ResultCancel);
}
