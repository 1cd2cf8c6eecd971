#pragma once
// The options dialog: the colours new objects take, the export and print switches, how the
// window fits the plan and the unit new rooms take. It shows the options it edits each time
// it opens and writes them back only on OK.

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"

#include <span>
#include <string_view>

class COptions;
class ColourSwatch;
class Prompts;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

class TFormOptions : public ModalDialog {
    Q_OBJECT
public:
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "OptionsDlg";
    static std::span<const DialogText> Texts();

    TFormOptions(Prompts& prompts, COptions& options, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowOptions();
    void OkClicked();

    QGroupBox* ColorGroup;
    QLabel* LbLineColor;
    ColourSwatch* ImgColor;
    QLabel* LbFillColor;
    ColourSwatch* ImgFill;
    QLabel* LbTextColor;
    ColourSwatch* ImgTextColor;
    QGroupBox* ExportGroup;
    QCheckBox* ChkExport100;
    QCheckBox* ChkExpAddText;
    QCheckBox* ChkExpBackground;
    QCheckBox* ChkPrintBackground;
    QGroupBox* GeneralGroup;
    QCheckBox* ChkAutosize;
    QCheckBox* ChkOpenBestFit;
    QLabel* LbDefUnit;
    QComboBox* CbDefUnit;

    COptions& options_;
};
