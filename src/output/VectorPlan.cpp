#include "output/VectorPlan.h"

#include "platform/QtCanvas.h"

#include <QPainter>

QImage GreyImage(const QImage& image)
{
    const QImage colour = image.convertToFormat(QImage::Format_RGB32);
    QImage grey(colour.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < colour.width(); ++x)
            out[x] = static_cast<uchar>((qBlue(in[x]) + qGreen(in[x]) + qRed(in[x])) / 3);
    }
    return grey;
}

VectorPlan::VectorPlan(CRoom& room, const VectorPlanOptions& options) : room_(room), options_(options)
{
    const ImageExportOptions& drawing = options.drawing;
    view_ = WholeRoomView(room, drawing.zoom * options.scale);
    view_.showGrid = drawing.showGrid;
    view_.showCaptions = drawing.showCaptions;
    view_.showCollisions = drawing.showCollisions;
    ImageExportOptions raster = drawing;
    raster.scale = options.rasterScale;
    raster.floorOnly = !drawing.showCollisions;
    picture_ = RenderRoomImage(room, raster);
    if (options.grey)
        picture_ = GreyImage(picture_);
}

void VectorPlan::Draw(QPainter& painter) const
{
    painter.save();
    const QRect area(QPoint(0, 0), Size());
    painter.setClipRect(area, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    // Kept as its pixels: compressed as a photograph, lines and edges would blur.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(area), picture_);
    if (!view_.showCollisions) {
        PrepareForView(room_, view_);
        QtCanvas canvas(painter, options_.scale);
        canvas.SetGrey(options_.grey);
        canvas.SetLineWidth(options_.lineWidth);
        DrawGridAndWalls(room_, canvas, view_);
        DrawParts(room_, canvas, view_);
    }
    painter.restore();
}
