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
    CIniFile::SectionWriter out = ini.WriteSection(section);
    out.String("Type", TypeName(Type));
    out.String("Caption", EscapeText(Caption));
    out.Integer("Width", Width);
    out.Integer("Height", Height);
    out.Integer("ZHeight", ZHeight);
    if (!withoutPosition) {
        out.Integer("PosX", PosX);
        out.Integer("PosY", PosY);
        out.Integer("PosZ", PosZ);
        out.Integer("Rotation", Rotation);
        if (Font)
            out.String("Font", FontText(*Font));
    }
    out.String("LineColor", ColourText(LineColor));
    out.String("FillColor", ColourText(FillColor));
    out.String("TextColor", ColourText(TextColor));
    if (LineStyle != 0)
        out.Integer("LineStyle", LineStyle);
    if (SnapToWallFlag)
        out.Integer("SnapToWall", 1);
    if (LibObjID != 0)
        out.Integer("LibObjID", LibObjID);
}

void CPart::Load(const CIniFile& ini, std::string_view section, int unit)
{
    const CIniFile::SectionView in = ini.Section(section);
    const auto colour = [&in](std::string_view key, Colour fallback) {
        return static_cast<Colour>(in.Integer(key, static_cast<int32_t>(fallback)));
    };
    Reset();
    Type = TypeFromName(in.Text("Type", ""));
    Caption = UnescapeText(in.Text("Caption", ""));
    Width = in.Integer("Width", 100);
    Height = in.Integer("Height", 100);
    ZHeight = in.Integer("ZHeight", -1);
    PosX = in.Integer("PosX", 100);
    PosY = in.Integer("PosY", 100);
    PosZ = in.Integer("PosZ", 0);
    Rotation = in.Integer("Rotation", 0);
    Font = ParseFontText(in.Text("Font", ""));
    LineColor = colour("LineColor", LineColor);
    FillColor = colour("FillColor", FillColor);
    TextColor = colour("TextColor", TextColor);
    LineStyle = in.Integer("LineStyle", 0);
    SnapToWallFlag = in.Bool("SnapToWall", false);
    LibObjID = in.Integer("LibObjID", 0);
    CategoryMask = ParseLibraryCategories(in.Text("Library", ""));
    if (ZHeight == -1)
        ZHeight = DefaultZHeight(*this, unit);
    InUse = true;
}
