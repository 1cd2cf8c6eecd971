#pragma once
// The plan on screen: shows the image the main window composed off screen, in one piece, and
// reports what the pointer does on it.

#include <QImage>
#include <QWidget>

class PlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlanWidget(QWidget* parent = nullptr);

    // The composed plan; the widget takes its size.
    QImage& Image() { return image_; }
    void Resize(QSize size);

    QSize sizeHint() const override { return image_.size(); }

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
    QImage image_;
};
