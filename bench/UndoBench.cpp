// The cost of undo snapshots of a large room: one Push at the limit of 32, a whole cycle of
// changes, undos and redos, and the memory that 32 snapshots hold.

#include "editor/CUndoManager.h"

#include "FurnishedRoom.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

namespace {

constexpr int ObjectCount = 1000;
constexpr uint32_t Limit = 32;

CRoom LargeRoom()
{
    CRoom room;
    Furnish(room, ObjectCount);
    return room;
}

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// Steady state: every Push copies the room and drops the oldest snapshot.
void BM_PushAtLimit(benchmark::State& state)
{
    CRoom room = LargeRoom();
    const size_t before = HeapInUse();
    CUndoManager history(room);
    history.SetLimit(Limit);
    for (uint32_t i = 0; i < Limit; ++i)
        history.Push(room);
    state.counters["heap_bytes_at_limit"] = static_cast<double>(HeapInUse() - before);
    for (auto _ : state) {
        ++room.Width;
        history.Push(room);
    }
}
BENCHMARK(BM_PushAtLimit)->Unit(benchmark::kMicrosecond);

// A fresh history taken to its limit, then undone to the oldest state and redone to the newest,
// copying every returned state into the live room as the editor does.
void BM_FullCycleToLimit(benchmark::State& state)
{
    CRoom room = LargeRoom();
    for (auto _ : state) {
        CUndoManager history(room);
        history.SetLimit(Limit);
        for (uint32_t i = 0; i < Limit; ++i) {
            history.Push(room);
            ++room.Width;
        }
        while (history.CanUndo())
            room = history.Undo(&room);
        while (history.CanRedo())
            room = history.Redo();
        benchmark::DoNotOptimize(room.Width);
    }
}
BENCHMARK(BM_FullCycleToLimit)->Unit(benchmark::kMillisecond);

}  // namespace
