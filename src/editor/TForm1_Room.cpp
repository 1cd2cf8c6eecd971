#include "editor/TForm1.h"

#include "dialogs/TFormRoom.h"
#include "model/ZoomLevels.h"

#include <QAction>

void TForm1::CreateRoomActions()
{
    Zmenrozmery1 = NewAction("Zmenrozmery1", [this] { EditRoomProperties(); });
}

bool TForm1::EditRoomProperties()
{
    FormRoom->Load(room_);
    if (FormRoom->exec() != TFormRoom::ResultOk)
        return false;
    NoteRoomChange(true);
    room_ = FormRoom->Room();
    // The copy brought back the flag as it was before the change.
    room_.Modified = true;
    room_.InvalidateParts();
    // A larger room may need a smaller zoom to keep its image within bounds.
    zoom_ = LargestZoomThatFits(room_, zoom_);
    UpdateScale();
    room_.SnapAllToWalls();
    UpdateZoomPanel();
    Redraw(true);
    if (engines_.options.Autosize)
        FitWindowToPlan();
    return true;
}
