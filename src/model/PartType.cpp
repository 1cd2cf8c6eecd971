#include "model/PartType.h"

#include "localize/Messages.h"
#include "model/ModelServices.h"

#include <array>

namespace {

struct TypeInfo {
    std::string_view fileName;
    MessageId displayName;
};

constexpr std::array<TypeInfo, 9> Types = {{
    {"Rectangle", MsgRectangle},
    {"Circle", MsgCircle},
    {"Ellipse", MsgEllipse},
    {"Triangle", MsgTriangle},
    {"Hexagon", MsgHexagon},
    {"Door", MsgDoor},
    {"Window", MsgWindow},
    {"Label", MsgLabel},
    {"LibraryObject", MsgFromLibrary},
}};

const TypeInfo& InfoOf(int type)
{
    return type >= 0 && type < static_cast<int>(Types.size()) ? Types[static_cast<size_t>(type)]
                                                               : Types[Rectangle];
}

}  // namespace

std::string_view TypeName(int type)
{
    return InfoOf(type).fileName;
}

int TypeFromName(std::string_view name)
{
    for (int type = 1; type < static_cast<int>(Types.size()); ++type)
        if (Types[static_cast<size_t>(type)].fileName == name)
            return type;
    return Rectangle;
}

std::string DisplayName(int type, int libObjID)
{
    if (libObjID > 0) {
        std::string name = Services().libraryName(libObjID);
        if (!name.empty())
            return name;
    }
    return Msg(InfoOf(type).displayName);
}

int LibShapeType(int libObjID)
{
    switch (libObjID) {
    case 25: case 26: case 27: case 33: case 81:
        return Circle;
    case 50: case 51:
        return Ellipse;
    case 68: case 69:
        return Hexagon;
    default:
        return Rectangle;
    }
}
