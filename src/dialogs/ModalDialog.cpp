#include "dialogs/ModalDialog.h"

#include "dialogs/DialogTexts.h"
#include "localize/Messages.h"
#include "platform/QtConversions.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

QHBoxLayout* ModalDialog::MakeButtonRow(bool withHelp, bool okIsDefault)
{
    BtnOK = Named<QPushButton>("BtnOK", ToQString(std::string(EnglishMessage(MsgOk))));
    BtnCancel = Named<QPushButton>("BtnCancel", ToQString(std::string(EnglishMessage(MsgCancel))));
    BtnOK->setDefault(okIsDefault);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(BtnOK);
    row->addWidget(BtnCancel);
    if (withHelp) {
        BtnHelp = Named<QPushButton>("BtnHelp", ToQString(std::string(EnglishMessage(MsgHelp))));
        row->addWidget(BtnHelp);
    }
    return row;
}

void ModalDialog::SetHelpTopic(int context, HelpTopicRequest request)
{
    helpContext_ = context;
    helpRequest_ = std::move(request);
}

void ModalDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && helpRequest_)
        helpRequest_(helpContext_);
    else
        QDialog::keyPressEvent(event);
}
