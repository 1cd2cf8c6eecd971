#pragma once
// The label properties dialog: a label's lines of text, font, alignment, background and text
// colours and position. A label's size is never typed: it is measured from the text in its
// font when the dialog's values are written into the label.
//
// The dialog keeps the font it shows from one label to the next, starting from the default
// label font of the options, and stores it back there whenever it closes, so that the next
// new label starts with the last font used.

#include "base/CFont.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/ObjectPropertyRules.h"

#include <span>
#include <string_view>

class ColourSwatch;
class COptions;
class CPart;
class CRoom;
class Prompts;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFormTextProps : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 8;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "LabelPropertiesDlg";
    static std::span<const DialogText> Texts();

    TFormTextProps(Prompts& prompts, COptions& options, QWidget* parent = nullptr);

    // The room the label belongs to, for its local coordinates. Set it before SetLabel.
    void SetRoom(const CRoom& room);
    // Shows a label; one without a font shows in the font the dialog showed last.
    void SetLabel(const CPart& label);
    // Writes the fields into a label and measures its size.
    void ApplyToLabel(CPart& label) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLayout* MakeTextFields();
    QGroupBox* MakeColourGroup();
    QLayout* MakePositionFields();

    void ShowFont();
    void ShowAlignment();
    void ShowColour(QCheckBox* box, ColourSwatch* swatch, Colour colour, QPalette::ColorRole unticked);
    void ChooseFont();

    QLabel* LbText;
    QPlainTextEdit* MmText;
    QPushButton* BtnFont;
    QLabel* LbAlign;
    QComboBox* CbAlign;
    QGroupBox* GroupBoxColors;
    QCheckBox* ChkFill;
    ColourSwatch* ImgFill;
    QCheckBox* ChkTextColor;
    ColourSwatch* ImgTextColor;
    QLabel* LbPos;
    QLineEdit* EdPosX;
    QLineEdit* EdPosY;
    QLabel* LbLocal;

    Prompts& prompts_;
    COptions& options_;
    ObjectRoom room_;
    CFont font_;
};
