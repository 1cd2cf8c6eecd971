#include "output/PrintTexts.h"

#include "localize/Messages.h"
#include "model/CRoom.h"

#include <filesystem>

std::string DefaultPrintTitle(const std::string& fileName)
{
    const std::string title = std::filesystem::path(fileName).stem().string();
    return title.empty() ? Msg(MsgRoom) + " (" + Msg(MsgUntitled) + ")" : title;
}

std::string RoomDimensionsNote(const CRoom& room)
{
    return Msg(MsgRoomDimensions) + ": " + std::to_string(room.Width) + "×" + std::to_string(room.Height) + " " +
           room.UnitName;
}

std::string MaxScaleText(const std::string& maxWord, double maxScale, const NumberPunctuation& punctuation)
{
    return "(" + maxWord + " 1 : " + DecimalText(maxScale, punctuation) + ")";
}
