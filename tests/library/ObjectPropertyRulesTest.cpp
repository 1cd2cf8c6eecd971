// The rules behind the object properties dialog that its own tests cannot easily reach: local
// coordinates at the ends of the range, library objects, what a catalogue entry keeps, and
// the drawing of the preview and the dial.

#include "dialogs/ObjectPropertyRules.h"

#include "library/CPartsCatalogue.h"
#include "support/MakePart.h"
#include "support/RecordingCanvas.h"

#include <array>
#include <climits>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

TEST(ObjectPropertyRulesTest, PositionsAreRelativeToTheLocalOriginWithoutOverflow)
{
    const ObjectRoom local{.userCoord = true, .originX = 100, .originY = -40};
    ObjectFields fields;
    fields.posX = " 5 ";
    fields.posY = "--";
    CPart part = MakePart(Rectangle, 10, 20, 50, 30);
    ApplyFields(fields, local, part);
    EXPECT_EQ(part.PosX, 105);
    EXPECT_EQ(part.PosY, 20) << "a kept value stays absolute";
    EXPECT_EQ(ShownPosY(part, local), 60);
    EXPECT_EQ(ShownPosY(part, ObjectRoom{}), 20);

    fields.posX = "2147483600";
    ApplyFields(fields, local, part);
    EXPECT_EQ(part.PosX, INT32_MAX);
    EXPECT_EQ(ShownPosX(part, local), int64_t{INT32_MAX} - 100);
}

TEST(ObjectPropertyRulesTest, ALibraryObjectKeepsItsTypeAndFollowsItsShape)
{
    CPart roundTable = MakePart(LibraryObject, 0, 0, 60, 60);
    roundTable.LibObjID = 25;
    ObjectFields fields;
    fields.type = Door;
    fields.width = "120";
    fields.height = "40";
    ApplyFields(fields, ObjectRoom{}, roundTable);
    EXPECT_EQ(roundTable.Type, LibraryObject);
    EXPECT_EQ(roundTable.Height, 120);
    EXPECT_FALSE(TypeControlsFor(-1, roundTable)->typeChoosable);
    EXPECT_FALSE(TypeControlsFor(-1, roundTable)->heightOffered);
    CPart numbered = MakePart(Rectangle, 0, 0, 60, 60);
    numbered.LibObjID = 25;
    EXPECT_FALSE(TypeControlsFor(Rectangle, numbered)->typeChoosable) << "a library number fixes the type too";

    // A basic object with no type chosen keeps its own.
    CPart hexagon = MakePart(Hexagon, 0, 0, 10, 10);
    fields.type = -1;
    ApplyFields(fields, ObjectRoom{}, hexagon);
    EXPECT_EQ(hexagon.Type, Hexagon);
    EXPECT_FALSE(TypeControlsFor(-1, hexagon));
    fields.type = Rectangle;  // the first type, numbered 0
    ApplyFields(fields, ObjectRoom{}, hexagon);
    EXPECT_EQ(hexagon.Type, Rectangle);
}

TEST(ObjectPropertyRulesTest, EachTypeOffersItsOwnControls)
{
    const struct {
        const char* name;
        int type;
        std::tuple<bool, bool, bool, bool, bool> fixedFillHeightDepthSnap;
        std::optional<bool> snapTicked;
    } rows[] = {
        {"rectangle, the first type", Rectangle, {false, true, true, false, false}, false},
        {"circle", Circle, {false, true, false, false, false}, false},
        {"window", Window, {true, true, false, true, false}, true},
        {"door", Door, {false, false, false, false, true}, std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<TypeControls> c = TypeControlsFor(row.type, MakePart(Hexagon, 0, 0, 10, 10));
        ASSERT_TRUE(c) << row.name;
        EXPECT_EQ(std::tuple(c->rotationFixed, c->fillOffered, c->heightOffered, c->heightShowsWallThickness,
                             c->snapOffered),
                  row.fixedFillHeightDepthSnap)
            << row.name;
        EXPECT_EQ(c->snapTicked, row.snapTicked) << row.name;
        EXPECT_TRUE(c->typeChoosable) << row.name;
    }
}

TEST(ObjectPropertyRulesTest, ShapesKeepTheirProportionsAndEllipsesStandAtRightAnglesBeyondTheUsualRange)
{
    const struct {
        const char* name;
        CPart part;
        std::array<int32_t, 3> widthHeightRotation;
    } rows[] = {
        {"rectangle without size", MakePart(Rectangle, 0, 0, 0, -5, 30), {1, 1, 30}},
        {"door", MakePart(Door, 0, 0, 80, 10, 30), {80, 80, 30}},
        {"circle", MakePart(Circle, 0, 0, 60, 20, 30), {60, 60, 30}},
        {"window", MakePart(Window, 0, 0, 120, 50, 30), {120, 10, 30}},
        {"ellipse", MakePart(Ellipse, 0, 0, 80, 40, 136), {80, 40, 180}},
    };
    for (auto row : rows) {
        ApplyShapeRules(row.part);
        EXPECT_EQ((std::array{row.part.Width, row.part.Height, row.part.Rotation}), row.widthHeightRotation) << row.name;
    }
    EXPECT_EQ(SnapEllipseRotation(-136), -90);
    EXPECT_EQ(SnapEllipseRotation(405), 450);
    EXPECT_EQ(SnapEllipseRotation(INT32_MAX), 2147483610);
}

TEST(ObjectPropertyRulesTest, ACatalogueEntryIsWhatTheFileGivesBack)
{
    CPart desk = MakePart(Rectangle, 120, 80, 600, 400, 30);
    desk.PosZ = 10;
    desk.Font = CFont{};
    desk.WallLink = 3;
    const CPart entry = CatalogueEntryOf(desk, 0);  // from millimetres
    EXPECT_EQ((std::tuple{entry.CategoryMask, entry.InUse, entry.Font.has_value(), entry.WallLink}),
              (std::tuple{1u, true, false, -1}));
    EXPECT_EQ((std::array{entry.PosX, entry.PosY, entry.PosZ, entry.Rotation, entry.Width, entry.Height}),
              (std::array{0, 0, 0, 0, 60, 40}));
    EXPECT_EQ(CatalogueRowSize(entry, 5), "1\u00D70");
    EXPECT_EQ(CatalogueRowName(CPart{}, 2, "Objekt"), "Objekt 3");

    // A new entry takes the first free slot.
    CPartsCatalogue catalogue;
    catalogue.AddEntry().InUse = true;
    catalogue.AddEntry().InUse = true;
    catalogue.Remove(0);
    desk.Caption = "Desk";
    ASSERT_TRUE(StoreInCatalogue(catalogue, desk, CentimetreUnit, [] { return false; }));
    EXPECT_EQ(catalogue.FindByCaption("Desk"), 0);
    EXPECT_EQ(catalogue.Count(), 2);

    // Storing a second "Desk" asks first, and the entry stays when the user declines.
    int asked = 0;
    desk.Width = 800;
    EXPECT_FALSE(StoreInCatalogue(catalogue, desk, CentimetreUnit, [&asked] { return ++asked, false; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(catalogue.Entry(0).Width, 600);
}

TEST(ObjectPropertyRulesTest, RenamingOntoAnotherNameRemovesThatEntryOnlyWhenTheUserAgrees)
{
    const struct {
        const char* name;
        const char* newName;
        bool agree;
        bool changed;
        std::vector<std::string> captions;  // "" for a free slot
    } rows[] = {
        {"its own name asks nothing", "Bed", false, false, {"Bed", "Chair"}},
        {"a free name", "Sofa", false, true, {"Sofa", "Chair"}},
        {"another's name, declined", "Chair", false, false, {"Bed", "Chair"}},
        {"another's name, agreed", "Chair", true, true, {"Chair", ""}},
    };
    for (const auto& row : rows) {
        CPartsCatalogue catalogue;
        for (const char* caption : {"Bed", "Chair"}) {
            catalogue.AddEntry() = MakePart(Rectangle, 0, 0, 10, 10);
            catalogue.Entry(catalogue.Count() - 1).Caption = caption;
            catalogue.Entry(catalogue.Count() - 1).InUse = true;
        }
        int asked = 0;
        EXPECT_EQ(RenameCatalogueEntry(catalogue, 0, row.newName, [&] { return ++asked, row.agree; }), row.changed)
            << row.name;
        EXPECT_EQ(asked, std::string(row.name).starts_with("another") ? 1 : 0) << row.name;
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(catalogue.Entry(i).InUse ? catalogue.Entry(i).Caption : "", row.captions[i]) << row.name;
    }
}

TEST(ObjectPropertyRulesTest, ThePreviewCentresTheObjectAndShrinksButNeverEnlargesIt)
{
    const auto drawn = [](const CPart& part) {
        RecordingCanvas canvas(121, 137);
        DrawObjectPreview(canvas, part);
        return canvas.Calls("Polygon");
    };
    using Calls = std::vector<std::string>;
    EXPECT_EQ(drawn(MakePart(Rectangle, 300, 200, 50, 20)), Calls{"Polygon (35,58) (85,58) (85,78) (35,78)"});
    EXPECT_EQ(drawn(MakePart(Rectangle, 0, 0, 242, 100)), Calls{"Polygon (2,44) (119,44) (119,92) (2,92)"});
    // Turned, the object reaches left of its reference corner.
    EXPECT_EQ(drawn(MakePart(Rectangle, 0, 0, 100, 50, 90)), Calls{"Polygon (85,18) (85,118) (35,118) (35,18)"});

    RecordingCanvas canvas(121, 137);
    DrawObjectPreview(canvas, MakePart(Rectangle, 0, 0, 0, 50));
    EXPECT_TRUE(canvas.log.empty()) << "an object without width takes no room";
    CPart desk = MakePart(Rectangle, 0, 0, 100, 50);
    desk.Caption = "Desk";
    DrawObjectPreview(canvas, desk);
    EXPECT_FALSE(canvas.Calls("Text").empty()) << "the preview shows the caption";
}

TEST(ObjectPropertyRulesTest, TheDialsNeedlePointsUpAtNoughtAndTurnsClockwise)
{
    const auto needle = [](int32_t rotation) {
        RecordingCanvas canvas(30, 30);
        DrawRotationDial(canvas, rotation);
        EXPECT_EQ(canvas.Calls("Ellipse"), std::vector<std::string>{"Ellipse [13,13,18,18]"});
        EXPECT_EQ(canvas.brush, Brush{}) << "the brush is given back";
        return canvas.Calls("Polyline");
    };
    EXPECT_EQ(needle(0), std::vector<std::string>{"Polyline (15,15) (15,2)"});
    EXPECT_EQ(needle(90), std::vector<std::string>{"Polyline (15,15) (28,15)"});
    EXPECT_EQ(needle(-90), std::vector<std::string>{"Polyline (15,15) (2,15)"});
}
