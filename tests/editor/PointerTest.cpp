// The mouse and the keys on the plan, driven as a user drives them. Mouse events go through
// the window system layer, so that the buttons Qt reports held are the ones the test holds.
#define QTEST_QPA_MOUSE_HANDLING

#include "support/MakePart.h"
#include "support/PlanWindowTest.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QMouseEvent>
#include <QStatusBar>

namespace {

class PointerTest : public PlanWindowTest {
protected:
    PointerTest() : PlanWindowTest(SmallWalledRoom) {}

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(plan, button, keys, at);
    }
    void Release(QPoint at) { QTest::mouseRelease(plan, Qt::LeftButton, {}, at); }

    QLabel* StatusPanel(int index) { return form->findChild<QLabel*>(QString("StatusPanel%1").arg(index)); }
};

}  // namespace

TEST_F(PointerTest, HintDescribesAndDragMovesTheTopmostObjectAsOneStepEndingWhereverTheButtonIsReleased)
{
    CPart table = MakePart(Rectangle, 20, 20, 60, 40);
    table.Caption = "Table";
    const int lower = Add(table);
    const int upper = Add(MakePart(Rectangle, 50, 40, 60, 40));
    // The hint describes the object under the pointer, which can be moved.
    MoveTo(Pixel(30, 30));
    EXPECT_EQ(plan->toolTip().toStdString(), table.Describe());
    EXPECT_EQ(plan->cursor().shape(), Qt::SizeAllCursor);
    MoveTo(Pixel(150, 90));
    EXPECT_TRUE(plan->toolTip().isEmpty());
    EXPECT_EQ(StatusPanel(2)->text(), " Position [cm]: 150, 90");
    // A click records nothing.
    Press(Pixel(60, 50));
    Release(Pixel(60, 50));
    EXPECT_FALSE(Room().Modified);
    EXPECT_FALSE(CanUndo());

    Press(Pixel(60, 50));  // on both
    for (int step = 1; step <= 10; ++step)
        MoveTo(Pixel(60 + 5 * step, 50 + 3 * step));
    EXPECT_EQ(plan->cursor().shape(), Qt::SizeAllCursor);
    Release(Pixel(110, 80));
    EXPECT_EQ(PositionOf(upper), (Point{100, 70}));
    EXPECT_EQ(PositionOf(lower), (Point{20, 20}));
    // Released, the object no longer follows the pointer.
    MoveTo(Pixel(180, 115));
    EXPECT_EQ(PositionOf(upper), (Point{100, 70}));
    EXPECT_EQ(plan->cursor().shape(), Qt::ArrowCursor);
    ASSERT_TRUE(CanUndo());
    Action("Undo1")->trigger();
    EXPECT_EQ(PositionOf(upper), (Point{50, 40}));
    EXPECT_FALSE(CanUndo()) << "the drag took more than one step";

    // Released outside the plan, it ends there.
    Press(Pixel(30, 30));
    MoveTo(Pixel(40, 35));
    const QPoint outside(plan->width() + 40, -30);
    MoveTo(outside);
    Release(outside);
    const Point dropped = PositionOf(lower);
    EXPECT_EQ(dropped, (Point{20 + outside.x() - Pixel(30, 30).x(), 20 + outside.y() - Pixel(30, 30).y()}));
    MoveTo(Pixel(100, 60));
    EXPECT_EQ(PositionOf(lower), dropped);

    // A release the plan never sees, taken by a popup, ends the drag at the next move.
    Press(Pixel(100, 70));
    MoveTo(Pixel(110, 70));
    QMenu popup;
    popup.addAction("Elsewhere");
    popup.popup(plan->mapToGlobal(Pixel(150, 100)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    QTest::mouseRelease(&popup, Qt::LeftButton, {}, QPoint(5, 5));
    popup.close();
    MoveTo(Pixel(60, 50));
    EXPECT_EQ(PositionOf(upper), (Point{60, 40}));
}

// Where a door snaps is the core's; here, that a drag snaps it as it goes.
TEST_F(PointerTest, DoorSlidesAlongTheWallItIsDraggedTo)
{
    CPart door = MakePart(Door, 80, 50, 40, 40);
    door.SnapToWallFlag = true;
    const int index = Add(door);
    Press(Pixel(100, 70));
    for (int y = 60; y >= 4; y -= 8)
        MoveTo(Pixel(100, y));
    const CPart& snapped = Room().Parts[index];
    EXPECT_EQ(snapped.WallLink & 0xFFFF, 0);  // the top wall
    EXPECT_EQ(snapped.Bounds(1.0).left, 80);  // centred on the pointer
    EXPECT_EQ(snapped.Bounds(1.0).right, 120);
    // Dragged along the right wall, it turns with it.
    MoveTo(Pixel(196, 60));
    EXPECT_EQ(snapped.WallLink & 0xFFFF, 3);
    EXPECT_EQ(snapped.Bounds(1.0).top, 40);
    EXPECT_EQ(snapped.Bounds(1.0).bottom, 80);
    Release(Pixel(196, 60));
}

TEST_F(PointerTest, PlacedObjectFollowsThePointerUntilReleasedOrEscaped)
{
    // As Add Object leaves it: the change noted before the new object is put in use.
    const auto startPlacing = [this] {
        int index = -1;
        Room().AddPart(&index) = MakePart(Rectangle, 0, 0, 60, 40);
        const bool ownStep = form->NoteRoomChange(false);
        Room().Parts[index].InUse = true;
        form->StartPlacing(index, QPoint(30, 20), ownStep);
        return index;
    };
    int index = startPlacing();
    EXPECT_EQ(plan->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(form->statusBar()->currentMessage(), "Click to place the object, Esc cancels");
    // The release of the double click that chose the object in the library, which the
    // window system hands to the plan once the chooser has closed.
    QMouseEvent stray(QEvent::MouseButtonRelease, QPointF(Pixel(5, 5)), plan->mapToGlobal(QPointF(Pixel(5, 5))),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plan, &stray);
    MoveTo(Pixel(100, 60));
    EXPECT_EQ(PositionOf(index), (Point{70, 40}));  // held at its centre
    Press(Pixel(100, 60));  // ignored: only the release drops it
    MoveTo(Pixel(110, 70));
    Release(Pixel(110, 70));
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
    MoveTo(Pixel(150, 90));
    EXPECT_EQ(PositionOf(index), (Point{80, 50}));

    Action("Undo1")->trigger();
    index = startPlacing();
    MoveTo(Pixel(100, 60));
    const QImage withObject = plan->Image().copy();
    QTest::keyClick(plan, Qt::Key_Escape);
    EXPECT_EQ(InUseCount(), 0);
    EXPECT_NE(plan->Image(), withObject);
    // The history and the modified mark are as before the addition: Redo still brings back
    // the first placement.
    EXPECT_FALSE(CanUndo());
    EXPECT_TRUE(Action("Redo1")->isEnabled());
    EXPECT_FALSE(Room().Modified);
    const Point cancelledAt = PositionOf(index);
    MoveTo(Pixel(120, 80));
    EXPECT_EQ(PositionOf(index), cancelledAt);
    EXPECT_EQ(plan->cursor().shape(), Qt::ArrowCursor);

    // A command that takes the object away, here Undo, ends the placement too.
    startPlacing();
    MoveTo(Pixel(100, 60));
    Action("Undo1")->trigger();
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty()) << "no hint left while nothing follows";
    MoveTo(Pixel(120, 80));
    EXPECT_EQ(InUseCount(), 0);
    EXPECT_EQ(plan->cursor().shape(), Qt::ArrowCursor);
}

// Where Shift turns the line and how its length reads are the core's; here, that the plan
// draws, shows and reports them, and how measuring starts and ends.
TEST_F(PointerTest, TheMeasuringLineIsDrawnShownAndReportedAndEndsWithEscapeOrTheRightButton)
{
    form->SetZoom(2.0);
    const QImage plain = plan->Image().copy();
    QTest::keyClick(plan, Qt::Key_M, Qt::NoModifier);
    EXPECT_TRUE(Action("ToolButtonMeasAction")->isChecked());
    EXPECT_TRUE(StatusPanel(0)->isVisible());
    EXPECT_FALSE(StatusPanel(1)->isVisible());

    Press({100, 100});
    Release({100, 100});
    EXPECT_EQ(plan->cursor().shape(), Qt::CrossCursor);
    // To the right and slightly down: horizontal, |dx| / zoom long.
    MoveTo({300, 104}, Qt::ShiftModifier);
    EXPECT_EQ(StatusPanel(0)->text(), "Measurement: 100.00cm");
    const auto inverted = [&](QPoint at) { return plan->Image().pixel(at) == (plain.pixel(at) ^ 0x00FFFFFFu); };
    EXPECT_TRUE(inverted({200, 100}));
    EXPECT_FALSE(inverted({200, 102}));
    // Without Shift the line goes where the pointer is, and the old one is gone.
    MoveTo({160, 180});
    EXPECT_EQ(StatusPanel(0)->text(), "Measurement: 50.00cm");
    EXPECT_TRUE(inverted({130, 140}));
    EXPECT_EQ(plan->Image().pixel(200, 100), plain.pixel(200, 100));

    prompts.buttons = {ButtonOk};
    Press({104, 20}, Qt::LeftButton, Qt::ShiftModifier);
    Release({104, 20});
    EXPECT_EQ(prompts.asked.back(), "Message Measurement: The length is 40.00cm.");
    EXPECT_FALSE(Action("ToolButtonMeasAction")->isChecked());
    EXPECT_FALSE(StatusPanel(0)->isVisible());
    EXPECT_TRUE(StatusPanel(1)->isVisible());
    EXPECT_EQ(plan->Image(), plain);
    EXPECT_FALSE(Room().Modified);
    EXPECT_FALSE(CanUndo());

    // A press, a drag and a release measure the same.
    QTest::keyClick(plan, Qt::Key_M, Qt::NoModifier);
    prompts.buttons = {ButtonOk};
    Press({100, 100});
    QTest::mouseEvent(QTest::MouseMove, plan, Qt::LeftButton, {}, {160, 180});
    Release({160, 180});
    EXPECT_EQ(prompts.asked.back(), "Message Measurement: The length is 50.00cm.");

    // Escape and the right button end it without a report; its start stays through a zoom.
    const size_t reports = prompts.asked.size();
    for (const bool escape : {true, false}) {
        Action("ToolButtonMeasAction")->trigger();
        Press(Pixel(20, 20));
        Release(Pixel(20, 20));
        QTest::keyClick(plan, Qt::Key_Minus, Qt::NoModifier);
        MoveTo(Pixel(120, 20));
        EXPECT_EQ(StatusPanel(0)->text(), "Measurement: 100.00cm");
        if (escape)
            QTest::keyClick(plan, Qt::Key_Escape);
        else
            QTest::mouseClick(plan, Qt::RightButton, {}, Pixel(120, 20));
        EXPECT_FALSE(Action("ToolButtonMeasAction")->isChecked());
        QTest::keyClick(plan, Qt::Key_Plus, Qt::NoModifier);
        EXPECT_EQ(plan->Image(), plain);
    }
    EXPECT_EQ(prompts.asked.size(), reports);
}

// The order Tab walks and the steps of the arrows are the core's; here, that the keys and the
// clicks select through them, with marks over the plan and an undo step each.
TEST_F(PointerTest, ClickTabArrowsAndDeleteActOnTheSelectedObject)
{
    const int table = Add(MakePart(Rectangle, 20, 20, 60, 40));
    const int wardrobe = Add(MakePart(Rectangle, 100, 30, 80, 30));
    const QImage plain = plan->Image();
    QTest::mouseClick(plan, Qt::LeftButton, {}, Pixel(30, 30));
    EXPECT_EQ(plan->SelectionMarks().size(), 4u);
    EXPECT_EQ(plan->Image(), plain) << "the marks lie over the plan image, not in it";
    QTest::mouseClick(plan, Qt::LeftButton, {}, Pixel(150, 100));
    EXPECT_TRUE(plan->SelectionMarks().isEmpty()) << "a click on the empty plan";
    QTest::keyClick(plan, Qt::Key_Tab);
    QTest::keyClick(plan, Qt::Key_Tab);
    EXPECT_EQ(plan->SelectionMarks()[0], Pixel(100, 30)) << "Tab walks in drawing order";
    QTest::keyClick(plan, Qt::Key_Escape);
    EXPECT_TRUE(plan->SelectionMarks().isEmpty());
    QTest::keyClick(plan, Qt::Key_Backtab, Qt::ShiftModifier);

    // Arrows and Shift+arrows are one undo step until another command.
    QTest::keyClick(plan, Qt::Key_Left);
    QTest::keyClick(plan, Qt::Key_Left);
    QTest::keyClick(plan, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(PositionOf(wardrobe), (Point{98, 30 + Room().GridSize}));
    QTest::keyClick(plan, Qt::Key_Delete);
    EXPECT_FALSE(Room().Parts[wardrobe].InUse);
    EXPECT_TRUE(Room().Parts[table].InUse);
    EXPECT_TRUE(plan->SelectionMarks().isEmpty());
    Action("Undo1")->trigger();
    EXPECT_EQ(PositionOf(wardrobe), (Point{98, 30 + Room().GridSize})) << "the removal is a step of its own";
    Action("Undo1")->trigger();
    EXPECT_EQ(PositionOf(wardrobe), (Point{100, 30}));
    EXPECT_FALSE(CanUndo());

    QTest::keyClick(plan, Qt::Key_Tab);
    QTest::keyClick(plan, Qt::Key_Right);
    Action("Undo1")->trigger();
    EXPECT_EQ(plan->SelectionMarks().size(), 4u) << "undo keeps the selection of an object that still exists";
}

TEST_F(PointerTest, FloorAreaShowsAndTheWheelScrollsOrWithCtrlZoomsAboutThePointer)
{
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanelArea")->text(), QString::fromUtf8("24,000.0 cm²"));
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanelArea")->toolTip(),
              QString::fromUtf8("Floor area: 24,000.0 cm²\nPerimeter: 640.0 cm"));

    auto* scrollBox = form->findChild<QScrollArea*>("ScrollBox1");
    QWidget* viewport = scrollBox->viewport();
    form->SetZoom(3.0);
    const QPoint at = Pixel(100, 60);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers keys) {
        QWheelEvent event(at, viewport->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    // Ctrl + wheel zooms a step, keeping the room point under the pointer where it was.
    wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(form->Zoom(), 4.0);
    const Point held = form->PlanPointAt(plan->mapFromGlobal(viewport->mapToGlobal(at)));
    EXPECT_NEAR(held.x, 100, 1);
    EXPECT_NEAR(held.y, 60, 1);

    // Alone, it scrolls by a third of its delta: down, or sideways with Shift.
    QScrollBar* vertical = scrollBox->verticalScrollBar();
    QScrollBar* horizontal = scrollBox->horizontalScrollBar();
    vertical->setValue(100);
    horizontal->setValue(100);
    wheel(-120, {});  // one notch towards the user: down
    EXPECT_EQ(vertical->value(), 140);
    wheel(240, {});
    EXPECT_EQ(vertical->value(), 60);
    wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(horizontal->value(), 140);
    EXPECT_EQ(vertical->value(), 60);
    EXPECT_DOUBLE_EQ(form->Zoom(), 4.0);
    QTest::keyClick(plan, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(form->Zoom(), 1.0);
}
