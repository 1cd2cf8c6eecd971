#include "editor/TForm1.h"

#include "base/Numeric.h"
#include "dialogs/TFormLibrary.h"
#include "dialogs/TFormProp.h"
#include "dialogs/TFormTextProps.h"
#include "editor/Measurement.h"
#include "platform/QtConversions.h"

#include <QAction>

void TForm1::CreateObjectActions()
{
    Pridejobjekt1 = NewAction("Pridejobjekt1", [this] { AddObject(false); }, {Qt::CTRL | Qt::Key_B});
    AddLabel1 = NewAction("AddLabel1", [this] { AddLabel(false); }, {Qt::CTRL | Qt::Key_L});
    Smazvsechny1 = NewAction("Smazvsechny1", [this] { RemoveAllObjects(); });
    Katalog1 = NewAction("Katalog1", [this] { BrowseUserLibrary(); });
    Vlastnosti1 = NewAction("Vlastnosti1", [this] {
        if (const int index = TargetPart(); index >= 0)
            EditObject(index);
    });
    Duplicate1 = NewAction("Duplicate1", [this] { DuplicateObject(); });
    Odebratobjekt1 = NewAction("Odebratobjekt1", [this] { RemoveObject(); });
    Prenesdopopredi1 = NewAction("Prenesdopopredi1", [this] { BringObjectToFront(); });
    Prenesdopozadi1 = NewAction("Prenesdopozadi1", [this] { SendObjectToBack(); });
    Rotate90degright1 = NewAction("Rotate90degright1", [this] { RotateObject(90); });
    Rotate90DegreesLeft1 = NewAction("Rotate90DegreesLeft1", [this] { RotateObject(-90); });
    Pridatsemnovyobjekt1 = NewAction("Pridatsemnovyobjekt1", [this] { AddObject(true); });
    AddLabelHere1 = NewAction("AddLabelHere1", [this] { AddLabel(true); });
}

void TForm1::AddObject(bool atPoint)
{
    const int index = NewSlot(atPoint);
    if (!ChooseNewObject(index))
        return;  // the slot stays free for the next addition
    CPart& part = PartAtSlot(index);
    part.SnapToWall(room_.Walls, part.PosX, part.PosY, false);
    FinishAddition(index, atPoint);
}

void TForm1::AddLabel(bool atPoint)
{
    const int index = NewSlot(atPoint);
    CPart& label = PartAtSlot(index);
    label.Type = Label;
    label.LineColor = AlignLeft;
    label.FillColor = NoColour;
    label.TextColor = 0;
    FormTextProps->SetRoom(room_);
    FormTextProps->SetLabel(label);
    if (FormTextProps->exec() != TFormTextProps::ResultOk)
        return;
    FormTextProps->ApplyToLabel(PartAtSlot(index));
    FinishAddition(index, atPoint);
}

int TForm1::NewSlot(bool atPoint)
{
    ObrMouseUp();  // a placement still open ends where it is, as its own step
    int index = -1;
    CPart& part = room_.AddPart(&index);
    if (atPoint) {
        part.PosX = TruncToInt(clickPoint_.x / zoom_);
        part.PosY = TruncToInt(clickPoint_.y / zoom_);
    }
    return index;
}

bool TForm1::ChooseNewObject(int index)
{
    FormLibrary->SetRoom(room_);
    const int choice = FormLibrary->exec();
    if (choice == TFormLibrary::ResultOk) {
        FormLibrary->GetSelectedPart(PartAtSlot(index));
        return true;
    }
    if (choice != TFormLibrary::ResultAddBasic)
        return false;
    FormProp->SetRoom(room_);
    FormProp->SetBrowseMode(false);
    FormProp->SetPart(PartAtSlot(index), false);
    if (FormProp->exec() != TFormProp::ResultOk)
        return false;
    FormProp->ApplyToPart(PartAtSlot(index));
    return true;
}

// The undo step is noted while the slot is still free, so that undoing it removes the new
// object; without a point the placement that follows belongs to the same step. A catalogue
// entry brings its own in-use flag into the slot, so the slot is freed again first.
void TForm1::FinishAddition(int index, bool atPoint)
{
    PartAtSlot(index).InUse = false;
    const bool ownStep = NoteRoomChange(atPoint);
    CPart& part = PartAtSlot(index);
    part.InUse = true;
    part.InvalidateCorners();
    selection_.Select(index);
    Redraw(true);
    if (atPoint)
        return;
    const Rect bounds = part.Bounds(zoom_);
    StartPlacing(index, QPoint((bounds.right - bounds.left) / 2, (bounds.bottom - bounds.top) / 2), ownStep);
}

bool TForm1::EditObject(int index)
{
    const bool label = PartAtSlot(index).Type == Label;
    if (label) {
        FormTextProps->SetRoom(room_);
        FormTextProps->SetLabel(PartAtSlot(index));
        if (FormTextProps->exec() != TFormTextProps::ResultOk)
            return false;
    } else {
        FormProp->SetRoom(room_);
        FormProp->SetBrowseMode(false);
        FormProp->SetPart(PartAtSlot(index), false);
        if (FormProp->exec() != TFormProp::ResultOk)
            return false;
    }
    NoteRoomChange(true);
    CPart& part = PartAtSlot(index);
    if (label)
        FormTextProps->ApplyToLabel(part);
    else
        FormProp->ApplyToPart(part);
    part.SnapToWall(room_.Walls, part.PosX, part.PosY, false);
    part.InvalidateCorners();
    Redraw(true);
    return true;
}

// The copy starts over its source, held where the pointer holds the source, and follows the
// pointer until the release drops it as one undo step.
void TForm1::DuplicateObject()
{
    const int source = TargetPart();
    if (source < 0)
        return;
    const CPart original = PartAtSlot(source);  // adding a slot may move the list
    const bool ownStep = NoteRoomChange(false);
    int index = -1;
    room_.AddPart(&index) = original;
    Select(index);
    StartPlacing(index, ToQPoint(GrabOffset(clickPoint_, {original.PosX, original.PosY}, zoom_)), ownStep);
}

void TForm1::RemoveObject()
{
    RemoveObjectAt(TargetPart());
}

void TForm1::RemoveObjectAt(int index)
{
    if (index < 0)
        return;
    NoteRoomChange(true);
    room_.RemovePart(index);
    Redraw(true);
}

void TForm1::RemoveAllObjects()
{
    NoteRoomChange(true);
    room_.ClearParts();
    Redraw(true);
}

void TForm1::BringObjectToFront()
{
    const int index = TargetPart();
    if (index < 0 || index == room_.PartCount() - 1)
        return;
    NoteRoomChange(true);
    room_.BringToFront(index);
    if (selection_.Index() == index)
        selection_.Select(room_.PartCount() - 1);
    Redraw(true);
}

void TForm1::SendObjectToBack()
{
    const int index = TargetPart();
    if (index <= 0)
        return;
    NoteRoomChange(true);
    room_.SendToBack(index);
    if (selection_.Index() == index)
        selection_.Select(0);
    else if (selection_.Index() >= 0 && selection_.Index() < index)
        selection_.Select(selection_.Index() + 1);
    Redraw(true);
}

// Windows and labels always lie along the plan's axes. An object turns about its middle; a door
// then snaps back to its wall.
void TForm1::RotateObject(int degrees)
{
    const int index = TargetPart();
    if (index < 0)
        return;
    const int shape = PartAtSlot(index).ShapeType();
    if (shape == Window || shape == Label)
        return;
    NoteRoomChange(true);
    CPart& part = PartAtSlot(index);
    part.RotateInPlace(degrees);
    MovePartBy(room_, index, {0, 0});
    Redraw(true);
}

// The dialog then manages the user's catalogue only; the room stays as it is.
void TForm1::BrowseUserLibrary()
{
    FormProp->SetRoom(room_);
    FormProp->SetBrowseMode(true);
    FormProp->ClearFields();
    FormProp->exec();
}

int TForm1::TargetPart() const
{
    return room_.PartAt(clickPoint_.x, clickPoint_.y, zoom_);
}
