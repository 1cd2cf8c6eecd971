#include "editor/TForm1.h"

#include "editor/StatusTexts.h"

#include <QAction>

void TForm1::CreateHistoryActions()
{
    Undo1 = NewAction("Undo1", [this] { Undo(); }, {Qt::CTRL | Qt::Key_Z});
    Redo1 = NewAction("Redo1", [this] { Redo(); }, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
}

bool TForm1::NoteRoomChange(bool commit)
{
    // A run of arrow moves ends here: this change is a step of its own.
    if (selection_.EndMoveRun())
        undo_.EndStep();
    const bool wasModified = room_.Modified;
    const bool newStep = undo_.NoteChange(room_, commit);
    if (!wasModified) {
        SetSaveEnabled(true);
        UpdateTitle();
    }
    UpdateUndoButtons();
    return newStep;
}

void TForm1::UpdateUndoButtons()
{
    Undo1->setEnabled(undo_.CanUndo());
    Redo1->setEnabled(undo_.CanRedo());
}

void TForm1::UpdateTitle()
{
    setWindowTitle(QString::fromStdString(WindowTitle(fileName_.toStdString(), room_.Modified)));
}

void TForm1::Undo()
{
    RestoreSnapshot(undo_.Undo(&room_));
}

void TForm1::Redo()
{
    RestoreSnapshot(undo_.Redo());
}

// Undo and redo never touch the local coordinates, a setting of the view, nor the encoding
// of the room's file, which is the file's as the last save left it.
void TForm1::RestoreSnapshot(const CRoom& snapshot)
{
    EndDrag();  // the object dragged or placed may be gone
    const int32_t originX = room_.UserCoordOriginX;
    const int32_t originY = room_.UserCoordOriginY;
    const TextEncoding encoding = room_.Encoding;
    room_ = snapshot;
    room_.UserCoordOriginX = originX;
    room_.UserCoordOriginY = originY;
    room_.Encoding = encoding;
    room_.UserCoord = ToolButtonCoordAction->isChecked();
    selection_.EndMoveRun();
    selection_.Keep(room_);
    SetSaveEnabled(room_.Modified || fileName_.isEmpty());
    UpdateUndoButtons();
    UpdateTitle();
    UpdateScale();
    Redraw(true);
    if (engines_.options.Autosize)
        FitWindowToPlan();
}
