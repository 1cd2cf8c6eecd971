#include "dialogs/TFormPrint.h"

#include "base/Numeric.h"
#include "dialogs/ErrorReport.h"
#include "model/CRoom.h"
#include "output/PrintTexts.h"
#include "platform/COptions.h"
#include "platform/Prompts.h"
#include "platform/QtConversions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace {

enum TextKey {
    CaptionKey = 1,
    BoxPrinterKey = 2,
    NameKey = 3,
    OrientationKey = 4,
    PortraitKey = 5,
    LandscapeKey = 6,
    BtnSetupKey = 7,
    ChkPrintInColorKey = 8,
    BoxLayoutKey = 9,
    ChkTitleKey = 10,
    PanelRoomKey = 11,
    ChkScaleKey = 12,
    ChkNote1Key = 13,
    ChkNote2Key = 14,
    BoxImageScaleKey = 15,
    RbMaximizeKey = 16,
    RbScaleKey = 17,
    BoxPrintAttrKey = 18,
    MaxKey = 19,
    NotANumberKey = 20,
    TooHighKey = TFormPrint::ScaleTooHighKey,
    LbPageBorderKey = 22,
};

constexpr DialogText PrintTexts[] = {
    {CaptionKey, "TFormPrint", TextRole::Caption, "Print"},
    {BoxPrinterKey, "BoxPrinter", TextRole::Caption, "Printer"},
    {NameKey, nullptr, TextRole::LookedUp, "Name:"},
    {OrientationKey, nullptr, TextRole::LookedUp, "Paper orientation:"},
    {PortraitKey, nullptr, TextRole::LookedUp, "Portrait"},
    {LandscapeKey, nullptr, TextRole::LookedUp, "Landscape"},
    {BtnSetupKey, "BtnSetup", TextRole::Caption, "Setup..."},
    {ChkPrintInColorKey, "ChkPrintInColor", TextRole::Caption, "Print in color"},
    {BoxLayoutKey, "BoxLayout", TextRole::Caption, "Page layout"},
    {ChkTitleKey, "ChkTitle", TextRole::Caption, "Title:"},
    {PanelRoomKey, "PanelRoom", TextRole::Caption, "... room drawing ..."},
    {ChkScaleKey, "ChkScale", TextRole::Caption, "Draw scale"},
    {ChkNote1Key, "ChkNote1", TextRole::Caption, "Note1:"},
    {ChkNote2Key, "ChkNote2", TextRole::Caption, "Note2:"},
    {BoxImageScaleKey, "BoxImageScale", TextRole::Caption, "Room drawing size"},
    {RbMaximizeKey, "RbMaximize", TextRole::Caption, "Maximize"},
    {RbScaleKey, "RbScale", TextRole::Caption, "Scale:"},
    {BoxPrintAttrKey, "BoxPrintAttr", TextRole::Caption, "Options"},
    {MaxKey, nullptr, TextRole::LookedUp, "max"},
    {NotANumberKey, nullptr, TextRole::LookedUp, "The scale must be a decimal number."},
    {TooHighKey, nullptr, TextRole::LookedUp, "Required scale is too high. The image would exceed the page."},
    {LbPageBorderKey, "LbPageBorder", TextRole::Caption, "Page border:"},
};

constexpr double HundredthsPerCentimetre = 100.0;

QString Text(int key)
{
    return LookedUpText(TFormPrint::Section, PrintTexts, key);
}

// A decimal number as the user's locale or plain C writes it.
std::optional<double> DecimalIn(const QLineEdit* edit)
{
    const QString text = edit->text().trimmed();
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

}  // namespace

std::span<const DialogText> TFormPrint::Texts()
{
    return PrintTexts;
}

TFormPrint::TFormPrint(Prompts& prompts, COptions& options, QWidget* parent)
    : ModalDialog(parent, HelpContext), prompts_(prompts), options_(options), printer_(QPrinter::HighResolution)
{
    setObjectName("TFormPrint");
    setWindowTitle(DesignedText(PrintTexts, CaptionKey));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setResolution(PdfDocument::Resolution);
        printer_.setPageLayout(PdfDocument::A4(QPageLayout::Portrait));
    }

    auto* top = new QHBoxLayout;
    top->addWidget(MakePrinterBox());
    top->addWidget(MakeScaleBox());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeLayoutBox());
    layout->addWidget(MakeOptionsBox());
    layout->addWidget(MakeButtonBox(true));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectHandlers();
}

QGroupBox* TFormPrint::MakePrinterBox()
{
    LbPrinterName = Named<QLabel>("LbPrinterName");
    LbOrientation = Named<QLabel>("LbOrientation");
    BtnSetup = Designed<QPushButton>(PrintTexts, BtnSetupKey);
    ChkPrintInColor = Designed<QCheckBox>(PrintTexts, ChkPrintInColorKey);
    BoxPrinter = Designed<QGroupBox>(PrintTexts, BoxPrinterKey);
    auto* box = new QGridLayout(BoxPrinter);
    box->addWidget(LbPrinterName, 0, 0, 1, 2);
    box->addWidget(LbOrientation, 1, 0);
    box->addWidget(BtnSetup, 1, 1);
    box->addWidget(ChkPrintInColor, 2, 0, 1, 2, Qt::AlignLeft);
    return BoxPrinter;
}

QGroupBox* TFormPrint::MakeLayoutBox()
{
    ChkTitle = Designed<QCheckBox>(PrintTexts, ChkTitleKey);
    EdTitle = Named<QLineEdit>("EdTitle");
    PanelRoom = Designed<QLabel>(PrintTexts, PanelRoomKey);
    PanelRoom->setFrameShape(QFrame::Box);
    PanelRoom->setAlignment(Qt::AlignCenter);
    PanelRoom->setMinimumHeight(60);
    ChkScale = Designed<QCheckBox>(PrintTexts, ChkScaleKey);
    ChkNote1 = Designed<QCheckBox>(PrintTexts, ChkNote1Key);
    EdNote1 = Named<QLineEdit>("EdNote1");
    ChkNote2 = Designed<QCheckBox>(PrintTexts, ChkNote2Key);
    EdNote2 = Named<QLineEdit>("EdNote2");
    BoxLayout = Designed<QGroupBox>(PrintTexts, BoxLayoutKey);
    auto* box = new QGridLayout(BoxLayout);
    box->addWidget(ChkTitle, 0, 0);
    box->addWidget(EdTitle, 0, 1);
    box->addWidget(PanelRoom, 1, 1);
    box->addWidget(ChkScale, 2, 1, Qt::AlignLeft);
    box->addWidget(ChkNote1, 3, 0);
    box->addWidget(EdNote1, 3, 1);
    box->addWidget(ChkNote2, 4, 0);
    box->addWidget(EdNote2, 4, 1);
    return BoxLayout;
}

QGroupBox* TFormPrint::MakeScaleBox()
{
    RbMaximize = Designed<QRadioButton>(PrintTexts, RbMaximizeKey);
    RbMaximize->setChecked(true);
    RbScale = Designed<QRadioButton>(PrintTexts, RbScaleKey);
    LabelPIS1 = Named<QLabel>("LabelPIS1", "1 :");
    EdPrintInScale = Named<QLineEdit>("EdPrintInScale");
    LabelPIS1->setBuddy(EdPrintInScale);
    LbMaxScale = Named<QLabel>("LbMaxScale");
    BoxImageScale = Designed<QGroupBox>(PrintTexts, BoxImageScaleKey);
    auto* box = new QGridLayout(BoxImageScale);
    box->addWidget(RbMaximize, 0, 0, 1, 3);
    box->addWidget(RbScale, 1, 0);
    box->addWidget(LabelPIS1, 1, 1);
    box->addWidget(EdPrintInScale, 1, 2);
    box->addWidget(LbMaxScale, 2, 1, 1, 2);
    return BoxImageScale;
}

QGroupBox* TFormPrint::MakeOptionsBox()
{
    EdPageBorder = Named<QLineEdit>("EdPageBorder");
    LbPageBorder = Designed<QLabel>(PrintTexts, LbPageBorderKey);
    LbPageBorder->setBuddy(EdPageBorder);
    LbUnit = Named<QLabel>("LbUnit", "cm");
    BoxPrintAttr = Designed<QGroupBox>(PrintTexts, BoxPrintAttrKey);
    auto* box = new QHBoxLayout(BoxPrintAttr);
    box->addWidget(LbPageBorder);
    box->addWidget(EdPageBorder);
    box->addWidget(LbUnit);
    box->addStretch();
    return BoxPrintAttr;
}

void TFormPrint::ConnectHandlers()
{
    connect(BtnSetup, &QPushButton::clicked, this, &TFormPrint::BtnSetupClick);
    for (QCheckBox* box : {ChkTitle, ChkNote1, ChkNote2})
        connect(box, &QCheckBox::toggled, this, &TFormPrint::ChkTitleClick);
    connect(EdPageBorder, &QLineEdit::textChanged, this, &TFormPrint::ChkTitleClick);
    connect(EdTitle, &QLineEdit::textEdited, this, [this] { autoTitle_ = false; });
    connect(EdNote1, &QLineEdit::textEdited, this, [this] { autoNote_ = false; });
    connect(ChkScale, &QCheckBox::toggled, this, &TFormPrint::ChkScaleClick);
    connect(RbScale, &QRadioButton::toggled, this, &TFormPrint::RbScaleClick);
    connect(BtnOK, &QPushButton::clicked, this, &TFormPrint::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormPrint::reject);
}

int TFormPrint::Edit(const CRoom& room, QSize planImage, const QString& fileName)
{
    room_ = &room;
    planImage_ = planImage;
    fileName_ = fileName;
    const int result = exec();
    shown_ = false;
    room_ = nullptr;
    return result;
}

PrintChoices TFormPrint::Choices() const
{
    return {.content = Content(),
            .title = EdTitle->text(),
            .note1 = EdNote1->text(),
            .note2 = EdNote2->text(),
            .colour = ChkPrintInColor->isChecked(),
            .copies = printer_.copyCount()};
}

void TFormPrint::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormPrint::FormShow()
{
    shown_ = false;
    BtnOK->setFocus();
    // The picture printed: the room rendered afresh at one pixel per unit, or the plan on screen.
    const bool at100 = options_.ExpIn100;
    calculator_.ImageWidth = at100 ? SaturateToInt(room_->TotalWidth()) : planImage_.width();
    calculator_.ImageHeight = at100 ? SaturateToInt(room_->TotalHeight()) : planImage_.height();
    EdPageBorder->setText(ToQString(DecimalText(options_.PageBorder / HundredthsPerCentimetre, LocalePunctuation())));
    calculator_.ResetPrinter();
    calculator_.RequestedScale = -1.0;
    shown_ = true;
    UpdatePrinterInfo();
    if (EdTitle->text().isEmpty() || autoTitle_)
        EdTitle->setText(ToQString(DefaultPrintTitle(fileName_.toStdString())));
    if (options_.ExpAddText && (EdNote1->text().isEmpty() || autoNote_))
        EdNote1->setText(ToQString(RoomDimensionsNote(*room_)));
    ChkTitle->setChecked(!EdTitle->text().isEmpty());
    ChkNote1->setChecked(!EdNote1->text().isEmpty());
    ChkNote2->setChecked(!EdNote2->text().isEmpty());
    ChkScale->setChecked(options_.PrintScale);
    ChkTitleClick();
    RbScaleClick();
}

void TFormPrint::UpdatePrinterInfo()
{
    if (!shown_)
        return;
    printer_.setPageOrientation(PaperOrientation(options_.PaperOrientation));
    LbPrinterName->setText(Text(NameKey) + " " + PrinterName());
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    LbOrientation->setText(Text(OrientationKey) + " " + Text(landscape ? LandscapeKey : PortraitKey));
    const double border = DecimalIn(EdPageBorder).value_or(options_.PageBorder / HundredthsPerCentimetre);
    // Rounded, so that 1.15 cm is kept as 115 hundredths and not as 114.999... cut to 114.
    options_.PageBorder = RoundToInt(border * HundredthsPerCentimetre);
    calculator_.PageBorder = border;
    Calculate();
    LbMaxScale->setText(
        ToQString(MaxScaleText(Text(MaxKey).toStdString(), calculator_.MaxScale, LocalePunctuation())));
}

// Takes the printer's figures when they are not known yet; a PDF file is measured as the
// document it will be printed into.
bool TFormPrint::Calculate()
{
    if (!calculator_.Printer()) {
        const PrinterFigures figures = PrintsToPdf() ? MeasurePrinter(PdfDocument(printer_.pageLayout()).Device())
                                                     : MeasurePrinter(printer_);
        if (figures.pageWidth <= 0 || figures.pageHeight <= 0)
            prompts_.Message(Text(CaptionKey).toStdString(), "Page size is null", PromptIcon::Warning, ButtonOk);
        calculator_.SetPrinter(figures);
    }
    return calculator_.Calculate(*room_, Content());
}

PageContent TFormPrint::Content() const
{
    return {.title = ChkTitle->isChecked(),
            .scaleBar = ChkScale->isChecked(),
            .note1 = ChkNote1->isChecked(),
            .note2 = ChkNote2->isChecked()};
}

QString TFormPrint::PrinterName() const
{
    return PrintsToPdf() ? QStringLiteral("PDF file") : printer_.printerName();
}

void TFormPrint::BtnSetupClick()
{
    QPrintDialog dialog(&printer_, this);
    dialog.setObjectName("PrintDialog1");
    // The program asks for the file itself; without a printer a file is all there is.
    if (!PrintsToPdf())
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    options_.PaperOrientation = OrientationOption(printer_.pageLayout().orientation());
    calculator_.ResetPrinter();
    UpdatePrinterInfo();
}

void TFormPrint::ChkTitleClick()
{
    EdTitle->setEnabled(ChkTitle->isChecked());
    EdNote1->setEnabled(ChkNote1->isChecked());
    EdNote2->setEnabled(ChkNote2->isChecked());
    UpdatePrinterInfo();
}

void TFormPrint::ChkScaleClick()
{
    if (!shown_)
        return;
    options_.PrintScale = ChkScale->isChecked();
    UpdatePrinterInfo();
}

void TFormPrint::RbScaleClick()
{
    const bool atScale = RbScale->isChecked();
    EdPrintInScale->setEnabled(atScale);
    LabelPIS1->setEnabled(atScale);
    LbMaxScale->setEnabled(atScale);
}

// A scale of 0 or less prints as large as the page allows. The dialog stays open while the
// drawing would not fit, so that what is printed is what was asked for.
void TFormPrint::BtnOKClick()
{
    calculator_.RequestedScale = -1.0;
    if (RbScale->isChecked()) {
        const std::optional<double> scale = DecimalIn(EdPrintInScale);
        if (!scale) {
            ShowError(NotANumberKey);
            return;
        }
        calculator_.RequestedScale = *scale;
    }
    const bool fits = Calculate();
    calculator_.RequestedScale = -1.0;
    if (!fits) {
        ShowError(TooHighKey);
        return;
    }
    done(ResultOk);
}

void TFormPrint::ShowError(int key)
{
    ReportError(prompts_, Text(key).toStdString());
    if (RbScale->isChecked())
        EdPrintInScale->setFocus();
}
