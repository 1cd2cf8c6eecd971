#include "editor/CUndoManager.h"

#include <gtest/gtest.h>

namespace {

// The history of a room whose width stands for its content, used as the main window uses it:
// every change noted before it is made, and the states Undo and Redo return copied into the room.
struct Editor {
    Editor() { history.SetLimit(32); }

    void Change(int32_t width)
    {
        history.NoteChange(room, true);
        room.Width = width;
    }
    void Undo() { room = history.Undo(&room); }
    void Redo() { room = history.Redo(); }
    int UndoAll()
    {
        int steps = 0;
        for (; history.CanUndo() && steps < 100; ++steps)
            Undo();
        return steps;
    }

    CRoom room;
    CUndoManager history{room};
};

}  // namespace

TEST(CUndoManager, UndoAndRedoOneChangeAndANewChangeDiscardsRedo)
{
    Editor editor;
    EXPECT_FALSE(editor.history.CanUndo());
    editor.Change(700);
    EXPECT_TRUE(editor.history.CanUndo());
    EXPECT_FALSE(editor.history.CanRedo());

    editor.Undo();
    EXPECT_EQ(editor.room.Width, 500);
    EXPECT_FALSE(editor.history.CanUndo());
    EXPECT_TRUE(editor.history.CanRedo());
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 700);
    EXPECT_FALSE(editor.history.CanRedo());

    editor.Undo();
    editor.Change(800);
    EXPECT_FALSE(editor.history.CanRedo());
    editor.Undo();
    EXPECT_EQ(editor.room.Width, 500);
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 800);
}

TEST(CUndoManager, TheEndsOfTheHistoryReturnTheSameStateAgain)
{
    Editor editor;
    editor.Change(600);
    editor.Change(700);
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(&editor.history.Undo(&editor.room), &editor.history.Undo(&editor.room));
    EXPECT_EQ(editor.room.Width, 500);
    editor.Redo();
    editor.Redo();
    EXPECT_EQ(&editor.history.Redo(), &editor.history.Redo());
    EXPECT_EQ(editor.history.Redo().Width, 700);
}

TEST(CUndoManager, ALimitOf32KeepsTheLast31Steps)
{
    Editor editor;
    for (int32_t change = 1; change <= 35; ++change)
        editor.Change(1000 + change);
    EXPECT_EQ(editor.UndoAll(), 31);
    EXPECT_EQ(editor.room.Width, 1004);  // the state after the fourth change
    int redone = 0;
    for (; editor.history.CanRedo() && redone < 100; ++redone)
        editor.Redo();
    EXPECT_EQ(redone, 31);
    EXPECT_EQ(editor.room.Width, 1035);
}

TEST(CUndoManager, LimitsBelowThreeCountAsThreeAndZeroMeansNone)
{
    for (uint32_t limit : {1u, 2u, 3u}) {
        Editor editor;
        editor.history.SetLimit(limit);
        for (int32_t change = 1; change <= 10; ++change)
            editor.Change(change);
        EXPECT_EQ(editor.UndoAll(), 2) << "limit " << limit;
    }
    Editor editor;
    editor.history.SetLimit(0);
    for (int32_t change = 1; change <= 100; ++change)
        editor.Change(change);
    EXPECT_EQ(editor.UndoAll(), 100);
    EXPECT_EQ(editor.room.Width, 500);
}

TEST(CUndoManager, LoweringTheLimitAfterUndoingKeepsTheLiveStateReachable)
{
    Editor editor;
    for (int32_t change = 1; change <= 9; ++change)
        editor.Change(change);
    for (int step = 0; step < 7; ++step)
        editor.Undo();
    ASSERT_EQ(editor.room.Width, 2);
    editor.history.SetLimit(3);
    EXPECT_FALSE(editor.history.CanUndo());
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 3);
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 4);
    EXPECT_FALSE(editor.history.CanRedo());
}

TEST(CUndoManager, RedoBackToTheSavedStateShowsItSavedAgain)
{
    Editor editor;
    editor.Change(700);
    editor.room.Modified = false;
    editor.history.MarkAllModified();
    editor.Undo();
    EXPECT_TRUE(editor.room.Modified);
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 700);
    EXPECT_FALSE(editor.room.Modified);
    editor.Undo();
    EXPECT_TRUE(editor.room.Modified);
}

TEST(CUndoManager, ADragOfManyMovesIsOneStepUntilAChangeCommitsOrTheStepIsEnded)
{
    Editor editor;
    int index = -1;
    editor.room.AddPart(&index).InUse = true;
    editor.Change(600);
    editor.room.Modified = false;
    for (int32_t x = 110; x <= 200; x += 10) {
        EXPECT_EQ(editor.history.NoteChange(editor.room, false), x == 110) << x;
        editor.room.Parts[static_cast<size_t>(index)].PosX = x;
    }
    EXPECT_TRUE(editor.room.Modified);
    EXPECT_TRUE(editor.history.StepOpen());
    EXPECT_FALSE(editor.history.NoteChange(editor.room, true));
    EXPECT_FALSE(editor.history.StepOpen());

    editor.Undo();
    EXPECT_EQ(editor.room.Parts[static_cast<size_t>(index)].PosX, 100);
    EXPECT_EQ(editor.room.Width, 600);
    editor.Redo();
    EXPECT_EQ(editor.room.Parts[static_cast<size_t>(index)].PosX, 200);
    editor.history.NoteChange(editor.room, false);
    editor.history.EndStep();
    EXPECT_TRUE(editor.history.NoteChange(editor.room, true)) << "an ended step took another change";
}

TEST(CUndoManager, ResetLeavesOneStateAndTheNextChangeStartsAfresh)
{
    Editor editor;
    editor.Change(600);
    editor.Change(700);
    editor.Undo();
    editor.history.NoteChange(editor.room, false);
    editor.history.Reset();
    EXPECT_FALSE(editor.history.StepOpen());
    EXPECT_FALSE(editor.history.CanUndo());
    EXPECT_FALSE(editor.history.CanRedo());

    editor.room.Width = 900;  // a room just opened
    editor.Change(950);
    editor.Undo();
    EXPECT_EQ(editor.room.Width, 900);
    EXPECT_FALSE(editor.history.CanUndo());

    CRoom loaded;
    loaded.Height = 444;
    editor.history.Reset(&loaded);
    EXPECT_EQ(editor.history.Undo().Height, 444);
}

TEST(CUndoManager, UndoWithoutTheLiveRoomNeverOffersABlankRoomToRedo)
{
    Editor editor;
    editor.Change(600);
    EXPECT_EQ(editor.history.Undo().Width, 500);
    EXPECT_FALSE(editor.history.CanRedo());
    EXPECT_EQ(editor.history.Redo().Width, 500);

    editor.Change(700);
    editor.Undo();
    editor.Redo();
    EXPECT_EQ(editor.history.Undo().Width, 600);
    EXPECT_EQ(editor.history.Redo().Width, 700);
}

TEST(CUndoManager, WithdrawingTheLastStepGivesBackItsStateAndTheHistoryBeforeIt)
{
    Editor editor;
    editor.Change(600);
    editor.Undo();
    EXPECT_EQ(editor.history.Withdraw(), nullptr) << "nothing was pushed since the undo";
    editor.history.NoteChange(editor.room, false);  // an addition being placed
    editor.room.Width = 650;
    const std::shared_ptr<const CRoom> before = editor.history.Withdraw();
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->Width, 500);
    EXPECT_FALSE(editor.history.StepOpen());
    EXPECT_EQ(editor.history.Withdraw(), nullptr) << "withdrawn twice";
    editor.room = *before;
    editor.Redo();
    EXPECT_EQ(editor.room.Width, 600) << "the redo state the step discarded is back";
}
