// The background picture: a scanned plan under the room's plan, to trace over. Its commands,
// its calibration by two clicks on the plan, and moving it with Ctrl+Shift and the mouse.

#include "editor/PlanWidget.h"
#include "editor/TForm1.h"

#include "dialogs/TFormBackground.h"
#include "editor/MainWindowTexts.h"
#include "editor/Measurement.h"
#include "localize/Messages.h"
#include "output/BackgroundPicture.h"
#include "platform/Canvas.h"
#include "platform/Prompts.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QKeyEvent>
#include <QStatusBar>

#include <algorithm>
#include <filesystem>

namespace {

constexpr Qt::KeyboardModifiers MoveModifiers = Qt::ControlModifier | Qt::ShiftModifier;
constexpr int MoveHintMilliseconds = 10000;

}  // namespace

void TForm1::CreateBackgroundActions()
{
    BackgroundOpen1 = NewAction("BackgroundOpen1", [this] { OpenBackground(); });
    BackgroundCalibrate1 = NewAction("BackgroundCalibrate1", [this] { StartCalibration(); });
    BackgroundShow1 = NewAction("BackgroundShow1", [this] { ChangeBackground([](CBackground& b) { b.Visible = !b.Visible; }); });
    BackgroundShow1->setCheckable(true);
    BackgroundRemove1 = NewAction("BackgroundRemove1", [this] { ChangeBackground([](CBackground& b) { b = {}; }); });
    UpdateBackgroundCommands();
}

void TForm1::UpdateBackgroundCommands()
{
    const CBackground& background = room_.Background;
    BackgroundCalibrate1->setEnabled(background.Shown());
    BackgroundShow1->setEnabled(background.Present() && background.Picture);
    BackgroundShow1->setChecked(background.Present() && background.Visible);
    BackgroundRemove1->setEnabled(background.Present());
}

void TForm1::ChangeBackground(const std::function<void(CBackground&)>& change)
{
    EndCalibration();
    NoteRoomChange(true);
    change(room_.Background);
    UpdateBackgroundCommands();
    composer_.Invalidate();  // the picture lies in the cached background layer
    Redraw(true);
}

void TForm1::OpenBackground()
{
    const std::string folder = fileName_.isEmpty() ? engines_.options.LastOpenFolder
                                                   : std::filesystem::path(fileName_.toStdString()).parent_path().string();
    const auto chosen = prompts_.OpenFileName(Msg(MsgOpenBackgroundTitle), folder, PictureFilter());
    if (!chosen)
        return;
    // A picture that could not be found keeps its place when it is found again; any other
    // picture at first spans the room's width from its top-left corner, until it is calibrated.
    const bool relink = room_.Background.Present() && !room_.Background.Picture;
    CBackground background = relink ? room_.Background : CBackground();
    background.File = std::filesystem::absolute(*chosen).lexically_normal().string();
    if (const std::optional<std::string> problem = DecodeBackgroundPicture(background)) {
        prompts_.Message(Msg(MsgError), *problem, PromptIcon::Error, ButtonOk);
        return;
    }
    if (!relink)
        background.Scale = static_cast<double>(std::max(room_.Width, 1)) / background.Picture->Width();
    ChangeBackground([&](CBackground& b) { b = background; });
    statusBar()->showMessage(ToQString(Msg(MsgBackgroundMoveHint)), MoveHintMilliseconds);
}

void TForm1::ShowLoadedBackground()
{
    if (const std::optional<std::string> problem = DecodeBackgroundPicture(room_.Background))
        prompts_.Message(Msg(MsgWarning), *problem, PromptIcon::Warning, ButtonOk);
    UpdateBackgroundCommands();
}

void TForm1::StartCalibration()
{
    if (pointerMode_ == PointerMode::MeasureWait || pointerMode_ == PointerMode::Measuring)
        SetMeasureMode(false);  // the clicks are the calibration's now
    if (pointerMode_ != PointerMode::Idle)
        return;  // placing an object or drawing walls first ends as it does
    calibrationPoints_.clear();
    calibrating_ = true;
    Obr->setCursor(Qt::CrossCursor);
    statusBar()->showMessage(ToQString(Msg(MsgCalibrateFirstPoint)));
}

void TForm1::EndCalibration()
{
    if (!calibrating_)
        return;
    calibrating_ = false;
    calibrationPoints_.clear();
    Obr->setCursor(Qt::ArrowCursor);
    statusBar()->clearMessage();
}

void TForm1::EditCalibration()
{
    std::optional<std::array<PointF, 2>> points;
    if (calibrationPoints_.size() == 2)
        points = std::array{calibrationPoints_[0], calibrationPoints_[1]};
    EndCalibration();
    if (!FormBackground) {
        FormBackground = new TFormBackground(prompts_, this);
        LocalizeWindowNamed("TFormBackground");
    }
    CBackground background = room_.Background;
    if (!FormBackground->Edit(background, room_.UnitName, points))
        return;
    ChangeBackground([&](CBackground& b) { b = background; });
    statusBar()->showMessage(ToQString(Msg(MsgBackgroundMoveHint)), MoveHintMilliseconds);
}

bool TForm1::BackgroundPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel)
{
    const PointF point = RoomPointAt(RoomPixel(pixel), zoom_);
    if (calibrating_) {
        if (button != Qt::LeftButton) {
            EndCalibration();
            return true;
        }
        calibrationPoints_.push_back(point);
        if (calibrationPoints_.size() == 2)
            EditCalibration();
        else
            statusBar()->showMessage(ToQString(Msg(MsgCalibrateSecondPoint)));
        return true;
    }
    if (button != Qt::LeftButton || (modifiers & MoveModifiers) != MoveModifiers || !room_.Background.Shown())
        return false;
    backgroundGrab_ = PointF{point.x - room_.Background.OffsetX, point.y - room_.Background.OffsetY};
    return true;
}

bool TForm1::BackgroundMove(QPoint pixel)
{
    if (calibrating_) {
        UpdatePositionPanel(PlanPointAt(pixel));
        return true;
    }
    if (!backgroundGrab_)
        return false;
    const PointF point = RoomPointAt(RoomPixel(pixel), zoom_);
    NoteRoomChange(false);
    room_.Background.OffsetX = point.x - backgroundGrab_->x;
    room_.Background.OffsetY = point.y - backgroundGrab_->y;
    backgroundMoved_ = true;
    composer_.Invalidate();
    Redraw(true);
    UpdatePositionPanel(PlanPointAt(pixel));
    return true;
}

bool TForm1::EndBackgroundDrag()
{
    if (!backgroundGrab_)
        return false;
    if (backgroundMoved_)
        NoteRoomChange(true);
    backgroundGrab_.reset();
    backgroundMoved_ = false;
    return true;
}

bool TForm1::BackgroundKeyPress(QKeyEvent* event)
{
    if (!calibrating_)
        return false;
    if (event->key() == Qt::Key_Escape)
        EndCalibration();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        EditCalibration();
    else
        return false;
    return true;
}
