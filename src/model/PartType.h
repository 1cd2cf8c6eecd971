#pragma once
// The kinds of object a room holds, and their names.

#include <cstdint>
#include <string>
#include <string_view>

enum PartType : int32_t {
    Rectangle = 0,
    Circle = 1,
    Ellipse = 2,
    Triangle = 3,
    Hexagon = 4,
    Door = 5,
    Window = 6,
    Label = 7,
    LibraryObject = 8,
};

// The name the room file stores; "Rectangle" for a value outside the table.
std::string_view TypeName(int type);
// The type of a stored name, compared exactly; Rectangle for an unknown name.
int TypeFromName(std::string_view name);
// The name shown to the user: the library's name for a library number when it has one,
// else the type's name in the interface language.
std::string DisplayName(int type, int libObjID);
// The basic shape that stands for a library object where its outline matters.
int LibShapeType(int libObjID);
