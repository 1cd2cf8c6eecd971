#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint itself completes and reaches the screen first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaint(QWidget* widget)
{
    new FirstPaintWatch(widget);
}
