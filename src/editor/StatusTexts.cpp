#include "editor/StatusTexts.h"

#include "base/Numeric.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/RoomFloor.h"
#include "platform/ProductInfo.h"

#include <cmath>

namespace {

constexpr int FloorDecimals = 1;

}  // namespace

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
