#pragma once
// The rules of the room and wall dialogs, apart from their widgets: how their number fields
// read, what the wall thickness field shows, how a new room size meets user-defined walls,
// which wall the wall editor's fields describe, and where the wall preview puts the walls.

#include "base/Geometry.h"
#include "model/CWall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Canvas;
class CRoom;
class CRoomWalls;

// How the text of a number field reads; blanks around the number do not count.
struct IntegerReading {
    enum Kind { Integer, NotInteger, OutOfRange };
    Kind kind = NotInteger;
    int32_t value = 0;  // for Integer
};
IntegerReading ReadInteger(std::string_view text);

// The field's integer, or `current` when its text holds none: such text keeps the value.
int32_t IntegerOr(std::string_view text, int32_t current);

// Whether the room dialog takes a field's text: text that is no integer passes, because it
// keeps the field's value, but a number beyond 32 bits or below `least` does not.
bool AcceptsInteger(std::string_view text, int32_t least);

struct RoomSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const RoomSize&, const RoomSize&) = default;
};

// The size the dialog shows and compares with: the right and bottom edges of the walls'
// extent when there are walls, else the room's own size.
RoomSize CurrentSize(const CRoom& room);

// What the wall thickness field shows: the thickness the walls share, or the word "differ."
// in the current language when they differ. With no walls to ask, the room's own thickness.
std::string ThicknessText(const CRoom& room);

struct SizeTexts {
    std::string width;
    std::string height;
    std::string thickness;
};

// Takes the size fields into the room, starting from its current size. A new size for
// user-defined walls replaces them by the rectangle only when `confirmRectangle` agrees;
// otherwise the size stays the walls' extent and the result is false, so that the caller
// shows it again. The thickness is taken in either case, and a rectangular outline is rebuilt
// for the size and thickness.
bool ReadSizeFields(CRoom& room, const SizeTexts& texts, const std::function<bool()>& confirmRectangle);

// The wall editor's fields: from x, from y, to x, to y and thickness.
using WallTexts = std::array<std::string, 5>;

// The value of a wall field; nothing when it holds no integer or 16777215, the number that
// has always stood for an empty field.
std::optional<int32_t> WallFieldValue(std::string_view text);

// The wall the fields describe, its end points in order; nothing when a field has no value or
// the end points coincide.
std::optional<CWall> WallFromFields(const WallTexts& texts, int32_t alignment);

// Where the wall preview draws plan points: the walls' extent inside a margin of 10 pixels,
// scaled down to fit the image but never enlarged.
struct PreviewMapping {
    Point origin;          // the extent's top-left corner
    double unitsPerPixel;  // at least 1
    Point Map(Point p) const;
};
// Nothing when there are no walls.
std::optional<PreviewMapping> PreviewMappingFor(const CRoomWalls& walls, int32_t width, int32_t height);

// The walls as thin lines over the preview: black, and red for the wall `shown` (an index;
// any other number marks none).
void DrawWallPreview(Canvas& canvas, const CRoomWalls& walls, int shown);
