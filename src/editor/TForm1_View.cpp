#include "editor/TForm1.h"

#include "dialogs/LocalCoordinates.h"
#include "dialogs/TFormCoord.h"
#include "editor/PlanWidget.h"
#include "editor/StatusTexts.h"
#include "editor/WindowPlacement.h"
#include "model/PlanRendering.h"
#include "model/ZoomLevels.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

namespace {

enum Panel { MeasurePanel = 0, RoomPanel = 1, PositionPanel = 2, ZoomPanel = 3 };

}  // namespace

void TForm1::CreateViewActions()
{
    Zoom1001 = NewAction("Zoom1001", [this] { Zoom100(); }, {Qt::CTRL | Qt::Key_0});
    Priblizit1 = NewAction("Priblizit1", [this] { ZoomIn(); });
    Oddlit1 = NewAction("Oddlit1", [this] { ZoomOut(); });
    BestFit1 = NewAction("BestFit1", [this] { BestFit(); });
    LocalCoordinates1 = NewAction("LocalCoordinates1", [this] { ShowLocalCoordinatesDialog(); });
    ShowGrid1 = NewAction("ShowGrid1", [this] { ToggleGrid(ShowGrid1->isChecked()); });
    ShowCollisions1 = NewAction("ShowCollisions1", [this] { ToggleCollisions(ShowCollisions1->isChecked()); });
    ShowCaptions1 = NewAction("ShowCaptions1", [this] { ToggleCaptions(ShowCaptions1->isChecked()); });
    // The button shows the flag; the toggle decides it, the dialog having the last word.
    ToolButtonCoordAction = NewAction("ToolButtonCoordAction", [this] { ToggleLocalCoordinates(); });
    for (QAction* action : {ShowGrid1, ShowCollisions1, ShowCaptions1, ToolButtonCoordAction})
        action->setCheckable(true);
}

void TForm1::SetZoom(double zoom)
{
    zoom_ = LargestZoomThatFits(room_, zoom);
    AfterZoomChange();
}

void TForm1::AfterZoomChange()
{
    UpdateScale();
    UpdateZoomPanel();
    Redraw(true);
    if (engines_.options.Autosize)
        FitWindowToPlan();
}

void TForm1::ZoomIn()
{
    if (const auto next = NextZoomIn(zoom_))
        SetZoom(*next);
}

void TForm1::ZoomOut()
{
    if (const auto next = NextZoomOut(zoom_))
        SetZoom(*next);
}

void TForm1::Zoom100()
{
    SetZoom(1.0);
}

ViewFrame TForm1::CurrentFrame() const
{
    ViewFrame frame;
    frame.window = {frameGeometry().width(), frameGeometry().height()};
    frame.client = {ScrollBox1->viewport()->width(), ScrollBox1->viewport()->height()};
    frame.verticalBarWidth = ScrollBox1->verticalScrollBar()->sizeHint().width();
    frame.horizontalBarHeight = ScrollBox1->horizontalScrollBar()->sizeHint().height();
    frame.verticalBarShown = ScrollBox1->verticalScrollBar()->isVisible();
    frame.horizontalBarShown = ScrollBox1->horizontalScrollBar()->isVisible();
    return frame;
}

Rect TForm1::WorkArea() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? FromQRect(screen->availableGeometry()) : Rect{0, 0, width(), height()};
}

void TForm1::FitViewToShownWindow()
{
    laidOut_ = true;
    // On a screen of another pixel ratio the plan is composed anew for it.
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
        UpdateScale();
        Redraw(false);
    });
    KeepFrameOnScreen();
    if (std::exchange(bestFitOwed_, false))
        BestFit();
    else if (engines_.options.Autosize)
        FitWindowToPlan();
}

void TForm1::BestFit()
{
    if (!laidOut_) {
        bestFitOwed_ = true;
        return;
    }
    const PixelSize area = BestFitArea(CurrentFrame(), WorkArea(), engines_.options.Autosize);
    if (const auto zoom = BestFitZoom(room_, area))
        SetZoom(*zoom);
}

void TForm1::UpdateScale()
{
    // Whatever changed the room or the zoom, the plan image stays within what a bitmap holds.
    zoom_ = LargestZoomThatFits(room_, zoom_);
    PrepareForView(room_, CurrentView());
    composer_.Invalidate();
    UpdateAreaPanel();
    Obr->SetMeasurement({}, {});  // its pixels belonged to the old scale
}

double TForm1::PlanPixelRatio() const
{
    const double screen = Obr->devicePixelRatioF();
    return ImageFits(room_, zoom_ * screen) ? screen : 1.0;
}

PlanView TForm1::CurrentView() const
{
    PlanView view = WholeRoomView(room_, zoom_ * PlanPixelRatio());
    view.showGrid = showGrid_;
    view.showCaptions = showCaptions_;
    view.showCollisions = showCollisions_;
    return view;
}

void TForm1::Redraw(bool repaint)
{
    const PixelSize size = RoomImageSize(room_, zoom_);
    const PlanView view = CurrentView();
    const double ratio = PlanPixelRatio();
    // What an earlier drawing left to compose later is of no use now.
    Obr->ComposeInSteps({}, {});
    if (QSize(size.width, size.height) != imageSize_ || QSize(view.width, view.height) != Obr->ImageSize() ||
        ratio != Obr->ImageRatio()) {
        imageSize_ = QSize(size.width, size.height);
        Obr->Resize(imageSize_, QSize(view.width, view.height), ratio);
        statusBar()->update();
    }
    UpdateRoomPanel();
    if (Obr->HasPainted())
        composer_.DrawAll(room_, view, Obr->Image());
    else
        // A large room shows sooner when the first paint waits only for the part it shows.
        Obr->ComposeInSteps(
            [this](QImage& image, const QRect& area) { composer_.DrawArea(room_, CurrentView(), image, area); },
            [this](QImage& image) { return composer_.DrawRest(room_, CurrentView(), image); });
    UpdateSelectionMarks();
    UpdateWallSketch();
    if (repaint)
        Obr->repaint();
    else
        Obr->update();
}

void TForm1::RedrawMoved(int index)
{
    const PixelSize size = RoomImageSize(room_, zoom_);
    const auto changed = QSize(size.width, size.height) == imageSize_
                             ? composer_.DrawMoved(room_, CurrentView(), Obr->Image(), static_cast<size_t>(index))
                             : std::nullopt;
    if (!changed) {
        Redraw(true);
        return;
    }
    UpdateSelectionMarks();
    Obr->RepaintImageArea(*changed);
}

void TForm1::UpdateZoomPanel()
{
    zoom_ = LargestZoomThatFits(room_, zoom_);
    panels_[ZoomPanel]->setText(ToQString(ZoomPanelText(zoom_)));
}

void TForm1::UpdateRoomPanel()
{
    panels_[RoomPanel]->setText(ToQString(RoomPanelText(room_)));
}

void TForm1::UpdateAreaPanel()
{
    areaPanel_->setText(ToQString(AreaPanelText(room_, LocalePunctuation())));
    areaPanel_->setToolTip(ToQString(FloorText(room_, LocalePunctuation())));
}

void TForm1::UpdateMeasurePanel()
{
    panels_[MeasurePanel]->setText(ToQString(MeasurePanelText(lastMeasurement_, room_.UnitName, LocalePunctuation())));
}

void TForm1::UpdatePositionPanel(Point roomPoint)
{
    panels_[PositionPanel]->setText(ToQString(PositionPanelText(room_, roomPoint)));
}

Point TForm1::PlanPointAt(QPoint imagePixel) const
{
    return PlanPointFromViewPixel(room_, zoom_, {0, 0}, {imagePixel.x(), imagePixel.y()});
}

void TForm1::FitWindowToPlan()
{
    if (!laidOut_ || windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    QWidget* lastButton = ToolBar1->widgetForAction(ToolBar1->actions().last());
    const int minimumWidth = lastButton ? lastButton->geometry().right() + 16 : 0;
    const WindowBounds fitted = ::FitWindowToPlan({imageSize_.width(), imageSize_.height()}, CurrentFrame(),
                                                  minimumWidth, WorkArea(), {x(), y()});
    // The frame is part of the bounds; the window's own size is without it.
    const QSize frameExtra = frameGeometry().size() - size();
    move(fitted.left, fitted.top);
    resize(fitted.width - frameExtra.width(), fitted.height - frameExtra.height());
}

void TForm1::ToggleGrid(bool on)
{
    showGrid_ = on;
    UpdateScale();
    Redraw(true);
}

void TForm1::ToggleCollisions(bool on)
{
    showCollisions_ = on;
    UpdateScale();
    Redraw(true);
}

void TForm1::ToggleCaptions(bool on)
{
    showCaptions_ = on;
    Redraw(true);
}

// Local coordinates are a setting of the view: no undo step, and the room is not "changed".
void TForm1::ToggleLocalCoordinates()
{
    if (room_.UserCoord) {
        room_.UserCoord = false;
    } else {
        room_.UserCoord = true;
        if (EditLocalCoordinates() != 1)
            room_.UserCoord = false;
    }
    ToolButtonCoordAction->setChecked(room_.UserCoord);
    UpdatePositionPanel(PlanPointAt(Obr->mapFromGlobal(QCursor::pos())));
}

int TForm1::EditLocalCoordinates()
{
    FormCoord->PlaceAbovePlan(QRect(ScrollBox1->mapToGlobal(QPoint(0, 0)), ScrollBox1->size()));
    return FormCoord->Edit(room_);
}

void TForm1::ShowLocalCoordinatesDialog()
{
    EditLocalCoordinates();
    ToolButtonCoordAction->setChecked(room_.UserCoord);
}

std::optional<Point> TForm1::PlanPointUnder(QPoint globalPos) const
{
    const QPoint inView = ScrollBox1->viewport()->mapFromGlobal(globalPos);
    if (!ScrollBox1->viewport()->rect().contains(inView))
        return std::nullopt;
    return PlanPointAt(Obr->mapFromGlobal(globalPos));
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyPress(event))
        QMainWindow::keyPressEvent(event);
}

void TForm1::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomAtPointer(delta > 0, ScrollBox1->viewport()->mapFromGlobal(event->globalPosition().toPoint()));
        return;
    }
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) ? ScrollBox1->horizontalScrollBar()
                                                               : ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() - delta / 3);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    statusBar()->update();
}

// The wheel scrolls the plan by our own step, over the plan as anywhere else in the window.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        FitViewToShownWindow();
        return false;
    }
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return event->isAccepted();
    }
    return QMainWindow::eventFilter(watched, event);
}
