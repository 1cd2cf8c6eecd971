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

    CRoom room;
    CUndoManager history{room};
};

// A history driven by a script from a room 500 wide: a number changes the room to that width,
// "~N" does so without closing the step (a move of a drag) and notes "+" when it starts a step;
// "u" and "r" undo and redo with the live room, "U" undoes without it; "w" withdraws the last
// step ("w-" when there is none); "end" ends the step; "save" marks the room and the history
// saved; "reset" and "reset=N" reset the history (to a room N wide); "limit=N" sets the limit;
// "?" notes what is offered and "!" whether the room is marked changed ("*") or not ("=").
// What comes back is the width after each undo, redo and withdrawal, and what is offered at
// each "?" and at the end: "U" for Undo, "R" for Redo.
std::string RunScript(const std::string& script)
{
    Editor editor;
    std::istringstream steps(script);
    std::string trace;
    const auto offered = [&] {
        return std::string(editor.history.CanUndo() ? "U" : "") + (editor.history.CanRedo() ? "R" : "") + "|";
    };
    const auto width = [&] { return std::to_string(editor.room.Width) + " "; };
    for (std::string step; steps >> step;) {
        if (step == "u" || step == "r") {
            step == "u" ? editor.Undo() : editor.Redo();
            trace += width();
        } else if (step == "U") {
            editor.room = editor.history.Undo();
            trace += width();
        } else if (step == "w") {
            const auto before = editor.history.Withdraw();
            if (before)
                editor.room = *before;
            trace += before ? "w" + width() : "w- ";
        } else if (step == "end") {
            editor.history.EndStep();
        } else if (step == "save") {
            editor.room.Modified = false;
            editor.history.MarkAllModified();
        } else if (step.starts_with("reset")) {
            CRoom loaded;
            loaded.Width = step.size() > 6 ? std::stoi(step.substr(6)) : 0;
            editor.history.Reset(step.size() > 6 ? &loaded : nullptr);
        } else if (step == "?") {
            trace += offered() + " ";
        } else if (step == "!") {
            trace += editor.room.Modified ? "* " : "= ";
        } else if (step.starts_with("limit=")) {
            editor.history.SetLimit(static_cast<uint32_t>(std::stoul(step.substr(6))));
        } else if (step.starts_with("~")) {
            const bool newStep = editor.history.NoteChange(editor.room, false);
            editor.room.Width = std::stoi(step.substr(1));
            trace += newStep ? "+ " : "";
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
        {"a limit of 0 keeps every step", "limit=0 1 2 3 4 u u u u ?", "3 2 1 500 R| R|"},
        {"lowering the limit after undoing keeps the live state reachable",
         "1 2 3 4 5 6 7 8 u u u u u u u limit=3 ? r r", "7 6 5 4 3 2 1 R| 2 3 U|"},
        {"redo back to the saved state shows it saved again", "700 save ! u ! r ! u !", "= 500 * 700 = 500 * R|"},
        {"a drag of many moves is one step, which a change commits", "600 save ~610 ~620 ~630 ! 640 u r",
         "+ * 600 640 U|"},
        {"an ended step takes no more moves", "600 ~610 end ~620 u u", "+ + 610 600 UR|"},
        {"reset leaves one state and the next change starts afresh", "600 700 u ~710 reset ? 950 u ?",
         "600 + | 710 R| R|"},
        {"reset to a room opened", "600 reset=444 U", "444 |"},
        {"undo without the live room never offers a blank room to redo", "600 U ? r 700 u r U r",
         "500 | 500 500 700 500 700 U|"},
        {"withdrawing gives back the step's state and the redo states it discarded",
         "600 u w ~650 w w ~660 w r", "500 w- + w500 w- + w500 600 U|"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RunScript(row.script), row.trace) << row.name;
}
