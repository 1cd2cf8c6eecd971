#pragma once
// The plan on screen: shows the image the main window composed off screen, in one piece, and
// reports what the pointer does on it. The image has the screen's device pixels, so that a
// one-pixel line is one pixel of the screen; its device pixel ratio maps them to the widget.

#include "editor/WallSketch.h"

#include <QImage>
#include <QLine>
#include <QPolygon>
#include <QWidget>

#include <functional>

class PlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlanWidget(QWidget* parent = nullptr);

    // The composed plan, in image pixels, complete.
    QImage& Image();
    QSize ImageSize() const { return image_.size(); }
    qreal ImageRatio() const { return image_.devicePixelRatio(); }

    // Until the widget first paints, the image may be composed in two steps, so that the first
    // paint waits only for what it shows: `area` composes an area of image pixels, `rest` all
    // the rest and returns what it changed in that area. The rest follows right after the first
    // paint, or at once when anyone asks for the image or paints again.
    bool HasPainted() const { return hasPainted_; }
    void ComposeInSteps(std::function<void(QImage&, const QRect&)> area, std::function<QRegion(QImage&)> rest);

    // The widget takes the size and its image the size in pixels, with the ratio between them.
    void Resize(QSize size, QSize imageSize, qreal pixelRatio);
    // Where an area of image pixels lies on the widget, rounded outwards.
    QRect WidgetArea(const QRect& imagePixels) const;
    // Shows again what changed in an area of image pixels, at once.
    void RepaintImageArea(const QRegion& imagePixels);

    QSize sizeHint() const override { return size(); }

    // The outline and corner handles of the selected object, drawn over the image and never
    // into it, so that no exported or printed picture shows them. The corners are image
    // pixels; none when empty.
    void SetSelectionMarks(const QPolygon& corners);
    const QPolygon& SelectionMarks() const { return marks_; }

    // The last measuring line, in image pixels, and its length, left over the plan after the
    // measurement; none when the line is null.
    void SetMeasurement(const QLine& line, const QString& length);
    bool ShowsMeasurement() const { return !measureLine_.isNull(); }

    void SetWallSketch(const WallSketch& sketch);
    const WallSketch& Sketch() const { return sketch_; }

signals:
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { emit MouseDown(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit MouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { emit MouseUp(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { emit DoubleClick(event); }

private:
    void CompleteImage();
    // Where an area of the widget lies in image pixels, rounded outwards.
    QRect ImageArea(const QRect& widgetArea) const;
    // The area the marks of these corners cover, on the widget.
    QRect MarksArea(const QPolygon& corners) const;
    QPointF ToWidget(QPoint imagePixel) const { return QPointF(imagePixel) / image_.devicePixelRatio(); }
    QPolygonF ToWidget(const QPolygon& imagePixels) const;
    QLineF MeasureLine() const { return {ToWidget(measureLine_.p1()), ToWidget(measureLine_.p2())}; }
    // Where the measurement's line and length are drawn.
    QRect MeasurementArea() const;
    QRect LengthBox() const;

    QImage image_;
    std::function<void(QImage&, const QRect&)> composeArea_;
    std::function<QRegion(QImage&)> composeRest_;
    bool hasPainted_ = false;
    QPolygon marks_;
    QLine measureLine_;
    QString measureText_;
    WallSketch sketch_;
};
