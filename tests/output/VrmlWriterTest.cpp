#include "output/VrmlWriter.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "support/MakePart.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <vector>

namespace {

constexpr const char* Prefix = "file:///opt/planzeta/library.wrl#";

// A 500 x 400 cm room, its start point in the middle.
CRoom EmptyRoom()
{
    CRoom room;
    room.Unit = CentimetreUnit;
    room.Width = 500;
    room.Height = 400;
    room.Walls.MakeRectangle(500, 400, 10);
    room.Start3D = {250, 200, 0};
    return room;
}

COptions Options(int32_t zoom = 100, int32_t wallsTransparency = 1)
{
    COptions options;
    options.Zoom3D = zoom;
    options.WallsTransp3D = wallsTransparency;
    return options;
}

CPart& Add(CRoom& room, CPart part)
{
    part.InUse = true;
    part.FillColor = 0x0080FF;
    return room.AddPart() = part;
}

CPart LibraryPart(int32_t id, int32_t x, int32_t y)
{
    CPart part = MakePart(LibraryObject, x, y, 90, 200);
    part.LibObjID = id;
    part.ZHeight = 45;
    return part;
}

// The first line that starts with the text; empty when there is none.
std::string LineStarting(const std::string& scene, const std::string& start)
{
    std::istringstream in(scene);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(start))
            return line;
    return "";
}

// The lines after the shape declarations, where walls, floor and objects begin.
std::vector<std::string> Body(const std::string& scene)
{
    std::istringstream in(scene);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!lines.empty() || line.starts_with("EXTERNPROTO Window "))
            lines.push_back(line);
    return lines.empty() ? lines : std::vector<std::string>(lines.begin() + 1, lines.end());
}

}  // namespace

// After the fixed header: the viewpoints and lights around the room, the shapes and its floor.
TEST(VrmlWriter, AnEmptyRoomWithoutWallsIsItsFloorWithViewpointsAndLightsAroundIt)
{
    CRoom room = EmptyRoom();
    room.Color = 0x3060C0;
    const std::string scene = VrmlScene(room, Options(), Prefix);
    EXPECT_EQ(scene.rfind("#VRML V2.0 utf8\n", 0), 0u);
    EXPECT_EQ(scene.substr(scene.find("DEF v1 ")),
              "DEF v1 Viewpoint {description \"Start\" position 2.50 1.61 2.00 orientation 0 1 0 0.00}\n"
              "ROUTE v1.isBound TO WALK_NAV.set_bind\n"
              "DEF v2 Viewpoint {description \"Front View\" position 2.50 5.15 5.00 orientation 1 0 0 -1}\n"
              "DEF v3 Viewpoint {description \"Left View\" position -1 5.15 2.00 orientation .5 1 .5 -1.77}\n"
              "DEF v4 Viewpoint {description \"Back View\" position 2.50 5.15 -1 orientation 0 1 .5 -3.14}\n"
              "DEF v5 Viewpoint {description \"Right View\" position 6.00 5.15 2.00 orientation -.5 1 .5 1.77}\n"
              "DEF v6 Viewpoint {description \"Center View\" position 2.50 6.15 2.40 orientation 1 0 0 -1.45}\n"
              "ROUTE v2.isBound TO FLY_NAV.set_bind\n"
              "ROUTE v3.isBound TO FLY_NAV.set_bind\n"
              "ROUTE v4.isBound TO FLY_NAV.set_bind\n"
              "ROUTE v5.isBound TO FLY_NAV.set_bind\n"
              "ROUTE v6.isBound TO FLY_NAV.set_bind\n"
              "PointLight {intensity .28 location -1 7 -1 ambientIntensity .15}\n"
              "PointLight {intensity .28 location -1 7 5.00 ambientIntensity .15}\n"
              "PointLight {intensity .28 location 6.00 7 5.00 ambientIntensity .15}\n"
              "PointLight {intensity .28 location 6.00 7 -1 ambientIntensity .15}\n"
              "PointLight {intensity .2 location 2.50 -1 -1}\n"
              "PointLight {intensity .2 location -1 -1 2.00}\n"
              "PointLight {intensity .2 location 2.50 -1 5.00}\n"
              "PointLight {intensity .2 location 6.00 -1 2.00}\n"
              "EXTERNPROTO Rectangle [field SFColor color] \"file:///opt/planzeta/library.wrl#Rectangle\"\n"
              "EXTERNPROTO Circle [field SFColor color] \"file:///opt/planzeta/library.wrl#Circle\"\n"
              "EXTERNPROTO Ellipse [field SFColor color] \"file:///opt/planzeta/library.wrl#Ellipse\"\n"
              "EXTERNPROTO Triangle [field SFColor color] \"file:///opt/planzeta/library.wrl#Triangle\"\n"
              "EXTERNPROTO Hexagon [field SFColor color] \"file:///opt/planzeta/library.wrl#Hexagon\"\n"
              "EXTERNPROTO Door [field SFColor color] \"file:///opt/planzeta/library.wrl#Door\"\n"
              "EXTERNPROTO Window [field SFColor color] \"file:///opt/planzeta/library.wrl#Window\"\n"
              "Transform {translation 0 -.09 0 scale 5.00 .1 4.00\n"
              "  children Rectangle {color 0.75 0.38 0.19 }}\n");
}

TEST(VrmlWriter, TheScaleFollowsTheUnitAndTheZoom)
{
    const auto floorAndFront = [](int unit, int32_t width, int32_t height, int32_t wallHeight, int32_t zoom) {
        CRoom room = EmptyRoom();
        room.Unit = unit;
        room.Width = width;
        room.Height = height;
        room.WallZHeight = wallHeight;
        const std::string scene = VrmlScene(room, Options(zoom), Prefix);
        return LineStarting(scene, "Transform {translation 0 -.09") + "|" + LineStarting(scene, "DEF v2");
    };
    const std::string mm = floorAndFront(0, 5000, 4000, 2650, 100);
    EXPECT_EQ(mm, "Transform {translation 0 -.09 0 scale 5.00 .1 4.00|"
                  "DEF v2 Viewpoint {description \"Front View\" position 2.50 5.15 5.00 orientation 1 0 0 -1}");
    EXPECT_EQ(floorAndFront(4, 10, 20, 8, 100), "Transform {translation 0 -.09 0 scale 3.00 .1 6.00|"
                  "DEF v2 Viewpoint {description \"Front View\" position 1.50 4.90 7.00 orientation 1 0 0 -1}");
    EXPECT_EQ(floorAndFront(CentimetreUnit, 500, 400, 200, 50), "Transform {translation 0 -.09 0 scale 2.50 .1 2.00|"
                  "DEF v2 Viewpoint {description \"Front View\" position 1.25 3.50 3.00 orientation 1 0 0 -1}");
    // A floor that would print as 0.00, or whose scale would be negative, is left out.
    EXPECT_EQ(floorAndFront(CentimetreUnit, 500, 0, 200, 100).rfind("|DEF v2 ", 0), 0u);
    EXPECT_EQ(floorAndFront(CentimetreUnit, 500, 400, 200, -100).rfind("|DEF v2 ", 0), 0u);
}

TEST(VrmlWriter, TheStartEyeStandsOnTheFilledObjectBelowIt)
{
    const struct {
        const char* name;
        void (*change)(CRoom&, CPart&);
        const char* position;  // and the orientation
    } rows[] = {
        {"nothing below, turned back", [](CRoom& r, CPart& p) { p.PosX = 400; r.Start3D[2] = -45; },
         "position 2.50 1.61 2.00 orientation 0 1 0 0.79}"},
        {"on a chair, turned", [](CRoom& r, CPart&) { r.Start3D[2] = 90; },
         "position 2.50 2.05 2.00 orientation 0 1 0 -1.57}"},
        {"on a shelf", [](CRoom&, CPart& p) { p.PosZ = 100; }, " 3.05 "},
        {"over a pit below the floor", [](CRoom&, CPart& p) { p.PosZ = -60; }, " 1.61 "},
        {"in a door", [](CRoom&, CPart& p) { p.Type = Door; }, " 1.61 "},
        {"on a label", [](CRoom&, CPart& p) { p.Type = Label; }, " 1.61 "},
        {"on an unfilled object", [](CRoom&, CPart& p) { p.FillColor = NoColour; }, " 1.61 "},
    };
    for (const auto& row : rows) {
        CRoom room = EmptyRoom();
        CPart& chair = Add(room, MakePart(Rectangle, 220, 180, 45, 45));
        chair.ZHeight = 45;
        row.change(room, chair);
        EXPECT_NE(LineStarting(VrmlScene(room, Options(), Prefix), "DEF v1 ").find(row.position), std::string::npos)
            << row.name;
    }
}

TEST(VrmlWriter, ObjectsAreScaledTurnedAndColouredInstancesOfTheirPrototypes)
{
    CRoom room = EmptyRoom();
    CPart bed = LibraryPart(40, 100, 50);
    bed.Rotation = 90;
    bed.PosZ = 10;
    Add(room, bed);
    Add(room, MakePart(Circle, 300, 300, 60, 60)).ZHeight = 75;
    Add(room, LibraryPart(40, 400, 50)).FillColor = 0xFFFFFF;
    Add(room, MakePart(LibraryObject, 10, 10, 50, 50)).ZHeight = 20;  // no library number: a box
    EXPECT_EQ(Body(VrmlScene(room, Options(), Prefix)),
              (std::vector<std::string>{
                  "Transform {translation 0 -.09 0 scale 5.00 .1 4.00",
                  "  children Rectangle {color 1.00 1.00 1.00 }}",
                  "EXTERNPROTO LibraryObject40 [field SFColor color] "
                  "\"file:///opt/planzeta/library.wrl#LibraryObject40\"",
                  "Transform {translation 1.00 0.10 0.50 rotation 0 1 0 -1.57 scale 0.90 0.45 2.00",
                  "  children LibraryObject40 {color 1.00 0.50 0.00 }}",
                  "Transform {translation 3.00 0.00 3.00 rotation 0 1 0 0.00 scale 0.60 0.75 0.60",
                  "  children Circle {color 1.00 0.50 0.00 }}",
                  "Transform {translation 4.00 0.00 0.50 rotation 0 1 0 0.00 scale 0.90 0.45 2.00",
                  "  children LibraryObject40 {color 1.00 1.00 1.00 }}",
                  "Transform {translation 0.10 0.00 0.10 rotation 0 1 0 0.00 scale 0.50 0.20 0.50",
                  "  children Rectangle {color 1.00 0.50 0.00 }}",
              }));
}

TEST(VrmlWriter, EveryLibraryModelIsDeclaredOnceUnknownNumbersAreBoxesAndOnlySolidsAreWritten)
{
    CRoom room = EmptyRoom();
    room.Color = 0;
    Add(room, LibraryPart(40, 0, 0)).Width = 0;       // no size at all: not even declared
    Add(room, LibraryPart(40, 0, 0)).ZHeight = 0;
    Add(room, LibraryPart(40, 0, 0)).Height = 0;
    Add(room, LibraryPart(-7, 0, 0)).Width = 0;
    Add(room, LibraryPart(40, 0, 0)).Width = 1;       // 0.01 m: declared, too thin to show
    Add(room, LibraryPart(-7, 0, 0)).Height = -200;    // a negative size would be a negative scale
    Add(room, LibraryPart(40, 0, 0));
    Add(room, LibraryPart(-7, 0, 0)).ZHeight = 1;
    Add(room, LibraryPart(40, 0, 0));
    Add(room, LibraryPart(20, 0, 0));                  // the lowest number with a model
    Add(room, LibraryPart(100, 0, 0));
    // Labels, doors, unfilled and removed objects are not solid: none is written.
    Add(room, MakePart(Label, 10, 10, 50, 20));
    Add(room, MakePart(Door, 10, 10, 80, 80));
    Add(room, MakePart(Rectangle, 10, 10, 50, 20)).FillColor = NoColour;
    Add(room, MakePart(Rectangle, 10, 10, 50, 20));
    room.RemovePart(14);
    std::vector<std::string> body = Body(VrmlScene(room, Options(50), Prefix));
    EXPECT_EQ(body, (std::vector<std::string>{
                        "Transform {translation 0 -.09 0 scale 2.50 .1 2.00",
                        "  children Rectangle {color 0.00 0.00 0.00 }}",
                        "EXTERNPROTO LibraryObject40 [field SFColor color] "
                        "\"file:///opt/planzeta/library.wrl#LibraryObject40\"",
                        "Transform {translation 0.00 0.00 0.00 rotation 0 1 0 0.00 scale 0.45 0.23 1.00",
                        "  children LibraryObject40 {color 1.00 0.50 0.00 }}",
                        "Transform {translation 0.00 0.00 0.00 rotation 0 1 0 0.00 scale 0.45 0.23 1.00",
                        "  children LibraryObject40 {color 1.00 0.50 0.00 }}",
                        "EXTERNPROTO LibraryObject20 [field SFColor color] "
                        "\"file:///opt/planzeta/library.wrl#LibraryObject20\"",
                        "Transform {translation 0.00 0.00 0.00 rotation 0 1 0 0.00 scale 0.45 0.23 1.00",
                        "  children LibraryObject20 {color 1.00 0.50 0.00 }}",
                        "# library number 100 has no model: a box of its size",
                        "Transform {translation 0.00 0.00 0.00 rotation 0 1 0 0.00 scale 0.45 0.23 1.00",
                        "  children Rectangle {color 1.00 0.50 0.00 }}",
                    }));
}

TEST(VrmlWriter, SolidWallsComeBetweenTheShapesAndTheFloor)
{
    CRoom room = EmptyRoom();
    const std::vector<std::string> body = Body(VrmlScene(room, Options(100, 0), Prefix));
    ASSERT_EQ(body.size(), 1 + 4 * 3 + 2u);
    EXPECT_EQ(body[0], "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] "
                       "\"file:///opt/planzeta/library.wrl#Wall\"");
    EXPECT_EQ(body[3], "     children Wall {color 1 1 1 transparency 0.00}}}");
    EXPECT_EQ(body[13], "Transform {translation 0 -.09 0 scale 5.00 .1 4.00");
    for (const int32_t choice : {1, 2, -1})
        EXPECT_EQ(Body(VrmlScene(room, Options(100, choice), Prefix)).size(), 2u) << choice;
}

TEST(VrmlWriter, ViewpointDescriptionsAreLocalizedAndEscaped)
{
    TempDir folder;
    TempDir::WriteFile(folder.file("cz.lng"), "[Main]\nLanguage=Cestina\nLanguageID=1029\n"
                                              "[Messages]\nText49=Za\"čátek\\ \\\"x\"\n");
    CALocalize localize;
    ASSERT_TRUE(localize.ScanFiles(folder.path()));
    ASSERT_TRUE(localize.SelectLanguageByID(1029));
    SetCurrentLocalizer(&localize);
    const std::string scene = VrmlScene(EmptyRoom(), Options(), Prefix);
    EXPECT_EQ(LineStarting(scene, "DEF v1 "),
              R"(DEF v1 Viewpoint {description "Za\"čátek\\ \\\"x\"" position 2.50 1.61 2.00 orientation 0 1 0 0.00})");
}

TEST(VrmlWriter, HugeRoomsGiveFiniteNumbersWrittenInFull)
{
    CRoom room = EmptyRoom();
    room.Unit = 6;  // km
    room.Width = INT_MAX;
    room.Height = INT_MIN;
    room.WallZHeight = INT_MAX;
    room.Start3D = {100, 100, INT_MIN};
    room.Walls.RemoveAll();
    room.Walls.AddWall() = CWall(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, INT_MAX);
    CPart& tower = Add(room, MakePart(Rectangle, 0, 0, INT_MAX, INT_MAX));
    tower.PosZ = INT_MAX;
    tower.ZHeight = INT_MAX;
    const std::string scene = VrmlScene(room, Options(INT_MAX, 0), Prefix);
    const std::string afterHeader = scene.substr(scene.find("DEF v1 "));
    for (const char* bad : {"inf", "nan", "e+", "e-"})
        EXPECT_EQ(afterHeader.find(bad), std::string::npos) << bad;
    // The eye stands on the tower's top, 2 x INT_MAX high: no sum wraps round.
    EXPECT_EQ(LineStarting(scene, "DEF v1 "),
              "DEF v1 Viewpoint {description \"Start\" position 2147483647000.00 42949674.54 "
              "2147483647000.00 orientation 0 1 0 37480660.29}");
    EXPECT_NE(scene.find("children Wall"), std::string::npos);
    EXPECT_NE(scene.find("children Rectangle {color 1.00 0.50 0.00 }}"), std::string::npos);
}
