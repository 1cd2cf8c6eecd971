#pragma once
// The main window as the tests of the plan drive it: on a private home whose settings ask
// nothing at start, numbers in the C locale, showing a room the test furnishes, with the
// pointer resting at (1, 1) of the plan, since Qt drops a move to where the pointer already is.

#include "editor/PlanWidget.h"
#include "editor/TForm1.h"
#include "model/ZoomLevels.h"
#include "support/EditorTest.h"

#include <QLocale>

#include <algorithm>
#include <memory>

class PlanWindowTest : public EditorTest {
public:
    // The room most plan tests use: 200 × 120, walled 6 thick, with margins of 10, so that at
    // zoom 1 the image pixel of a room point lies 10 pixels right of and below it.
    static constexpr int SmallRoomMargin = 10;
    static void SmallWalledRoom(CRoom& room)
    {
        room.Width = 200;
        room.Height = 120;
        room.SpaceAround = {SmallRoomMargin, SmallRoomMargin, SmallRoomMargin, SmallRoomMargin};
        room.Walls.MakeRectangle(room.Width, room.Height, 6);
    }

protected:
    explicit PlanWindowTest(const std::function<void(CRoom&)>& furnish)
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<TForm1>(prompts, QStringList());
        furnish(form->Room());
        form->UpdateScale();
        form->Redraw(true);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        plan = form->findChild<PlanWidget*>("Obr");
        MoveTo(QPoint(1, 1));
    }

    ~PlanWindowTest() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QLocale::setDefault(QLocale::system());
    }

    CRoom& Room() { return form->Room(); }
    QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
    bool CanUndo() { return Action("Undo1")->isEnabled(); }

    // The plan pixel of a room point at the current zoom.
    QPoint Pixel(int x, int y)
    {
        const std::array<int32_t, 4> border = BorderPixels(Room(), form->Zoom());
        return {static_cast<int>(x * form->Zoom()) + border[0], static_cast<int>(y * form->Zoom()) + border[1]};
    }

    // Puts an object into the room as it stands, without an undo step.
    int Add(const CPart& part)
    {
        int index = -1;
        Room().AddPart(&index) = part;
        Room().Parts[static_cast<size_t>(index)].InUse = true;
        form->Redraw(true);
        return index;
    }

    Point PositionOf(int index)
    {
        const CPart& part = Room().Parts[static_cast<size_t>(index)];
        return {part.PosX, part.PosY};
    }

    long InUseCount()
    {
        return std::count_if(Room().Parts.begin(), Room().Parts.end(), [](const CPart& part) { return part.InUse; });
    }

    void MoveTo(QPoint at, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseEvent(QTest::MouseMove, plan, Qt::NoButton, keys, at);
    }

    std::unique_ptr<TForm1> form;
    PlanWidget* plan = nullptr;
};
