#include "editor/PlanWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace {

// Blue on a white rim shows on any fill, light or dark.
const QColor MarkColour(0, 102, 204);
constexpr int HandleSize = 7;
constexpr int RimWidth = 3;

}  // namespace

PlanWidget::PlanWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("Obr");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PlanWidget::Image()
{
    CompleteImage();
    return image_;
}

void PlanWidget::ComposeInSteps(std::function<void(QImage&, const QRect&)> area, std::function<QRegion(QImage&)> rest)
{
    composeArea_ = std::move(area);
    composeRest_ = std::move(rest);
}

void PlanWidget::CompleteImage()
{
    composeArea_ = {};
    if (const auto rest = std::exchange(composeRest_, {}))
        for (const QRect& rect : rest(image_))
            update(WidgetArea(rect));
}

void PlanWidget::Resize(QSize size, QSize imageSize, qreal pixelRatio)
{
    image_ = QImage(imageSize, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(Qt::white);
    setFixedSize(size);
}

QRect PlanWidget::ImageArea(const QRect& widgetArea) const
{
    const qreal ratio = image_.devicePixelRatio();
    return QRectF(QPointF(widgetArea.topLeft()) * ratio, QSizeF(widgetArea.size()) * ratio).toAlignedRect();
}

QRect PlanWidget::WidgetArea(const QRect& imagePixels) const
{
    const qreal ratio = image_.devicePixelRatio();
    return QRectF(QPointF(imagePixels.topLeft()) / ratio, QSizeF(imagePixels.size()) / ratio).toAlignedRect();
}

void PlanWidget::RepaintImageArea(const QRegion& imagePixels)
{
    QRegion area;
    for (const QRect& rect : imagePixels)
        area += WidgetArea(rect);
    repaint(area);
}

QPolygonF PlanWidget::ToWidget(const QPolygon& imagePixels) const
{
    QPolygonF points;
    for (const QPoint& p : imagePixels)
        points << ToWidget(p);
    return points;
}

void PlanWidget::SetSelectionMarks(const QPolygon& corners)
{
    if (corners == marks_)
        return;
    update(MarksArea(marks_));
    marks_ = corners;
    update(MarksArea(marks_));
}

QRect PlanWidget::MarksArea(const QPolygon& corners) const
{
    const int reach = HandleSize / 2 + RimWidth;
    return corners.isEmpty() ? QRect() : WidgetArea(corners.boundingRect()).adjusted(-reach, -reach, reach, reach);
}

void PlanWidget::SetMeasurement(const QLine& line, const QString& length)
{
    update(MeasurementArea());
    measureLine_ = line;
    measureText_ = length;
    update(MeasurementArea());
}

QRect PlanWidget::LengthBox() const
{
    const QRect text = fontMetrics().boundingRect(measureText_).adjusted(-3, -1, 3, 1);
    return text.translated(MeasureLine().p2().toPoint() + QPoint(8, -8) - text.bottomLeft());
}

QRect PlanWidget::MeasurementArea() const
{
    if (measureLine_.isNull())
        return {};
    return WidgetArea(QRect(measureLine_.p1(), measureLine_.p2()).normalized())
               .adjusted(-RimWidth, -RimWidth, RimWidth, RimWidth) |
           LengthBox();
}

void PlanWidget::SetWallSketch(const WallSketch& sketch)
{
    if (sketch == sketch_)
        return;
    update(WallSketchArea(sketch_, fontMetrics()));
    sketch_ = sketch;
    update(WallSketchArea(sketch_, fontMetrics()));
}

void PlanWidget::paintEvent(QPaintEvent* event)
{
    hasPainted_ = true;
    if (const auto area = std::exchange(composeArea_, {})) {
        area(image_, ImageArea(event->rect()));
        QTimer::singleShot(0, this, &PlanWidget::CompleteImage);
    } else {
        CompleteImage();
    }
    QPainter painter(this);
    // Drawn whole at the origin, clipped: pixel for pixel at any ratio, never resampled.
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0, 0), image_);
    painter.setClipping(false);
    if (!measureLine_.isNull()) {
        painter.setPen(QPen(Qt::white, RimWidth));
        painter.drawLine(MeasureLine());
        painter.setPen(QPen(MarkColour, 1));
        painter.drawLine(MeasureLine());
        painter.fillRect(LengthBox(), Qt::white);
        painter.drawRect(LengthBox().adjusted(0, 0, -1, -1));
        painter.drawText(LengthBox(), Qt::AlignCenter, measureText_);
    }
    PaintWallSketch(painter, sketch_);
    if (marks_.isEmpty())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, RimWidth));
    const QPolygonF marks = ToWidget(marks_);
    painter.drawPolygon(marks);
    painter.setPen(QPen(MarkColour, 1));
    painter.drawPolygon(marks);
    painter.setBrush(Qt::white);
    for (const QPointF& corner : marks)
        painter.drawRect(QRectF(corner.x() - HandleSize / 2, corner.y() - HandleSize / 2, HandleSize - 1, HandleSize - 1));
}
