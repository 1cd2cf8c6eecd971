#include "editor/CUndoManager.h"

#include <sstream>

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

// A history driven by a script from a room 500 wide: a number changes the room to that width,
// "u" undoes, "r" redoes, "limit=N" sets the limit and "?" notes what is offered. What comes
// back is the width after each undo and redo, and what is offered at each "?" and at the end:
// "U" for Undo, "R" for Redo.
std::string RunScript(const std::string& script)
{
    Editor editor;
    std::istringstream steps(script);
    std::string trace;
    const auto offered = [&] {
        return std::string(editor.history.CanUndo() ? "U" : "") + (editor.history.CanRedo() ? "R" : "") + "|";
    };
    for (std::string step; steps >> step;) {
        if (step == "u" || step == "r") {
            step == "u" ? editor.Undo() : editor.Redo();
            trace += std::to_string(editor.room.Width) + " ";
        } else if (step == "?") {
            trace += offered() + " ";
        } else if (step.starts_with("limit=")) {
            editor.history.SetLimit(static_cast<uint32_t>(std::stoul(step.substr(6))));
        } else {
            editor.Change(std::stoi(step));
        }
    }
    return trace + offered();
}

}  // namespace

TEST(CUndoManager, Scripts)
{
    const struct {
        const char* name;
        const char* script;
        const char* trace;
    } rows[] = {
        {"nothing to undo at first", "?", "| |"},
        {"one change undone and redone", "700 ? u ? r", "U| 500 R| 700 U|"},
        {"a new change discards the redo states", "700 u 800 ? u r", "500 U| 500 800 U|"},
        {"the ends of the history give the same state again", "600 700 u u u r r r", "600 500 500 600 700 700 U|"},
        {"a limit of 1 counts as 3", "limit=1 1 2 3 4 u u ?", "3 2 R| R|"},
        {"a limit of 2 counts as 3", "limit=2 1 2 3 4 u u ?", "3 2 R| R|"},
        {"a limit of 3 keeps two steps", "limit=3 1 2 3 4 u u ?", "3 2 R| R|"},
        {"a limit of 4 keeps three steps", "limit=4 1 2 3 4 u u u ?", "3 2 1 R| R|"},
        {"lowering the limit after undoing keeps the live state reachable",
         "1 2 3 4 5 6 7 8 u u u u u u u limit=3 ? r r", "7 6 5 4 3 2 1 R| 2 3 U|"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RunScript(row.script), row.trace) << row.name;
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

TEST(CUndoManager, ALimitOfZeroMeansNone)
{
    Editor editor;
    editor.history.SetLimit(0);
    for (int32_t change = 1; change <= 100; ++change)
        editor.Change(change);
    EXPECT_EQ(editor.UndoAll(), 100);
    EXPECT_EQ(editor.room.Width, 500);
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
