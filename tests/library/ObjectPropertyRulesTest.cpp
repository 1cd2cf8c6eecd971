#include "library/ObjectPropertyRules.h"

#include "library/CPartsCatalogue.h"
#include "support/MakePart.h"
#include "support/RecordingCanvas.h"

#include <climits>
#include <vector>

#include <gtest/gtest.h>

namespace {

ObjectFields FieldsOf(int type, const std::string& width, const std::string& height, const std::string& rotation)
{
    ObjectFields fields;
    fields.type = type;
    fields.width = width;
    fields.height = height;
    fields.rotation = rotation;
    fields.lineColour = 0x000000;
    return fields;
}

CPart Applied(const ObjectFields& fields, CPart part = MakePart(Rectangle, 10, 20, 50, 30))
{
    ApplyFields(fields, ObjectRoom{}, part);
    return part;
}

CPart& AddEntry(CPartsCatalogue& catalogue, const std::string& caption)
{
    CPart& entry = catalogue.AddEntry();
    entry.Caption = caption;
    entry.InUse = true;
    return entry;
}

// Answers the overwrite question and counts how often it was asked.
struct Confirmation {
    bool answer;
    int asked = 0;
    std::function<bool()> Ask()
    {
        return [this] {
            ++asked;
            return answer;
        };
    }
};

}  // namespace

TEST(ObjectPropertyRulesTest, FieldsAreReadIntoTheObjectAndBadNumbersKeepItsValues)
{
    ObjectFields fields;
    fields.type = Triangle;
    fields.caption = "Desk\r\nold";
    fields.posX = " 15 ";
    fields.posY = "--";
    fields.posZ = "70";
    fields.width = "abc";
    fields.height = "";
    fields.zHeight = "75";
    fields.rotation = "-30";
    fields.fillColour = 0x00FF00;
    fields.lineStyle = 1;
    fields.snapToWall = true;
    const CPart part = Applied(fields);
    EXPECT_EQ(part.Type, Triangle);
    EXPECT_EQ(part.Caption, "Desk\r\nold");
    EXPECT_EQ(part.PosX, 15);
    EXPECT_EQ(part.PosY, 20);
    EXPECT_EQ(part.PosZ, 70);
    EXPECT_EQ(part.Width, 50);
    EXPECT_EQ(part.Height, 30);
    EXPECT_EQ(part.ZHeight, 75);
    EXPECT_EQ(part.Rotation, -30);
    EXPECT_EQ(part.LineColor, NoColour);
    EXPECT_EQ(part.FillColor, 0x00FF00u);
    EXPECT_EQ(part.TextColor, NoColour);
    EXPECT_EQ(part.LineStyle, 1);
    EXPECT_TRUE(part.SnapToWallFlag);

    // Local coordinates: the fields are relative to the origin, a kept value stays absolute.
    const ObjectRoom local{.unit = CentimetreUnit, .userCoord = true, .originX = 100, .originY = -40};
    CPart moved = MakePart(Rectangle, 10, 20, 50, 30);
    fields.posX = "5";
    ApplyFields(fields, local, moved);
    EXPECT_EQ(moved.PosX, 105);
    EXPECT_EQ(moved.PosY, 20);
    moved.PosX = INT32_MAX - 10;
    EXPECT_EQ(ShownPosX(moved, local), int64_t{INT32_MAX} - 110);
    EXPECT_EQ(ShownPosY(moved, local), 60);
    EXPECT_EQ(ShownPosY(moved, ObjectRoom{}), 20);
    fields.posX = "2147483600";
    ApplyFields(fields, local, moved);
    EXPECT_EQ(moved.PosX, INT32_MAX);
}

TEST(ObjectPropertyRulesTest, TheTypeIsTakenOnlyWhenChosenAndNeverForALibraryObject)
{
    EXPECT_EQ(Applied(FieldsOf(-1, "50", "30", "0"), MakePart(Hexagon, 0, 0, 1, 1)).Type, Hexagon);
    CPart library = MakePart(LibraryObject, 0, 0, 50, 30);
    library.LibObjID = 12;
    EXPECT_EQ(Applied(FieldsOf(Door, "50", "30", "0"), library).Type, LibraryObject);
}

TEST(ObjectPropertyRulesTest, SizesAndRotationFollowTheShape)
{
    // Round objects and doors stay square, whatever the length says.
    EXPECT_EQ(Applied(FieldsOf(Circle, "50", "80", "0")).Height, 50);
    EXPECT_EQ(Applied(FieldsOf(Door, "90", "20", "0")).Height, 90);
    CPart roundTable = MakePart(LibraryObject, 0, 0, 60, 60);
    roundTable.LibObjID = 25;
    EXPECT_EQ(Applied(FieldsOf(-1, "120", "40", "0"), roundTable).Height, 120);

    const CPart window = Applied(FieldsOf(Window, "100", "35", "0"));
    EXPECT_EQ(window.Width, 100);
    EXPECT_EQ(window.Height, 10);

    EXPECT_EQ(Applied(FieldsOf(Ellipse, "80", "40", "130")).Rotation, 90);
    EXPECT_EQ(Applied(FieldsOf(Ellipse, "80", "40", "136")).Rotation, 180);
    EXPECT_EQ(Applied(FieldsOf(Ellipse, "80", "40", "-50")).Rotation, 0);
    EXPECT_EQ(Applied(FieldsOf(Ellipse, "80", "40", "-136")).Rotation, -90);
    EXPECT_EQ(Applied(FieldsOf(Rectangle, "80", "40", "130")).Rotation, 130);
    EXPECT_EQ(SnapEllipseRotation(INT32_MAX), 2147483610);

    const CPart flat = Applied(FieldsOf(Rectangle, "0", "-5", "0"));
    EXPECT_EQ(flat.Width, 1);
    EXPECT_EQ(flat.Height, 1);
}

TEST(ObjectPropertyRulesTest, EachKindOfObjectOffersItsOwnFields)
{
    const CPart basic = MakePart(Rectangle, 0, 0, 10, 10);
    EXPECT_FALSE(TypeControlsFor(-1, basic));

    const TypeControls window = *TypeControlsFor(Window, basic);
    EXPECT_TRUE(window.typeChoosable);
    EXPECT_TRUE(window.rotationFixed);
    EXPECT_FALSE(window.heightOffered);
    EXPECT_TRUE(window.heightShowsWallThickness);
    EXPECT_FALSE(window.snapOffered);
    EXPECT_EQ(window.snapTicked, true);

    const TypeControls door = *TypeControlsFor(Door, basic);
    EXPECT_FALSE(door.fillOffered);
    EXPECT_FALSE(door.heightOffered);
    EXPECT_FALSE(door.heightShowsWallThickness);
    EXPECT_TRUE(door.snapOffered);
    EXPECT_FALSE(door.snapTicked);
    EXPECT_FALSE(door.rotationFixed);

    const TypeControls circle = *TypeControlsFor(Circle, basic);
    EXPECT_FALSE(circle.heightOffered);
    EXPECT_TRUE(circle.fillOffered);
    EXPECT_EQ(circle.snapTicked, false);

    const TypeControls rectangle = *TypeControlsFor(Rectangle, basic);
    EXPECT_TRUE(rectangle.heightOffered);
    EXPECT_FALSE(rectangle.snapOffered);

    // A library object goes by its shape, and its type is its symbol.
    CPart roundTable = MakePart(LibraryObject, 0, 0, 60, 60);
    roundTable.LibObjID = 25;
    const TypeControls library = *TypeControlsFor(-1, roundTable);
    EXPECT_FALSE(library.typeChoosable);
    EXPECT_FALSE(library.heightOffered);
    CPart numbered = basic;
    numbered.LibObjID = 3;
    EXPECT_FALSE(TypeControlsFor(Rectangle, numbered)->typeChoosable);
}

TEST(ObjectPropertyRulesTest, TheCatalogueKeepsCentimetresAndListsTheRoomsUnit)
{
    CPart desk = MakePart(Rectangle, 120, 80, 600, 400, 30);
    desk.ZHeight = 755;
    desk.PosZ = 10;
    desk.Caption = "Desk";
    desk.Font = CFont{};
    desk.WallLink = 3;
    const CPart entry = CatalogueEntryOf(desk, 0);
    EXPECT_EQ(entry.Width, 60);
    EXPECT_EQ(entry.Height, 40);
    EXPECT_EQ(entry.ZHeight, 76);
    EXPECT_EQ(entry.CategoryMask, 1u);
    EXPECT_TRUE(entry.InUse);
    EXPECT_EQ(entry.Caption, "Desk");
    EXPECT_EQ(entry.PosX, 0);
    EXPECT_EQ(entry.PosY, 0);
    EXPECT_EQ(entry.PosZ, 0);
    EXPECT_EQ(entry.Rotation, 0);
    EXPECT_FALSE(entry.Font);
    EXPECT_EQ(entry.WallLink, -1);

    EXPECT_EQ(CatalogueRowSize(entry, 0), "600\u00D7400");
    EXPECT_EQ(CatalogueRowSize(entry, 5), "1\u00D70");
    const CPart back = PartFromCatalogueEntry(entry, 0);
    EXPECT_EQ(back.Width, 600);
    EXPECT_EQ(back.Height, 400);
    EXPECT_EQ(back.ZHeight, 760);

    EXPECT_EQ(CatalogueRowName(entry, 2, "Object"), "Desk");
    EXPECT_EQ(CatalogueRowName(CPart{}, 2, "Objekt"), "Objekt 3");
    EXPECT_TRUE(IsBlankName(" \t"));
    EXPECT_FALSE(IsBlankName(" a"));
}

TEST(ObjectPropertyRulesTest, StoringUnderANameTakesAFreeSlotOrOverwritesWhenAllowed)
{
    CPartsCatalogue catalogue;
    AddEntry(catalogue, "Bed");
    AddEntry(catalogue, "Chair");
    catalogue.Remove(0);
    CPart sofa = MakePart(Rectangle, 0, 0, 200, 90);
    sofa.Caption = "Sofa";
    Confirmation never{false};
    ASSERT_TRUE(StoreInCatalogue(catalogue, sofa, CentimetreUnit, never.Ask()));
    EXPECT_EQ(catalogue.FindByCaption("Sofa"), 0);
    EXPECT_EQ(catalogue.Count(), 2);
    EXPECT_EQ(never.asked, 0);

    sofa.Caption = "Chair";
    EXPECT_FALSE(StoreInCatalogue(catalogue, sofa, CentimetreUnit, never.Ask()));
    EXPECT_EQ(never.asked, 1);
    EXPECT_EQ(catalogue.Entry(1).Width, 100);

    Confirmation always{true};
    EXPECT_TRUE(StoreInCatalogue(catalogue, sofa, CentimetreUnit, always.Ask()));
    EXPECT_EQ(always.asked, 1);
    EXPECT_EQ(catalogue.Entry(1).Width, 200);
    EXPECT_EQ(catalogue.Count(), 2);
}

TEST(ObjectPropertyRulesTest, RenamingOntoAnotherNameRemovesThatEntryWhenAllowed)
{
    CPartsCatalogue catalogue;
    AddEntry(catalogue, "Bed");
    AddEntry(catalogue, "Chair");
    Confirmation never{false};
    EXPECT_FALSE(RenameCatalogueEntry(catalogue, 0, "Bed", never.Ask()));
    EXPECT_FALSE(RenameCatalogueEntry(catalogue, 0, "Chair", never.Ask()));
    EXPECT_EQ(never.asked, 1);
    EXPECT_EQ(catalogue.Entry(0).Caption, "Bed");
    EXPECT_TRUE(catalogue.Entry(1).InUse);

    Confirmation always{true};
    EXPECT_TRUE(RenameCatalogueEntry(catalogue, 0, "Chair", always.Ask()));
    EXPECT_EQ(catalogue.Entry(0).Caption, "Chair");
    EXPECT_FALSE(catalogue.Entry(1).InUse);
    EXPECT_EQ(catalogue.FindByCaption("Chair"), 0);

    EXPECT_TRUE(RenameCatalogueEntry(catalogue, 0, "", always.Ask()));
    EXPECT_EQ(catalogue.Entry(0).Caption, "");
    EXPECT_EQ(always.asked, 1);
}

TEST(ObjectPropertyRulesTest, ThePreviewCentresTheObjectAndShrinksButNeverEnlargesIt)
{
    const auto polygon = [](const CPart& part) {
        RecordingCanvas canvas(121, 137);
        DrawObjectPreview(canvas, part);
        const std::vector<std::string> polygons = canvas.Calls("Polygon");
        return polygons.size() == 1 ? polygons.front() : "none";
    };
    EXPECT_EQ(polygon(MakePart(Rectangle, 300, 200, 50, 20)), "Polygon (35,58) (85,58) (85,78) (35,78)");
    EXPECT_EQ(polygon(MakePart(Rectangle, 0, 0, 242, 100)), "Polygon (2,44) (119,44) (119,92) (2,92)");
    // Turned, the object reaches left of its reference corner.
    EXPECT_EQ(polygon(MakePart(Rectangle, 0, 0, 100, 50, 90)), "Polygon (85,18) (85,118) (35,118) (35,18)");

    // A door draws its leaf and swing, but no opening: the preview has no wall.
    CPart door = MakePart(Door, 0, 0, 80, 80);
    door.SnapToWallFlag = true;
    door.WallLink = 0;
    RecordingCanvas doorCanvas(121, 137);
    DrawObjectPreview(doorCanvas, door);
    EXPECT_TRUE(doorCanvas.Calls("Polygon").empty());
    EXPECT_EQ(doorCanvas.Calls("PolyBezier").size(), 1u);

    RecordingCanvas canvas(121, 137);
    CPart flat = MakePart(Rectangle, 0, 0, 0, 50);
    DrawObjectPreview(canvas, flat);
    EXPECT_TRUE(canvas.log.empty());
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
