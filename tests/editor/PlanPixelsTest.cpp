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

TEST_F(PlanPixelsTest, TheFloorKeepsItsColourInsideTheWallsAndTheMarginsAreWhite)
{
    const QImage image = Render();
    EXPECT_EQ(image.size(), QSize(240, 140));
    EXPECT_EQ(At(image, 100, 50), Rgb(FloorColour));
    EXPECT_EQ(At(image, 100, -3), Rgb(Grey));  // in the wall, which lies outside the room
    EXPECT_EQ(image.pixel(2, 2), Rgb(0xFFFFFF));
    EXPECT_EQ(image.pixel(237, 137), Rgb(0xFFFFFF));

    // An outline that is not closed lets the white in.
    room.Walls.RemoveWall(3);
    EXPECT_EQ(At(Render(), 100, 50), Rgb(0xFFFFFF));
}

TEST_F(PlanPixelsTest, TheBackgroundPictureLiesOverTheFloorAndUnderWallsAndObjects)
{
    QImage black(10, 10, QImage::Format_RGB32);
    black.fill(Qt::black);
    room.Background.File = "/plans/black.png";
    room.Background.Picture = std::make_shared<QtCanvasPicture>(black);
    room.Background.Scale = 10;  // 100 x 100 room units from the top-left corner
    room.Background.OffsetX = -10;
    Add(MakePart(Rectangle, 40, 40, 20, 20));
    const QImage image = Render();
    const QColor halfFloor = QColor(At(image, 30, 50));
    EXPECT_NEAR(halfFloor.red(), ToQColor(FloorColour).red() / 2, 1);
    EXPECT_NEAR(halfFloor.blue(), ToQColor(FloorColour).blue() / 2, 1);
    EXPECT_NEAR(QColor(image.pixel(12, 50)).red(), 0x80, 1);  // the white margin under it
    EXPECT_EQ(At(image, 50, 50), Rgb(MakePart(Rectangle, 0, 0, 1, 1).FillColor));
    EXPECT_EQ(At(image, 50, -3), Rgb(Grey));
    EXPECT_EQ(At(image, 95, 50), Rgb(FloorColour));

    room.Background.Visible = false;
    EXPECT_EQ(At(Render(), 30, 50), Rgb(FloorColour));
}

TEST_F(PlanPixelsTest, TheCollisionViewShowsOverlapsInColourAndLeavesWindowsOut)
{
    Add(MakePart(Rectangle, 10, 10, 40, 40));
    Add(MakePart(Rectangle, 30, 10, 40, 40));
    Add(MakePart(Rectangle, 120, 10, 30, 30));
    Add(MakePart(Window, 160, 10, 30, 30));
    const QImage image = Render(true);
    EXPECT_EQ(At(image, 15, 20), Rgb(0x000000));  // first object alone
    EXPECT_EQ(At(image, 40, 20), Rgb(0x3628ED));  // the overlap
    EXPECT_EQ(At(image, 60, 20), Rgb(0x000000));
    EXPECT_EQ(At(image, 135, 25), Rgb(0x000000));
    EXPECT_EQ(At(image, 175, 25), Rgb(0xFFFFFF));  // the window takes no part
}

TEST_F(PlanPixelsTest, ADoorCutsItsOpeningAcrossTheWall)
{
    CPart door = MakePart(Door, 60, 0, 40, 40);
    door.SnapToWallFlag = true;
    door.Rotation = 90;
    CPart& placed = Add(door);
    placed.SnapToWall(room.Walls, placed.PosX, placed.PosY, false);
    const QImage image = Render();
    const Rect bounds = placed.Bounds(1.0);
    const int middle = (bounds.left + bounds.right) / 2;
    EXPECT_EQ(At(image, middle, -3), Rgb(FloorColour)) << "the wall is open at the door";
    EXPECT_EQ(At(image, middle + 60, -3), Rgb(Grey)) << "and closed beside it";
}

TEST_F(PlanPixelsTest, CaptionsThatDoNotFitAreShortened)
{
    CPart tiny = MakePart(Rectangle, 10, 10, 60, 4);
    tiny.Caption = "Wardrobe with sliding doors";
    tiny.FillColor = 0xFFFFFF;
    tiny.LineColor = NoColour;
    Add(tiny);
    const QImage image = Render();
    // Not even one line fits: three dots, unclipped, centred on the object.
    int dark = 0;
    for (int x = 10; x < 70; ++x)
        for (int y = 0; y < 30; ++y)
            dark += qGray(At(image, x, y)) < 100;
    EXPECT_GT(dark, 2);
    EXPECT_LT(dark, 40) << "more than the dots of an ellipsis were drawn";
}
