#pragma once
// Lists of objects whose slots carry an in-use flag: a removed object leaves a free slot
// that the next new object takes, so indices stay stable while the list is edited.

#include "model/CPart.h"

#include <vector>

// A slot for a new object: the first free one unless append is set or none is free, in which
// case one is appended. The slot is reset and not yet in use.
inline CPart& TakeSlot(std::vector<CPart>& slots, int* index, bool append)
{
    size_t slot = slots.size();
    for (size_t i = 0; !append && i < slots.size(); ++i) {
        if (!slots[i].InUse) {
            slot = i;
            break;
        }
    }
    if (slot == slots.size())
        slots.emplace_back();
    else
        slots[slot].Reset();
    if (index)
        *index = static_cast<int>(slot);
    return slots[slot];
}

// Frees a slot; an index outside the list is ignored.
inline void FreeSlot(std::vector<CPart>& slots, int index)
{
    if (index >= 0 && static_cast<size_t>(index) < slots.size())
        slots[static_cast<size_t>(index)].InUse = false;
}
