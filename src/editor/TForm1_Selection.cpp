// The selected object: its marks on the plan, and the keys that walk, move and remove it.

#include "editor/TForm1.h"

#include "base/Numeric.h"
#include "editor/Measurement.h"
#include "editor/PlanWidget.h"
#include "model/ZoomLevels.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>

namespace {

struct ArrowKey {
    const char* name;
    Qt::Key key;
    Arrow arrow;
};

constexpr ArrowKey ArrowKeys[] = {
    {"MoveLeft", Qt::Key_Left, Arrow::Left},
    {"MoveRight", Qt::Key_Right, Arrow::Right},
    {"MoveUp", Qt::Key_Up, Arrow::Up},
    {"MoveDown", Qt::Key_Down, Arrow::Down},
};

}  // namespace

void TForm1::CreateKeyCommands()
{
    const auto add = [this](const QString& name, const QList<QKeySequence>& keys, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    add("DeleteSelection", {Qt::Key_Delete}, [this] { RemoveSelection(); });
    const auto step = [this](bool backwards) {
        selection_.Step(room_, backwards);
        UpdateSelectionMarks();
        const QRect marks = Obr->WidgetArea(Obr->SelectionMarks().boundingRect());
        if (!marks.isEmpty())
            ScrollBox1->ensureVisible(marks.center().x(), marks.center().y(), marks.width() / 2, marks.height() / 2);
    };
    add("SelectNext", {Qt::Key_Tab}, [step] { step(false); });
    // Shift+Tab arrives as Backtab.
    add("SelectPrevious", {Qt::Key_Backtab, Qt::SHIFT | Qt::Key_Backtab, Qt::SHIFT | Qt::Key_Tab},
        [step] { step(true); });
    for (const ArrowKey& entry : ArrowKeys) {
        add(entry.name, {entry.key}, [this, arrow = entry.arrow] { MoveSelection(arrow, false); });
        add(QString(entry.name) + "Grid", {Qt::SHIFT | entry.key}, [this, arrow = entry.arrow] { MoveSelection(arrow, true); });
    }
}

void TForm1::Select(int index)
{
    selection_.Select(index);
    UpdateSelectionMarks();
}

void TForm1::ClearMarks()
{
    Select(-1);
    Obr->SetMeasurement({}, {});
}

void TForm1::UpdateSelectionMarks()
{
    selection_.Keep(room_);
    const int index = selection_.Index();
    if (index < 0 || showCollisions_) {
        Obr->SetSelectionMarks({});
        return;
    }
    const PlanView view = CurrentView();
    QPolygon corners;
    for (const Point& corner : PartAtSlot(index).ScreenCorners(view.offsetX, view.offsetY, view.zoom))
        corners << ToQPoint(corner);
    Obr->SetSelectionMarks(corners);
}

void TForm1::MoveSelection(Arrow arrow, bool gridStep)
{
    const int index = selection_.Index();
    if (index < 0 || pointerMode_ != PointerMode::Idle || dragIndex_ >= 0)
        return;
    NoteArrowMove();
    MovePartBy(room_, index, ArrowStep(arrow, gridStep, room_.GridSize));
    RedrawMoved(index);
}

void TForm1::NoteArrowMove()
{
    const bool continued = selection_.InMoveRun();
    selection_.EndMoveRun();
    if (!continued)
        undo_.EndStep();
    NoteRoomChange(false);
    selection_.StartMoveRun();
}

void TForm1::RemoveSelection()
{
    if (selection_.Index() >= 0 && pointerMode_ == PointerMode::Idle && dragIndex_ < 0)
        RemoveObjectAt(selection_.Index());
}

void TForm1::ZoomAtPointer(bool in, QPoint viewportPos)
{
    const auto next = in ? NextZoomIn(zoom_) : NextZoomOut(zoom_);
    if (!next)
        return;
    const PointF held = RoomPointAt(RoomPixel(Obr->mapFrom(ScrollBox1->viewport(), viewportPos)), zoom_);
    SetZoom(*next);
    const Point roomPixel = RoomPixelOf(held, zoom_);
    const auto border = BorderPixels(room_, zoom_);
    ScrollBox1->horizontalScrollBar()->setValue(SaturateToInt(int64_t{roomPixel.x} + border[0] - viewportPos.x()));
    ScrollBox1->verticalScrollBar()->setValue(SaturateToInt(int64_t{roomPixel.y} + border[1] - viewportPos.y()));
}
