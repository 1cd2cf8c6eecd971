#include "model/CRoom.h"

#include "model/ModelServices.h"
#include "model/PartSlots.h"
#include "model/Units.h"

void CRoom::Reset()
{
    Parts.clear();
    Width = 500;
    Height = 300;
    Color = 0xFFFFFF;
    GridColor = 0xFFC0C0;
    WallsColor = 0x808080;
    GridSize = 50;
    WallThickness = 10;
    WallZHeight = 265;
    SpaceAround = {35, 35, 35, 35};
    UnitName = Services().defaults.unit;
    if (const int unit = UnitFromAbbreviation(UnitName); unit >= 0)
        Unit = unit;
    Modified = false;
    Encoding = TextEncoding::Utf8;
    Walls.MakeRectangle(Width, Height, WallThickness);
    UserCoordOriginX = 0;
    UserCoordOriginY = 0;
    UserCoord = false;
    Start3D = {Width / 2, Height / 2, 0};
    Background = {};
}

CPart& CRoom::AddPart(int* index, bool append)
{
    return TakeSlot(Parts, index, append);
}

void CRoom::RemovePart(int index)
{
    FreeSlot(Parts, index);
}

void CRoom::BringToFront(int index)
{
    if (index < 0 || index >= PartCount() - 1)
        return;
    CPart part = Parts[static_cast<size_t>(index)];  // appending may move the list
    AddPart(nullptr, true) = std::move(part);
    Parts[static_cast<size_t>(index)].InUse = false;
}

void CRoom::SendToBack(int index)
{
    if (index <= 0 || index >= PartCount())
        return;
    CPart part = Parts[static_cast<size_t>(index)];
    for (size_t i = static_cast<size_t>(index); i > 0; --i)
        Parts[i] = Parts[i - 1];
    Parts[0] = std::move(part);
}

int CRoom::PartAt(int32_t x, int32_t y, double zoom) const
{
    for (int i = PartCount() - 1; i >= 0; --i) {
        const CPart& part = Parts[static_cast<size_t>(i)];
        if (part.InUse && part.HitTest(x, y, zoom))
            return i;
    }
    return -1;
}

int CRoom::FirstPartAt(int32_t x, int32_t y) const
{
    for (int i = 0; i < PartCount(); ++i) {
        const CPart& part = Parts[static_cast<size_t>(i)];
        if (part.InUse && part.HitTest(x, y, 1.0))
            return i;
    }
    return -1;
}

void CRoom::InvalidateParts()
{
    for (CPart& part : Parts)
        if (part.InUse)
            part.InvalidateCorners();
}

void CRoom::SnapAllToWalls()
{
    for (CPart& part : Parts)
        if (part.InUse)
            part.SnapToWall(Walls, part.PosX, part.PosY, false);
}

int32_t CRoom::ToCentimetres(int32_t length) const
{
    return ::ToCentimetres(length, Unit);
}

int32_t CRoom::FromCentimetres(int32_t centimetres) const
{
    return ::FromCentimetres(centimetres, Unit);
}
