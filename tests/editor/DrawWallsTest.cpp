// Drawing the walls on the plan, driven as a user drives it. Mouse events go through the
// window system layer, so that the buttons Qt reports held are the ones the test holds.
#define QTEST_QPA_MOUSE_HANDLING

#include "model/RoomFloor.h"
#include "support/PlanWindowTest.h"

#include "model/DrawnOutline.h"

#include <QListWidget>

namespace {

class DrawWallsTest : public PlanWindowTest {
protected:
    DrawWallsTest() : PlanWindowTest(SmallWalledRoom) {}

    void Click(QPoint at, Qt::KeyboardModifiers keys = {})
    {
        MoveTo(at, keys);
        QTest::mouseClick(plan, Qt::LeftButton, keys, at);
    }
    void DrawL()
    {
        Action("DrawWalls1")->trigger();
        for (const QPoint at : {Pixel(0, 0), Pixel(200, 0), Pixel(200, 60), Pixel(100, 60), Pixel(100, 120)})
            Click(at);
        Click(Pixel(0, 120));
        ExpectNotShown(*form, "TFormWalls");  // the double click closes the outline, no more
        QTest::mouseDClick(plan, Qt::LeftButton, {}, Pixel(0, 120));
    }
};

}  // namespace

TEST_F(DrawWallsTest, KeysTypeLengthsTakeBackCornersAndEscapeLeavesTheRoomAsItWas)
{
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(plan->cursor().shape(), Qt::CrossCursor);
    Click(Pixel(20, 20));
    MoveTo(Pixel(150, 26), Qt::ShiftModifier);  // turned to the horizontal
    EXPECT_EQ(plan->Sketch().path.last(), Pixel(150, 20));
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_5})
        QTest::keyClick(form.get(), key);
    EXPECT_EQ(plan->Sketch().path.last(), Pixel(145, 20));
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(plan->Sketch().handles, QPolygon({Pixel(20, 20), Pixel(145, 20)}));
    QTest::keyClick(form.get(), Qt::Key_Backspace);
    EXPECT_EQ(plan->Sketch().handles, QPolygon({Pixel(20, 20)}));
    QTest::keyClick(form.get(), Qt::Key_Escape);

    EXPECT_TRUE(plan->Sketch().path.isEmpty());
    EXPECT_TRUE(Room().Walls.IsDefault());
    EXPECT_FALSE(Room().Modified);
    EXPECT_FALSE(Action("Undo1")->isEnabled());
}

TEST_F(DrawWallsTest, AnLDrawnWithClicksAndACornerDragAreOneStepEachAndADoubleClickedWallOpensInTheWallsDialog)
{
    DrawL();
    EXPECT_FALSE(Action("DrawWalls1")->isChecked());
    EXPECT_EQ(Room().Walls.Count(), 6);
    QTest::mousePress(plan, Qt::LeftButton, {}, Pixel(201, 61));
    for (int x = 195; x >= 150; x -= 5)
        MoveTo(Pixel(x, 61));
    QTest::mouseRelease(plan, Qt::LeftButton, {}, Pixel(150, 61));
    EXPECT_DOUBLE_EQ(MeasureFloor(Room())->area, 100 * 120 + (100 + 50) / 2 * 60);
    Action("Undo1")->trigger();
    EXPECT_DOUBLE_EQ(MeasureFloor(Room())->area, 200 * 120 - 100 * 60);

    int shownRow = -1;
    WhenShown(*form, "TFormWalls", [&](QDialog& dialog) {
        shownRow = dialog.findChild<QListWidget*>("LsWalls")->currentRow();
        dialog.reject();
    });
    QTest::mouseDClick(plan, Qt::LeftButton, {}, Pixel(150, -2));
    const int top = WallAt(Room().Walls, {150, -2}, 0);
    EXPECT_EQ(shownRow, top);

    Action("Undo1")->trigger();
    EXPECT_TRUE(Room().Walls.IsDefault());
    EXPECT_FALSE(Action("Undo1")->isEnabled());
}
