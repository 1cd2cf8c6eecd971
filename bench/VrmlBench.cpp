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

}  // namespace
