#include "dialogs/ModalDialog.h"

#include "dialogs/DialogTexts.h"
#include "localize/Messages.h"
#include "platform/QtConversions.h"

#include <QHBoxLayout>
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
