#pragma once
// The selected object of the plan and what the keyboard does with it: Tab walks the objects in
// drawing order, the arrow keys move the selected one. Objects are addressed by their slot.

#include "base/Geometry.h"

#include <utility>

class CRoom;

class CSelection {
public:
    // The selected slot; -1 for none.
    int Index() const { return index_; }
    void Select(int index) { index_ = index; }
    void Clear() { Select(-1); }
    // After the room was replaced (undo, redo): the selection stays while its slot holds an object.
    void Keep(const CRoom& room);
    // The next object in use after the selected one in drawing order, or the one before it,
    // coming round at the end; none in an empty room.
    void Step(const CRoom& room, bool backwards);

    // Arrow moves of one object, pressed one after the other, are one undo step: the run starts
    // with the first move of the selected object and lasts until another change ends it.
    void StartMoveRun() { runIndex_ = index_; }
    // Whether a run of moves of the selected object is open.
    bool InMoveRun() const { return runIndex_ >= 0 && runIndex_ == index_; }
    // Ends the run; returns whether one was open.
    bool EndMoveRun() { return std::exchange(runIndex_, -1) >= 0; }

private:
    int index_ = -1;
    int runIndex_ = -1;  // the object of the open run of moves; -1 for none
};

// Arrow key directions.
enum class Arrow { Left, Right, Up, Down };

// How far an arrow key moves an object: one unit, or with gridStep one grid step (one unit when
// the room has no grid).
Point ArrowStep(Arrow arrow, bool gridStep, int32_t gridSize);

// Moves the object in a slot by a step; a door or window attached to the walls then snaps to
// the nearest wall as it does when dragged by its middle.
void MovePartBy(CRoom& room, int index, Point step);
