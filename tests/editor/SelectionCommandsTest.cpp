// The selected object and the keys that act on it, driven as a user drives them.
#define QTEST_QPA_MOUSE_HANDLING

#include "support/MakePart.h"
#include "support/PlanWindowTest.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr int Margin = PlanWindowTest::SmallRoomMargin;

class SelectionCommandsTest : public PlanWindowTest {
protected:
    SelectionCommandsTest() : PlanWindowTest(SmallWalledRoom)
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(plan, key, modifiers); }
    void Undo() { Action("Undo1")->trigger(); }
    int Marks() { return static_cast<int>(plan->SelectionMarks().size()); }
};

}  // namespace

TEST_F(SelectionCommandsTest, ClickTabArrowsAndDeleteActOnTheSelectedObject)
{
    const int table = Add(MakePart(Rectangle, 20, 20, 60, 40));
    const int wardrobe = Add(MakePart(Rectangle, 100, 30, 80, 30));
    const QImage plain = plan->Image();
    QTest::mouseClick(plan, Qt::LeftButton, {}, QPoint(30 + Margin, 30 + Margin));
    EXPECT_EQ(Marks(), 4);
    EXPECT_EQ(plan->Image(), plain) << "the marks lie over the plan image, not in it";
    QTest::mouseClick(plan, Qt::LeftButton, {}, QPoint(150 + Margin, 100 + Margin));
    EXPECT_EQ(Marks(), 0) << "a click on the empty plan";
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(plan->SelectionMarks()[0], QPoint(100 + Margin, 30 + Margin)) << "Tab walks in drawing order";
    Key(Qt::Key_Escape);
    EXPECT_EQ(Marks(), 0);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);

    // Arrows and Shift+arrows are one undo step until another command.
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(PositionOf(wardrobe), (Point{98, 30 + Room().GridSize}));
    Key(Qt::Key_Delete);
    EXPECT_FALSE(Room().Parts[wardrobe].InUse);
    EXPECT_TRUE(Room().Parts[table].InUse);
    EXPECT_EQ(Marks(), 0);
    Undo();
    EXPECT_TRUE(Room().Parts[wardrobe].InUse);
    EXPECT_EQ(PositionOf(wardrobe), (Point{98, 30 + Room().GridSize})) << "the removal is a step of its own";
    Undo();
    EXPECT_EQ(PositionOf(wardrobe), (Point{100, 30}));
    EXPECT_FALSE(Action("Undo1")->isEnabled());

    Key(Qt::Key_Tab);
    Key(Qt::Key_Right);
    Undo();
    EXPECT_EQ(Marks(), 4) << "undo keeps the selection of an object that still exists";
}

TEST_F(SelectionCommandsTest, FamiliarShortcutsAreAddedAndTheFloorAreaShows)
{
    EXPECT_TRUE(Action("Ulozitjako1")->shortcuts().contains(QKeySequence(Qt::Key_F12)));
    EXPECT_TRUE(Action("Ulozitjako1")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    EXPECT_EQ(Action("Konec1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanelArea")->text(), QString::fromUtf8("24,000.0 cm²"));
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanelArea")->toolTip(),
              QString::fromUtf8("Floor area: 24,000.0 cm²\nPerimeter: 640.0 cm"));

    // Ctrl + wheel zooms a step, keeping the room point under the pointer where it was.
    form->SetZoom(3.0);
    QWidget* viewport = form->findChild<QScrollArea*>("ScrollBox1")->viewport();
    const QPoint at((100 + Margin) * 3, (60 + Margin) * 3);
    const QPoint global = viewport->mapToGlobal(at);
    QWheelEvent wheel(at, global, {}, {0, 120}, Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_DOUBLE_EQ(form->Zoom(), 4.0);
    const Point held = form->PlanPointAt(plan->mapFromGlobal(global));
    EXPECT_NEAR(held.x, 100, 1);
    EXPECT_NEAR(held.y, 60, 1);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(form->Zoom(), 1.0);
}
