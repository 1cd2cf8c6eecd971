#include "editor/TForm1.h"

#include "editor/HelpLinks.h"
#include "editor/StatusTexts.h"
#include "localize/Messages.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QDesktopServices>
#include <QUrl>

void TForm1::CreateHelpActions()
{
    ViewHelpFile1 = NewAction("ViewHelpFile1", [this] { HelpHandler(0, 0); }, {Qt::Key_F1});
    Oprogramu1 = NewAction("Oprogramu1", [this] { ShowAbout(); });
}

void TForm1::HelpHandler(int command, int data)
{
    if (command == HelpQuit)
        return;
    const int context = command == HelpContext ? data : HelpContents;
    const std::string file = HelpFilePath(DataFolder(), engines_.localizer.CurrentHelpFile());
    // The desktop's browser keeps the anchor, which a plain "open this file" would lose.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(HelpUrl(file, context))));
}

void TForm1::ShowAbout()
{
    prompts_.Message(Msg(MsgAbout), AboutText(), PromptIcon::Information, ButtonOk);
}
