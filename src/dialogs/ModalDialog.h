#pragma once
// A dialog shown modally by the window that owns it, with the results every dialog of the
// program shares: 1 for OK, 2 for Cancel.

#include <QDialog>

class ModalDialog : public QDialog {
public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    using QDialog::QDialog;

    // Escape, the window's close button and Cancel all close with Cancel's result.
    void reject() override { done(ResultCancel); }
};
