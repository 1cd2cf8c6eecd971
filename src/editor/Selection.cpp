#include "editor/Selection.h"

#include "base/Numeric.h"
#include "model/CRoom.h"

void CSelection::Keep(const CRoom& room)
{
    if (index_ >= room.PartCount() || (index_ >= 0 && !room.Parts[static_cast<size_t>(index_)].InUse))
        Clear();
}

void CSelection::Step(const CRoom& room, bool backwards)
{
    const int count = room.PartCount();
    const int from = index_ >= 0 && index_ < count ? index_ : (backwards ? count : -1);
    for (int step = 1; step <= count; ++step) {
        const int slot = ((backwards ? from - step : from + step) % count + count) % count;
        if (room.Parts[static_cast<size_t>(slot)].InUse) {
            Select(slot);
            return;
        }
    }
    Clear();
}

Point ArrowStep(Arrow arrow, bool gridStep, int32_t gridSize)
{
    const int32_t length = gridStep && gridSize > 0 ? gridSize : 1;
    switch (arrow) {
    case Arrow::Left:
        return {-length, 0};
    case Arrow::Right:
        return {length, 0};
    case Arrow::Up:
        return {0, -length};
    case Arrow::Down:
        return {0, length};
    }
    return {};
}

void MovePartBy(CRoom& room, int index, Point step)
{
    CPart& part = room.Parts[static_cast<size_t>(index)];
    part.PosX = SaturateToInt(int64_t{part.PosX} + step.x);
    part.PosY = SaturateToInt(int64_t{part.PosY} + step.y);
    const PointF middle = part.Centre();
    part.SnapToWall(room.Walls, RoundToInt(middle.x), RoundToInt(middle.y), true);
    part.InvalidateCorners();
}
