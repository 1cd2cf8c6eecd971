#include "dialogs/TFormOptions.h"

#include "dialogs/ColourSwatch.h"
#include "model/Units.h"
#include "platform/COptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    ColorGroupKey = 2,
    LineColorKey = 3,
    FillColorKey = 4,
    TextColorKey = 5,
    AutosizeKey = 6,
    Export100Key = 7,
    DefUnitKey = 8,
    ExportGroupKey = 9,
    ExpAddTextKey = 10,
    GeneralGroupKey = 11,
    OpenBestFitKey = 12,
    ExpBackgroundKey = 140,
    PrintBackgroundKey = 141,
};

constexpr DialogText OptionsTexts[] = {
    {CaptionKey, "TFormOptions", TextRole::Caption, "Options"},
    {ColorGroupKey, "ColorGroup", TextRole::Caption, "Default object colors"},
    {LineColorKey, "LbLineColor", TextRole::Caption, "Line:"},
    {FillColorKey, "LbFillColor", TextRole::Caption, "Fill:"},
    {TextColorKey, "LbTextColor", TextRole::Caption, "Caption:"},
    {ExportGroupKey, "ExportGroup", TextRole::Caption, "Export and Print"},
    {Export100Key, "ChkExport100", TextRole::Caption, "Export always in 100% zoom"},
    {ExpAddTextKey, "ChkExpAddText", TextRole::Caption, "Add text with room dimensions"},
    {ExpBackgroundKey, "ChkExpBackground", TextRole::Caption, "Export with the background picture"},
    {PrintBackgroundKey, "ChkPrintBackground", TextRole::Caption, "Print with the background picture"},
    {GeneralGroupKey, "GeneralGroup", TextRole::Caption, "General Options"},
    {AutosizeKey, "ChkAutosize", TextRole::Caption, "Auto-size window to fit"},
    {OpenBestFitKey, "ChkOpenBestFit", TextRole::Caption, "Open files in best fit"},
    {DefUnitKey, "LbDefUnit", TextRole::Caption, "Default unit name:"},
};

// The unit selected for an abbreviation that is none of the table's.
constexpr int InchUnit = 2;

QLabel* BuddyLabel(int key, QWidget* buddy)
{
    auto* label = Designed<QLabel>(OptionsTexts, key);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

std::span<const DialogText> TFormOptions::Texts()
{
    return OptionsTexts;
}

TFormOptions::TFormOptions(Prompts& prompts, COptions& options, QWidget* parent)
    : ModalDialog(parent), options_(options)
{
    setObjectName("TFormOptions");
    setWindowTitle(DesignedText(OptionsTexts, CaptionKey));

    ImgColor = Named<ColourSwatch>("ImgColor", prompts);
    ImgFill = Named<ColourSwatch>("ImgFill", prompts);
    ImgTextColor = Named<ColourSwatch>("ImgTextColor", prompts);
    LbLineColor = BuddyLabel(LineColorKey, ImgColor);
    LbFillColor = BuddyLabel(FillColorKey, ImgFill);
    LbTextColor = BuddyLabel(TextColorKey, ImgTextColor);
    ColorGroup = Designed<QGroupBox>(OptionsTexts, ColorGroupKey);
    auto* colours = new QFormLayout(ColorGroup);
    colours->addRow(LbLineColor, ImgColor);
    colours->addRow(LbFillColor, ImgFill);
    colours->addRow(LbTextColor, ImgTextColor);

    ChkExport100 = Designed<QCheckBox>(OptionsTexts, Export100Key);
    ChkExpAddText = Designed<QCheckBox>(OptionsTexts, ExpAddTextKey);
    ExportGroup = Designed<QGroupBox>(OptionsTexts, ExportGroupKey);
    auto* exporting = new QVBoxLayout(ExportGroup);
    exporting->addWidget(ChkExport100);
    exporting->addWidget(ChkExpAddText);
    ChkExpBackground = Designed<QCheckBox>(OptionsTexts, ExpBackgroundKey);
    ChkPrintBackground = Designed<QCheckBox>(OptionsTexts, PrintBackgroundKey);
    exporting->addWidget(ChkExpBackground);
    exporting->addWidget(ChkPrintBackground);

    ChkAutosize = Designed<QCheckBox>(OptionsTexts, AutosizeKey);
    ChkOpenBestFit = Designed<QCheckBox>(OptionsTexts, OpenBestFitKey);
    CbDefUnit = Named<QComboBox>("CbDefUnit");
    for (const UnitInfo& unit : Units)
        CbDefUnit->addItem(QString::fromUtf8(unit.listText.data(), static_cast<qsizetype>(unit.listText.size())));
    LbDefUnit = BuddyLabel(DefUnitKey, CbDefUnit);
    GeneralGroup = Designed<QGroupBox>(OptionsTexts, GeneralGroupKey);
    auto* general = new QFormLayout(GeneralGroup);
    general->addRow(ChkAutosize);
    general->addRow(ChkOpenBestFit);
    general->addRow(LbDefUnit, CbDefUnit);

    auto* buttons = MakeButtonBox(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ColorGroup);
    layout->addWidget(ExportGroup);
    layout->addWidget(GeneralGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOK, &QPushButton::clicked, this, &TFormOptions::OkClicked);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormOptions::reject);
}

void TFormOptions::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        ShowOptions();
    QDialog::showEvent(event);
}

void TFormOptions::ShowOptions()
{
    ImgColor->SetValue(options_.DefLineColor);
    ImgFill->SetValue(options_.DefFillColor);
    ImgTextColor->SetValue(options_.DefTextColor);
    ChkExport100->setChecked(options_.ExpIn100);
    ChkExpAddText->setChecked(options_.ExpAddText);
    ChkExpBackground->setChecked(options_.ExpBackground);
    ChkPrintBackground->setChecked(options_.PrintBackground);
    ChkAutosize->setChecked(options_.Autosize);
    ChkOpenBestFit->setChecked(options_.OpenInBestFit);
    const int unit = UnitFromAbbreviation(options_.DefaultUnit);
    CbDefUnit->setCurrentIndex(unit >= 0 ? unit : InchUnit);
}

void TFormOptions::OkClicked()
{
    options_.DefLineColor = ImgColor->Value();
    options_.DefFillColor = ImgFill->Value();
    options_.DefTextColor = ImgTextColor->Value();
    options_.ExpIn100 = ChkExport100->isChecked();
    options_.ExpAddText = ChkExpAddText->isChecked();
    options_.ExpBackground = ChkExpBackground->isChecked();
    options_.PrintBackground = ChkPrintBackground->isChecked();
    options_.Autosize = ChkAutosize->isChecked();
    options_.OpenInBestFit = ChkOpenBestFit->isChecked();
    options_.DefaultUnit = std::string(UnitAt(CbDefUnit->currentIndex()).abbreviation);
    done(ResultOk);
}
