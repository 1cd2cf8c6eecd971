#pragma once
// The language chooser: the languages of the installed language files, sorted by name, with
// the one in use selected. OK or a double click switches to the selected language.

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

class CALocalize;
class QLabel;
class QListWidget;

class TFormLang : public ModalDialog {
    Q_OBJECT
public:
    using LanguageChoice = std::function<void(int32_t id)>;

    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "LanguagesDlg";
    static constexpr int HelpContext = 9;
    static std::span<const DialogText> Texts();

    explicit TFormLang(const CALocalize& localizer, QWidget* parent = nullptr);

    // Called with the identifier of the language chosen by OK or a double click.
    void SetLanguageChoice(LanguageChoice choice) { choice_ = std::move(choice); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    void ChooseSelected();

    const CALocalize& localizer_;
    LanguageChoice choice_;
    QLabel* LbLang;
    QListWidget* LsLang;
    QLabel* LbAddLocal;
};
