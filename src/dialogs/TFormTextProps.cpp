#include "dialogs/TFormTextProps.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/LabelRules.h"
#include "localize/Messages.h"
#include "model/CPart.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "platform/Prompts.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"
#include "platform/RoomFileText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextOption>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    PositionKey = 2,
    FontKey = 3,
    AlignKey = 4,
    ColorsKey = 5,
    TextKey = 6,
    FillKey = 7,
    LeftKey = 8,
    CentreKey = 9,
    RightKey = 10,
};

// The alignment items are looked up at every showing.
constexpr DialogText LabelTexts[] = {
    {CaptionKey, "TFormTextProps", TextRole::Caption, "Label Properties"},
    {PositionKey, "LbPos", TextRole::Caption, "Position"},
    {FontKey, "BtnFont", TextRole::Caption, "Font..."},
    {AlignKey, "LbAlign", TextRole::Caption, "Alignment:"},
    {ColorsKey, "GroupBoxColors", TextRole::Caption, "Colors"},
    {TextKey, "LbText", TextRole::Caption, "Text:"},
    {TextKey, "ChkTextColor", TextRole::Caption, "Text:"},
    {FillKey, "ChkFill", TextRole::Caption, "Background:"},
    {LeftKey, nullptr, TextRole::LookedUp, "Left"},
    {CentreKey, nullptr, TextRole::LookedUp, "Center"},
    {RightKey, nullptr, TextRole::LookedUp, "Right"},
};

constexpr int AlignmentKeys[] = {LeftKey, CentreKey, RightKey};
constexpr Qt::Alignment MemoAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

QLabel* BuddyLabel(QLabel* label, QWidget* buddy)
{
    label->setBuddy(buddy);
    return label;
}

std::optional<Colour> ColourOf(const QCheckBox* box, const ColourSwatch* swatch)
{
    return box->isChecked() ? std::optional<Colour>(swatch->Value()) : std::nullopt;
}

}  // namespace

std::span<const DialogText> TFormTextProps::Texts()
{
    return LabelTexts;
}

TFormTextProps::TFormTextProps(Prompts& prompts, COptions& options, QWidget* parent)
    : ModalDialog(parent, HelpContext), prompts_(prompts), options_(options),
      font_(ParseFontText(options.LabelFont).value_or(CFont{}))
{
    setObjectName("TFormTextProps");
    setWindowTitle(DesignedText(LabelTexts, CaptionKey));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeTextFields());
    layout->addWidget(MakeColourGroup());
    layout->addLayout(MakePositionFields());
    layout->addWidget(MakeButtonBox(false));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowFont();

    connect(BtnFont, &QPushButton::clicked, this, &TFormTextProps::ChooseFont);
    connect(CbAlign, &QComboBox::currentIndexChanged, this, &TFormTextProps::ShowAlignment);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormTextProps::reject);
}

QLayout* TFormTextProps::MakeTextFields()
{
    MmText = Named<QPlainTextEdit>("MmText");
    MmText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MmText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmText->setTabChangesFocus(true);
    MmText->setFixedSize(300, 120);
    LbText = BuddyLabel(Designed<QLabel>(LabelTexts, TextKey), MmText);
    BtnFont = Designed<QPushButton>(LabelTexts, FontKey);
    CbAlign = Named<QComboBox>("CbAlign");
    for (const int key : AlignmentKeys)
        CbAlign->addItem(DesignedText(LabelTexts, key));
    LbAlign = BuddyLabel(Designed<QLabel>(LabelTexts, AlignKey), CbAlign);

    auto* format = new QHBoxLayout;
    format->addWidget(BtnFont);
    format->addStretch();
    format->addWidget(LbAlign);
    format->addWidget(CbAlign);
    auto* fields = new QVBoxLayout;
    fields->addWidget(LbText);
    fields->addWidget(MmText);
    fields->addLayout(format);
    return fields;
}

QGroupBox* TFormTextProps::MakeColourGroup()
{
    ChkFill = Designed<QCheckBox>(LabelTexts, FillKey);
    ChkTextColor = Named<QCheckBox>("ChkTextColor", DesignedText(LabelTexts, TextKey));
    ImgFill = Named<ColourSwatch>("ImgFill", prompts_);
    ImgTextColor = Named<ColourSwatch>("ImgTextColor", prompts_);
    GroupBoxColors = Designed<QGroupBox>(LabelTexts, ColorsKey);
    auto* colours = new QGridLayout(GroupBoxColors);
    colours->addWidget(ChkFill, 0, 0);
    colours->addWidget(ImgFill, 0, 1, Qt::AlignLeft);
    colours->addWidget(ChkTextColor, 1, 0);
    colours->addWidget(ImgTextColor, 1, 1, Qt::AlignLeft);
    colours->setColumnStretch(1, 1);
    return GroupBoxColors;
}

QLayout* TFormTextProps::MakePositionFields()
{
    EdPosX = Named<QLineEdit>("EdPosX");
    EdPosY = Named<QLineEdit>("EdPosY");
    LbPos = BuddyLabel(Designed<QLabel>(LabelTexts, PositionKey), EdPosX);
    LbLocal = Named<QLabel>("LbLocal");
    auto* position = new QHBoxLayout;
    position->addWidget(LbPos);
    position->addWidget(EdPosX);
    position->addWidget(EdPosY);
    position->addWidget(LbLocal);
    return position;
}

void TFormTextProps::SetRoom(const CRoom& room)
{
    room_ = ObjectRoomOf(room);
    LbLocal->setText(room_.userCoord ? "L" : "");
}

void TFormTextProps::SetLabel(const CPart& label)
{
    EdPosX->setText(QString::number(ShownPosX(label, room_)));
    EdPosY->setText(QString::number(ShownPosY(label, room_)));
    CbAlign->setCurrentIndex(LabelAlignmentOf(label));
    MmText->setPlainText(QString::fromStdString(EditedLabelText(label.Caption)));
    if (label.Font)
        font_ = *label.Font;
    ShowFont();
    ShowColour(ChkFill, ImgFill, label.FillColor, QPalette::Window);
    ShowColour(ChkTextColor, ImgTextColor, label.TextColor, QPalette::WindowText);
    ShowAlignment();
}

void TFormTextProps::ApplyToLabel(CPart& label) const
{
    LabelFields fields;
    fields.text = MmText->toPlainText().toStdString();
    fields.posX = TextOf(EdPosX);
    fields.posY = TextOf(EdPosY);
    fields.alignment = CbAlign->currentIndex();
    fields.fillColour = ColourOf(ChkFill, ImgFill);
    fields.textColour = ColourOf(ChkTextColor, ImgTextColor);
    fields.font = font_;
    QImage surface(1, 1, QImage::Format_RGB32);
    QtCanvas measuring(surface);
    ApplyLabelFields(fields, room_, measuring, label);
}

// Closing by any way keeps the font shown as the default of new labels.
void TFormTextProps::done(int result)
{
    options_.LabelFont = FontText(font_);
    ModalDialog::done(result);
}

void TFormTextProps::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        for (int i = 0; i < CbAlign->count(); ++i)
            CbAlign->setItemText(i, LookedUpText(Section, LabelTexts, AlignmentKeys[i]));
        MmText->setFocus();
    }
    QDialog::showEvent(event);
}

void TFormTextProps::ShowFont()
{
    MmText->setFont(ToQFont(font_));
}

void TFormTextProps::ShowAlignment()
{
    QTextOption option = MmText->document()->defaultTextOption();
    option.setAlignment(MemoAlignments[std::max(CbAlign->currentIndex(), 0)]);
    MmText->document()->setDefaultTextOption(option);
}

// An unticked colour shows the dialog's own colour of the role until one is chosen.
void TFormTextProps::ShowColour(QCheckBox* box, ColourSwatch* swatch, Colour colour, QPalette::ColorRole unticked)
{
    box->setChecked(colour != NoColour);
    swatch->SetValue(colour != NoColour ? colour : FromQColor(palette().color(unticked)));
}

// The font chooser offers the text colour with the font; a colour changed there is the
// label's text colour.
void TFormTextProps::ChooseFont()
{
    const Colour shown = ImgTextColor->Value();
    if (const std::optional<FontChoice> chosen = prompts_.ChooseFont({font_, shown})) {
        font_ = chosen->font;
        ShowFont();
        if (chosen->colour != shown) {
            ImgTextColor->SetValue(chosen->colour);
            ChkTextColor->setChecked(true);
        }
    }
}
