#pragma once
// The undo history: whole copies of the room, oldest first, in steps.
//
// The entry at the current position stands for the live room. Entries below it are the
// states Undo restores, entries above it the states Redo restores. While the live room is
// newer than every stored state, the current entry is an empty placeholder, filled by the
// first Undo so that Redo can come back.

#include "model/CRoom.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>

class CUndoManager {
public:
    explicit CUndoManager(const CRoom& room);

    // Keeps only the oldest entry, replaced by a copy of the room when one is given.
    void Reset(const CRoom* room = nullptr);
    // Records the room as the state before a change; the redo states are discarded.
    void Push(const CRoom& room);
    // Called before every change of the room, which it marks changed. A change that commits
    // closes its step; one that does not, such as a move of a drag, leaves the step open for
    // the changes that follow. True when the change starts a step of its own.
    bool NoteChange(CRoom& room, bool commit);
    // The next change starts a step of its own, as it does after Undo, Redo and Reset.
    void EndStep() { stepOpen_ = false; }
    bool StepOpen() const { return stepOpen_; }
    // The state to copy into the live room. Given the live room at the newest state, keeps
    // it for Redo. At the oldest state the same snapshot comes back again.
    const CRoom& Undo(const CRoom* room = nullptr);
    // At the newest state the same snapshot comes back again.
    const CRoom& Redo();
    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < snapshots_.size(); }

    // Takes back the last Push while nothing else has happened to the history since: the
    // history is again as it was before it, the redo states included, and the state that Push
    // recorded comes back for the caller to restore, its step closed. Null when there is no
    // such Push.
    std::shared_ptr<const CRoom> Withdraw();

    // At most n entries, the oldest dropped first; 0 means no limit and 1 or 2 count as 3.
    void SetLimit(uint32_t n);
    // Makes every stored state count as unsaved, after the live room was saved.
    void MarkAllModified();

private:
    void Trim();

    using Snapshots = std::deque<std::shared_ptr<CRoom>>;
    Snapshots snapshots_;  // never empty; null is the placeholder
    // The history as it was before the last Push, while that Push can still be taken back;
    // it shares the stored rooms, which are never changed in place meanwhile.
    Snapshots beforePush_;
    size_t currentBeforePush_ = 0;
    uint32_t limit_ = std::numeric_limits<uint32_t>::max();
    size_t current_ = 0;
    bool stepOpen_ = false;
};
