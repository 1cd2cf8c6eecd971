// The object listing: its window and the copy of it to the clipboard.

#include "editor/TForm1.h"

#include "dialogs/TFormPartsList.h"

#include <QAction>

void TForm1::CreateListingActions()
{
    Seznam1 = NewAction("Seznam1", [this] { ShowPartsList(); });
    CopyObjectListingtoClipboard1 = NewAction("CopyObjectListingtoClipboard1", [this] { CopyObjectListing(); });
}

TFormPartsList& TForm1::PartsList()
{
    if (!FormPartsList) {
        TFormPartsList::Hooks hooks{
            [this] { NoteRoomChange(true); },
            [this](int index) { return EditObject(index); },
            [this] { Redraw(true); },
        };
        FormPartsList = new TFormPartsList(std::move(hooks), this);
        FormPartsList->SetRoom(&room_);
        LocalizeWindowNamed("TFormPartsList");
    }
    return *FormPartsList;
}

// Modal, so that the rows cannot go stale through edits on the plan while the list is open.
void TForm1::ShowPartsList()
{
    TFormPartsList& list = PartsList();
    list.Changed = false;
    list.exec();
    selection_.Select(list.CurrentObject());
    if (list.Changed) {
        room_.InvalidateParts();
        room_.SnapAllToWalls();
    }
    Redraw(true);
}

void TForm1::CopyObjectListing()
{
    TFormPartsList& list = PartsList();
    list.FillList();
    list.CopyListing();
}
