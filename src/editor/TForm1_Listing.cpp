// The object listing: its window and the copy of it to the clipboard.

#include "editor/TForm1.h"

#include "dialogs/TFormPartsList.h"

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

void TForm1::ShowPartsList()
{
    TFormPartsList& list = PartsList();
    list.Changed = false;
    list.show();
    list.raise();
}

void TForm1::CopyObjectListing()
{
    TFormPartsList& list = PartsList();
    list.FillList();
    list.CopyListing();
}
