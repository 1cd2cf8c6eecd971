// Drawing the room's outline on the plan corner by corner, and reshaping a drawn outline by
// dragging its corners or editing a wall double-clicked on the plan.

#include "editor/TForm1.h"

#include "base/Numeric.h"
#include "dialogs/TFormWalls.h"
#include "editor/Measurement.h"
#include "editor/PlanWidget.h"
#include "localize/MessageFormat.h"
#include "localize/Messages.h"
#include "model/DrawnOutline.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace {

// How near, in screen pixels, a line pulls the pointer, and a corner shows its handle.
constexpr double SnapPixels = 8;

}  // namespace

void TForm1::CreateDrawWallsActions()
{
    DrawWalls1 = NewAction("DrawWalls1", [this] { ToggleWallDrawing(); }, {Qt::CTRL | Qt::SHIFT | Qt::Key_W});
    DrawWalls1->setCheckable(true);
}

void TForm1::ToggleWallDrawing()
{
    if (pointerMode_ == PointerMode::DrawingWalls)
        EndWallDrawing();
    else
        StartWallDrawing();
}

void TForm1::StartWallDrawing()
{
    if (pointerMode_ == PointerMode::Placing)
        CancelPlacing();
    else if (pointerMode_ != PointerMode::Idle)
        SetMeasureMode(false);
    ObrMouseUp();
    Select(-1);
    wallDrawing_.emplace(CurrentSnapRules());
    wallPointer_ = RoomPointAt(RoomPixel(Obr->mapFromGlobal(QCursor::pos())), zoom_);
    pointerMode_ = PointerMode::DrawingWalls;
    DrawWalls1->setChecked(true);
    UpdatePlanCursor(false);
    ShowWallDrawingStatus();
    UpdateWallSketch();
}

void TForm1::EndWallDrawing()
{
    wallDrawing_.reset();
    pointerMode_ = PointerMode::Idle;
    DrawWalls1->setChecked(false);
    statusBar()->clearMessage();
    UpdatePlanCursor(false);
    UpdateWallSketch();
}

bool TForm1::WallDrawingKey(QKeyEvent* event)
{
    if (pointerMode_ != PointerMode::DrawingWalls)
        return false;
    wallShift_ = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Shift:
        break;
    case Qt::Key_Escape:
        EndWallDrawing();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        WallDrawingStep(wallDrawing_->Return(wallPointer_, wallShift_));
        return true;
    case Qt::Key_Backspace:
        wallDrawing_->TakeBack();
        break;
    default:
        if (event->text().size() != 1 || !wallDrawing_->Type(event->text().front().toLatin1()))
            return false;
    }
    ShowWallDrawingStatus();
    UpdateWallSketch();
    return true;
}

void TForm1::WallDrawingStep(WallDrawing::Outcome outcome)
{
    if (outcome != WallDrawing::Outcome::Closed) {
        if (outcome == WallDrawing::Outcome::Refused)
            statusBar()->showMessage(ToQString(Msg(MsgDrawWallsRefused)));
        else
            ShowWallDrawingStatus();
        UpdateWallSketch();
        return;
    }
    const std::vector<Point> corners = wallDrawing_->Corners();
    EndWallDrawing();
    NoteRoomChange(true);
    ApplyDrawnOutline(room_, corners);
    UpdateScale();
    UpdateZoomPanel();
    Redraw(true);
    if (engines_.options.Autosize)
        FitWindowToPlan();
}

void TForm1::ShowWallDrawingStatus()
{
    const std::string& typed = wallDrawing_->TypedLength();
    statusBar()->showMessage(ToQString(typed.empty() ? Msg(MsgDrawWallsHint)
                                                     : FillPlaceholders(Msg(MsgDrawWallsLength), {typed, room_.UnitName})));
}

SnapRules TForm1::CurrentSnapRules() const
{
    return {room_.GridSize, showGrid_, SnapPixels / zoom_};
}

// Called on every move of the pointer over the plan.
void TForm1::FollowWallPointer(Qt::KeyboardModifiers modifiers, QPoint pixel)
{
    cornerUnder_.reset();
    if (pointerMode_ == PointerMode::DrawingWalls) {
        wallPointer_ = RoomPointAt(RoomPixel(pixel), zoom_);
        wallShift_ = modifiers & Qt::ShiftModifier;
        wallDrawing_->SetRules(CurrentSnapRules());
        if (statusBar()->currentMessage().isEmpty())
            ShowWallDrawingStatus();  // a menu passed over took the hint away
    } else if (draggedCorner_) {
        cornerUnder_ = draggedCorner_;
    } else if (pointerMode_ == PointerMode::Idle && dragIndex_ < 0) {
        cornerUnder_ = CornerAtPixel(pixel);
    }
    UpdateWallSketch();
}

std::optional<Point> TForm1::CornerAtPixel(QPoint pixel) const
{
    if (room_.Walls.IsDefault())
        return std::nullopt;
    const PointF at = RoomPointAt(RoomPixel(pixel), zoom_);
    const auto distance = [at](Point corner) { return std::hypot(corner.x - at.x, corner.y - at.y); };
    const std::vector<Point> corners = OutlineCorners(room_.Walls);
    const auto nearest = std::min_element(corners.begin(), corners.end(),
                                          [&](Point a, Point b) { return distance(a) < distance(b); });
    if (nearest == corners.end() || distance(*nearest) * zoom_ > SnapPixels)
        return std::nullopt;
    return *nearest;
}

bool TForm1::PressOnCorner(QPoint pixel)
{
    draggedCorner_ = CornerAtPixel(pixel);
    if (!draggedCorner_)
        return false;
    Select(-1);
    return true;
}

// The corner follows the pointer, pulled to the grid and to the lines of the other corners;
// the whole drag is one step of the history.
void TForm1::DragCorner(QPoint pixel)
{
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        ObrMouseUp();  // the release went elsewhere
        return;
    }
    std::vector<Point> others = OutlineCorners(room_.Walls);
    std::erase(others, *draggedCorner_);
    const Point to = SnapPoint(RoomPointAt(RoomPixel(pixel), zoom_), others, CurrentSnapRules());
    CRoomWalls walls = room_.Walls;
    if (to == *draggedCorner_ || !MoveOutlineCorner(walls, *draggedCorner_, to))
        return;
    moved_ = true;
    NoteRoomChange(false);
    room_.Walls = std::move(walls);
    FitRoomToOutline(room_);
    draggedCorner_ = to;
    UpdateScale();
    Redraw(true);
}

bool TForm1::EditWallAtPixel(QPoint pixel)
{
    const int wall = WallAt(room_.Walls, RoomPointAt(RoomPixel(pixel), zoom_), SnapPixels / 2 / zoom_);
    if (wall < 0)
        return false;
    FormWalls->InitWalls(room_.Walls, room_.WallThickness, wall);
    FormWalls->SetUnitName(room_.UnitName);
    if (FormWalls->exec() != TFormWalls::ResultOk)
        return true;
    NoteRoomChange(true);
    FormWalls->GetWalls(room_.Walls);
    FitRoomToOutline(room_);
    UpdateScale();
    UpdateZoomPanel();
    Redraw(true);
    return true;
}

void TForm1::UpdateWallSketch()
{
    WallSketch sketch;
    if (wallDrawing_) {
        const std::vector<Point>& corners = wallDrawing_->Corners();
        for (const Point& corner : corners)
            sketch.path << ImagePixelOf(corner);
        sketch.handles = sketch.path;
        if (!corners.empty()) {
            const Point end = wallDrawing_->TypedCorner(wallPointer_, wallShift_)
                                  .value_or(wallDrawing_->NextCorner(wallPointer_, wallShift_));
            sketch.path << ImagePixelOf(end);
            const SideMeasure side = MeasureSide(corners.back(), end);
            const int decimals = side.length == std::round(side.length) ? 0 : 1;
            sketch.label = ToQString(DecimalText(side.length, LocalePunctuation(), decimals) + " " + room_.UnitName) +
                           QString("  %1°").arg(RoundToInt(side.degrees) % 360);
        }
    } else if (cornerUnder_) {
        sketch.handles << ImagePixelOf(*cornerUnder_);
    }
    Obr->SetWallSketch(sketch);
}

QPoint TForm1::ImagePixelOf(Point roomPoint) const
{
    const auto border = BorderPixels(room_, zoom_);
    return {SaturateToInt(int64_t{TruncToInt(roomPoint.x * zoom_)} + border[0]),
            SaturateToInt(int64_t{TruncToInt(roomPoint.y * zoom_)} + border[1])};
}
