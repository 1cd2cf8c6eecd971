// The VRML scene of a large room, written to a file as Explore in 3D and --export-vrml do.

#include "output/VrmlWriter.h"
#include "platform/COptions.h"
#include "platform/FileIo.h"

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "ScratchFolder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_VrmlExport(benchmark::State& state)
{
    CRoom room;
    Furnish(room, static_cast<int>(state.range(0)));
    const COptions options;
    const ScratchFolder folder;
    const std::string path = folder.File("scene.wrl");
    size_t bytes = 0;
    bench::Measure(state, [&] {
        const std::string scene = VrmlScene(room, options, "file:///usr/share/planzeta/library.wrl#");
        WriteFileAtomically(path, scene);
        bytes = scene.size();
    });
    state.counters["scene_kb"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_VrmlExport)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// One long wall with windows side by side, overlapping and at heights that differ: the wall is
// cut into pieces around them all.
void BM_VrmlWallOpenings(benchmark::State& state)
{
    CRoom room;
    room.Walls.RemoveAll();
    room.Walls.AddWall() = CWall(0, 0, 30000, 0, 1, 20);
    room.WallZHeight = 265;
    for (int i = 0; i < state.range(0); ++i) {
        CPart& window = room.AddPart(nullptr, true);
        window.Type = Window;
        window.PosX = i * 10;
        window.PosY = 0;
        window.Width = 60;
        window.PosZ = (i * 37) % 120;
        window.ZHeight = 130;
        window.WallLink = 0;
        window.InUse = true;
    }
    const COptions options;
    size_t bytes = 0;
    bench::Measure(state, [&] { bytes = VrmlScene(room, options, "file:///usr/share/planzeta/library.wrl#").size(); });
    state.counters["scene_kb"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_VrmlWallOpenings)->Arg(600)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
