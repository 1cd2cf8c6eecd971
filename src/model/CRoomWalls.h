#pragma once
// The outline of a room: an ordered list of walls, the rectangular default or user-defined.

#include "model/CWall.h"

#include <optional>
#include <string_view>
#include <vector>

class CIniFile;

class CRoomWalls {
public:
    // Four walls around the inner rectangle, the thickness lying outside it; marks the default.
    void MakeRectangle(int32_t width, int32_t height, int32_t thickness);

    // Appends a wall to be filled in by the caller.
    CWall& AddWall(int* index = nullptr);
    void RemoveWall(int index);
    void RemoveAll() { walls_.clear(); }
    int Count() const { return static_cast<int>(walls_.size()); }
    CWall& operator[](int i) { return walls_[static_cast<size_t>(i)]; }
    const CWall& operator[](int i) const { return walls_[static_cast<size_t>(i)]; }
    const std::vector<CWall>& List() const { return walls_; }

    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }

    // The thickness shared by all walls: walls of thickness 0 before the first non-zero one are
    // passed over; -1 when the walls differ.
    int CommonThickness() const;
    void SetThickness(int32_t thickness);
    // The extent over all end points; nothing for an empty outline.
    std::optional<Rect> Bounds() const;
    // The nearest wall to a plan point and the point's projection parameter on it (0 at the
    // start, 1 at the end, not clamped); -1 when there is no wall to measure to.
    int NearestWall(int32_t x, int32_t y, double* t) const;

    // Computes every wall's screen polygon for a view, closing the corners where walls meet.
    void ComputeScreen(int32_t offsetX, int32_t offsetY, double zoom);

    void Save(CIniFile& ini, std::string_view section) const;
    void Load(const CIniFile& ini, std::string_view section);

private:
    std::vector<CWall> walls_;
    bool default_ = true;
};
