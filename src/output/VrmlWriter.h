#pragma once
// The room as a VRML 2.0 world to walk through: viewpoints, lights, walls, floor and objects,
// each an instance of a prototype from the installed library file, placed, scaled, turned and
// coloured here.

#include <string>
#include <string_view>

class COptions;
class CRoom;

// The whole scene, UTF-8 with LF line ends. The start viewpoint stands at the room's 3D start;
// the options give the 3D zoom and whether the walls are written. The library prefix is the
// URL of the library file followed by "#"; a prototype is referenced as the prefix and its
// name. Viewpoint descriptions are in the current interface language.
std::string VrmlScene(const CRoom& room, const COptions& options, std::string_view libraryPrefix);
