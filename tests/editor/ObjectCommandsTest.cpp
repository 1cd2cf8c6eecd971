// The commands that add, copy, remove, rotate and reorder objects, run from the plan's popup
// menus and the Objects menu as a user runs them.
#define QTEST_QPA_MOUSE_HANDLING

#include "dialogs/TFormLibrary.h"
#include "dialogs/TFormPartsList.h"
#include "dialogs/TFormProp.h"
#include "dialogs/TFormTextProps.h"
#include "support/MakePart.h"
#include "support/PlanWindowTest.h"

#include <QPlainTextEdit>

namespace {

class ObjectCommandsTest : public PlanWindowTest {
protected:
    ObjectCommandsTest() : PlanWindowTest(SmallWalledRoom) {}

    const CPart& Part(int index) { return Room().Parts[static_cast<size_t>(index)]; }

    // A placement ignores the press and ends at the release of the click that drops it.
    void Drop(QPoint at) { QTest::mouseClick(plan, Qt::LeftButton, {}, at); }

    // Right-clicks the plan at a room point and runs a command of the popup menu that opens.
    // `prepare` runs once the menu is open, to answer the dialog the command shows.
    void RunFromPopup(int x, int y, const char* command, const std::function<void()>& prepare = {})
    {
        QTest::mouseClick(plan, Qt::RightButton, {}, Pixel(x, y));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no popup menu opened";
        menu->close();
        QAction* action = Action(command);
        ASSERT_TRUE(action->isEnabled());
        ASSERT_TRUE(menu->actions().contains(action)) << command << " is not in the menu that opened";
        if (prepare)
            prepare();
        action->trigger();
    }

    // Asks the library chooser for a basic object and gives it a size in the properties dialog.
    void AnswerBasicObject(int width, int height)
    {
        WhenShown(*form, "TFormLibrary", [](QDialog& chooser) { Click(chooser, "BtnAddSimple"); });
        QTimer::singleShot(20, form.get(), [this, width, height] {
            WhenShown(*form, "TFormProp", [width, height](QDialog& dialog) {
                Type(dialog, "EdWidth", QString::number(width));
                Type(dialog, "EdHeight", QString::number(height));
                Click(dialog, "BtnOK");
            });
        });
    }
    void AnswerLibraryObject()
    {
        WhenShown(*form, "TFormLibrary", [](QDialog& chooser) {
            chooser.findChild<QComboBox*>("CbLibraries")->setCurrentIndex(0);
            auto* view = chooser.findChild<QListWidget*>("ObjectsView");
            view->setCurrentRow(0);
            QTest::keyClick(view, Qt::Key_Return);
        });
    }
    void AnswerLabel(const char* text)
    {
        WhenShown(*form, "TFormTextProps", [text](QDialog& dialog) {
            Control<QPlainTextEdit>(dialog, "MmText")->setPlainText(text);
            Click(dialog, "BtnOK");
        });
    }
};

}  // namespace

TEST_F(ObjectCommandsTest, RemovalFromThePopupTheListingOrAllAtOnceIsOneStepEach)
{
    const int lower = Add(MakePart(Rectangle, 20, 20, 60, 40));
    const int upper = Add(MakePart(Rectangle, 50, 40, 60, 40));
    Add(MakePart(Rectangle, 120, 20, 30, 30));
    CPart label = MakePart(Label, 20, 80, 40, 15);
    label.Caption = "Note";
    Add(label);
    RunFromPopup(60, 50, "Odebratobjekt1");  // on both: the upper one goes
    EXPECT_FALSE(Part(upper).InUse);
    EXPECT_TRUE(Part(lower).InUse);
    Action("Undo1")->trigger();
    EXPECT_TRUE(Part(upper).InUse);
    EXPECT_FALSE(CanUndo());

    WhenShown(*form, "TFormPartsList", [](QDialog& list) {
        auto* view = Control<QTreeWidget>(list, "PartView");
        EXPECT_EQ(view->topLevelItemCount(), 3) << "labels are not listed";
        view->selectAll();
        QTest::keyClick(view, Qt::Key_Delete);
        EXPECT_EQ(view->topLevelItemCount(), 0);
        list.close();
    });
    Action("Seznam1")->trigger();
    EXPECT_EQ(InUseCount(), 1);
    for (int undo = 0; undo < 3; ++undo) {
        ASSERT_TRUE(CanUndo());
        Action("Undo1")->trigger();
    }
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(InUseCount(), 4);

    Action("Smazvsechny1")->trigger();
    EXPECT_EQ(Room().PartCount(), 0);
    Action("Undo1")->trigger();
    EXPECT_EQ(InUseCount(), 4);
    EXPECT_FALSE(CanUndo());
}

TEST_F(ObjectCommandsTest, DuplicateFollowsThePointerHeldWhereTheSourceWasIntoAFreeSlot)
{
    const int source = Add(MakePart(Rectangle, 20, 20, 40, 30));
    RunFromPopup(30, 25, "Duplicate1");
    ASSERT_EQ(Room().PartCount(), 2) << "with no free slot the copy goes last";
    MoveTo(Pixel(130, 75));
    Drop(Pixel(130, 75));
    EXPECT_EQ(PositionOf(1), (Point{120, 70}));
    EXPECT_EQ(PositionOf(source), (Point{20, 20}));
    Action("Undo1")->trigger();
    EXPECT_EQ(InUseCount(), 1);
    EXPECT_FALSE(CanUndo());

    const int circle = Add(MakePart(Circle, 120, 60, 30, 30));
    RunFromPopup(30, 30, "Odebratobjekt1");
    RunFromPopup(130, 70, "Duplicate1");
    Drop(Pixel(130, 70));
    ASSERT_EQ(Room().PartCount(), 2) << "the copy did not go into the free slot";
    EXPECT_EQ(Part(source).Type, Circle);
    EXPECT_EQ(PositionOf(source), PositionOf(circle));
}

TEST_F(ObjectCommandsTest, BringToFrontAndSendToBackReorderOnlyWhenThereIsSomewhereToGo)
{
    Add(MakePart(Rectangle, 20, 20, 30, 30));
    Add(MakePart(Circle, 80, 20, 30, 30));
    RunFromPopup(90, 30, "Prenesdopopredi1");  // already in front
    RunFromPopup(30, 30, "Prenesdopozadi1");   // already at the back
    EXPECT_FALSE(CanUndo());
    RunFromPopup(30, 30, "Prenesdopopredi1");
    EXPECT_EQ(Part(2).Type, Rectangle);
    RunFromPopup(90, 30, "Prenesdopozadi1");
    EXPECT_EQ(Part(0).Type, Circle);
    Action("Undo1")->trigger();
    Action("Undo1")->trigger();
    EXPECT_EQ(Part(0).Type, Rectangle);
    EXPECT_FALSE(CanUndo());
}

// How a door turns on its wall is the core's; here, that the commands turn through it.
TEST_F(ObjectCommandsTest, RotationTurnsObjectsAndDoorsByQuarterTurnsButNeverWindowsOrLabels)
{
    const int table = Add(MakePart(Rectangle, 60, 40, 40, 20));
    // It turns about its middle, which stays under the pointer.
    RunFromPopup(80, 50, "Rotate90degright1");
    EXPECT_EQ(Part(table).Rotation, 90);
    EXPECT_EQ(PositionOf(table), (Point{90, 30}));
    RunFromPopup(80, 50, "Rotate90DegreesLeft1");
    EXPECT_EQ(PositionOf(table), (Point{60, 40}));
    RunFromPopup(80, 50, "Rotate90DegreesLeft1");
    EXPECT_EQ(Part(table).Rotation, -90) << "the angle is not normalised";

    // Doors turn as the table did; windows and labels do not, and record nothing.
    const int door = Add(MakePart(Door, 115, 20, 30, 30));
    RunFromPopup(130, 35, "Rotate90degright1");
    EXPECT_EQ(Part(door).Rotation, 90);
    const int window = Add(MakePart(Window, 150, 60, 20, 10));
    CPart label = MakePart(Label, 20, 80, 40, 15);
    label.Caption = "Note";
    const int note = Add(label);
    Room().Modified = false;
    RunFromPopup(160, 65, "Rotate90degright1");
    RunFromPopup(30, 85, "Rotate90DegreesLeft1");
    EXPECT_EQ(Part(window).Rotation, 0);
    EXPECT_EQ(Part(note).Rotation, 0);
    EXPECT_FALSE(Room().Modified);
}

// The placement itself is tested on the plan; here, that every way of adding starts it with
// the addition as its one undo step, or puts the object at the click.
TEST_F(ObjectCommandsTest, EachAdditionIsPlacedByItsCentreOrPutAtTheClickAsOneUndoStep)
{
    // Cancelled, nothing is recorded and the slot stays free for the next.
    WhenShown(*form, "TFormLibrary", [](QDialog& chooser) { chooser.reject(); });
    Action("Pridejobjekt1")->trigger();
    WhenShown(*form, "TFormTextProps", [](QDialog& dialog) { Click(dialog, "BtnCancel"); });
    Action("AddLabel1")->trigger();
    EXPECT_EQ(InUseCount(), 0);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(Room().Modified);

    // A catalogue entry is in use in its catalogue; the room's undo step must not take that over.
    std::filesystem::create_directories(home.dir.path() + "/share/planzeta");
    TempDir::WriteFile(home.dir.path() + "/share/planzeta/Catalog.msk", "[Part1]\nCaption=Desk\nWidth=30\nHeight=20\n");
    const struct {
        const char* name;
        const char* add;
        const char* addHere;
        std::function<void()> answer;
        std::function<void(const CPart&)> expectAnswered;
    } rows[] = {
        {"basic object", "Pridejobjekt1", "Pridatsemnovyobjekt1", [this] { AnswerBasicObject(40, 20); },
         [](const CPart& added) { EXPECT_EQ(added.Width, 40); }},
        {"user library object", "Pridejobjekt1", "Pridatsemnovyobjekt1", [this] { AnswerLibraryObject(); },
         [](const CPart& added) { EXPECT_EQ(added.Width, 30); }},
        {"label", "AddLabel1", "AddLabelHere1", [this] { AnswerLabel("Door\nhere"); },
         [](const CPart& added) { EXPECT_EQ(added.Caption, "Door\r\nhere") << "captions keep CR LF breaks"; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.answer();
        Action(row.add)->trigger();
        ASSERT_EQ(Room().PartCount(), 1) << "the cancelled addition's slot was not reused";
        EXPECT_EQ(plan->cursor().shape(), Qt::CrossCursor);
        MoveTo(Pixel(100, 60));
        MoveTo(Pixel(110, 70));
        Drop(Pixel(110, 70));
        EXPECT_EQ(PositionOf(0), (Point{110 - Part(0).Width / 2, 70 - Part(0).Height / 2}));

        RunFromPopup(150, 90, row.addHere, row.answer);
        ASSERT_EQ(InUseCount(), 2);
        EXPECT_EQ(PositionOf(1), (Point{150, 90}));
        EXPECT_EQ(plan->cursor().shape(), Qt::ArrowCursor) << "an object added here is not placed";
        row.expectAnswered(Part(1));

        Action("Undo1")->trigger();
        EXPECT_FALSE(Part(1).InUse);
        Action("Undo1")->trigger();
        EXPECT_EQ(InUseCount(), 0);
        EXPECT_FALSE(CanUndo());
        EXPECT_FALSE(Room().Modified);
    }
}

TEST_F(ObjectCommandsTest, PropertiesAreOneStepWhenAppliedAndBrowsingTheUserLibraryLeavesTheRoomAlone)
{
    const int index = Add(MakePart(Rectangle, 20, 20, 60, 40));
    RunFromPopup(30, 30, "Vlastnosti1", [this] { WhenShown(*form, "TFormProp", [](QDialog& dialog) { dialog.reject(); }); });
    bool browsed = false;
    WhenShown(*form, "TFormProp", [&browsed](QDialog& dialog) {
        browsed = true;
        EXPECT_TRUE(Text(dialog, "EdCaption").isEmpty()) << "the fields were not cleared";
        Click(dialog, "BtnOK");
    });
    Action("Katalog1")->trigger();
    EXPECT_TRUE(browsed);
    EXPECT_EQ(InUseCount(), 1);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(Room().Modified);

    WhenShown(*form, "TFormProp", [](QDialog& dialog) {
        Type(dialog, "EdWidth", "90");
        Click(dialog, "BtnOK");
    });
    QTest::mouseDClick(plan, Qt::LeftButton, {}, Pixel(30, 30));
    EXPECT_EQ(Part(index).Width, 90);
    Action("Undo1")->trigger();
    EXPECT_EQ(Part(index).Width, 60);
    EXPECT_FALSE(CanUndo());
}
