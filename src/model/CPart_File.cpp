#include "model/CPart.h"

#include "model/LibraryCategories.h"
#include "model/ModelServices.h"
#include "platform/IniFile.h"
#include "platform/RoomFileText.h"

#include <iterator>
#include <type_traits>

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

// A key of an object's section and what its value sets.
struct Field {
    std::string_view key;
    void (*read)(CPart& part, std::string_view value);
};

// A number that cannot be read leaves the member as it was.
template <auto Member>
void ReadNumber(CPart& part, std::string_view value)
{
    if (const std::optional<int32_t> number = ParseProfileInteger(value))
        part.*Member = static_cast<std::remove_reference_t<decltype(part.*Member)>>(*number);
}

// In the order Save writes them.
constexpr Field Fields[] = {
    {"Type", [](CPart& part, std::string_view value) { part.Type = TypeFromName(value); }},
    {"Caption", [](CPart& part, std::string_view value) { part.Caption = UnescapeText(value); }},
    {"Width", ReadNumber<&CPart::Width>},
    {"Height", ReadNumber<&CPart::Height>},
    {"ZHeight", ReadNumber<&CPart::ZHeight>},
    {"PosX", ReadNumber<&CPart::PosX>},
    {"PosY", ReadNumber<&CPart::PosY>},
    {"PosZ", ReadNumber<&CPart::PosZ>},
    {"Rotation", ReadNumber<&CPart::Rotation>},
    {"Font", [](CPart& part, std::string_view value) { part.Font = ParseFontText(value); }},
    {"LineColor", ReadNumber<&CPart::LineColor>},
    {"FillColor", ReadNumber<&CPart::FillColor>},
    {"TextColor", ReadNumber<&CPart::TextColor>},
    {"LineStyle", ReadNumber<&CPart::LineStyle>},
    {"SnapToWall", [](CPart& part, std::string_view value) {
         part.SnapToWallFlag = ParseProfileInteger(value).value_or(0) > 0;
     }},
    {"LibObjID", ReadNumber<&CPart::LibObjID>},
    {"Library", [](CPart& part, std::string_view value) { part.CategoryMask = ParseLibraryCategories(value); }},
};
constexpr size_t FieldCount = std::size(Fields);

// The field of a key, looked for from a given field on: in a file as Save wrote it, the field
// after the one found last is the next key's.
const Field* FindField(std::string_view key, size_t from)
{
    for (size_t i = 0; i < FieldCount; ++i) {
        const Field& field = Fields[(from + i) % FieldCount];
        if (FoldedIndex::SameName(field.key, key))
            return &field;
    }
    return nullptr;
}

void LoadPart(CPart& part, const CIniFile& ini, std::optional<size_t> section, int unit)
{
    // The keys are taken as they come rather than looked for one by one, since most are
    // optional and an absent key would cost a search of the whole section.
    part.Reset();
    part.ZHeight = -1;
    static const uint32_t withoutLibraryKey = ParseLibraryCategories("");
    part.CategoryMask = withoutLibraryKey;
    size_t next = 0;
    if (section) {
        ini.ForEachKey(*section, [&part, &next](std::string_view key, std::string_view value) {
            if (const Field* field = FindField(key, next)) {
                field->read(part, value);
                next = static_cast<size_t>(field - Fields) + 1;
            }
        });
    }
    if (part.ZHeight == -1)
        part.ZHeight = DefaultZHeight(part, unit);
    part.InUse = true;
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
    LoadPart(*this, ini, ini.SectionNumber(section), unit);
}

void CPart::Load(const CIniFile& ini, size_t section, int unit)
{
    LoadPart(*this, ini, section, unit);
}
