#include "dialogs/ObjectPropertyRules.h"

#include "base/Numeric.h"
#include "dialogs/Explore3DGeometry.h"
#include "dialogs/RoomDialogRules.h"
#include "library/CPartsCatalogue.h"
#include "model/CPart.h"
#include "model/CRoom.h"
#include "platform/Canvas.h"

#include <algorithm>

namespace {

// A window's own depth means nothing: on its wall it takes the wall's thickness.
constexpr int32_t WindowDepth = 10;
// Category 0, the user's own objects.
constexpr uint32_t UserLibraryMask = 1;
constexpr int PreviewMargin = 2;

int32_t PositionOr(const std::string& text, int32_t current, int32_t origin)
{
    const IntegerReading reading = ReadInteger(text);
    if (reading.kind != IntegerReading::Integer)
        return current;
    return SaturateToInt(int64_t{reading.value} + origin);
}

}  // namespace

ObjectRoom ObjectRoomOf(const CRoom& room)
{
    return {room.Unit, room.UserCoord, room.UserCoordOriginX, room.UserCoordOriginY, room.WallThickness};
}

void ApplyFields(const ObjectFields& fields, const ObjectRoom& room, CPart& target)
{
    if (target.Type != LibraryObject && fields.type >= 0)
        target.Type = fields.type;
    target.Caption = fields.caption;
    target.PosX = PositionOr(fields.posX, target.PosX, room.userCoord ? room.originX : 0);
    target.PosY = PositionOr(fields.posY, target.PosY, room.userCoord ? room.originY : 0);
    target.PosZ = IntegerOr(fields.posZ, target.PosZ);
    target.Width = IntegerOr(fields.width, target.Width);
    target.Height = IntegerOr(fields.height, target.Height);
    target.ZHeight = IntegerOr(fields.zHeight, target.ZHeight);
    target.Rotation = IntegerOr(fields.rotation, target.Rotation);
    target.LineColor = fields.lineColour.value_or(NoColour);
    target.FillColor = fields.fillColour.value_or(NoColour);
    target.TextColor = fields.textColour.value_or(NoColour);
    target.LineStyle = fields.lineStyle;
    target.SnapToWallFlag = fields.snapToWall;
    ApplyShapeRules(target);
    target.InvalidateCorners();
}

void ApplyShapeRules(CPart& part)
{
    part.Width = std::max(part.Width, 1);
    part.Height = std::max(part.Height, 1);
    const int shape = part.ShapeType();
    if (part.Type == Door || shape == Circle)
        part.Height = part.Width;
    if (part.Type == Window)
        part.Height = WindowDepth;
    if (shape == Ellipse)
        part.Rotation = SnapEllipseRotation(part.Rotation);
}

int32_t SnapEllipseRotation(int32_t rotation)
{
    return SaturateToInt((int64_t{rotation} + 45) / 90 * 90);
}

int64_t ShownPosX(const CPart& part, const ObjectRoom& room)
{
    return int64_t{part.PosX} - (room.userCoord ? room.originX : 0);
}

int64_t ShownPosY(const CPart& part, const ObjectRoom& room)
{
    return int64_t{part.PosY} - (room.userCoord ? room.originY : 0);
}

std::optional<TypeControls> TypeControlsFor(int chosenType, const CPart& working)
{
    const int type = working.Type == LibraryObject ? working.ShapeType() : chosenType;
    if (type < 0)
        return std::nullopt;
    TypeControls controls;
    controls.typeChoosable = working.Type != LibraryObject && working.LibObjID == 0;
    controls.rotationFixed = type == Window;
    controls.fillOffered = type != Door;
    controls.heightOffered = type != Window && type != Door && type != Circle;
    controls.heightShowsWallThickness = type == Window;
    controls.snapOffered = type == Door;
    if (type != Door)
        controls.snapTicked = type == Window;
    return controls;
}

CPart CatalogueEntryOf(const CPart& part, int unit)
{
    CPart entry = part;
    entry.Width = ToCentimetres(part.Width, unit);
    entry.Height = ToCentimetres(part.Height, unit);
    entry.ZHeight = ToCentimetres(part.ZHeight, unit);
    entry.CategoryMask = UserLibraryMask;
    entry.PosX = 0;
    entry.PosY = 0;
    entry.PosZ = 0;
    entry.Rotation = 0;
    entry.Font.reset();
    entry.WallLink = -1;
    entry.InUse = true;
    entry.InvalidateCorners();
    return entry;
}

CPart PartFromCatalogueEntry(const CPart& entry, int unit)
{
    CPart part = entry;
    part.Width = FromCentimetres(entry.Width, unit);
    part.Height = FromCentimetres(entry.Height, unit);
    part.ZHeight = FromCentimetres(entry.ZHeight, unit);
    part.InvalidateCorners();
    return part;
}

std::string CatalogueRowName(const CPart& entry, int index, std::string_view objectWord)
{
    if (!entry.Caption.empty())
        return entry.Caption;
    return std::string(objectWord) + " " + std::to_string(int64_t{index} + 1);
}

std::string CatalogueRowSize(const CPart& entry, int unit)
{
    return std::to_string(FromCentimetres(entry.Width, unit)) + "\u00D7" +
           std::to_string(FromCentimetres(entry.Height, unit));
}

bool IsBlankName(std::string_view name)
{
    return name.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool StoreInCatalogue(CPartsCatalogue& catalogue, const CPart& part, int unit,
                      const std::function<bool()>& confirmOverwrite)
{
    int index = catalogue.FindByCaption(part.Caption);
    if (index >= 0 && !confirmOverwrite())
        return false;
    if (index < 0)
        catalogue.AddEntry(&index);
    catalogue.Entry(index) = CatalogueEntryOf(part, unit);
    return true;
}

bool RenameCatalogueEntry(CPartsCatalogue& catalogue, int index, const std::string& name,
                          const std::function<bool()>& confirmOverwrite)
{
    CPart& entry = catalogue.Entry(index);
    if (entry.Caption == name)
        return false;
    const int other = catalogue.FindByCaption(name);
    if (other >= 0) {
        if (!confirmOverwrite())
            return false;
        catalogue.Remove(other);
    }
    entry.Caption = name;
    return true;
}

void DrawObjectPreview(Canvas& canvas, const CPart& part, double pixelRatio)
{
    CPart shown = part;
    shown.PosX = 0;
    shown.PosY = 0;
    shown.InvalidateCorners();
    const Rect box = shown.Bounds(1.0);
    const double boxWidth = double(box.right) - box.left;
    const double boxHeight = double(box.bottom) - box.top;
    if (boxWidth <= 0 || boxHeight <= 0)
        return;
    const int width = canvas.Width();
    const int height = canvas.Height();
    const double margin = PreviewMargin * pixelRatio;
    const double scale = std::min({(width - 2 * margin) / boxWidth, (height - 2 * margin) / boxHeight, pixelRatio});
    if (scale <= 0)
        return;
    const int32_t left = std::max(TruncToInt((width - boxWidth * scale) * 0.5), 0);
    const int32_t top = std::max(TruncToInt((height - boxHeight * scale) * 0.5), 0);
    const Rect scaled = shown.Bounds(scale);
    // Without the room, a door draws no opening into a wall.
    shown.Draw(canvas, SaturateToInt(int64_t{left} - scaled.left), SaturateToInt(int64_t{top} - scaled.top),
               scale, true, false);
}

void DrawRotationDial(Canvas& canvas, int32_t rotation)
{
    const Point centre{canvas.Width() / 2, canvas.Height() / 2};
    const Pen pen = canvas.SetPen({Pen::Solid, 0});
    const Brush brush = canvas.SetBrush({Brush::Solid, 0});
    canvas.Ellipse({centre.x - 2, centre.y - 2, centre.x + 3, centre.y + 3});
    canvas.Line(centre, NeedleEnd(centre, centre.y - 2, rotation));
    canvas.SetBrush(brush);
    canvas.SetPen(pen);
}
