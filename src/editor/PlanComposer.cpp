#include "editor/PlanComposer.h"

#include "model/CRoom.h"
#include "platform/Canvas.h"
#include "platform/QtCanvas.h"

#include <QImage>

PlanComposer::PlanComposer() = default;
PlanComposer::~PlanComposer() = default;

void PlanComposer::Invalidate()
{
    background_.reset();
    painted_.clear();
    imageKey_ = 0;
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
        if (!region.isEmpty()) {
            canvas.SetClip(region);
            DrawBackground(room, canvas, view, &background_);
            canvas.TakePaintedBounds();
            DrawParts(room, canvas, view,
                      {[&](size_t i) { return i == slot || region.intersects(painted_[i]); },
                       [&](size_t i) { painted_[i] = canvas.TakePaintedBounds(); }});
        }
    }
    imageKey_ = image.cacheKey();
    return region;
}
