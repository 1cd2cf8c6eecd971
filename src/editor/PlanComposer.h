#pragma once
// Composes the plan image off screen. A full redraw draws the background (kept in a cache) and
// every object, noting where each object painted. While one object moves, only the area it
// covered and now covers is redrawn: the background put back there and the objects that reach
// into it drawn again in drawing order, clipped to it, which gives the pixels of a full redraw
// at a cost that does not grow with the number of objects.

#include "model/PlanRendering.h"

#include <QRect>
#include <QRegion>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CanvasImage;
class QtCanvas;
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

    // Draws the first picture quickly: the background, and of the objects only those that may
    // reach into the area, clipped to it. DrawRest completes the image.
    void DrawArea(CRoom& room, const PlanView& view, QImage& image, const QRect& area);
    // Draws what DrawArea left out, or the whole plan when it drew nothing for this view and
    // image. Returns the part of the image drawn earlier that had to be drawn again, because an
    // object left out reached into the area after all; usually nothing.
    QRegion DrawRest(CRoom& room, const PlanView& view, QImage& image);

    // Redraws what the move of the object in `slot` changed since the last drawing into the
    // same image at the same view, and returns that area; nothing when only a full redraw can
    // tell (another view, another image, a changed number of slots).
    std::optional<QRegion> DrawMoved(CRoom& room, const PlanView& view, QImage& image, size_t slot);

private:
    // Puts the background back in the region and draws again the objects that reach into it.
    void DrawRegion(CRoom& room, const PlanView& view, QtCanvas& canvas, const QRegion& region,
                    const std::function<bool(size_t)>& alsoDraw);

    std::unique_ptr<CanvasImage> background_;
    std::vector<QRect> painted_;  // per slot, where the object painted last; empty for none
    PlanView view_;
    qint64 imageKey_ = 0;  // the image drawn last; its key changes when anyone else paints on it
    QRect firstArea_;      // what DrawArea drew, until DrawRest completes the image
};
