// Reading and writing a large room file against reading or writing the same bytes and
// splitting them into lines, which any reader of a line-based file has to do.

#include "model/CRoom.h"
#include "platform/FileIo.h"

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "ScratchFolder.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

size_t CountLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    benchmark::DoNotOptimize(lines.data());
    return lines.size();
}

// The C library gives freed memory back to the system, or keeps it, by the sizes freed
// before: the larger lists of one side would then spare the other side faulting its memory in
// anew, or not. Fixed limits hold both sides to the same rule.
void FixHeapLimits()
{
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

struct RoomFile {
    explicit RoomFile(int objectCount)
    {
        FixHeapLimits();
        Furnish(room, objectCount);
        room.Save(folder.File("room.mst"));
    }
    std::string Path() const { return folder.File("room.mst"); }
    std::string Bytes() const { return ReadWholeFile(Path()).value_or(std::string()); }

    ScratchFolder folder;
    CRoom room;
};

void BM_RoomLoad(benchmark::State& state)
{
    const RoomFile file(static_cast<int>(state.range(0)));
    CRoom loaded;
    bench::MeasureAgainst(
        state, [&] { loaded.Load(file.Path()); },
        [&] { CountLines(ReadWholeFile(file.Path()).value_or(std::string())); });
    if (loaded.PartCount() != file.room.PartCount())
        state.SkipWithError("the room did not load whole");
    state.counters["file_kb"] = static_cast<double>(file.Bytes().size()) / 1024.0;
}
BENCHMARK(BM_RoomLoad)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both sides replace the file as safely, flushed to disk before the rename.
void BM_RoomSave(benchmark::State& state)
{
    const RoomFile file(static_cast<int>(state.range(0)));
    const std::string bytes = file.Bytes();
    const std::string copy = file.folder.File("copy.mst");
    bench::MeasureAgainst(
        state, [&] { file.room.Save(file.Path()); },
        [&] {
            CountLines(bytes);
            WriteFileAtomically(copy, bytes);
        });
}
BENCHMARK(BM_RoomSave)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
