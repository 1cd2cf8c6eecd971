#include "model/CRoom.h"
#include "model/RoomFloor.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

CRoom RoomWithWalls(const std::vector<CWall>& walls)
{
    CRoom room;
    room.Walls = CRoomWalls();
    for (const CWall& wall : walls)
        room.Walls.AddWall() = wall;
    room.Walls.SetDefault(false);
    return room;
}

}  // namespace

TEST(RoomFloor, AreaAndPerimeterInsideTheWalls)
{
    struct Row {
        const char* name;
        CRoom room;
        std::optional<FloorSize> expected;
    };
    CRoom rectangle;
    rectangle.Width = 500;
    rectangle.Height = 300;
    rectangle.Walls.MakeRectangle(500, 300, 10);
    CRoom drawnRectangle = rectangle;
    drawnRectangle.Width = 1;  // the walls decide, not the stored size
    drawnRectangle.Walls.SetDefault(false);
    const Row rows[] = {
        {"rectangle", rectangle, FloorSize{150000, 1600}},
        {"rectangle drawn by the user, thickness outside", drawnRectangle, FloorSize{150000, 1600}},
        {"centred walls take half their thickness off each side",
         RoomWithWalls({CWall(0, 0, 400, 0, 1, 20), CWall(400, 0, 400, 300, 1, 20), CWall(0, 300, 400, 300, 1, 20),
                        CWall(0, 0, 0, 300, 1, 20)}),
         FloorSize{380 * 280, 2 * (380 + 280)}},
        {"L shape, walls in any order and direction",
         RoomWithWalls({CWall(200, 200, 400, 200, 0, 0), CWall(0, 0, 400, 0, 0, 0), CWall(0, 300, 0, 0, 0, 0),
                        CWall(400, 0, 400, 200, 0, 0), CWall(200, 300, 200, 200, 0, 0), CWall(0, 300, 200, 300, 0, 0)}),
         FloorSize{100000, 1400}},
        {"open outline with a stray wall",
         RoomWithWalls({CWall(0, 0, 400, 0, 0, 0), CWall(400, 0, 400, 300, 0, 0), CWall(0, 300, 400, 300, 0, 0),
                        CWall(100, 100, 200, 100, 0, 0)}),
         std::nullopt},
    };
    for (const Row& row : rows) {
        const auto floor = MeasureFloor(row.room);
        ASSERT_EQ(floor.has_value(), row.expected.has_value()) << row.name;
        if (!floor)
            continue;
        EXPECT_NEAR(floor->area, row.expected->area, 1e-6) << row.name;
        EXPECT_NEAR(floor->perimeter, row.expected->perimeter, 1e-6) << row.name;
    }
}
