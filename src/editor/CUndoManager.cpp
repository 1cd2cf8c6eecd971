#include "editor/CUndoManager.h"

CUndoManager::CUndoManager(const CRoom& room)
{
    snapshots_.push_back(std::make_shared<CRoom>(room));
}

void CUndoManager::Reset(const CRoom* room)
{
    beforePush_.clear();
    snapshots_.resize(1);
    current_ = 0;
    stepOpen_ = false;
    if (room)
        snapshots_.front() = std::make_shared<CRoom>(*room);
}

void CUndoManager::Push(const CRoom& room)
{
    auto copy = std::make_shared<CRoom>(room);
    beforePush_ = snapshots_;
    currentBeforePush_ = current_;
    snapshots_.resize(current_ + 1);  // the redo states go
    snapshots_.back() = std::move(copy);
    snapshots_.emplace_back();  // the placeholder for the live room
    ++current_;
    Trim();
}

bool CUndoManager::NoteChange(CRoom& room, bool commit)
{
    const bool newStep = !stepOpen_;
    if (newStep)
        Push(room);
    stepOpen_ = !commit;
    room.Modified = true;
    return newStep;
}

std::shared_ptr<const CRoom> CUndoManager::Withdraw()
{
    if (beforePush_.empty())
        return nullptr;
    std::shared_ptr<const CRoom> recorded = snapshots_[current_ - 1];
    snapshots_ = std::move(beforePush_);
    beforePush_.clear();
    current_ = currentBeforePush_;
    stepOpen_ = false;
    return recorded;
}

const CRoom& CUndoManager::Undo(const CRoom* room)
{
    beforePush_.clear();
    stepOpen_ = false;
    const bool atNewest = current_ + 1 == snapshots_.size();
    if (atNewest && room)
        snapshots_.back() = std::make_shared<CRoom>(*room);
    else if (atNewest && !snapshots_.back())
        // Without the live room there is nothing for Redo to come back to, and offering it
        // the empty placeholder would blank the room.
        snapshots_.pop_back();
    if (current_ > 0)
        --current_;
    return *snapshots_[current_];
}

const CRoom& CUndoManager::Redo()
{
    beforePush_.clear();
    stepOpen_ = false;
    if (CanRedo())
        ++current_;
    return *snapshots_[current_];
}

void CUndoManager::SetLimit(uint32_t n)
{
    beforePush_.clear();
    limit_ = n != 0 && n < 3 ? 3 : n;
    Trim();
}

void CUndoManager::MarkAllModified()
{
    beforePush_.clear();  // the stored rooms change in place
    for (const auto& snapshot : snapshots_)
        if (snapshot)
            snapshot->Modified = true;
}

void CUndoManager::Trim()
{
    if (limit_ == 0)
        return;
    // The oldest states go first; the current entry stays, so after undoing far back a lower
    // limit drops the newest redo states instead.
    while (snapshots_.size() > limit_ && current_ > 0) {
        snapshots_.pop_front();
        --current_;
    }
    while (snapshots_.size() > limit_)
        snapshots_.pop_back();
}
