// The local coordinates dialog driven as a user drives it. Mouse events go through the
// window system layer, so that while the dialog picks, Qt routes them to it as the grabber.
#define QTEST_QPA_MOUSE_HANDLING

#include "dialogs/TFormCoord.h"

#include "dialogs/LocalCoordinates.h"
#include "model/CRoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

#include <gtest/gtest.h>

namespace {

class TFormCoordTest : public ::testing::Test {
protected:
    TFormCoordTest()
    {
        room.UserCoordOriginX = 12;
        room.UserCoordOriginY = -15;
        room.UserCoord = false;

        // A stand-in for the main window: a tool bar strip above the plan area.
        mainWindow.setGeometry(450, 50, 400, 300);
        planArea.setGeometry(0, 40, 400, 260);
        mainWindow.show();
        dialog.move(20, 50);
        // The main window's answer: the room at zoom 2, scrolled by (100, 40), margins 35.
        dialog.SetPlanPicker([this](QPoint global) -> std::optional<Point> {
            const QPoint at = planArea.mapFromGlobal(global);
            if (!planArea.rect().contains(at))
                return std::nullopt;
            return PlanPointFromViewPixel(room, 2.0, {100, 40}, {at.x(), at.y()});
        });
    }

    template <typename Widget>
    Widget* Control(const char* name)
    {
        Widget* widget = dialog.findChild<Widget*>(name);
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }

    void Show()
    {
        dialog.Load(room);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    }

    void StartPicking()
    {
        QTest::mouseClick(Control<QPushButton>("BtnClickObr"), Qt::LeftButton);
        ASSERT_TRUE(dialog.IsPicking());
    }

    QString X() { return Control<QLineEdit>("EdPosX")->text(); }
    QString Y() { return Control<QLineEdit>("EdPosY")->text(); }
    bool Ticked() { return Control<QCheckBox>("ChkUseLocalCoord")->isChecked(); }

    void PressEscape() { QTest::keyClick(Control<QPushButton>("BtnClickObr"), Qt::Key_Escape); }

    // Picking is over and has let go of the mouse and the cursor.
    void ExpectPickingEnded()
    {
        EXPECT_FALSE(dialog.IsPicking());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    CRoom room;
    QWidget mainWindow;
    QWidget planArea{&mainWindow};
    TFormCoord dialog;
};

}  // namespace

TEST_F(TFormCoordTest, ShowsTheOriginAndTheSwitchWithOKFocused)
{
    Show();
    EXPECT_EQ(X(), "12");
    EXPECT_EQ(Y(), "-15");
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(dialog.focusWidget(), Control<QPushButton>("BtnOK"));

    room.UserCoord = true;
    dialog.Load(room);
    EXPECT_TRUE(Ticked());
}

TEST_F(TFormCoordTest, OKStoresTheTypedOriginKeepingAValueThatIsNoInteger)
{
    QTimer::singleShot(0, &dialog, [this] {
        auto* edX = Control<QLineEdit>("EdPosX");
        edX->clear();
        QTest::keyClicks(edX, " 250 ");
        auto* edY = Control<QLineEdit>("EdPosY");
        edY->clear();
        QTest::keyClicks(edY, "7x");
        QTest::mouseClick(Control<QCheckBox>("ChkUseLocalCoord"), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>("BtnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.Edit(room), TFormCoord::ResultOk);
    EXPECT_EQ(room.UserCoordOriginX, 250);
    EXPECT_EQ(room.UserCoordOriginY, -15);
    EXPECT_TRUE(room.UserCoord);
}

TEST_F(TFormCoordTest, CancelLeavesTheRoomAsItWasEvenAfterAPick)
{
    QTimer::singleShot(0, &dialog, [this] {
        StartPicking();
        QTest::mouseClick(&planArea, Qt::LeftButton, {}, {300, 200});
        EXPECT_EQ(X(), "165");
        EXPECT_TRUE(Ticked());
        QTest::mouseClick(Control<QPushButton>("BtnCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.Edit(room), TFormCoord::ResultCancel);
    EXPECT_EQ(room.UserCoordOriginX, 12);
    EXPECT_EQ(room.UserCoordOriginY, -15);
    EXPECT_FALSE(room.UserCoord);
}

TEST_F(TFormCoordTest, PickingFollowsThePointerOverThePlanAndAClickThereTakesThePoint)
{
    Show();
    StartPicking();
    EXPECT_EQ(QWidget::mouseGrabber(), &dialog);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);

    QTest::mouseMove(&planArea, {300, 200});
    EXPECT_EQ(X(), "165");
    EXPECT_EQ(Y(), "85");
    // Over the dialog itself and over the tool bar nothing is updated.
    QTest::mouseMove(Control<QLineEdit>("EdPosY"), {5, 5});
    QTest::mouseMove(&mainWindow, {200, 10});
    EXPECT_EQ(X(), "165");
    EXPECT_FALSE(Ticked());

    QTest::mouseClick(&planArea, Qt::LeftButton, {}, {50, 100});
    ExpectPickingEnded();
    EXPECT_EQ(X(), "40");
    EXPECT_EQ(Y(), "35");
    EXPECT_TRUE(Ticked());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TFormCoordTest, AClickOnTheDialogEndsPickingWithTheOldTextsAndDoesNotPress)
{
    Show();
    StartPicking();
    QTest::mouseMove(&planArea, {300, 200});
    QTest::mouseClick(Control<QPushButton>("BtnOK"), Qt::LeftButton);
    ExpectPickingEnded();
    EXPECT_EQ(X(), "12");
    EXPECT_EQ(Y(), "-15");
    EXPECT_FALSE(Ticked());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TFormCoordTest, AClickElsewhereOnTheMainWindowRestoresTheTextsButSwitchesOn)
{
    Show();
    StartPicking();
    QTest::mouseMove(&planArea, {300, 200});
    QTest::mouseClick(&mainWindow, Qt::LeftButton, {}, {200, 10});
    ExpectPickingEnded();
    EXPECT_EQ(X(), "12");
    EXPECT_EQ(Y(), "-15");
    EXPECT_TRUE(Ticked());
}

TEST_F(TFormCoordTest, EscapeEndsPickingFirstAndCancelsSecond)
{
    Show();
    StartPicking();
    QTest::mouseMove(&planArea, {300, 200});
    PressEscape();
    ExpectPickingEnded();
    EXPECT_EQ(X(), "12");
    EXPECT_TRUE(dialog.isVisible());

    PressEscape();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TFormCoord::ResultCancel);
}

TEST_F(TFormCoordTest, ClosingWhilePickingLetsGoOfTheMouse)
{
    Show();
    StartPicking();
    dialog.close();
    ExpectPickingEnded();
    EXPECT_EQ(dialog.result(), TFormCoord::ResultCancel);
}

TEST_F(TFormCoordTest, HelpButtonAndF1AskForTheDialogsHelpTopic)
{
    std::vector<int> asked;
    dialog.SetHelpRequest([&asked](int context) { asked.push_back(context); });
    Show();
    QTest::mouseClick(Control<QPushButton>("BtnHelp"), Qt::LeftButton);
    QTest::keyClick(Control<QLineEdit>("EdPosX"), Qt::Key_F1);
    EXPECT_EQ(asked, (std::vector<int>{4, 4}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TFormCoordTest, StandsCentredJustAboveThePlan)
{
    const QRect plan(100, 400, 600, 180);
    dialog.PlaceAbovePlan(plan);
    Show();
    const QRect frame = dialog.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - plan.center().x()), 1);
    EXPECT_EQ(frame.top() + frame.height(), plan.top() + 15);
}
