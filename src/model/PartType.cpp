#include "model/PartType.h"

#include "model/ModelServices.h"

#include <array>

namespace {

struct TypeInfo {
    std::string_view fileName;
    int messageId;
    std::string_view english;
};

constexpr std::array<TypeInfo, 9> Types = {{
    {"Rectangle", 16, "Rectangle"},
    {"Circle", 46, "Circle"},
    {"Ellipse", 15, "Ellipse"},
    {"Triangle", 40, "Triangle"},
    {"Hexagon", 47, "Hexagon"},
    {"Door", 14, "Door"},
    {"Window", 30, "Window"},
    {"Label", 44, "Label"},
    {"LibraryObject", 45, "From library"},
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
    const TypeInfo& info = InfoOf(type);
    return Message(info.messageId, info.english);
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
