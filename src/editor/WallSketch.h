#pragma once
// The outline being drawn or reshaped, shown over the plan image and never drawn into it: the
// sides so far, the side that follows the pointer with its length and direction, and the
// handles of corners. Positions are image pixels.

#include <QPolygon>
#include <QString>

class QFontMetrics;
class QPainter;

struct WallSketch {
    QPolygon path;           // the corners drawn, then the end of the side being drawn
    QString label;           // beside the path's last point; none when empty
    QPolygon handles;        // corners that show a handle
    bool operator==(const WallSketch&) const = default;
};

void PaintWallSketch(QPainter& painter, const WallSketch& sketch);

// The area the sketch covers, label and handles included, for the painter's font.
QRect WallSketchArea(const WallSketch& sketch, const QFontMetrics& metrics);
