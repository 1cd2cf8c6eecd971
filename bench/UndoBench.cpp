// The undo history on a large room: one Push at the limit of 32 against copying the room's
// objects as a plain vector, and the resident memory of the process once 32 snapshots exist.

#include "editor/CUndoManager.h"

#include "Baseline.h"
#include "FurnishedRoom.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <vector>

namespace {

constexpr uint32_t Limit = 32;

double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Steady state: every Push copies the room and drops the oldest snapshot. The baseline keeps
// as many plain copies of the objects in a ring, so it too creates one and destroys one.
void BM_UndoPush(benchmark::State& state)
{
    CRoom room;
    Furnish(room, static_cast<int>(state.range(0)));
    CUndoManager history(room);
    history.SetLimit(Limit);
    for (uint32_t i = 0; i < Limit; ++i)
        history.Push(room);
    state.counters["resident_mb_at_limit"] = ResidentMegabytes();
    std::array<std::vector<CPart>, Limit> ring;
    size_t next = 0;
    bench::MeasureAgainst(
        state,
        [&] {
            ++room.Width;
            history.Push(room);
        },
        [&] { ring[next++ % Limit] = std::vector<CPart>(room.Parts); });
}
BENCHMARK(BM_UndoPush)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
