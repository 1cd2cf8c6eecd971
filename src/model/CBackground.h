#pragma once
// A picture under the plan, such as a scanned floor plan to trace over: which file it is and
// how it lies on the plan. The room keeps this description; the decoded picture is shared by
// the room and its copies in the undo history, never copied.
//
// A picture pixel (u, v) lies at the plan point Offset + R(Rotation) * (u, v) * Scale, R turning
// the picture's x axis toward +y (clockwise on screen) about its top-left corner.

#include "base/Geometry.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CanvasPicture;
class CIniFile;

class CBackground {
public:
    static constexpr int32_t DefaultOpacity = 50;

    bool Present() const { return !File.empty(); }
    // Shown on the plan: present, visible and decoded.
    bool Shown() const { return Present() && Visible && Picture; }

    PointF ToPlan(PointF pixel) const;
    PointF ToPicture(PointF plan) const;
    // Scales the picture so that the plan points a and b lie `distance` room units apart, the
    // picture's point under a staying where it is. False, changing nothing, when the points
    // coincide or the distance is not positive.
    bool Calibrate(PointF a, PointF b, double distance);
    // Turns the picture to the angle, its point under the plan point `pivot` staying put.
    void RotateAbout(PointF pivot, double degrees);

    // The section of a room file, the path relative to the room file's folder where it may be.
    // Keys this program does not know, and values it has not changed, are written as read.
    void Read(const CIniFile& ini, std::string_view section, const std::string& folder);
    void Write(CIniFile& ini, std::string_view section, const std::string& folder) const;

    std::string File;  // absolute once a room file's folder is known
    double Scale = 1.0;  // room units per picture pixel
    double OffsetX = 0.0;  // the plan point of the picture's top-left corner
    double OffsetY = 0.0;
    double Rotation = 0.0;  // degrees
    int32_t Opacity = DefaultOpacity;  // percent
    bool Visible = true;
    std::shared_ptr<const CanvasPicture> Picture;  // nothing until decoded, or when it cannot be

private:
    std::vector<std::pair<std::string, std::string>> stored_;  // the section as read, in order
    bool read_ = false;  // from a file: keys it lacked stay out while they hold their defaults
};

// The path of a file as a room file in `folder` names it: relative when it lies in that folder
// or below, else absolute. And back: a relative path taken from the folder.
std::string PathFromFolder(const std::string& path, const std::string& folder);
std::string PathInFolder(const std::string& path, const std::string& folder);
