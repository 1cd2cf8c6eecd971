#pragma once
// One object placed in a room: a basic shape, a door, a window, a label or a library symbol.

#include "base/CFont.h"
#include "base/Colour.h"
#include "base/Geometry.h"
#include "model/PartType.h"
#include "model/Units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Canvas;
class CIniFile;
class CRoom;
class CRoomWalls;

class CPart {
public:
    CPart() { Reset(); }

    // Restores every default and clears the in-use flag.
    void Reset();

    // Type, except that a library object stands for the basic shape of its library number.
    int ShapeType() const;

    // The four corners P0..P3 at a zoom, without view offset. A triangle is P0, P1, P3, P3.
    std::array<Point, 4> Corners(double zoom) const;
    // The corners in device pixels, cached per zoom; callers invalidate when the offset changes.
    const std::array<Point, 4>& ScreenCorners(int32_t offsetX, int32_t offsetY, double zoom);
    void InvalidateCorners() { cacheZoom_ = 0.0; }
    Rect ScreenBounds(int32_t offsetX, int32_t offsetY, double zoom);
    Rect Bounds(double zoom) const;
    // The centre of the bounding box at zoom 1, unrounded.
    PointF Centre() const;
    // Turns the object by some degrees about the centre of its bounding box, which stays where
    // it was (to the nearest unit, so that turning back restores the position exactly).
    void RotateInPlace(int32_t degrees);
    // Whether a point in device pixels relative to the room origin lies on the object.
    bool HitTest(int32_t x, int32_t y, double zoom) const;

    // Attaches the object to the nearest wall. (x, y) is the point it follows: the pointer
    // while dragging, else its own position.
    void SnapToWall(const CRoomWalls& walls, int32_t x, int32_t y, bool dragging);

    // Draws the object with its own pen, brush and caption; with shapeOnly only its silhouette,
    // in the pen and brush the caller selected. The room, when given, lets a door cut its
    // opening into its wall.
    void Draw(Canvas& canvas, int32_t offsetX, int32_t offsetY, double zoom, bool showCaption,
              bool shapeOnly, const CRoom* room = nullptr);

    // The hover text.
    std::string Describe() const;

    // One object section; without position for catalogue templates. A library object without
    // a height takes the library's, converted from centimetres to the unit given.
    void Save(CIniFile& ini, std::string_view section, bool withoutPosition) const;
    void Load(const CIniFile& ini, std::string_view section, int unit = CentimetreUnit);
    // The same for the section of that number; several threads may load from one file so.
    void Load(const CIniFile& ini, size_t section, int unit);

    int32_t PosX, PosY;
    int32_t PosZ;
    int32_t Width, Height;
    int32_t ZHeight;
    int32_t Rotation;  // degrees, not normalised; positive turns clockwise on screen
    std::string Caption;  // line breaks are CR LF
    Colour LineColor;  // for a label: the text alignment, 0 left, 1 centred, 2 right
    Colour FillColor;
    Colour TextColor;
    int32_t LineStyle;  // 0 solid, 1 dotted
    bool InUse;
    int32_t Type;
    bool SnapToWallFlag;
    std::optional<CFont> Font;
    // Low 16 bits: the wall the object is attached to; high 16 bits: a door's quarter turn
    // relative to that wall. -1 when not attached.
    int32_t WallLink;
    int32_t LibObjID;
    uint32_t CategoryMask;  // bit i: the object belongs to library category i

private:
    // The corners at zoom 1, unrounded.
    std::array<PointF, 4> ExactCorners() const;

    std::array<Point, 4> cachedCorners_{};
    double cacheZoom_ = 0.0;
};

// Label alignment values kept in LineColor.
enum LabelAlignment : uint32_t { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };
