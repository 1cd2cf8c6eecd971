#pragma once
// The plan on a page or in a vector picture, at the device's own resolution: the floor, which
// flood fills find, as a picture; the grid, the walls, the objects and their captions as
// shapes and text. The collision view, whose masking needs pixels too, is a picture whole.

#include "model/PlanRendering.h"
#include "output/ImageExport.h"

#include <QImage>
#include <QSize>

class CRoom;
class QPainter;

// The picture in shades of grey: each pixel becomes the average (b + g + r) / 3 of its colours.
QImage GreyImage(const QImage& image);

struct VectorPlanOptions {
    ImageExportOptions drawing;  // the plan's layout and what it shows
    double scale = 1.0;          // device pixels per pixel of the layout
    double rasterScale = 1.0;    // the same for what is drawn as a picture, at most the scale
    double lineWidth = 0;        // device pixels; 0 is one
    bool grey = false;
};

class VectorPlan {
public:
    // Renders what has to be a picture. Throws ImageExportError when it cannot be made.
    VectorPlan(CRoom& room, const VectorPlanOptions& options);

    // Device pixels.
    QSize Size() const { return {view_.width, view_.height}; }
    // Draws the plan with its top-left corner at the painter's origin, clipped to its size.
    // The room is left prepared for this view.
    void Draw(QPainter& painter) const;

private:
    CRoom& room_;
    VectorPlanOptions options_;
    PlanView view_;
    QImage picture_;
};
