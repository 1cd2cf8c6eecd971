#include "dialogs/TFormWalls.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/PreviewBackground.h"
#include "dialogs/RoomDialogRules.h"
#include "localize/Messages.h"
#include "platform/Prompts.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum TextKey {
    CaptionKey = 1,
    WallsListKey = 2,
    FromKey = 3,
    ToKey = 4,
    AlignKey = 5,
    ThicknessKey = 6,
    SaveKey = 7,
    SelectedWallKey = 8,
    PreviewKey = 9,
    RemoveKey = 10,
    WallChangedKey = 11,
    NewWallKey = 12,
};

constexpr DialogText WallsTexts[] = {
    {CaptionKey, "TFormWalls", TextRole::Caption, "Room Walls"},
    {WallsListKey, "LbWallsList", TextRole::Caption, "Walls listing:"},
    {FromKey, "LbFrom", TextRole::Caption, "From"},
    {ToKey, "LbTo", TextRole::Caption, "To"},
    {AlignKey, "LbAlign", TextRole::Caption, "Alignment:"},
    {ThicknessKey, "LbThickness", TextRole::Caption, "Thickness:"},
    {SaveKey, "BtnSave", TextRole::Caption, "Save"},
    {SelectedWallKey, "GroupBox1", TextRole::Caption, "Selected Wall"},
    {PreviewKey, "LbPreview", TextRole::Caption, "Preview"},
    {RemoveKey, "BtnRemove", TextRole::Caption, "Remove"},
    {WallChangedKey, nullptr, TextRole::LookedUp, "The wall was changed. Do you want to save it?"},
    {NewWallKey, nullptr, TextRole::LookedUp, " <new wall>"},
};

// A wall seen from above with its end points' line: the thickness lies above the line for
// alignment 0, around it for 1 and below it for 2, as for a wall drawn from left to right.
QPixmap AlignmentPicture(int alignment, const QPalette& palette)
{
    QPixmap picture(32, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(2, 4, 28, 8, palette.color(QPalette::Mid));
    painter.setPen(QPen(palette.color(QPalette::WindowText), 2));
    const int lineY = 12 - 4 * alignment;
    painter.drawLine(0, lineY, 31, lineY);
    return picture;
}

QRadioButton* AlignmentButton(const char* name, int alignment, const QPalette& palette)
{
    auto* button = Named<QRadioButton>(name);
    button->setIcon(AlignmentPicture(alignment, palette));
    button->setIconSize({32, 16});
    return button;
}

QString Text(int key)
{
    return LookedUpText(TFormWalls::Section, WallsTexts, key);
}

}  // namespace

std::span<const DialogText> TFormWalls::Texts()
{
    return WallsTexts;
}

TFormWalls::TFormWalls(Prompts& prompts, QWidget* parent)
    : ModalDialog(parent, HelpContext), prompts_(prompts)
{
    setObjectName("TFormWalls");
    setWindowTitle(DesignedText(WallsTexts, CaptionKey));

    auto* panes = new QHBoxLayout;
    panes->addLayout(MakeListing());
    panes->addWidget(MakeWallGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(MakeButtonBox(true, false));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* field : fields_)
        connect(field, &QLineEdit::textEdited, this, [this] { modified_ = true; });
    for (QRadioButton* radio : {Radio1, Radio2, Radio3})
        connect(radio, &QRadioButton::clicked, this, [this] { modified_ = true; });
    connect(LsWalls, &QListWidget::currentRowChanged, this, &TFormWalls::RowChosen);
    connect(BtnSave, &QPushButton::clicked, this, &TFormWalls::SaveClicked);
    connect(BtnRemove, &QPushButton::clicked, this, &TFormWalls::RemoveClicked);
    connect(BtnOK, &QPushButton::clicked, this, &TFormWalls::OkClicked);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormWalls::reject);
}

QVBoxLayout* TFormWalls::MakeListing()
{
    LbWallsList = Designed<QLabel>(WallsTexts, WallsListKey);
    LsWalls = Named<QListWidget>("LsWalls");
    LbWallsList->setBuddy(LsWalls);
    LbPreview = Designed<QLabel>(WallsTexts, PreviewKey);
    ImgPreview = Named<QLabel>("ImgPreview");
    ImgPreview->setFixedSize(PreviewWidth, PreviewHeight);
    auto* listing = new QVBoxLayout;
    listing->addWidget(LbWallsList);
    listing->addWidget(LsWalls);
    listing->addWidget(LbPreview);
    listing->addWidget(ImgPreview);
    return listing;
}

QGroupBox* TFormWalls::MakeWallGroup()
{
    LbFrom = Designed<QLabel>(WallsTexts, FromKey);
    EdFromX = Named<QLineEdit>("EdFromX");
    EdFromY = Named<QLineEdit>("EdFromY");
    LbTo = Designed<QLabel>(WallsTexts, ToKey);
    EdToX = Named<QLineEdit>("EdToX");
    EdToY = Named<QLineEdit>("EdToY");
    LbAlign = Designed<QLabel>(WallsTexts, AlignKey);
    Radio1 = AlignmentButton("Radio1", 0, palette());
    Radio2 = AlignmentButton("Radio2", 1, palette());
    Radio3 = AlignmentButton("Radio3", 2, palette());
    LbThickness = Designed<QLabel>(WallsTexts, ThicknessKey);
    EdThick = Named<QLineEdit>("EdThick");
    LbUnit = Named<QLabel>("LbUnit");
    BtnSave = Designed<QPushButton>(WallsTexts, SaveKey);
    BtnRemove = Designed<QPushButton>(WallsTexts, RemoveKey);
    BtnSave->setDefault(true);
    LbFrom->setBuddy(EdFromX);
    LbTo->setBuddy(EdToX);
    LbAlign->setBuddy(Radio1);
    LbThickness->setBuddy(EdThick);
    fields_ = {EdFromX, EdFromY, EdToX, EdToY, EdThick};

    GroupBox1 = Designed<QGroupBox>(WallsTexts, SelectedWallKey);
    auto* wall = new QGridLayout(GroupBox1);
    wall->addWidget(LbFrom, 0, 0);
    wall->addWidget(EdFromX, 0, 1);
    wall->addWidget(EdFromY, 0, 2);
    wall->addWidget(LbTo, 1, 0);
    wall->addWidget(EdToX, 1, 1);
    wall->addWidget(EdToY, 1, 2);
    wall->addWidget(LbAlign, 2, 0, Qt::AlignTop);
    auto* alignments = new QVBoxLayout;
    for (QRadioButton* radio : {Radio1, Radio2, Radio3})
        alignments->addWidget(radio, 0, Qt::AlignLeft);
    wall->addLayout(alignments, 2, 1, 1, 2);
    wall->addWidget(LbThickness, 3, 0);
    wall->addWidget(EdThick, 3, 1);
    wall->addWidget(LbUnit, 3, 2);
    auto* wallButtons = new QHBoxLayout;
    wallButtons->addWidget(BtnSave);
    wallButtons->addWidget(BtnRemove);
    wall->addLayout(wallButtons, 4, 0, 1, 3);
    wall->setRowStretch(5, 1);
    return GroupBox1;
}

void TFormWalls::InitWalls(const CRoomWalls& source, int32_t newWallThickness, int shownWall)
{
    walls_ = source;
    newWallThickness_ = newWallThickness;
    shownOnOpen_ = shownWall;
}

void TFormWalls::GetWalls(CRoomWalls& target) const
{
    target = walls_;
}

void TFormWalls::SetUnitName(const std::string& unitName)
{
    unitName_ = ToQString(unitName);
}

void TFormWalls::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        LbUnit->setText(unitName_);
        FillList();
        ShowRow(shownOnOpen_ >= 0 && shownOnOpen_ < walls_.Count() ? shownOnOpen_ : walls_.Count());
        EdFromX->setFocus();
    }
    QDialog::showEvent(event);
}

void TFormWalls::FillList()
{
    const QSignalBlocker quiet(LsWalls);
    LsWalls->clear();
    for (const CWall& wall : walls_.List())
        LsWalls->addItem(ToQString(wall.Text()));
    LsWalls->addItem(Text(NewWallKey));
}

void TFormWalls::SelectRow(int row)
{
    const QSignalBlocker quiet(LsWalls);
    LsWalls->setCurrentRow(row);
}

void TFormWalls::ShowRow(int row)
{
    shown_ = row;
    SelectRow(row);
    if (IsNewWallRow(row)) {
        for (QLineEdit* field : fields_)
            field->clear();
        Radio2->setChecked(true);
        EdThick->setText(QString::number(newWallThickness_));
    } else {
        const CWall& wall = walls_[row];
        const int32_t values[] = {wall.x1, wall.y1, wall.x2, wall.y2, wall.thickness};
        for (size_t i = 0; i < fields_.size(); ++i)
            fields_[i]->setText(QString::number(values[i]));
        (wall.alignment == 1 ? Radio2 : wall.alignment == 2 ? Radio3 : Radio1)->setChecked(true);
    }
    modified_ = false;
    DrawPreview();
}

void TFormWalls::RowChosen(int row)
{
    if (row < 0 || row == shown_)
        return;
    if (modified_ && !LeaveChangedWall()) {
        SelectRow(shown_);
        return;
    }
    ShowRow(row);
}

bool TFormWalls::LeaveChangedWall()
{
    switch (prompts_.Message(Msg(MsgWarning), Text(WallChangedKey).toStdString(), PromptIcon::Question,
                             ButtonYes | ButtonNo | ButtonCancel)) {
    case ButtonYes:
        return SaveWall();
    case ButtonNo:
        return true;
    default:
        return false;
    }
}

bool TFormWalls::SaveWall()
{
    WallTexts texts;
    for (size_t i = 0; i < fields_.size(); ++i)
        texts[i] = TextOf(fields_[i]);
    const std::optional<CWall> wall = WallFromFields(texts, Alignment());
    if (!wall) {
        // The first field without a value, or, when only the end points coincide, the end.
        const auto missing = std::find_if(fields_.begin(), fields_.end(), [](const QLineEdit* field) {
            return !WallFieldValue(TextOf(field));
        });
        (missing == fields_.end() ? EdToX : *missing)->setFocus();
        ReportError(prompts_, Msg(MsgWallIncomplete));
        DrawPreview();
        return false;
    }
    if (IsNewWallRow(shown_))
        walls_.AddWall();
    walls_[shown_] = *wall;
    walls_.SetDefault(false);
    FillList();
    SelectRow(shown_);
    modified_ = false;
    DrawPreview();
    return true;
}

void TFormWalls::SaveClicked()
{
    const bool newWall = IsNewWallRow(shown_);
    if (SaveWall() && newWall)
        ShowRow(walls_.Count());
}

void TFormWalls::RemoveClicked()
{
    walls_.RemoveWall(shown_);
    walls_.SetDefault(false);
    FillList();
    ShowRow(shown_);
}

// A changed wall would be lost without a word: it is offered for saving as when another row
// is chosen.
void TFormWalls::OkClicked()
{
    if (modified_ && !LeaveChangedWall())
        return;
    done(ResultOk);
}

int TFormWalls::Alignment() const
{
    if (Radio2->isChecked())
        return 1;
    return Radio3->isChecked() ? 2 : 0;
}

void TFormWalls::DrawPreview()
{
    QImage image(PreviewWidth, PreviewHeight, QImage::Format_RGB32);
    {
        QtCanvas canvas(image);
        DrawPreviewBackground(canvas, 4, FromQColor(palette().color(QPalette::Button)),
                              FromQColor(palette().color(QPalette::Dark)));
        DrawWallPreview(canvas, walls_, shown_);
    }
    ImgPreview->setPixmap(QPixmap::fromImage(image));
}
