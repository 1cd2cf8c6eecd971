#include "dialogs/TFormRoom.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/ErrorReport.h"
#include "dialogs/RoomDialogRules.h"
#include "dialogs/TFormWalls.h"
#include "localize/Messages.h"
#include "model/RoomFloor.h"
#include "model/Units.h"
#include "platform/Prompts.h"
#include "platform/QtConversions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <limits>

namespace {

enum TextKey {
    CaptionKey = 1,
    WidthKey = 2,
    HeightKey = 3,
    BackColorKey = 4,
    GridSizeKey = 5,
    GridColorKey = 6,
    BorderGroupKey = 7,
    ThickKey = 8,
    WallColorKey = 9,
    UnitTextKey = 10,
    WallsKey = 11,
    GridGroupKey = 12,
    LeftKey = 13,
    TopKey = 14,
    RightKey = 15,
    BottomKey = 16,
    SameBorderKey = 17,
    WallZHeightKey = 18,
    OutOfRangeKey = 19,
};

constexpr DialogText RoomTexts[] = {
    {CaptionKey, "TFormRoom", TextRole::Caption, "Room Size"},
    {WidthKey, "LbWidth", TextRole::Caption, "Width:"},
    {HeightKey, "LbHeight", TextRole::Caption, "Height:"},
    {BackColorKey, "LbBackColor", TextRole::Caption, "Floor color:"},
    {GridSizeKey, "LbGridSize", TextRole::Caption, "Grid size:"},
    {GridColorKey, "LbGridColor", TextRole::Caption, "Grid color:"},
    {BorderGroupKey, "BorderGroup", TextRole::Caption, "Space around the room"},
    {ThickKey, "LbThick", TextRole::Caption, "Wall thickness:"},
    {WallColorKey, "LbWallColor", TextRole::Caption, "Wall color:"},
    {UnitTextKey, "LbUnitText", TextRole::Caption, "Unit name:"},
    {WallsKey, "BtnWalls", TextRole::Caption, "Edit walls..."},
    {GridGroupKey, "GridGroup", TextRole::Caption, "Grid"},
    {LeftKey, "LbLeft", TextRole::Caption, "Left:"},
    {TopKey, "LbTop", TextRole::Caption, "Top:"},
    {RightKey, "LbRight", TextRole::Caption, "Right:"},
    {BottomKey, "LbBottom", TextRole::Caption, "Bottom:"},
    {SameBorderKey, "BtnSameBorder", TextRole::Hint, "Copy to all other"},
    {WallZHeightKey, "LbWallZHeight", TextRole::Caption, "Wall height (3D):"},
    // Newer than the language files so far, which therefore show it in English.
    {OutOfRangeKey, nullptr, TextRole::LookedUp, "Enter a whole number from %1 to %2."},
};

constexpr int32_t AnyInteger = std::numeric_limits<int32_t>::min();

QLabel* BuddyLabel(int key, QWidget* buddy)
{
    auto* label = Designed<QLabel>(RoomTexts, key);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

std::span<const DialogText> TFormRoom::Texts()
{
    return RoomTexts;
}

TFormRoom::TFormRoom(Prompts& prompts, TFormWalls& wallEditor, QWidget* parent)
    : ModalDialog(parent, HelpContext), prompts_(prompts), wallEditor_(wallEditor)
{
    setObjectName("TFormRoom");
    setWindowTitle(DesignedText(RoomTexts, CaptionKey));

    auto* roomFields = MakeRoomFields();
    auto* groups = new QVBoxLayout;
    groups->addWidget(MakeBorderGroup());
    groups->addWidget(MakeGridGroup());
    groups->addStretch();
    auto* panes = new QHBoxLayout;
    panes->addLayout(roomFields);
    panes->addLayout(groups);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(MakeButtonBox(false));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    sizeFields_ = {{{EdWidth, 1}, {EdHeight, 1}, {EdThick, AnyInteger}}};
    otherFields_ = {{{EdBorderLeft, 0}, {EdBorderTop, 0}, {EdBorderRight, 0}, {EdBorderBottom, 0},
                     {EdWallZHeight, AnyInteger}, {EdGridSize, AnyInteger}}};

    connect(CbUnitText, &QComboBox::currentIndexChanged, this, &TFormRoom::ShowUnit);
    connect(BtnSameBorder, &QPushButton::clicked, this, &TFormRoom::CopyTopBorder);
    connect(BtnWalls, &QPushButton::clicked, this, &TFormRoom::EditWalls);
    connect(BtnOK, &QPushButton::clicked, this, &TFormRoom::OkClicked);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormRoom::reject);
}

QGridLayout* TFormRoom::MakeRoomFields()
{
    EdWidth = Named<QLineEdit>("EdWidth");
    EdHeight = Named<QLineEdit>("EdHeight");
    EdThick = Named<QLineEdit>("EdThick");
    EdWallZHeight = Named<QLineEdit>("EdWallZHeight");
    ImgWallColor = Named<ColourSwatch>("ImgWallColor", prompts_);
    ImgColor = Named<ColourSwatch>("ImgColor", prompts_);
    CbUnitText = Named<QComboBox>("CbUnitText");
    for (const UnitInfo& unit : Units)
        CbUnitText->addItem(ToQString(unit.listText));
    LbWidth = BuddyLabel(WidthKey, EdWidth);
    LbHeight = BuddyLabel(HeightKey, EdHeight);
    LbThick = BuddyLabel(ThickKey, EdThick);
    LbWallZHeight = BuddyLabel(WallZHeightKey, EdWallZHeight);
    LbWallColor = BuddyLabel(WallColorKey, ImgWallColor);
    LbBackColor = BuddyLabel(BackColorKey, ImgColor);
    LbUnitText = BuddyLabel(UnitTextKey, CbUnitText);
    LbUnit1 = Named<QLabel>("LbUnit1");
    LbUnit2 = Named<QLabel>("LbUnit2");
    LbUnit3 = Named<QLabel>("LbUnit3");
    LbUnit4 = Named<QLabel>("LbUnit4");
    BtnWalls = Designed<QPushButton>(RoomTexts, WallsKey);
    auto* room = new QGridLayout;
    room->addWidget(LbWidth, 0, 0);
    room->addWidget(EdWidth, 0, 1);
    room->addWidget(LbUnit1, 0, 2);
    room->addWidget(LbHeight, 1, 0);
    room->addWidget(EdHeight, 1, 1);
    room->addWidget(LbUnit2, 1, 2);
    room->addWidget(LbThick, 2, 0);
    room->addWidget(EdThick, 2, 1);
    room->addWidget(LbUnit3, 2, 2);
    room->addWidget(LbWallZHeight, 3, 0);
    room->addWidget(EdWallZHeight, 3, 1);
    room->addWidget(LbUnit4, 3, 2);
    room->addWidget(LbWallColor, 4, 0);
    room->addWidget(ImgWallColor, 4, 1, Qt::AlignLeft);
    room->addWidget(LbBackColor, 5, 0);
    room->addWidget(ImgColor, 5, 1, Qt::AlignLeft);
    room->addWidget(LbUnitText, 6, 0);
    room->addWidget(CbUnitText, 6, 1, 1, 2);
    room->addWidget(BtnWalls, 7, 0, 1, 3);
    LbFloor = Named<QLabel>("LbFloor");
    room->addWidget(LbFloor, 8, 0, 1, 3);
    room->setRowStretch(9, 1);
    return room;
}

QGroupBox* TFormRoom::MakeBorderGroup()
{
    EdBorderTop = Named<QLineEdit>("EdBorderTop");
    BtnSameBorder = Named<QPushButton>("BtnSameBorder");
    BtnSameBorder->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    BtnSameBorder->setToolTip(DesignedText(RoomTexts, SameBorderKey));
    BtnSameBorder->setAccessibleName(BtnSameBorder->toolTip());
    EdBorderLeft = Named<QLineEdit>("EdBorderLeft");
    EdBorderRight = Named<QLineEdit>("EdBorderRight");
    EdBorderBottom = Named<QLineEdit>("EdBorderBottom");
    LbTop = BuddyLabel(TopKey, EdBorderTop);
    LbLeft = BuddyLabel(LeftKey, EdBorderLeft);
    LbRight = BuddyLabel(RightKey, EdBorderRight);
    LbBottom = BuddyLabel(BottomKey, EdBorderBottom);
    BorderGroup = Designed<QGroupBox>(RoomTexts, BorderGroupKey);
    auto* border = new QGridLayout(BorderGroup);
    border->addWidget(LbTop, 0, 0);
    border->addWidget(EdBorderTop, 0, 1);
    border->addWidget(BtnSameBorder, 0, 2);
    border->addWidget(LbLeft, 1, 0);
    border->addWidget(EdBorderLeft, 1, 1);
    border->addWidget(LbRight, 2, 0);
    border->addWidget(EdBorderRight, 2, 1);
    border->addWidget(LbBottom, 3, 0);
    border->addWidget(EdBorderBottom, 3, 1);
    borders_ = {EdBorderLeft, EdBorderTop, EdBorderRight, EdBorderBottom};
    return BorderGroup;
}

QGroupBox* TFormRoom::MakeGridGroup()
{
    EdGridSize = Named<QLineEdit>("EdGridSize");
    LbGridSize2 = Named<QLabel>("LbGridSize2");
    ImgGridColor = Named<ColourSwatch>("ImgGridColor", prompts_);
    LbGridSize = BuddyLabel(GridSizeKey, EdGridSize);
    LbGridColor = BuddyLabel(GridColorKey, ImgGridColor);
    GridGroup = Designed<QGroupBox>(RoomTexts, GridGroupKey);
    auto* grid = new QGridLayout(GridGroup);
    grid->addWidget(LbGridSize, 0, 0);
    grid->addWidget(EdGridSize, 0, 1);
    grid->addWidget(LbGridSize2, 0, 2);
    grid->addWidget(LbGridColor, 1, 0);
    grid->addWidget(ImgGridColor, 1, 1, Qt::AlignLeft);
    return GridGroup;
}

void TFormRoom::Load(const CRoom& room)
{
    room_ = room;
    ShowSize();
    EdThick->setText(ToQString(ThicknessText(room_)));
    EdWallZHeight->setText(QString::number(room_.WallZHeight));
    for (size_t i = 0; i < borders_.size(); ++i)
        borders_[i]->setText(QString::number(room_.SpaceAround[i]));
    EdGridSize->setText(QString::number(room_.GridSize));
    ImgColor->SetValue(room_.Color);
    ImgGridColor->SetValue(room_.GridColor);
    ImgWallColor->SetValue(room_.WallsColor);
    const bool knownUnit = room_.Unit >= 0 && room_.Unit < UnitCount;
    CbUnitText->setCurrentIndex(knownUnit ? room_.Unit : CentimetreUnit);
    ShowUnit(CbUnitText->currentIndex());
    ShowFloor();
}

void TFormRoom::ShowFloor()
{
    const auto floor = MeasureFloor(room_);
    const QString unit = ToQString(room_.UnitName);
    const QLocale locale;
    LbFloor->setText(floor ? QString("%1: %2 %3²\n%4: %5 %3")
                                 .arg(ToQString(Msg(MsgFloorArea)), locale.toString(floor->area, 'f', 1), unit,
                                      ToQString(Msg(MsgPerimeter)), locale.toString(floor->perimeter, 'f', 1))
                           : QString());
}

void TFormRoom::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        EdWidth->setFocus();
        EdWidth->selectAll();
    }
    QDialog::showEvent(event);
}

void TFormRoom::ShowSize()
{
    const RoomSize size = CurrentSize(room_);
    EdWidth->setText(QString::number(size.width));
    EdHeight->setText(QString::number(size.height));
}

void TFormRoom::ShowUnit(int unit)
{
    const QString abbreviation = ToQString(UnitAt(unit).abbreviation);
    for (QLabel* label : {LbUnit1, LbUnit2, LbUnit3, LbUnit4, LbGridSize2})
        label->setText(abbreviation);
}

bool TFormRoom::Acceptable(std::span<const NumberField> fields)
{
    for (const NumberField& field : fields) {
        if (AcceptsInteger(TextOf(field.edit), field.least))
            continue;
        field.edit->setFocus();
        field.edit->selectAll();
        const QString message = LookedUpText(Section, RoomTexts, OutOfRangeKey)
                                    .arg(field.least)
                                    .arg(std::numeric_limits<int32_t>::max());
        ReportError(prompts_, message.toStdString());
        return false;
    }
    return true;
}

void TFormRoom::TakeSizeFields()
{
    const auto confirmRectangle = [this] {
        return prompts_.Message(Msg(MsgWarning), Msg(MsgResetWalls), PromptIcon::Question, ButtonYes | ButtonNo)
               == ButtonYes;
    };
    if (ReadSizeFields(room_, {TextOf(EdWidth), TextOf(EdHeight), TextOf(EdThick)}, confirmRectangle))
        return;
    ShowSize();
    prompts_.Message(Msg(MsgWarning), Msg(MsgSizeFromWalls), PromptIcon::Information, ButtonOk);
}

void TFormRoom::CopyTopBorder()
{
    for (QLineEdit* edit : {EdBorderLeft, EdBorderRight, EdBorderBottom})
        edit->setText(EdBorderTop->text());
}

void TFormRoom::EditWalls()
{
    if (!Acceptable(sizeFields_))
        return;
    TakeSizeFields();
    wallEditor_.InitWalls(room_.Walls, IntegerOr(TextOf(EdThick), room_.WallThickness));
    // The lengths will be read in the unit chosen here once the dialog closes with OK.
    wallEditor_.SetUnitName(std::string(UnitAt(CbUnitText->currentIndex()).abbreviation));
    if (wallEditor_.exec() != TFormWalls::ResultOk)
        return;
    wallEditor_.GetWalls(room_.Walls);
    if (room_.Walls.Count() > 0) {
        ShowSize();
        EdThick->setText(ToQString(ThicknessText(room_)));
    }
    ShowFloor();
}

void TFormRoom::OkClicked()
{
    if (!Acceptable(sizeFields_) || !Acceptable(otherFields_))
        return;
    TakeSizeFields();
    for (size_t i = 0; i < borders_.size(); ++i)
        room_.SpaceAround[i] = IntegerOr(TextOf(borders_[i]), room_.SpaceAround[i]);
    room_.WallZHeight = IntegerOr(TextOf(EdWallZHeight), room_.WallZHeight);
    room_.GridSize = IntegerOr(TextOf(EdGridSize), room_.GridSize);
    room_.Color = ImgColor->Value();
    room_.GridColor = ImgGridColor->Value();
    room_.WallsColor = ImgWallColor->Value();
    room_.Unit = CbUnitText->currentIndex();
    room_.UnitName = std::string(UnitAt(room_.Unit).abbreviation);
    done(ResultOk);
}
