#pragma once
// The print dialog: the printer and its set-up, the title, notes and scale bar around the
// drawing, the drawing's size (as large as the page allows, or at a scale 1 : X) and the page
// border. With no printer installed it prints into a PDF file. Changes of the page border,
// scale bar and orientation go into the options at once; the title and notes typed stay for
// the next print of the run. After OK the calculator holds the fit to print with.

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"
#include "output/CPrintSizeCalculator.h"
#include "output/PrintJob.h"

#include <QPrinter>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>
#include <utility>

class COptions;
class CRoom;
class Prompts;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFormPrint : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 7;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "PrintDlg";
    static std::span<const DialogText> Texts();
    // The text that reports a drawing too large for the page.
    static constexpr int ScaleTooHighKey = 21;

    TFormPrint(Prompts& prompts, COptions& options, QWidget* parent = nullptr);

    // Shows the dialog for the room, whose plan on screen has the size given and which was
    // last saved under the file name (empty when untitled). Returns 1 for OK, 2 for Cancel.
    int Edit(const CRoom& room, QSize planImage, const QString& fileName);

    // What the user chose, the fit found on OK, and the printer to print on.
    PrintChoices Choices() const;
    const CPrintSizeCalculator& Calculator() const { return calculator_; }
    QPrinter& Printer() { return printer_; }
    // No printer is installed: the dialog prints into a PDF file.
    bool PrintsToPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* MakePrinterBox();
    QGroupBox* MakeLayoutBox();
    QGroupBox* MakeScaleBox();
    QGroupBox* MakeOptionsBox();
    void ConnectHandlers();

    void FormShow();
    void UpdatePrinterInfo();
    bool Calculate();
    PageContent Content() const;
    QString PrinterName() const;
    void BtnSetupClick();
    void ChkTitleClick();
    void ChkScaleClick();
    void RbScaleClick();
    void BtnOKClick();
    void ShowError(int key);

    QGroupBox* BoxPrinter;
    QLabel* LbPrinterName;
    QLabel* LbOrientation;
    QPushButton* BtnSetup;
    QCheckBox* ChkPrintInColor;
    QGroupBox* BoxLayout;
    QCheckBox* ChkTitle;
    QLineEdit* EdTitle;
    QLabel* PanelRoom;
    QCheckBox* ChkScale;
    QCheckBox* ChkNote1;
    QLineEdit* EdNote1;
    QCheckBox* ChkNote2;
    QLineEdit* EdNote2;
    QGroupBox* BoxImageScale;
    QRadioButton* RbMaximize;
    QRadioButton* RbScale;
    QLabel* LabelPIS1;
    QLineEdit* EdPrintInScale;
    QLabel* LbMaxScale;
    QGroupBox* BoxPrintAttr;
    QLabel* LbPageBorder;
    QLineEdit* EdPageBorder;
    QLabel* LbUnit;

    Prompts& prompts_;
    COptions& options_;
    QPrinter printer_;
    CPrintSizeCalculator calculator_;
    // The room being printed and the size of its plan on screen, while the dialog is shown.
    const CRoom* room_ = nullptr;
    QSize planImage_;
    QString fileName_;
    // The title and note 1 follow the room until the user types over them.
    bool autoTitle_ = true;
    bool autoNote_ = true;
    // The handlers wait until the dialog has filled itself.
    bool shown_ = false;
};
