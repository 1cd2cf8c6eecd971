// The plan as the user sees it: pixels of whole rooms rendered through the Qt canvas.

#include "model/CRoom.h"
#include "output/ImageExport.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"
#include "support/MakePart.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr Colour FloorColour = 0xC0E0F0;
constexpr Colour Grey = 0x808080;

class PlanPixelsTest : public ::testing::Test {
protected:
    PlanPixelsTest()
    {
        room.Color = FloorColour;
        room.SpaceAround = {20, 20, 20, 20};
        room.Width = 200;
        room.Height = 100;
        room.Walls.MakeRectangle(room.Width, room.Height, 6);
    }

    CPart& Add(const CPart& part)
    {
        CPart& slot = room.AddPart() = part;
        slot.InUse = true;
        return slot;
    }

    QImage Render(bool collisions = false)
    {
        ImageExportOptions options;
        options.showGrid = false;
        options.showCollisions = collisions;
        return RenderRoomImage(room, options);
    }

    // The colour at a plan point, the margins being 20 pixels at zoom 1.
    QRgb At(const QImage& image, int x, int y) { return image.pixel(x + 20, y + 20); }

    CRoom room;
};

QRgb Rgb(Colour colour)
{
    return ToQColor(colour).rgb();
}

}  // namespace

// What each drawing step does is tested with a recording canvas, and each kind of stroke on
// the Qt canvas; here, that they come together: the floor filled up to the walls and the door's
// opening, the background picture between the floor and the walls.
TEST_F(PlanPixelsTest, TheFloorFillsTheWallsTheBackgroundLiesBetweenTheFloorAndTheWallsAndADoorOpensTheWall)
{
    QImage black(10, 10, QImage::Format_RGB32);
    black.fill(Qt::black);
    room.Background.File = "/plans/black.png";
    room.Background.Picture = std::make_shared<QtCanvasPicture>(black);
    room.Background.Scale = 10;  // 100 x 100 room units from the top-left corner
    room.Background.OffsetX = -10;
    Add(MakePart(Rectangle, 40, 40, 20, 20));
    CPart door = MakePart(Door, 120, 0, 40, 40);
    door.SnapToWallFlag = true;
    door.Rotation = 90;
    CPart& placed = Add(door);
    placed.SnapToWall(room.Walls, placed.PosX, placed.PosY, false);
    const Rect bounds = placed.Bounds(1.0);
    const int doorMiddle = (bounds.left + bounds.right) / 2;

    const QImage image = Render();
    EXPECT_EQ(image.size(), QSize(240, 140));
    EXPECT_EQ(image.pixel(237, 137), Rgb(0xFFFFFF));
    EXPECT_EQ(At(image, 150, 80), Rgb(FloorColour));
    const QColor halfFloor = QColor(At(image, 30, 50));
    EXPECT_NEAR(halfFloor.red(), ToQColor(FloorColour).red() / 2, 1);
    EXPECT_NEAR(halfFloor.blue(), ToQColor(FloorColour).blue() / 2, 1);
    EXPECT_NEAR(QColor(image.pixel(12, 50)).red(), 0x80, 1);  // the white margin under it
    EXPECT_EQ(At(image, 50, 50), Rgb(MakePart(Rectangle, 0, 0, 1, 1).FillColor));
    EXPECT_EQ(At(image, 50, -3), Rgb(Grey));  // in the wall, which lies outside the room
    EXPECT_EQ(At(image, doorMiddle, -3), Rgb(FloorColour)) << "the wall is open at the door";

    EXPECT_EQ(At(Render(true), 50, 50), Rgb(0x000000)) << "the collision view shows silhouettes";

    // An outline that is not closed lets the white in.
    room.Background.Visible = false;
    room.Walls.RemoveWall(3);
    EXPECT_EQ(At(Render(), 150, 80), Rgb(0xFFFFFF));
}
