#include "editor/PlanComposer.h"

#include "model/CRoom.h"
#include "model/PartType.h"
#include "platform/Canvas.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QImage>

#include <utility>

namespace {

// Whether an object may paint into the area. Labels may reach far past their box; other objects
// stay close to it (an outline's width, a caption's ellipsis). A guess that proves wrong costs
// only a second drawing of the area.
bool MayReach(CPart& part, const PlanView& view, const QRect& area)
{
    constexpr int Reach = 16;
    const QRect box = ToQRect(part.ScreenBounds(view.offsetX, view.offsetY, view.zoom)).normalized();
    return part.Type == Label || box.adjusted(-Reach, -Reach, Reach, Reach).intersects(area);
}

}  // namespace

PlanComposer::PlanComposer() = default;
PlanComposer::~PlanComposer() = default;

void PlanComposer::Invalidate()
{
    background_.reset();
    painted_.clear();
    imageKey_ = 0;
    firstArea_ = QRect();
}

void PlanComposer::DrawAll(CRoom& room, const PlanView& view, QImage& image)
{
    if (view != view_)
        Invalidate();
    painted_.assign(room.Parts.size(), QRect());
    {
        QtCanvas canvas(image);
        DrawBackground(room, canvas, view, &background_);
        canvas.TakePaintedBounds();
        DrawParts(room, canvas, view, {{}, [&](size_t slot) { painted_[slot] = canvas.TakePaintedBounds(); }});
    }
    view_ = view;
    imageKey_ = image.cacheKey();
    firstArea_ = QRect();
}

void PlanComposer::DrawArea(CRoom& room, const PlanView& view, QImage& image, const QRect& area)
{
    if (view != view_)
        Invalidate();
    painted_.clear();
    {
        QtCanvas canvas(image);
        DrawBackground(room, canvas, view, &background_);
        canvas.SetClip(area);
        DrawParts(room, canvas, view, {[&](size_t slot) { return MayReach(room.Parts[slot], view, area); }, {}});
    }
    view_ = view;
    imageKey_ = image.cacheKey();
    firstArea_ = area;
}

QRegion PlanComposer::DrawRest(CRoom& room, const PlanView& view, QImage& image)
{
    const QRect first = std::exchange(firstArea_, QRect());
    if (first.isEmpty() || !background_ || view != view_ || image.cacheKey() != imageKey_) {
        DrawAll(room, view, image);
        return first;
    }
    painted_.assign(room.Parts.size(), QRect());
    bool missed = false;
    {
        QtCanvas canvas(image);
        DrawRegion(room, view, canvas, QRegion(image.rect()) - first, [](size_t) { return true; });
        for (size_t slot = 0; slot < painted_.size() && !missed; ++slot)
            missed = painted_[slot].intersects(first) && !MayReach(room.Parts[slot], view, first);
        if (missed)
            DrawRegion(room, view, canvas, first, [](size_t) { return false; });
    }
    imageKey_ = image.cacheKey();
    return missed ? QRegion(first) : QRegion();
}

std::optional<QRegion> PlanComposer::DrawMoved(CRoom& room, const PlanView& view, QImage& image, size_t slot)
{
    if (!background_ || view != view_ || image.cacheKey() != imageKey_ || painted_.size() != room.Parts.size() ||
        slot >= painted_.size())
        return std::nullopt;
    QRegion region;
    {
        QtCanvas canvas(image);
        // Where the object paints now, found by drawing it with nothing let through.
        canvas.SetClip(QRegion());
        DrawParts(room, canvas, view, {[slot](size_t i) { return i == slot; }, {}});
        // Two rectangles, not the one around both: a quick move leaves a gap between them.
        region = (QRegion(painted_[slot]) + canvas.TakePaintedBounds()) & image.rect();
        if (!region.isEmpty())
            DrawRegion(room, view, canvas, region, [slot](size_t i) { return i == slot; });
    }
    imageKey_ = image.cacheKey();
    return region;
}

void PlanComposer::DrawRegion(CRoom& room, const PlanView& view, QtCanvas& canvas, const QRegion& region,
                              const std::function<bool(size_t)>& alsoDraw)
{
    canvas.SetClip(region);
    DrawBackground(room, canvas, view, &background_);
    canvas.TakePaintedBounds();
    DrawParts(room, canvas, view,
              {[&](size_t i) { return alsoDraw(i) || region.intersects(painted_[i]); },
               [&](size_t i) { painted_[i] = canvas.TakePaintedBounds(); }});
}
