#pragma once
// The rules of the object properties dialog apart from its widgets: how its fields are read
// into an object, which fields each kind of object offers, how the user catalogue keeps
// objects (in centimetres, by name) and lists them, and how the preview and the rotation
// dial are drawn.

#include "base/Colour.h"
#include "model/Units.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Canvas;
class CPart;
class CPartsCatalogue;
class CRoom;

// What the dialog needs to know of the room the object belongs to.
struct ObjectRoom {
    int unit = CentimetreUnit;
    bool userCoord = false;
    int32_t originX = 0;  // the local coordinates' origin, used while userCoord is on
    int32_t originY = 0;
    int32_t wallThickness = 0;
};
ObjectRoom ObjectRoomOf(const CRoom& room);

// What the dialog's controls hold.
struct ObjectFields {
    int type = -1;  // the item chosen in the type list; -1 for none
    std::string caption;
    std::string posX, posY, posZ;  // X and Y relative to the origin when local coordinates are on
    std::string width, height, zHeight;
    std::string rotation;
    std::optional<Colour> lineColour;  // nothing when its box is unticked
    std::optional<Colour> fillColour;
    std::optional<Colour> textColour;
    int lineStyle = 0;
    bool snapToWall = false;
};

// Writes the fields into an object. A number field that holds no integer keeps the object's
// value, a type is taken only for a basic object and only when one is chosen, and the size
// and rotation rules below apply last.
void ApplyFields(const ObjectFields& fields, const ObjectRoom& room, CPart& target);

// Sizes of at least 1; a door and anything round kept square, a window 10 deep, an ellipse
// standing at a multiple of 90 degrees.
void ApplyShapeRules(CPart& part);

// A multiple of 90 degrees, ((rotation + 45) / 90) × 90 with the quotient cut toward zero:
// 135 gives 90 and 136 gives 180, while negative angles lean toward 0 (−50 gives 0).
int32_t SnapEllipseRotation(int32_t rotation);

// The position the X and Y fields show: relative to the origin when local coordinates are on.
int64_t ShownPosX(const CPart& part, const ObjectRoom& room);
int64_t ShownPosY(const CPart& part, const ObjectRoom& room);

// Which fields a kind of object offers.
struct TypeControls {
    bool typeChoosable = true;       // false for library objects, whose type is their symbol
    bool rotationFixed = false;      // a window takes its wall's direction: the field shows 0
    bool fillOffered = true;         // a door has no fill: the box is cleared and disabled
    bool heightOffered = true;       // doors, windows and circles take their length elsewhere
    bool heightShowsWallThickness = false;  // a window's depth, shown for information
    bool snapOffered = false;        // only a door may be kept free of the walls
    std::optional<bool> snapTicked;  // what the snap box is set to; nothing leaves it
};
// For the item chosen in the type list and the object worked on; nothing when no type is
// chosen for a basic object.
std::optional<TypeControls> TypeControlsFor(int chosenType, const CPart& working);

// The entry the catalogue keeps for an object of a room in `unit`: sizes in centimetres, in
// the user library's category, and without what the file leaves out (position, rotation,
// font, wall link), so that it equals what the file gives back.
CPart CatalogueEntryOf(const CPart& part, int unit);
// The object a catalogue entry gives in a room in `unit`.
CPart PartFromCatalogueEntry(const CPart& entry, int unit);

// A catalogue row's name: the entry's caption, or `objectWord` and the entry's number.
std::string CatalogueRowName(const CPart& entry, int index, std::string_view objectWord);
// A catalogue row's size in the room's unit without the unit: "600×400".
std::string CatalogueRowSize(const CPart& entry, int unit);

// Whether a name is empty or blanks only, which no entry may be saved under.
bool IsBlankName(std::string_view name);

// Stores an object under its caption: over the entry of that name when `confirmOverwrite`
// agrees, else in a free slot or a new one. False when nothing was stored.
bool StoreInCatalogue(CPartsCatalogue& catalogue, const CPart& part, int unit,
                      const std::function<bool()>& confirmOverwrite);

// Gives an entry a new name. Another entry of that name is removed when `confirmOverwrite`
// agrees; the entry's own name changes nothing. False when nothing changed.
bool RenameCatalogueEntry(CPartsCatalogue& catalogue, int index, const std::string& name,
                          const std::function<bool()>& confirmOverwrite);

// The object drawn in the middle of the canvas with its caption, scaled down to fit inside a
// margin of 2 pixels but never enlarged; on a canvas of `pixelRatio` device pixels per pixel
// the margin and the largest size grow by the ratio. An object that takes no room is not drawn.
void DrawObjectPreview(Canvas& canvas, const CPart& part, double pixelRatio = 1.0);

// The rotation dial's dot in the middle and its needle, up at 0 degrees and turning clockwise.
void DrawRotationDial(Canvas& canvas, int32_t rotation);
