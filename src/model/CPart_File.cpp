#include "model/CPart.h"

#include "model/LibraryCategories.h"
#include "model/ModelServices.h"
#include "platform/IniFile.h"
#include "platform/RoomFileText.h"

namespace {

// The height an object gets when its section has none.
int32_t DefaultZHeight(const CPart& part, int unit)
{
    if (part.LibObjID > 0) {
        const int height = Services().defaultLibraryHeight(part.LibObjID);
        if (height != -1)
            return FromCentimetres(height, unit);
    }
    switch (part.Type) {
    case Window:
        return 130;
    case Door:
        return 195;
    default:
        return 100;
    }
}

}  // namespace

void CPart::Save(CIniFile& ini, std::string_view section, bool withoutPosition) const
{
    ini.WriteString(section, "Type", TypeName(Type));
    ini.WriteString(section, "Caption", EscapeText(Caption));
    ini.WriteInteger(section, "Width", Width);
    ini.WriteInteger(section, "Height", Height);
    ini.WriteInteger(section, "ZHeight", ZHeight);
    if (!withoutPosition) {
        ini.WriteInteger(section, "PosX", PosX);
        ini.WriteInteger(section, "PosY", PosY);
        ini.WriteInteger(section, "PosZ", PosZ);
        ini.WriteInteger(section, "Rotation", Rotation);
        if (Font)
            ini.WriteString(section, "Font", FontText(*Font));
    }
    ini.WriteString(section, "LineColor", ColourText(LineColor));
    ini.WriteString(section, "FillColor", ColourText(FillColor));
    ini.WriteString(section, "TextColor", ColourText(TextColor));
    if (LineStyle != 0)
        ini.WriteInteger(section, "LineStyle", LineStyle);
    if (SnapToWallFlag)
        ini.WriteInteger(section, "SnapToWall", 1);
    if (LibObjID != 0)
        ini.WriteInteger(section, "LibObjID", LibObjID);
}

void CPart::Load(const CIniFile& ini, std::string_view section, int unit)
{
    Reset();
    Type = TypeFromName(ini.ReadString(section, "Type", ""));
    Caption = UnescapeText(ini.ReadString(section, "Caption", ""));
    Width = ini.ReadInteger(section, "Width", 100);
    Height = ini.ReadInteger(section, "Height", 100);
    ZHeight = ini.ReadInteger(section, "ZHeight", -1);
    PosX = ini.ReadInteger(section, "PosX", 100);
    PosY = ini.ReadInteger(section, "PosY", 100);
    PosZ = ini.ReadInteger(section, "PosZ", 0);
    Rotation = ini.ReadInteger(section, "Rotation", 0);
    Font = ParseFontText(ini.ReadString(section, "Font", ""));
    LineColor = static_cast<Colour>(ini.ReadInteger(section, "LineColor", static_cast<int32_t>(LineColor)));
    FillColor = static_cast<Colour>(ini.ReadInteger(section, "FillColor", static_cast<int32_t>(FillColor)));
    TextColor = static_cast<Colour>(ini.ReadInteger(section, "TextColor", static_cast<int32_t>(TextColor)));
    LineStyle = ini.ReadInteger(section, "LineStyle", 0);
    SnapToWallFlag = ini.ReadBool(section, "SnapToWall", false);
    LibObjID = ini.ReadInteger(section, "LibObjID", 0);
    CategoryMask = ParseLibraryCategories(ini.ReadString(section, "Library", ""));
    if (ZHeight == -1)
        ZHeight = DefaultZHeight(*this, unit);
    InUse = true;
}
