// Writes the benchmarks' furnished room as a room file, for measuring the editor as a whole:
//   planzeta_furnished_room OBJECTS OUT.mst

#include "FurnishedRoom.h"
#include "platform/FileIo.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    const int objects = argc == 3 ? std::atoi(argv[1]) : 0;
    if (objects < 1) {
        std::cerr << "usage: planzeta_furnished_room OBJECTS OUT.mst\n";
        return 2;
    }
    CRoom room;
    Furnish(room, objects);
    try {
        room.Save(argv[2]);
    } catch (const FileWriteError& error) {
        std::cerr << "planzeta_furnished_room: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
