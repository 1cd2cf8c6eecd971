// Every dialog with a help topic asks for it from F1 and from its Help button where it has one.

#include "dialogs/TForm3D.h"
#include "dialogs/TFormCoord.h"
#include "dialogs/TFormLang.h"
#include "dialogs/TFormPrint.h"
#include "dialogs/TFormProp.h"
#include "dialogs/TFormRename.h"
#include "dialogs/TFormRoom.h"
#include "dialogs/TFormTextProps.h"
#include "dialogs/TFormWalls.h"
#include "localize/CALocalize.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <memory>

namespace {

struct Needs {
    ScriptedPrompts prompts;
    TFormRename rename;
    TFormWalls walls{prompts};
    COptions options;
    CALocalize localizer;
    CRoom room;
};

struct HelpRow {
    const char* dialog;
    std::function<std::unique_ptr<ModalDialog>(Needs&)> make;
    int context;
    bool hasButton;
    // Shows the dialog modally as its callers do, when a plain exec() would not.
    std::function<void(QDialog&, Needs&)> run = [](QDialog& dialog, Needs&) { dialog.exec(); };
};

void PrintTo(const HelpRow& row, std::ostream* out)
{
    *out << row.dialog;
}

class HelpButtonsTest : public ::testing::TestWithParam<HelpRow> {};

}  // namespace

TEST_P(HelpButtonsTest, TheButtonAndF1AskForTheDialogsTopic)
{
    const HelpRow& row = GetParam();
    Needs needs;
    std::vector<int> asked;
    const auto dialog = row.make(needs);
    dialog->SetHelpRequest([&asked](int context) { asked.push_back(context); });
    const QByteArray name = dialog->objectName().toUtf8();
    WhenShown(*dialog, name.constData(), [&row](QDialog& shown) {
        if (row.hasButton)
            Click(shown, "BtnHelp");
        QTest::keyClick(&shown, Qt::Key_F1);
        EXPECT_TRUE(shown.isVisible());
        shown.reject();
    });
    row.run(*dialog, needs);
    EXPECT_EQ(asked, std::vector<int>(row.hasButton ? 2 : 1, row.context));
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, HelpButtonsTest,
    ::testing::Values(
        HelpRow{"Walls", [](Needs& n) { return std::make_unique<TFormWalls>(n.prompts); }, 4, true},
        HelpRow{"Coordinates", [](Needs&) { return std::make_unique<TFormCoord>(); }, 4, true},
        HelpRow{"ObjectProperties", [](Needs& n) { return std::make_unique<TFormProp>(n.prompts, n.rename); }, 6, true},
        HelpRow{"Print", [](Needs& n) { return std::make_unique<TFormPrint>(n.prompts, n.options); }, 7, true,
                [](QDialog& dialog, Needs& n) { static_cast<TFormPrint&>(dialog).Edit(n.room, QSize(100, 80), ""); }},
        HelpRow{"Room", [](Needs& n) { return std::make_unique<TFormRoom>(n.prompts, n.walls); }, 4, false},
        HelpRow{"Label", [](Needs& n) { return std::make_unique<TFormTextProps>(n.prompts, n.options); }, 8, false},
        HelpRow{"Languages", [](Needs& n) { return std::make_unique<TFormLang>(n.localizer); }, 9, false},
        HelpRow{"Explore3D", [](Needs&) { return std::make_unique<TForm3D>(); }, 10, true}),
    [](const ::testing::TestParamInfo<HelpRow>& info) { return std::string(info.param.dialog); });
