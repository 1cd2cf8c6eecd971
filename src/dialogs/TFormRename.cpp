#include "dialogs/TFormRename.h"

#include "localize/Messages.h"
#include "platform/QtConversions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    PromptKey = 2,
};

constexpr DialogText RenameTexts[] = {
    {CaptionKey, "TFormRename", TextRole::Caption, "Rename"},
    {PromptKey, "LbPrompt", TextRole::Caption, "Enter new name"},
};

}  // namespace

std::span<const DialogText> TFormRename::Texts()
{
    return RenameTexts;
}

TFormRename::TFormRename(QWidget* parent)
    : ModalDialog(parent)
{
    setObjectName("TFormRename");
    setWindowTitle(DesignedText(RenameTexts, CaptionKey));

    LbPrompt = Designed<QLabel>(RenameTexts, PromptKey);
    EdText = Named<QLineEdit>("EdText");
    EdText->setMinimumWidth(240);
    LbPrompt->setBuddy(EdText);

    auto* buttons = MakeButtonBox(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LbPrompt);
    layout->addWidget(EdText);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormRename::reject);
}

std::optional<std::string> TFormRename::AskName(const std::string& name)
{
    EdText->setText(ToQString(name));
    if (exec() != ResultOk)
        return std::nullopt;
    return TextOf(EdText);
}

void TFormRename::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        EdText->setFocus();
        EdText->selectAll();
    }
    QDialog::showEvent(event);
}
