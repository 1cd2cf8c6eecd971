#include "editor/PlanWidget.h"

#include <QPaintEvent>
#include <QPainter>

PlanWidget::PlanWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("Obr");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlanWidget::Resize(QSize size)
{
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    setFixedSize(size);
}

void PlanWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}
