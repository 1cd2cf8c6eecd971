#include "support/RunProcess.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const std::string SourceData = PLANZETA_SOURCE_DIR "/data";

// The program's full path from PATH; empty when it is not installed.
std::string FindProgram(const std::string& name)
{
    const std::string found = RunProcess("/bin/sh", {"-c", "command -v " + name}).out;
    return found.substr(0, found.find('\n'));
}

// A room with every object the installed library catalogue offers, in rows.
std::string EveryLibraryObjectRoom()
{
    std::istringstream catalogue(TempDir::ReadFile(SourceData + "/Library.msk"));
    std::string room = "[Room]\nWidth=1500\nHeight=1200\nWallThickness=10\n";
    int count = 0;
    for (std::string line; std::getline(catalogue, line);) {
        if (line.rfind("LibObjID=", 0) != 0)
            continue;
        const int x = 20 + count % 10 * 140;
        const int y = 20 + count / 10 * 140;
        room += "[Part" + std::to_string(++count) + "]\nType=LibraryObject\nWidth=100\nHeight=80\nPosX=" +
                std::to_string(x) + "\nPosY=" + std::to_string(y) + "\nFillColor=0x80C0E0\n" + line + "\n";
    }
    return room;
}

// Walls of every alignment, one of them slanted and one without thickness; doors of every
// quarter turn and windows above each other snapped into them; every basic shape.
const char* const OpeningsRoom =
    "[Room]\nWidth=600\nHeight=400\nWallZHeight=250\n3DStart=300|200|45\n"
    "[RoomWalls]\nCount=5\nWall00=0|0|600|0|0|12\nWall01=600|0|600|400|1|20\nWall02=600|400|200|400|2|12\n"
    "Wall03=200|400|0|200|0|12\nWall04=0|200|0|0|0|0\n"
    "[Part1]\nType=Door\nPosX=100\nPosY=-10\nWidth=80\nHeight=80\nZHeight=200\nSnapToWall=1\n"
    "[Part2]\nType=Door\nPosX=590\nPosY=100\nWidth=90\nHeight=90\nZHeight=200\nRotation=180\nSnapToWall=1\n"
    "[Part3]\nType=Door\nPosX=400\nPosY=390\nWidth=80\nHeight=80\nZHeight=210\nRotation=90\nSnapToWall=1\n"
    "[Part4]\nType=Door\nPosX=100\nPosY=300\nWidth=80\nHeight=80\nZHeight=200\nRotation=270\nSnapToWall=1\n"
    "[Part5]\nType=Window\nPosX=300\nPosY=0\nWidth=120\nHeight=12\nPosZ=80\nZHeight=60\nSnapToWall=1\n"
    "[Part6]\nType=Window\nPosX=300\nPosY=0\nWidth=120\nHeight=12\nPosZ=170\nZHeight=50\nSnapToWall=1\n"
    "[Part7]\nType=Rectangle\nPosX=50\nPosY=50\nWidth=60\nHeight=40\nZHeight=75\n"
    "[Part8]\nType=Circle\nPosX=150\nPosY=50\nWidth=50\nHeight=50\nZHeight=45\nRotation=30\n"
    "[Part9]\nType=Ellipse\nPosX=250\nPosY=50\nWidth=80\nHeight=40\nZHeight=40\nPosZ=30\n"
    "[Part10]\nType=Triangle\nPosX=350\nPosY=50\nWidth=60\nHeight=60\nZHeight=90\n"
    "[Part11]\nType=Hexagon\nPosX=450\nPosY=50\nWidth=60\nHeight=60\nZHeight=20\n"
    "[Part12]\nType=LibraryObject\nPosX=50\nPosY=150\nWidth=60\nHeight=60\nZHeight=50\n"
    "[Part13]\nType=Label\nCaption=Hall \"A\"\nPosX=300\nPosY=200\n";

// Exports the room as a scene whose prototypes come from the source's library file, and
// loads the scene with the parser. The parser locks every file it reads and fails on a file
// another parser holds, so each scene gets its own copy of the data for tests run in parallel.
void ExpectTheSceneParses(const std::string& parser, const std::string& roomText, const std::string& walls)
{
    SCOPED_TRACE(roomText.substr(0, 60) + " with walls " + walls);
    TempDir dir;
    TempDir::WriteFile(dir.file("room.mst"), roomText);
    fs::copy(SourceData, dir.file("data"), fs::copy_options::recursive);
    const ScopedEnv data("PLANZETA_DATA_DIR", dir.file("data").c_str());
    const std::string scene = dir.file("scene.wrl");
    const ProcessResult exported =
        RunProcess(PLANZETA_EXE, {"--export-vrml", scene, dir.file("room.mst"), "--walls", walls});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    // The parser exits 0 on most faults; only a silent run proves the scene sound.
    const ProcessResult parsed = RunProcess(parser, {scene});
    EXPECT_EQ(parsed.status, 0);
    EXPECT_EQ(parsed.err, "");
}

}  // namespace

TEST(VrmlSceneParse, EveryExportedSceneLoadsWithTheLibraryInARealVrmlParser)
{
    const std::string parser = FindProgram("tovrmlx3d");
    if (parser.empty())
        GTEST_SKIP() << "tovrmlx3d (Debian package view3dscene) is not installed";
    const std::string furnished = EveryLibraryObjectRoom();
    ASSERT_GT(furnished.size(), 1000u);
    const std::pair<std::string, std::string> rooms[] = {
        {"[Room]\nWidth=400\nHeight=300\nWallThickness=10\n", "solid"},
        {furnished, "solid"},
        {furnished, "invisible"},
        {OpeningsRoom, "solid"},
        // A number the library has no model for is a box.
        {"[Room]\n[Part1]\nType=LibraryObject\nLibObjID=250\nFillColor=0\n", "solid"},
    };
    for (const auto& [room, walls] : rooms)
        ExpectTheSceneParses(parser, room, walls);
}
