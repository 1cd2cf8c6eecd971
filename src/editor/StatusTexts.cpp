#include "editor/StatusTexts.h"

#include "platform/ProductInfo.h"

#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/Numeric.h"
#include "model/RoomFloor.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int SignificantDigits = 7;
constexpr int FloorDecimals = 1;

double RoundToSignificantDigits(double value, int digits)
{
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

// Digits in groups of three from the right.
std::string Grouped(std::string_view digits, const std::string& separator)
{
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatNumber(double value, const NumberPunctuation& punctuation, int decimals)
{
    char text[400];  // the longest double in fixed notation has 309 integer digits
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    const std::string_view number(text, static_cast<size_t>(written.ptr - text));
    const size_t point = number.find('.');
    if (point == std::string_view::npos)
        return Grouped(number, punctuation.groupSeparator);
    return Grouped(number.substr(0, point), punctuation.groupSeparator) + punctuation.decimalPoint +
           std::string(number.substr(point + 1));
}

}  // namespace

std::string DecimalText(double value, const NumberPunctuation& punctuation, int decimals)
{
    const std::string digits =
        FormatNumber(RoundToSignificantDigits(std::fabs(value), SignificantDigits), punctuation, decimals);
    return value < 0 ? "-" + digits : digits;
}

std::string RoomPanelText(const CRoom& room)
{
    return Msg(MsgRoom) + ": " + std::to_string(room.Width) + "×" + std::to_string(room.Height) + " " +
           room.UnitName;
}

std::string AreaPanelText(const CRoom& room, const NumberPunctuation& punctuation)
{
    const auto floor = MeasureFloor(room);
    return floor ? DecimalText(floor->area, punctuation, FloorDecimals) + " " + room.UnitName + "²" : "";
}

std::string FloorText(const CRoom& room, const NumberPunctuation& punctuation)
{
    const auto floor = MeasureFloor(room);
    if (!floor)
        return "";
    return Msg(MsgFloorArea) + ": " + AreaPanelText(room, punctuation) + "\n" + Msg(MsgPerimeter) + ": " +
           DecimalText(floor->perimeter, punctuation, FloorDecimals) + " " + room.UnitName;
}

std::string PositionPanelText(const CRoom& room, Point roomPoint)
{
    int64_t x = roomPoint.x;
    int64_t y = roomPoint.y;
    if (room.UserCoord) {
        x -= room.UserCoordOriginX;
        y -= room.UserCoordOriginY;
    }
    return " " + Msg(MsgPosition) + " [" + room.UnitName + "]: " + std::to_string(x) + ", " +
           std::to_string(y) + (room.UserCoord ? " L" : "");
}

std::string ZoomPanelText(double zoom)
{
    return Msg(MsgZoom) + ": " + std::to_string(TruncToInt(zoom * 100)) + "%";
}

std::string MeasurePanelText(double length, const std::string& unitName, const NumberPunctuation& punctuation)
{
    if (!(length >= 0) || std::isinf(length))
        return "";
    return Msg(MsgMeasurement) + ": " + DecimalText(length, punctuation) + unitName;
}

std::string WindowTitle(const std::string& fileName, bool modified)
{
    return "Planzeta - [" + (fileName.empty() ? Msg(MsgUntitled) : fileName) + (modified ? "*" : "") + "]";
}

std::string AboutText()
{
    return "Planzeta, " + Msg(MsgVersion) + " 3.0 (3D)   \n" +
           "Copyright © 2026 " PLANZETA_MAKER "\n"
           "\n"
           "Web: " PLANZETA_WEB_ADDRESS "\n"
           "E-mail: " PLANZETA_EMAIL_ADDRESS;
}
