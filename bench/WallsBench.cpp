// Opening a room whose outline is drawn in many short walls, against the same room in its
// usual six: reading the file and snapping the doors and windows to their walls, the part of
// opening a room that grows with objects times walls.

#include "model/CRoom.h"

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "ScratchFolder.h"

#include <benchmark/benchmark.h>

namespace {

// The room's rectangle as `count` walls, a quarter of them along each side.
void SplitOutline(CRoom& room, int count)
{
    const int perSide = count / 4;
    const int32_t w = room.Width, h = room.Height;
    room.Walls.RemoveAll();
    for (int i = 0; i < perSide; ++i) {
        const int32_t x1 = w * i / perSide, x2 = w * (i + 1) / perSide;
        const int32_t y1 = h * i / perSide, y2 = h * (i + 1) / perSide;
        room.Walls.AddWall() = CWall::Unordered(x1, 0, x2, 0, 0, room.WallThickness);
        room.Walls.AddWall() = CWall::Unordered(x1, h, x2, h, 0, room.WallThickness);
        room.Walls.AddWall() = CWall::Unordered(0, y1, 0, y2, 0, room.WallThickness);
        room.Walls.AddWall() = CWall::Unordered(w, y1, w, y2, 0, room.WallThickness);
    }
    room.Walls.SetDefault(false);
}

void BM_OpenWithWalls(benchmark::State& state)
{
    const ScratchFolder folder;
    CRoom room;
    Furnish(room, 10000);
    for (CPart& part : room.Parts)
        part.SnapToWallFlag = part.Type == Door || part.Type == Window;
    room.Save(folder.File("usual.mst"));
    SplitOutline(room, static_cast<int>(state.range(0)));
    room.Save(folder.File("walls.mst"));
    const auto open = [](const std::string& path) {
        CRoom opened;
        opened.Load(path);
        opened.SnapAllToWalls();
        benchmark::DoNotOptimize(opened.Parts.data());
    };
    bench::MeasureAgainst(
        state, [&] { open(folder.File("walls.mst")); }, [&] { open(folder.File("usual.mst")); });
    state.counters["extra_ms"] = state.counters["median_ms"] - state.counters["baseline_ms"];
}
BENCHMARK(BM_OpenWithWalls)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
