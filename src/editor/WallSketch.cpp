#include "editor/WallSketch.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The colours and sizes of the selection marks, so that both read as the same kind of mark.
const QColor SketchColour(0, 102, 204);
constexpr int HandleSize = 7;
constexpr int RimWidth = 3;
constexpr QPoint LabelOffset(10, -10);

QRect LabelBox(const WallSketch& sketch, const QFontMetrics& metrics)
{
    if (sketch.label.isEmpty() || sketch.path.isEmpty())
        return {};
    const QRect text = metrics.boundingRect(sketch.label).adjusted(-3, -1, 3, 1);
    return text.translated(sketch.path.last() + LabelOffset - text.bottomLeft());
}

}  // namespace

void PaintWallSketch(QPainter& painter, const WallSketch& sketch)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, RimWidth + 2));
    painter.drawPolyline(sketch.path);
    painter.setPen(QPen(SketchColour, 2));
    painter.drawPolyline(sketch.path);
    painter.setPen(QPen(SketchColour, 1));
    painter.setBrush(Qt::white);
    for (const QPoint& corner : sketch.handles)
        painter.drawRect(corner.x() - HandleSize / 2, corner.y() - HandleSize / 2, HandleSize - 1, HandleSize - 1);
    if (const QRect box = LabelBox(sketch, painter.fontMetrics()); !box.isEmpty()) {
        painter.fillRect(box, Qt::white);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(box, Qt::AlignCenter, sketch.label);
    }
}

QRect WallSketchArea(const WallSketch& sketch, const QFontMetrics& metrics)
{
    const int reach = HandleSize / 2 + RimWidth;
    const QRect points = (sketch.path.boundingRect() | sketch.handles.boundingRect());
    return points.adjusted(-reach, -reach, reach, reach) | LabelBox(sketch, metrics);
}
