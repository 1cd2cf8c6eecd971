#include "dialogs/ModalDialog.h"

#include "dialogs/DialogTexts.h"
#include "localize/Messages.h"
#include "platform/QtConversions.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QPushButton* AddButton(QDialogButtonBox* box, const char* name, MessageId caption, QDialogButtonBox::ButtonRole role)
{
    auto* button = Named<QPushButton>(name, ToQString(EnglishMessage(caption)));
    box->addButton(button, role);
    return button;
}

}  // namespace

QDialogButtonBox* ModalDialog::MakeButtonBox(bool withHelp, bool okIsDefault)
{
    // The box belongs to the dialog from the start, so that OK becomes the dialog's own
    // default button, which Enter presses again after another button had the focus.
    auto* box = new QDialogButtonBox(this);
    BtnOK = AddButton(box, "BtnOK", MsgOk, QDialogButtonBox::AcceptRole);
    BtnCancel = AddButton(box, "BtnCancel", MsgCancel, QDialogButtonBox::RejectRole);
    if (withHelp) {
        BtnHelp = AddButton(box, "BtnHelp", MsgHelp, QDialogButtonBox::HelpRole);
        connect(BtnHelp, &QPushButton::clicked, this, &ModalDialog::RequestHelp);
    }
    BtnOK->setDefault(okIsDefault);
    return box;
}

void ModalDialog::RequestHelp()
{
    if (helpRequest_)
        helpRequest_(helpContext_);
}

void ModalDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && helpContext_ != 0)
        RequestHelp();
    else
        QDialog::keyPressEvent(event);
}
