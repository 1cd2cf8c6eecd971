// Loads one room file as the editor does and prints what it cost: the time, the peak resident
// memory of the whole process and that peak per byte of the file. A process of its own per
// file, so that nothing measured before inflates the peak:
//   planzeta_load_peak ROOM.mst   ->   "ms 812.4 peak_mb 395.1 per_byte 19.6 objects 1500000"

#include "model/CRoom.h"

#include "Baseline.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>

int main(int argc, char** argv)
{
    struct stat info {};
    if (argc != 2 || stat(argv[1], &info) != 0 || info.st_size == 0) {
        std::fprintf(stderr, "usage: planzeta_load_peak ROOM.mst (an existing, non-empty file)\n");
        return 2;
    }
    CRoom room;
    bool loaded = false;
    const double seconds = bench::Seconds([&] { loaded = room.Load(argv[1]); });
    if (!loaded) {
        std::fprintf(stderr, "planzeta_load_peak: %s is not a room\n", argv[1]);
        return 1;
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const double peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    std::printf("ms %.1f peak_mb %.1f per_byte %.1f objects %d\n", seconds * 1e3, peakBytes / 1e6,
                peakBytes / static_cast<double>(info.st_size), room.PartCount());
    return 0;
}
