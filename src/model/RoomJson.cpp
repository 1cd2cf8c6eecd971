#include "model/RoomJson.h"

#include "model/CRoom.h"
#include "model/RoomFloor.h"

#include <charconv>
#include <cstdio>

namespace {

// Writes JSON text piece by piece; the caller keeps the structure balanced.
class JsonWriter {
public:
    std::string text;

    void Key(const char* key)
    {
        Separate();
        Quoted(key);
        text += ':';
        afterKey_ = true;
    }
    void Open(char bracket)
    {
        Separate();
        text += bracket;
        first_ = true;
    }
    void Close(char bracket)
    {
        text += bracket;
        first_ = false;
    }
    void Number(int64_t value)
    {
        Separate();
        text += std::to_string(value);
    }
    // The shortest text that reads back as the same double.
    void Real(double value)
    {
        Separate();
        char digits[32];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    void Bool(bool value)
    {
        Separate();
        text += value ? "true" : "false";
    }
    void Null()
    {
        Separate();
        text += "null";
    }
    void String(std::string_view value)
    {
        Separate();
        Quoted(value);
    }
    template <typename Array>
    void Numbers(const Array& values)
    {
        Open('[');
        for (const auto value : values)
            Number(value);
        Close(']');
    }

private:
    void Quoted(std::string_view value)
    {
        text += '"';
        for (const char c : value)
            AppendEscaped(c);
        text += '"';
    }
    void Separate()
    {
        if (afterKey_)
            afterKey_ = false;
        else if (!first_ && !text.empty())
            text += ',';
        first_ = false;
    }
    void AppendEscaped(char c)
    {
        switch (c) {
        case '"': text += "\\\""; return;
        case '\\': text += "\\\\"; return;
        case '\n': text += "\\n"; return;
        case '\r': text += "\\r"; return;
        case '\t': text += "\\t"; return;
        default: break;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            text += escape;
        } else {
            text += c;
        }
    }

    bool first_ = true;
    bool afterKey_ = false;
};

void WriteFont(JsonWriter& json, const CPart& part)
{
    json.Key("Font");
    if (!part.Font) {
        json.Null();
        return;
    }
    json.Open('{');
    json.Key("Face"); json.String(part.Font->face);
    json.Key("Size"); json.Number(part.Font->size);
    json.Key("CharSet"); json.Number(part.Font->charSet);
    json.Key("Pitch"); json.Number(part.Font->pitch);
    json.Key("Style"); json.Number(part.Font->style);
    json.Close('}');
}

void WritePart(JsonWriter& json, const CPart& part)
{
    json.Open('{');
    json.Key("InUse"); json.Bool(part.InUse);
    json.Key("Type"); json.Number(part.Type);
    json.Key("PosX"); json.Number(part.PosX);
    json.Key("PosY"); json.Number(part.PosY);
    json.Key("PosZ"); json.Number(part.PosZ);
    json.Key("Width"); json.Number(part.Width);
    json.Key("Height"); json.Number(part.Height);
    json.Key("ZHeight"); json.Number(part.ZHeight);
    json.Key("Rotation"); json.Number(part.Rotation);
    json.Key("Caption"); json.String(part.Caption);
    json.Key("LineColor"); json.Number(part.LineColor);
    json.Key("FillColor"); json.Number(part.FillColor);
    json.Key("TextColor"); json.Number(part.TextColor);
    json.Key("LineStyle"); json.Number(part.LineStyle);
    json.Key("SnapToWall"); json.Bool(part.SnapToWallFlag);
    json.Key("LibObjID"); json.Number(part.LibObjID);
    json.Key("WallLink"); json.Number(part.WallLink);
    json.Key("CategoryMask"); json.Number(part.CategoryMask);
    WriteFont(json, part);
    json.Close('}');
}

void WriteWalls(JsonWriter& json, const CRoomWalls& walls)
{
    json.Open('{');
    json.Key("Default"); json.Bool(walls.IsDefault());
    json.Key("List");
    json.Open('[');
    for (const CWall& wall : walls.List()) {
        json.Open('{');
        json.Key("x1"); json.Number(wall.x1);
        json.Key("y1"); json.Number(wall.y1);
        json.Key("x2"); json.Number(wall.x2);
        json.Key("y2"); json.Number(wall.y2);
        json.Key("alignment"); json.Number(wall.alignment);
        json.Key("thickness"); json.Number(wall.thickness);
        json.Close('}');
    }
    json.Close(']');
    json.Close('}');
}

// The background picture's description; null when the room has none.
void WriteBackground(JsonWriter& json, const CBackground& background)
{
    if (!background.Present()) {
        json.Null();
        return;
    }
    json.Open('{');
    json.Key("File"); json.String(background.File);
    json.Key("Scale"); json.Real(background.Scale);
    json.Key("OffsetX"); json.Real(background.OffsetX);
    json.Key("OffsetY"); json.Real(background.OffsetY);
    json.Key("Rotation"); json.Real(background.Rotation);
    json.Key("Opacity"); json.Number(background.Opacity);
    json.Key("Visible"); json.Bool(background.Visible);
    json.Close('}');
}

}  // namespace

std::string RoomToJson(const CRoom& room)
{
    JsonWriter json;
    json.Open('{');
    json.Key("Width"); json.Number(room.Width);
    json.Key("Height"); json.Number(room.Height);
    json.Key("Color"); json.Number(room.Color);
    json.Key("GridColor"); json.Number(room.GridColor);
    json.Key("WallsColor"); json.Number(room.WallsColor);
    json.Key("GridSize"); json.Number(room.GridSize);
    json.Key("WallThickness"); json.Number(room.WallThickness);
    json.Key("WallZHeight"); json.Number(room.WallZHeight);
    json.Key("SpaceAround"); json.Numbers(room.SpaceAround);
    json.Key("Unit"); json.Number(room.Unit);
    json.Key("UnitName"); json.String(room.UnitName);
    json.Key("UserCoordOriginX"); json.Number(room.UserCoordOriginX);
    json.Key("UserCoordOriginY"); json.Number(room.UserCoordOriginY);
    json.Key("UserCoord"); json.Bool(room.UserCoord);
    json.Key("3DStart"); json.Numbers(room.Start3D);
    json.Key("PartCount"); json.Number(room.PartCount());
    // What the editor shows of the floor; null when the walls do not close around one.
    const auto floor = MeasureFloor(room);
    json.Key("area");
    floor ? json.Real(floor->area) : json.Null();
    json.Key("perimeter");
    floor ? json.Real(floor->perimeter) : json.Null();
    json.Key("Walls");
    WriteWalls(json, room.Walls);
    json.Key("Background");
    WriteBackground(json, room.Background);
    json.Key("Parts");
    json.Open('[');
    for (const CPart& part : room.Parts)
        WritePart(json, part);
    json.Close(']');
    json.Close('}');
    return json.text;
}
