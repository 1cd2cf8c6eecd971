#include "editor/TForm1.h"

#include "base/Numeric.h"
#include "editor/Measurement.h"
#include "editor/PlanWidget.h"
#include "editor/StatusTexts.h"
#include "localize/Messages.h"
#include "model/ZoomLevels.h"
#include "platform/Prompts.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolTip>

namespace {

constexpr size_t MeasurePanel = 0;

}  // namespace

void TForm1::CreatePointerActions()
{
    ToolButtonMeasAction = NewAction("ToolButtonMeasAction", [this] { ToggleMeasureTool(); });
    ToolButtonMeasAction->setCheckable(true);
}

void TForm1::CreatePopupMenus()
{
    ObjectMenu1 = new QMenu(this);
    ObjectMenu1->setObjectName("ObjectMenu1");
    AddItems(ObjectMenu1, {Vlastnosti1, Duplicate1, Odebratobjekt1, nullptr, Prenesdopopredi1, Prenesdopozadi1,
                           nullptr, Rotate90degright1, Rotate90DegreesLeft1});

    NewObjectMenu1 = new QMenu(this);
    NewObjectMenu1->setObjectName("NewObjectMenu1");
    AddItems(NewObjectMenu1, {Pridatsemnovyobjekt1, AddLabelHere1});
}

void TForm1::ConnectPointer()
{
    connect(Obr, &PlanWidget::MouseDown, this, [this](QMouseEvent* event) {
        ObrMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    });
    connect(Obr, &PlanWidget::MouseMove, this,
            [this](QMouseEvent* event) { ObrMouseMove(event->modifiers(), event->position().toPoint()); });
    connect(Obr, &PlanWidget::MouseUp, this, [this](QMouseEvent* event) {
        const QPoint pixel = event->position().toPoint();
        // A press, a drag and a release measure as two clicks do.
        if (pointerMode_ == PointerMode::Measuring &&
            (pixel - measurePressPixel_).manhattanLength() >= QApplication::startDragDistance())
            FinishMeasurement(event->button(), event->modifiers(), pixel);
        else if (pointerMode_ != PointerMode::Placing || placingPressed_)
            ObrMouseUp();
    });
    connect(Obr, &PlanWidget::DoubleClick, this,
            [this](QMouseEvent* event) { ObrDblClick(event->position().toPoint()); });
}

bool TForm1::FormKeyPress(QKeyEvent* event)
{
    if (WallDrawingKey(event))
        return true;
    if (event->key() == Qt::Key_Escape) {
        if (pointerMode_ == PointerMode::Placing)
            CancelPlacing();
        else if (pointerMode_ != PointerMode::Idle)
            SetMeasureMode(false);
        else if (selection_.Index() >= 0 || Obr->ShowsMeasurement())
            ClearMarks();
        else
            return false;
        return true;
    }
    const QString key = event->text();
    if (key == "+")
        ZoomIn();
    else if (key == "-")
        ZoomOut();
    else if (key == "/")
        Zoom100();
    else if (key == "*")
        BestFit();
    else if (key == "m")
        ToggleMeasureTool();
    else if (key == "l")
        ToggleLocalCoordinates();
    else
        return false;
    return true;
}

void TForm1::ObrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel)
{
    Obr->SetMeasurement({}, {});
    switch (pointerMode_) {
    case PointerMode::Placing:
        placingPressed_ = true;  // the release that follows drops the object
        return;
    case PointerMode::MeasureWait:
        measureStart_ = RoomPointAt(RoomPixel(pixel), zoom_);
        measurePressPixel_ = pixel;
        measureImageKey_ = 0;
        pointerMode_ = PointerMode::Measuring;
        ObrMouseMove(modifiers, pixel);
        return;
    case PointerMode::Measuring:
        FinishMeasurement(button, modifiers, pixel);
        return;
    case PointerMode::Idle:
        PressOnPlan(button, pixel);
        return;
    case PointerMode::DrawingWalls:
        FollowWallPointer(modifiers, pixel);
        if (button == Qt::LeftButton)
            WallDrawingStep(wallDrawing_->Click(wallPointer_, wallShift_));
        return;
    }
}

void TForm1::PressOnPlan(Qt::MouseButton button, QPoint pixel)
{
    ObrMouseUp();  // a drag still open here has lost its release
    clickPoint_ = RoomPixel(pixel);
    if (button == Qt::LeftButton && PressOnCorner(pixel))
        return;
    const int index = room_.PartAt(clickPoint_.x, clickPoint_.y, zoom_);
    if (button == Qt::LeftButton || button == Qt::RightButton)
        Select(index);
    if (button == Qt::LeftButton && index >= 0) {
        const CPart& part = room_.Parts[static_cast<size_t>(index)];
        dragIndex_ = index;
        grabOffset_ = GrabOffset(clickPoint_, {part.PosX, part.PosY}, zoom_);
    } else if (button == Qt::RightButton) {
        (index >= 0 ? ObjectMenu1 : NewObjectMenu1)->popup(Obr->mapToGlobal(pixel));
    }
}

void TForm1::ObrMouseMove(Qt::KeyboardModifiers modifiers, QPoint pixel)
{
    if (pointerMode_ == PointerMode::Measuring)
        UpdateMeasurement(modifiers & Qt::ShiftModifier, pixel);
    UpdatePositionPanel(PlanPointAt(pixel));
    if (draggedCorner_)
        DragCorner(pixel);
    else if (dragIndex_ >= 0)
        FollowPointer(pixel);
    FollowWallPointer(modifiers, pixel);
    const bool dragging = dragIndex_ >= 0;
    const int under = dragging ? dragIndex_ : PartAtPixel(pixel);
    UpdatePlanCursor(under >= 0 || cornerUnder_);
    UpdateHint(dragging || cornerUnder_ ? -1 : under);
    if (cornerUnder_ && !draggedCorner_)
        Obr->setToolTip(ToQString(Msg(MsgCornerHint)));
}

void TForm1::FollowPointer(QPoint pixel)
{
    if (pointerMode_ != PointerMode::Placing && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        ObrMouseUp();  // the release went elsewhere, for example to a dialog
        return;
    }
    if (dragIndex_ >= room_.PartCount() || !room_.Parts[static_cast<size_t>(dragIndex_)].InUse) {
        EndDrag();  // a command took the object away meanwhile, such as Undo or New
        return;
    }
    CPart& part = room_.Parts[static_cast<size_t>(dragIndex_)];
    const Point position = DragPosition(RoomPixel(pixel), grabOffset_, zoom_);
    if (position == Point{part.PosX, part.PosY})
        return;
    moved_ = true;
    NoteRoomChange(false);  // copies the room, leaving the object where it is
    part.PosX = position.x;
    part.PosY = position.y;
    const Point pointer = PlanPointAt(pixel);
    part.SnapToWall(room_.Walls, pointer.x, pointer.y, true);
    part.InvalidateCorners();
    RedrawMoved(dragIndex_);
}

void TForm1::ObrMouseUp()
{
    if (moved_)
        NoteRoomChange(true);
    EndDrag();
}

// Forgets the drag or placement without recording a step.
void TForm1::EndDrag()
{
    moved_ = false;
    dragIndex_ = -1;
    draggedCorner_.reset();
    if (pointerMode_ == PointerMode::Placing) {
        pointerMode_ = PointerMode::Idle;
        statusBar()->clearMessage();
    }
}

void TForm1::ObrDblClick(QPoint pixel)
{
    if (pointerMode_ == PointerMode::DrawingWalls) {
        WallDrawingStep(wallDrawing_->Close());
        return;
    }
    if (pointerMode_ != PointerMode::Idle)
        return;
    if (const int index = PartAtPixel(pixel); index >= 0)
        EditObject(index);
    else
        EditWallAtPixel(pixel);
}

void TForm1::StartPlacing(int index, QPoint grabOffset, bool ownStep)
{
    if (pointerMode_ == PointerMode::DrawingWalls)
        EndWallDrawing();
    else if (pointerMode_ != PointerMode::Idle && pointerMode_ != PointerMode::Placing)
        SetMeasureMode(false);
    dragIndex_ = index;
    grabOffset_ = FromQPoint(grabOffset);
    moved_ = true;
    placingPressed_ = false;
    placingOwnStep_ = ownStep;
    pointerMode_ = PointerMode::Placing;
    UpdatePlanCursor(true);
    statusBar()->showMessage(ToQString(Msg(MsgPlacingHint)));
}

// The addition is cancelled: the room goes back to the state its step recorded, with the
// history and the modified mark as they were. When the addition merged into an earlier step,
// or a command meanwhile closed its step, only the object goes.
void TForm1::CancelPlacing()
{
    const int index = dragIndex_;
    EndDrag();
    const bool stepStillOpen = placingOwnStep_ && undo_.StepOpen();
    if (const auto before = stepStillOpen ? undo_.Withdraw() : nullptr) {
        RestoreSnapshot(*before);
        return;
    }
    room_.RemovePart(index);
    Redraw(true);
}

void TForm1::ToggleMeasureTool()
{
    if (pointerMode_ == PointerMode::DrawingWalls)
        EndWallDrawing();
    SetMeasureMode(pointerMode_ == PointerMode::Idle);
}

void TForm1::SetMeasureMode(bool on)
{
    ToolButtonMeasAction->setChecked(on);
    // While measuring, the length has the status bar to itself.
    for (size_t i = 0; i < panels_.size(); ++i)
        panels_[i]->setVisible((i == MeasurePanel) == on);
    areaPanel_->setVisible(!on);
    if (on) {
        lastMeasurement_ = 0.0;
        UpdateMeasurePanel();
        pointerMode_ = PointerMode::MeasureWait;
        return;
    }
    pointerMode_ = PointerMode::Idle;
    measureImageKey_ = 0;
    Redraw(true);
}

// The line is inverted into the plan image, never drawn into the room: inverting it again
// restores the plan exactly. A redraw of the plan meanwhile has taken the old line away,
// which the image's changed key tells.
void TForm1::UpdateMeasurement(bool shift, QPoint pixel)
{
    const auto border = BorderPixels(room_, zoom_);
    const Point startInRoom = RoomPixelOf(measureStart_, zoom_);
    const Point start{SaturateToInt(int64_t{startInRoom.x} + border[0]),
                      SaturateToInt(int64_t{startInRoom.y} + border[1])};
    const Point end = MeasureEnd(start, FromQPoint(pixel), shift);
    QImage& image = Obr->Image();
    const bool lineShown = measureImageKey_ != 0 && image.cacheKey() == measureImageKey_;
    {
        // In the image's own pixels, so that the line is one pixel of the screen wide.
        const double ratio = image.devicePixelRatio();
        const auto inImage = [ratio](Point p) { return QPoint(RoundToInt(p.x * ratio), RoundToInt(p.y * ratio)); };
        QImage pixels = DevicePixels(image);
        QPainter painter(&pixels);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 0));
        if (lineShown)
            painter.drawLine(measureLine_);
        measureLine_ = QLine(inImage(start), inImage(end));
        painter.drawLine(measureLine_);
    }
    measureImageKey_ = image.cacheKey();
    Obr->repaint();
    lastMeasurement_ = MeasuredLength(start, end, zoom_);
    UpdateMeasurePanel();
}

void TForm1::FinishMeasurement(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel)
{
    UpdateMeasurement(modifiers & Qt::ShiftModifier, pixel);
    SetMeasureMode(false);
    // The line and its length stay on the plan until the next click.
    Obr->SetMeasurement(measureLine_, ToQString(DecimalText(lastMeasurement_, LocalePunctuation()) + room_.UnitName));
    if (button == Qt::LeftButton)
        ReportMeasurement();
}

void TForm1::ReportMeasurement()
{
    if (lastMeasurement_ < 0)
        return;
    prompts_.Message(Msg(MsgMeasurement), MeasurementMessage(lastMeasurement_, room_.UnitName, LocalePunctuation()),
                     PromptIcon::Information, ButtonOk);
}

void TForm1::UpdatePlanCursor(bool movableUnder)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (pointerMode_ != PointerMode::Idle)
        shape = Qt::CrossCursor;
    else if (movableUnder)
        shape = Qt::SizeAllCursor;
    if (Obr->cursor().shape() != shape)
        Obr->setCursor(shape);
}

// A tip about one object is taken away before the tip about another can show.
void TForm1::UpdateHint(int partUnder)
{
    const QString text = partUnder >= 0 ? ToQString(room_.Parts[static_cast<size_t>(partUnder)].Describe()) : QString();
    if (!text.isEmpty() && !(QToolTip::isVisible() && text != Obr->toolTip())) {
        Obr->setToolTip(text);
        return;
    }
    Obr->setToolTip(QString());
    QToolTip::hideText();
}

Point TForm1::RoomPixel(QPoint pixel) const
{
    const auto border = BorderPixels(room_, zoom_);
    return {SaturateToInt(int64_t{pixel.x()} - border[0]), SaturateToInt(int64_t{pixel.y()} - border[1])};
}

int TForm1::PartAtPixel(QPoint pixel) const
{
    const Point at = RoomPixel(pixel);
    return room_.PartAt(at.x, at.y, zoom_);
}
