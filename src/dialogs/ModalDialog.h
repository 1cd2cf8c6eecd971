#pragma once
// A dialog shown modally by the window that owns it, with the results every dialog of the
// program shares (1 for OK, 2 for Cancel) and its row of OK, Cancel and Help buttons.

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QPushButton;

class ModalDialog : public QDialog {
public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    using QDialog::QDialog;
    // A dialog with a help topic, given by its help context number.
    ModalDialog(QWidget* parent, int helpContext) : QDialog(parent), helpContext_(helpContext) {}

    // Escape, the window's close button and Cancel all close with Cancel's result.
    void reject() override { done(ResultCancel); }

    // F1, and the Help button where the dialog has one, ask for the help about the dialog's
    // topic; the request gets its context number. A dialog without a topic asks nothing.
    using HelpRequest = std::function<void(int context)>;
    void SetHelpRequest(HelpRequest request) { helpRequest_ = std::move(request); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Makes BtnOK, BtnCancel and, when asked for, BtnHelp, in a button box that orders them as
    // the desktop does. OK is the default button unless the dialog gives Enter to something
    // else. Their captions are English until the dialog is localized, and stay so when its
    // section is missing.
    QDialogButtonBox* MakeButtonBox(bool withHelp, bool okIsDefault = true);

    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

private:
    void RequestHelp();

    int helpContext_ = 0;
    HelpRequest helpRequest_;
};
