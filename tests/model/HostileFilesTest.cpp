// Room, catalogue and language files that are damaged or made to hurt: each reads into a room
// with defaults or values within their range, is refused as unreadable, and draws with work
// bounded by what the file holds and the canvas shows.

#include "model/CRoom.h"

#include "FuzzInputs.h"
#include "library/CPartsCatalogue.h"
#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

class HostileFilesTest : public ::testing::Test {
protected:
    std::optional<CRoom> Load(const std::string& text)
    {
        const std::string path = dir.file("room.mst");
        TempDir::WriteFile(path, text);
        CRoom room;
        if (!room.Load(path))
            return std::nullopt;
        return room;
    }

    // Draws at the zooms the fuzz targets use and returns how many calls that took.
    static size_t DrawCalls(CRoom& room)
    {
        RecordingCanvas canvas;
        DrawAtFuzzZooms(room, canvas);
        return canvas.log.size();
    }

    TempDir dir;
};

std::string Walls(int count, const std::string& countKey)
{
    std::string text = "[Room]\nWidth=500\nHeight=300\n[RoomWalls]\nCount=" + countKey + "\n";
    for (int i = 0; i < count; ++i)
        text += (i < 10 ? "Wall0" : "Wall") + std::to_string(i) + "=" + std::to_string(i % 500) + "|0|" + std::to_string(i % 500) +
                "|300|0|2\n";
    return text;
}

}  // namespace

TEST_F(HostileFilesTest, HugeAndNegativeSizesDrawNoMoreGridThanTheCanvasShows)
{
    for (const char* sizes : {"Width=2147483647\nHeight=2147483647\nGridSize=1\nSpaceAround=2147483647",
                              "Width=-2147483648\nHeight=-5\nGridSize=-3\nSpaceAround=-2147483648|0|-1|7",
                              "Width=0\nHeight=0\nGridSize=2147483647\nSpaceAround=-2147483648",
                              "Width=99999999999999999999\nHeight=0x7FFFFFFF\nWallThickness=2147483647"}) {
        SCOPED_TRACE(sizes);
        std::optional<CRoom> room = Load(std::string("[Room]\n") + sizes + "\n");
        ASSERT_TRUE(room);
        // Six drawings of four walls, two flood fills, and at most one line per two pixels
        // of a 640 by 480 canvas each: nowhere near a line per grid step of the room.
        EXPECT_LT(DrawCalls(*room), 6u * (40 + 640 / 2 + 480 / 2 + 4));
    }
}

TEST_F(HostileFilesTest, ZeroLengthCoincidentAndCountlessWallsLoadAsTheyStand)
{
    std::optional<CRoom> room = Load("[Room]\nWidth=400\nHeight=300\n[RoomWalls]\nCount=2000000000\n"
                                     "Wall01=10|10|10|10|0|5\nWall00=0|0|400|0\nWall02=0|0|400|0|1|9\n"
                                     "Wall2000000000=1|1|2|2|0|1\nWall03=garbage\nWall1=9|9|9|9|9|9\nWall04=\n"
                                     "wall100=0|50|0|0|1|4\n");
    ASSERT_TRUE(room);
    // Walls come in the order of their numbers, whatever the order or case of their keys.
    // Keys beyond Count, spelled otherwise than the writer does, or with no numbers are
    // skipped; missing fields are 0.
    ASSERT_EQ(room->Walls.Count(), 4);
    EXPECT_FALSE(room->Walls.IsDefault());
    EXPECT_EQ((std::array{room->Walls[0].x2, room->Walls[0].thickness}), (std::array{400, 0}));
    EXPECT_TRUE(room->Walls[1].IsDegenerate());
    EXPECT_EQ(room->Walls[3].Text(), "[0,50]->[0,0]");
    EXPECT_GT(DrawCalls(*room), 0u);

    std::optional<CRoom> many = Load(Walls(100000, "100000"));
    ASSERT_TRUE(many);
    EXPECT_EQ(many->Walls.Count(), 100000);
    EXPECT_GE(DrawCalls(*many), 100000u);

    std::optional<CRoom> none = Load(Walls(3, "0"));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->Walls.IsDefault());
    EXPECT_EQ(none->Walls.Count(), 4);
}

TEST_F(HostileFilesTest, AHugeCaptionLoadsWholeAndDraws)
{
    const std::string caption(10 * 1024 * 1024, 'x');
    std::optional<CRoom> room =
        Load("[Room]\nWidth=500\nHeight=300\n[Part1]\nType=Text\nPosX=10\nPosY=10\nCaption=" + caption + "\n");
    ASSERT_TRUE(room);
    ASSERT_EQ(room->PartCount(), 1);
    EXPECT_EQ(room->Parts[0].Caption.size(), caption.size());
    EXPECT_GT(DrawCalls(*room), 0u);
}

TEST_F(HostileFilesTest, TruncatedFilesGiveTheDefaults)
{
    const std::string furnished = TempDir::ReadFile(std::string(PLANZETA_FUZZ_DIR) + "/corpus/room/Furnished.mst");
    for (const std::string& text : {furnished.substr(0, furnished.size() / 2), furnished.substr(0, 7),
                                    std::string("[RoomWalls]\nCount=0\n"), std::string("[Part9]\n")}) {
        std::optional<CRoom> room = Load(text);
        ASSERT_TRUE(room) << text;
        DrawCalls(*room);
        EXPECT_GT(room->Width, 0);
    }
}

TEST_F(HostileFilesTest, FilesWithoutARoomPipesFoldersAndOversizedFilesAreRefusedAndNeverWaitedOn)
{
    const std::string fifo = dir.file("fifo.mst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TempDir::WriteFile(dir.file("large.mst"), "[Room]\n");
    std::filesystem::resize_file(dir.file("large.mst"), MaxInputFileSize + 1);
    std::vector<std::pair<std::string, ReadFailure>> refused = {
        {dir.path(), ReadFailure::NotRegularFile}, {fifo, ReadFailure::NotRegularFile},
        {"/dev/zero", ReadFailure::NotRegularFile}, {dir.file("large.mst"), ReadFailure::TooLarge},
        {dir.file("missing.mst"), ReadFailure::Unreadable}};
    std::string garbage;
    for (int i = 0; i < 65536; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    for (const std::string& text : {std::string(), garbage, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n[\x01]\n", 21),
                                    std::string("[\0R\0o\0o\0m\0]\0\n\0", 14), std::string("[part1]\n[Other]\nWidth=5\n")}) {
        refused.emplace_back(dir.file("no-room" + std::to_string(refused.size())),
                             text.find('\0') == std::string::npos ? ReadFailure::WrongContent : ReadFailure::NotText);
        TempDir::WriteFile(refused.back().first, text);
    }
    for (const auto& [path, expected] : refused) {
        CRoom room;
        room.Width = 123;
        ReadFailure failure = ReadFailure::Unreadable;
        EXPECT_FALSE(room.Load(path, CodePageHint::Western, &failure)) << path;
        EXPECT_EQ(failure, expected) << path;
        EXPECT_EQ(room.Width, 123) << "a refused file left the room changed";
        CPartsCatalogue catalogue;
        catalogue.Load(path, false);
        EXPECT_EQ(catalogue.Count(), 0);
    }
}

// Language keys of such numbers are checked where string tables are read (CLocStringsTest).
TEST_F(HostileFilesTest, KeysOfTwoBillionCostOneEntryEach)
{
    const std::string path = dir.file("Catalog.msk");
    TempDir::WriteFile(path, "[Part2000000000]\nType=Rectangle\nWidth=2000000000\nHeight=-2000000000\n"
                             "[Part99999999999]\nType=Ellipse\n");
    CPartsCatalogue catalogue;
    catalogue.Load(path, false);
    EXPECT_EQ(catalogue.Count(), 2);
}
