#include "dialogs/RoomDialogRules.h"

#include "base/Numeric.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t MissingWallValue = 0xFFFFFF;
constexpr int32_t PreviewMargin = 10;
constexpr Colour PreviewWallColour = 0x000000;
constexpr Colour PreviewShownWallColour = 0x0000FF;  // red

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool AllDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A size other than the current one for user-defined walls: taking it replaces them.
bool ChangesUserDefinedWalls(const CRoom& room, int32_t width, int32_t height)
{
    return !room.Walls.IsDefault() && (width != room.Width || height != room.Height);
}

// A typed thickness that is no integer (as "differ.") keeps each wall's own.
void ReadThickness(CRoom& room, std::string_view text)
{
    const IntegerReading thickness = ReadInteger(text);
    if (thickness.kind != IntegerReading::Integer)
        return;
    room.WallThickness = thickness.value;
    if (thickness.value >= 0)
        room.Walls.SetThickness(thickness.value);
}

}  // namespace

IntegerReading ReadInteger(std::string_view text)
{
    text = Trim(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (!AllDigits(text))
        return {};
    // With its leading zeros trimmed off, no number of more than ten digits fits 32 bits.
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size() - 1));
    if (text.size() > 10)
        return {IntegerReading::OutOfRange};
    int64_t value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    value = negative ? -value : value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return {IntegerReading::OutOfRange};
    return {IntegerReading::Integer, static_cast<int32_t>(value)};
}

int32_t IntegerOr(std::string_view text, int32_t current)
{
    const IntegerReading reading = ReadInteger(text);
    return reading.kind == IntegerReading::Integer ? reading.value : current;
}

bool AcceptsInteger(std::string_view text, int32_t least)
{
    const IntegerReading reading = ReadInteger(text);
    switch (reading.kind) {
    case IntegerReading::Integer:
        return reading.value >= least;
    case IntegerReading::NotInteger:
        return true;
    default:
        return false;
    }
}

RoomSize CurrentSize(const CRoom& room)
{
    const std::optional<Rect> extent = room.Walls.Bounds();
    return extent ? RoomSize{extent->right, extent->bottom} : RoomSize{room.Width, room.Height};
}

std::string ThicknessText(const CRoom& room)
{
    if (room.Walls.Count() == 0)
        return std::to_string(room.WallThickness);
    const int common = room.Walls.CommonThickness();
    return common == -1 ? Msg(MsgDiffer) : std::to_string(common);
}

bool ReadSizeFields(CRoom& room, const SizeTexts& texts, const std::function<bool()>& confirmRectangle)
{
    const RoomSize current = CurrentSize(room);
    room.Width = current.width;
    room.Height = current.height;
    const int32_t width = IntegerOr(texts.width, room.Width);
    const int32_t height = IntegerOr(texts.height, room.Height);
    bool taken = true;
    if (ChangesUserDefinedWalls(room, width, height)) {
        taken = confirmRectangle();
        if (taken)
            room.Walls.SetDefault(true);
    }
    if (taken) {
        room.Width = width;
        room.Height = height;
    }
    ReadThickness(room, texts.thickness);
    if (room.Walls.IsDefault())
        room.Walls.MakeRectangle(room.Width, room.Height, room.WallThickness);
    return taken;
}

std::optional<int32_t> WallFieldValue(std::string_view text)
{
    const IntegerReading reading = ReadInteger(text);
    if (reading.kind != IntegerReading::Integer || reading.value == MissingWallValue)
        return std::nullopt;
    return reading.value;
}

std::optional<CWall> WallFromFields(const WallTexts& texts, int32_t alignment)
{
    std::array<int32_t, 5> values{};
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::optional<int32_t> value = WallFieldValue(texts[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    const auto [fromX, fromY, toX, toY, thickness] = values;
    if (fromX == toX && fromY == toY)
        return std::nullopt;
    return CWall(fromX, fromY, toX, toY, alignment, thickness);
}

Point PreviewMapping::Map(Point p) const
{
    return {TruncToInt(static_cast<double>(int64_t{p.x} - origin.x) / unitsPerPixel + PreviewMargin),
            TruncToInt(static_cast<double>(int64_t{p.y} - origin.y) / unitsPerPixel + PreviewMargin)};
}

std::optional<PreviewMapping> PreviewMappingFor(const CRoomWalls& walls, int32_t width, int32_t height)
{
    const std::optional<Rect> extent = walls.Bounds();
    if (!extent)
        return std::nullopt;
    const auto span = [](int32_t from, int32_t to, int32_t pixels) {
        return static_cast<double>(int64_t{to} - from) / std::max(pixels - 2 * PreviewMargin, 1);
    };
    const double across = span(extent->left, extent->right, width);
    const double down = span(extent->top, extent->bottom, height);
    return PreviewMapping{{extent->left, extent->top}, std::max({across, down, 1.0})};
}

void DrawWallPreview(Canvas& canvas, const CRoomWalls& walls, int shown)
{
    const std::optional<PreviewMapping> mapping = PreviewMappingFor(walls, canvas.Width(), canvas.Height());
    if (!mapping)
        return;
    const Pen previous = canvas.SetPen({Pen::Solid, PreviewWallColour});
    const auto draw = [&](const CWall& wall) { canvas.Line(mapping->Map(wall.Start()), mapping->Map(wall.End())); };
    for (int i = 0; i < walls.Count(); ++i)
        if (i != shown)
            draw(walls[i]);
    // Last, so that a wall lying over another still shows which one is chosen.
    if (shown >= 0 && shown < walls.Count()) {
        canvas.SetPen({Pen::Solid, PreviewShownWallColour});
        draw(walls[shown]);
    }
    canvas.SetPen(previous);
}
