#include "model/CPart.h"

#include "model/ModelServices.h"

void CPart::Reset()
{
    const ModelDefaults& defaults = Services().defaults;
    PosX = 100;
    PosY = 100;
    PosZ = 0;
    Width = 100;
    Height = 100;
    ZHeight = 100;
    Rotation = 0;
    Caption.clear();
    LineColor = defaults.lineColour;
    FillColor = defaults.fillColour;
    TextColor = defaults.textColour;
    LineStyle = 0;
    InUse = false;
    Type = Rectangle;
    SnapToWallFlag = false;
    Font.reset();
    WallLink = -1;
    LibObjID = 0;
    CategoryMask = 0;
    cachedCorners_ = {};
    cacheZoom_ = 0.0;
}

int CPart::ShapeType() const
{
    return Type == LibraryObject && LibObjID != 0 ? LibShapeType(LibObjID) : Type;
}

std::string CPart::Describe() const
{
    if (Type == Label && !Caption.empty())
        return Caption;
    std::string text = DisplayName(Type, LibObjID) + ", " + std::to_string(Width) + "\u00D7" +
                       std::to_string(Height);
    return Caption.empty() ? text : Caption + " (" + text + ")";
}
