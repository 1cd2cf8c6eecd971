#pragma once
// A one-line prompt for a new name, filled with the present name, which it selects so that
// typing replaces it.

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormRename : public ModalDialog {
    Q_OBJECT
public:
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "RenameDlg";
    static std::span<const DialogText> Texts();

    explicit TFormRename(QWidget* parent = nullptr);

    // Shows the prompt modally; the name typed when it closes with OK, else nothing.
    std::optional<std::string> AskName(const std::string& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* LbPrompt;
    QLineEdit* EdText;
};
