#pragma once
// Composes the plan image off screen. A full redraw draws the background (kept in a cache) and
// every object, noting where each object painted. While one object moves, only the area it
// covered and now covers is redrawn: the background put back there and the objects that reach
// into it drawn again in drawing order, clipped to it, which gives the pixels of a full redraw
// at a cost that does not grow with the number of objects.

#include "model/PlanRendering.h"

#include <QRect>
#include <QRegion>

#include <memory>
#include <optional>
#include <vector>

class CanvasImage;
class CRoom;
class QImage;

class PlanComposer {
public:
    PlanComposer();
    ~PlanComposer();

    // Forgets the cached background and where the objects were: the view or the outline changed.
    void Invalidate();

    // Draws the whole plan into the image.
    void DrawAll(CRoom& room, const PlanView& view, QImage& image);

    // Redraws what the move of the object in `slot` changed since the last drawing into the
    // same image at the same view, and returns that area; nothing when only a full redraw can
    // tell (another view, another image, a changed number of slots).
    std::optional<QRegion> DrawMoved(CRoom& room, const PlanView& view, QImage& image, size_t slot);

private:
    std::unique_ptr<CanvasImage> background_;
    std::vector<QRect> painted_;  // per slot, where the object painted last; empty for none
    PlanView view_;
    qint64 imageKey_ = 0;  // the image drawn last; its key changes when anyone else paints on it
};
