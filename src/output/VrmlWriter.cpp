#include "output/VrmlWriter.h"

#include "platform/ProductInfo.h"

#include "localize/Messages.h"
#include "model/CRoom.h"
#include "output/VrmlScale.h"
#include "output/VrmlText.h"
#include "output/VrmlWalls.h"
#include "platform/COptions.h"

#include <algorithm>
#include <set>

namespace {

// The room's extent in scene units and the height the outer viewpoints look from.
struct SceneSize {
    double scale;
    double width;
    double depth;
    double eyeHeight;
};

constexpr std::string_view Header =
    "#VRML V2.0 utf8\n"
    "WorldInfo {\n"
    "  title \"Planzeta 3D scene\"\n"
    "  info [\"Author: Planzeta, " PLANZETA_WEB_ADDRESS "\"]\n"
    "}\n"
    "DEF WALK_NAV NavigationInfo { headlight FALSE avatarSize [.25, 1.6, .5] type [\"WALK\", \"ANY\"]}\n"
    "DEF FLY_NAV NavigationInfo { headlight FALSE avatarSize [.25, 1.6, .5]  type [\"FLY\", \"ANY\"]}\n"
    "Background {\n"
    "  skyColor [ 0 0 1, 0.6 0.8 1, 1 1 1]\n"
    "  skyAngle [1.5, 1.57]\n"
    "  groundColor [0 0 0, 0 0 0]\n"
    "  groundAngle [1.57]\n"
    "}\n"
    // A black ground slab under the room, its top at the floor's height.
    "Transform {\n"
    "  translation 0 -.1 0\n"
    "  children Shape {\n"
    "    appearance Appearance {material Material {diffuseColor 0 0 0 }}\n"
    "    geometry Box {size 200 .2 200}\n"
    "  }\n"
    "}\n";

double Channel(Colour colour, int shift)
{
    return ((colour >> shift) & 0xFF) / 255.0;
}

void AppendPrototype(std::string& out, std::string_view name, std::string_view libraryPrefix)
{
    AppendLine(out, "EXTERNPROTO %s [field SFColor color] \"%s%s\"", {name, libraryPrefix, name});
}

// The top of the filled object the start point stands on, in room units, at least 1. Doors,
// labels and objects without fill are not solid in the scene, so they lift no one.
int64_t StartTop(const CRoom& room)
{
    const int index = room.FirstPartAt(room.Start3D[0], room.Start3D[1]);
    if (index < 0)
        return 1;
    const CPart& part = room.Parts[static_cast<size_t>(index)];
    if (part.Type == Door || part.Type == Label || part.FillColor == NoColour)
        return 1;
    return std::max<int64_t>(int64_t{part.PosZ} + part.ZHeight, 1);
}

void AppendViewpoints(std::string& out, const CRoom& room, const SceneSize& size)
{
    const double w = size.width;
    const double d = size.depth;
    const double h = size.eyeHeight;
    // The start eye height counts the object below in room units, whatever the scale.
    const double startEye = static_cast<double>(StartTop(room) + 160) * 0.01;
    const std::string descriptions[] = {VrmlQuoted(Msg(MsgStart)),     VrmlQuoted(Msg(MsgFrontView)),
                                        VrmlQuoted(Msg(MsgLeftView)),  VrmlQuoted(Msg(MsgBackView)),
                                        VrmlQuoted(Msg(MsgRightView)), VrmlQuoted(Msg(MsgCenterView))};
    AppendLine(out, "DEF v1 Viewpoint {description \"%s\" position %.2f %.2f %.2f orientation 0 1 0 %.2f}",
               {descriptions[0], room.Start3D[0] * size.scale, startEye, room.Start3D[1] * size.scale,
                SceneAngle(room.Start3D[2])});
    out += "ROUTE v1.isBound TO WALK_NAV.set_bind\n";
    AppendLine(out, "DEF v2 Viewpoint {description \"%s\" position %.2f %.2f %.2f orientation 1 0 0 -1}",
               {descriptions[1], w * 0.5, h, d + 1});
    AppendLine(out, "DEF v3 Viewpoint {description \"%s\" position -1 %.2f %.2f orientation .5 1 .5 -1.77}",
               {descriptions[2], h, d * 0.5});
    AppendLine(out, "DEF v4 Viewpoint {description \"%s\" position %.2f %.2f -1 orientation 0 1 .5 -3.14}",
               {descriptions[3], w * 0.5, h});
    AppendLine(out, "DEF v5 Viewpoint {description \"%s\" position %.2f %.2f %.2f orientation -.5 1 .5 1.77}",
               {descriptions[4], w + 1, h, d * 0.5});
    AppendLine(out, "DEF v6 Viewpoint {description \"%s\" position %.2f %.2f %.2f orientation 1 0 0 -1.45}",
               {descriptions[5], w * 0.5, h + 1, d * 0.5 + 0.4});
    for (const char* viewpoint : {"v2", "v3", "v4", "v5", "v6"})
        out += std::string("ROUTE ") + viewpoint + ".isBound TO FLY_NAV.set_bind\n";
}

// Four lights high outside the corners, four below the floor outside the middle of each side.
void AppendLights(std::string& out, const SceneSize& size)
{
    const double w = size.width;
    const double d = size.depth;
    out += "PointLight {intensity .28 location -1 7 -1 ambientIntensity .15}\n";
    AppendLine(out, "PointLight {intensity .28 location -1 7 %.2f ambientIntensity .15}", {d + 1});
    AppendLine(out, "PointLight {intensity .28 location %.2f 7 %.2f ambientIntensity .15}", {w + 1, d + 1});
    AppendLine(out, "PointLight {intensity .28 location %.2f 7 -1 ambientIntensity .15}", {w + 1});
    AppendLine(out, "PointLight {intensity .2 location %.2f -1 -1}", {w * 0.5});
    AppendLine(out, "PointLight {intensity .2 location -1 -1 %.2f}", {d * 0.5});
    AppendLine(out, "PointLight {intensity .2 location %.2f -1 %.2f}", {w * 0.5, d + 1});
    AppendLine(out, "PointLight {intensity .2 location %.2f -1 %.2f}", {w + 1, d * 0.5});
}

void AppendFloor(std::string& out, const CRoom& room, const SceneSize& size)
{
    if (!IsVisibleSize(size.width) || !IsVisibleSize(size.depth))
        return;
    AppendLine(out, "Transform {translation 0 -.09 0 scale %.2f .1 %.2f", {size.width, size.depth});
    AppendLine(out, "  children Rectangle {color %.2f %.2f %.2f }}",
               {Channel(room.Color, 0), Channel(room.Color, 8), Channel(room.Color, 16)});
}

bool IsWrittenAsObject(const CPart& part)
{
    return part.InUse && part.FillColor != NoColour && part.Type != Label && part.Type != Door &&
           part.Width != 0 && part.Height != 0 && part.ZHeight != 0;
}

// library.wrl holds a model for each number of the built-in library.
bool HasLibraryModel(int32_t libObjID)
{
    return libObjID >= 20 && libObjID <= 99;
}

// A library object is its library number's model; one without a number, or with a number
// the library has no model for, is a plain box.
std::string PrototypeName(const CPart& part)
{
    if (HasLibraryModel(part.LibObjID))
        return "LibraryObject" + std::to_string(part.LibObjID);
    return std::string(TypeName(part.Type == LibraryObject ? Rectangle : part.Type));
}

// Each library prototype is declared just before its first instance, even when that instance
// then proves too small to be written.
void AppendObjects(std::string& out, const CRoom& room, double scale, std::string_view libraryPrefix)
{
    std::set<int32_t> declared;
    for (const CPart& part : room.Parts) {
        if (!IsWrittenAsObject(part))
            continue;
        const std::string name = PrototypeName(part);
        if (HasLibraryModel(part.LibObjID) && declared.insert(part.LibObjID).second)
            AppendPrototype(out, name, libraryPrefix);
        const double width = part.Width * scale;
        const double depth = part.Height * scale;
        const double height = part.ZHeight * scale;
        if (!IsVisibleSize(width) || !IsVisibleSize(depth) || !IsVisibleSize(height))
            continue;
        if (part.LibObjID != 0 && !HasLibraryModel(part.LibObjID))
            out += "# library number " + std::to_string(part.LibObjID) + " has no model: a box of its size\n";
        // The translation is the reference corner, about which the plan turns the object.
        AppendLine(out, "Transform {translation %.2f %.2f %.2f rotation 0 1 0 %.2f scale %.2f %.2f %.2f",
                   {part.PosX * scale, part.PosZ * scale, part.PosY * scale, SceneAngle(part.Rotation),
                    width, height, depth});
        const Colour fill = part.FillColor;
        AppendLine(out, "  children %s {color %.2f %.2f %.2f }}",
                   {name, Channel(fill, 0), Channel(fill, 8), Channel(fill, 16)});
    }
}

}  // namespace

std::string VrmlScene(const CRoom& room, const COptions& options, std::string_view libraryPrefix)
{
    const double scale = SceneScale(options.Zoom3D, room.Unit);
    const SceneSize size{scale, room.Width * scale, room.Height * scale, room.WallZHeight * scale + 2.5};
    std::string out(Header);
    AppendViewpoints(out, room, size);
    AppendLights(out, size);
    for (int type = Rectangle; type <= Window; ++type)
        AppendPrototype(out, TypeName(type), libraryPrefix);
    // Any choice but solid leaves the walls out altogether.
    if (options.WallsTransp3D == 0)
        AppendWalls(out, libraryPrefix, room, scale, 0.0);
    AppendFloor(out, room, size);
    AppendObjects(out, room, scale, libraryPrefix);
    return out;
}
