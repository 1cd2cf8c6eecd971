// The local coordinates dialog driven as a user drives it.

#include "dialogs/TFormCoord.h"

#include "dialogs/LocalCoordinates.h"
#include "model/CRoom.h"
#include "support/Widgets.h"

#include <vector>

namespace {

// The main window's plan area on the screen; the dialog stands over its right part, and above
// the area lies the tool bar.
const QRect PlanArea(0, 60, 700, 400);
const QPoint ToolBar(200, 20);

// A point of the plan area by its pixel in the area.
QPoint Plan(int x, int y)
{
    return PlanArea.topLeft() + QPoint(x, y);
}

class TFormCoordTest : public ::testing::Test {
protected:
    TFormCoordTest()
    {
        room.UserCoordOriginX = 12;
        room.UserCoordOriginY = -15;
        room.UserCoord = false;
        dialog.move(450, 100);
        // The main window's answer: the room at zoom 2, scrolled by (100, 40), margins 35.
        dialog.SetPlanPicker([this](QPoint global) -> std::optional<Point> {
            if (!PlanArea.contains(global))
                return std::nullopt;
            const QPoint at = global - PlanArea.topLeft();
            return PlanPointFromViewPixel(room, 2.0, {100, 40}, {at.x(), at.y()});
        });
    }

    void Show()
    {
        dialog.Load(room);
        ::Show(dialog);
    }

    // Clicks the button through the window system, as the user does, so that Qt sees the
    // pointer there before it moves on.
    void StartPicking()
    {
        ClickAt(Over("BtnClickObr"));
        ASSERT_TRUE(dialog.IsPicking());
    }

    // While the dialog holds the mouse, the window system reports the pointer to the dialog's
    // window, in its coordinates, wherever the pointer is; Qt hands it on to the dialog.
    void MoveTo(QPoint global)
    {
        QTest::mouseMove(dialog.windowHandle(), dialog.windowHandle()->mapFromGlobal(global));
    }
    void ClickAt(QPoint global)
    {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                          dialog.windowHandle()->mapFromGlobal(global));
    }
    QPoint Over(const char* control)
    {
        QWidget* widget = Control<QWidget>(dialog, control);
        return widget->mapToGlobal(widget->rect().center());
    }

    QString X() { return Text(dialog, "EdPosX"); }
    QString Y() { return Text(dialog, "EdPosY"); }
    bool Ticked() { return Control<QCheckBox>(dialog, "ChkUseLocalCoord")->isChecked(); }

    void PressEscape() { QTest::keyClick(Control<QWidget>(dialog, "BtnClickObr"), Qt::Key_Escape); }

    // Picking is over and has let go of the mouse and the cursor.
    void ExpectPickingEnded()
    {
        EXPECT_FALSE(dialog.IsPicking());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    CRoom room;
    TFormCoord dialog;
};

}  // namespace

TEST_F(TFormCoordTest, CancelLeavesTheRoomEvenAfterAPickAndOKStoresTheTypedOriginKeepingAValueThatIsNoInteger)
{
    WhenShown(dialog, "TFormCoord", [this](QDialog&) {
        StartPicking();
        ClickAt(Plan(300, 200));
        EXPECT_EQ(X(), "165");
        EXPECT_TRUE(Ticked());
        Click(dialog, "BtnCancel");
    });
    EXPECT_EQ(dialog.Edit(room), TFormCoord::ResultCancel);
    EXPECT_EQ(room.UserCoordOriginX, 12);
    EXPECT_FALSE(room.UserCoord);

    WhenShown(dialog, "TFormCoord", [this](QDialog&) {
        EXPECT_EQ(X(), "12");
        EXPECT_EQ(Y(), "-15");
        EXPECT_FALSE(Ticked());
        EXPECT_EQ(dialog.focusWidget(), Control(dialog, "BtnOK"));
        Type(dialog, "EdPosX", " 250 ");
        Type(dialog, "EdPosY", "7x");
        Click(dialog, "ChkUseLocalCoord");
        Click(dialog, "BtnOK");
    });
    EXPECT_EQ(dialog.Edit(room), TFormCoord::ResultOk);
    EXPECT_EQ(room.UserCoordOriginX, 250);
    EXPECT_EQ(room.UserCoordOriginY, -15);
    EXPECT_TRUE(room.UserCoord);
    dialog.Load(room);
    EXPECT_TRUE(Ticked());
}

TEST_F(TFormCoordTest, PickingFollowsThePointerOverThePlanAndAClickThereTakesThePoint)
{
    Show();
    StartPicking();
    EXPECT_EQ(QWidget::mouseGrabber(), &dialog);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);

    MoveTo(Plan(300, 200));
    EXPECT_EQ(X(), "165");
    EXPECT_EQ(Y(), "85");
    // Over the dialog, although it covers the plan there, and over the tool bar nothing is
    // updated.
    MoveTo(Over("EdPosY"));
    MoveTo(ToolBar);
    EXPECT_EQ(X(), "165");
    EXPECT_FALSE(Ticked());

    ClickAt(Plan(50, 100));
    ExpectPickingEnded();
    EXPECT_EQ(X(), "40");
    EXPECT_EQ(Y(), "35");
    EXPECT_TRUE(Ticked());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TFormCoordTest, PickingEndsWithoutAPointAndTheOldTextsOnAnyOtherClickOrEscape)
{
    struct Row {
        const char* name;
        std::function<void()> end;
        bool ticked;  // a click elsewhere on the main window switches local coordinates on
    };
    const Row rows[] = {
        {"a click on the dialog, which presses nothing", [this] { ClickAt(Over("BtnOK")); }, false},
        {"a click on the tool bar", [this] { ClickAt(ToolBar); }, true},
        {"Escape", [this] { PressEscape(); }, false},
    };
    Show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        dialog.Load(room);
        StartPicking();
        MoveTo(Plan(300, 200));
        row.end();
        ExpectPickingEnded();
        EXPECT_EQ(X(), "12");
        EXPECT_EQ(Y(), "-15");
        EXPECT_EQ(Ticked(), row.ticked);
        EXPECT_TRUE(dialog.isVisible());
    }

    // Escape when not picking cancels; closing while picking lets go of the mouse.
    PressEscape();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TFormCoord::ResultCancel);
    Show();
    StartPicking();
    dialog.close();
    ExpectPickingEnded();
}

TEST_F(TFormCoordTest, StandsCentredJustAboveThePlan)
{
    // Once shown, the dialog knows the height of its frame.
    Show();
    const QRect plan(100, 400, 600, 180);
    dialog.PlaceAbovePlan(plan);
    const QRect frame = dialog.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - plan.center().x()), 1);
    EXPECT_EQ(frame.top() + frame.height(), plan.top() + 15);
}
