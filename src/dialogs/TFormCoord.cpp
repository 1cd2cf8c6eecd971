#include "dialogs/TFormCoord.h"

#include "dialogs/LocalCoordinates.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "platform/QtConversions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    OriginKey = 2,
    PickKey = 3,
    UseLocalKey = 4,
};

constexpr DialogText CoordTexts[] = {
    {CaptionKey, "TFormCoord", TextRole::Caption, "Local Coordinates"},
    {OriginKey, "BoxStart", TextRole::Caption, "Origin"},
    {PickKey, "BtnClickObr", TextRole::Caption, "Select in the drawing"},
    {UseLocalKey, "ChkUseLocalCoord", TextRole::Caption, "Use local coordinates"},
};

int32_t IntegerOr(const QLineEdit* edit, int32_t current)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? value : current;
}

}  // namespace

std::span<const DialogText> TFormCoord::Texts()
{
    return CoordTexts;
}

TFormCoord::TFormCoord(QWidget* parent)
    : ModalDialog(parent, HelpContext)
{
    setObjectName("TFormCoord");
    setWindowTitle(DesignedText(CoordTexts, CaptionKey));

    EdPosX = Named<QLineEdit>("EdPosX");
    EdPosY = Named<QLineEdit>("EdPosY");
    BtnClickObr = Designed<QPushButton>(CoordTexts, PickKey);
    auto* origin = Designed<QGroupBox>(CoordTexts, OriginKey);
    auto* labelX = new QLabel("&x:");
    auto* labelY = new QLabel("&y:");
    labelX->setBuddy(EdPosX);
    labelY->setBuddy(EdPosY);
    auto* originLayout = new QGridLayout(origin);
    originLayout->addWidget(labelX, 0, 0);
    originLayout->addWidget(EdPosX, 0, 1);
    originLayout->addWidget(labelY, 1, 0);
    originLayout->addWidget(EdPosY, 1, 1);
    originLayout->addWidget(BtnClickObr, 2, 0, 1, 2);

    ChkUseLocalCoord = Designed<QCheckBox>(CoordTexts, UseLocalKey);

    auto* buttons = MakeButtonBox(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(origin);
    layout->addWidget(ChkUseLocalCoord);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnClickObr, &QPushButton::clicked, this, &TFormCoord::StartPicking);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormCoord::reject);
}

void TFormCoord::PlaceAbovePlan(const QRect& planArea)
{
    adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(planArea.center());
    const int minTop = screen ? screen->availableGeometry().top() : 0;
    const Rect plan{planArea.x(), planArea.y(), planArea.x() + planArea.width(),
                    planArea.y() + planArea.height()};
    const QSize size = frameGeometry().size();
    const Point at = ::PlaceAbovePlan(plan, size.width(), size.height(), minTop);
    move(at.x, at.y);
}

void TFormCoord::Load(const CRoom& room)
{
    EdPosX->setText(QString::number(room.UserCoordOriginX));
    EdPosY->setText(QString::number(room.UserCoordOriginY));
    ChkUseLocalCoord->setChecked(room.UserCoord);
}

void TFormCoord::Store(CRoom& room) const
{
    room.UserCoordOriginX = IntegerOr(EdPosX, room.UserCoordOriginX);
    room.UserCoordOriginY = IntegerOr(EdPosY, room.UserCoordOriginY);
    room.UserCoord = ChkUseLocalCoord->isChecked();
}

int TFormCoord::Edit(CRoom& room)
{
    Load(room);
    const int result = exec();
    if (result == ResultOk)
        Store(room);
    return result;
}

void TFormCoord::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        BtnOK->setFocus();
    QDialog::showEvent(event);
}

// Closing while picking, by the window's close button for instance, must not leave the mouse
// grabbed.
void TFormCoord::hideEvent(QHideEvent* event)
{
    if (picking_)
        EndPicking();
    QDialog::hideEvent(event);
}

void TFormCoord::keyPressEvent(QKeyEvent* event)
{
    if (picking_ && event->key() == Qt::Key_Escape) {
        EndPicking();
        return;
    }
    ModalDialog::keyPressEvent(event);
}

void TFormCoord::mouseMoveEvent(QMouseEvent* event)
{
    if (picking_)
        TrackPick(event->globalPosition().toPoint());
    else
        QDialog::mouseMoveEvent(event);
}

// A click ends picking wherever it falls. Outside the dialog it also switches local
// coordinates on, and over the plan it takes the clicked point as the origin.
void TFormCoord::mousePressEvent(QMouseEvent* event)
{
    if (!picking_) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint at = event->globalPosition().toPoint();
    EndPicking();
    if (IsOverDialog(at))
        return;
    ChkUseLocalCoord->setChecked(true);
    TrackPick(at);
}

// While picking, the dialog holds the mouse so that it sees the pointer over the plan, and
// the cross cursor tells the user that the next click chooses a point.
void TFormCoord::StartPicking()
{
    if (picking_)
        return;
    picking_ = true;
    textXBeforePick_ = EdPosX->text();
    textYBeforePick_ = EdPosY->text();
    setMouseTracking(true);
    grabMouse(Qt::CrossCursor);
}

void TFormCoord::EndPicking()
{
    picking_ = false;
    EdPosX->setText(textXBeforePick_);
    EdPosY->setText(textYBeforePick_);
    releaseMouse();
    setMouseTracking(false);
}

void TFormCoord::TrackPick(QPoint globalPos)
{
    if (IsOverDialog(globalPos) || !planPointAt_)
        return;
    if (const std::optional<Point> point = planPointAt_(globalPos)) {
        EdPosX->setText(QString::number(point->x));
        EdPosY->setText(QString::number(point->y));
    }
}

bool TFormCoord::IsOverDialog(QPoint globalPos) const
{
    return frameGeometry().contains(globalPos);
}
