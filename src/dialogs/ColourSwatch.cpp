#include "dialogs/ColourSwatch.h"

#include "platform/Prompts.h"
#include "platform/QtConversions.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ColourSwatch::ColourSwatch(Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(DropperCursor());
}

void ColourSwatch::SetValue(Colour colour)
{
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Choose();
}

void ColourSwatch::keyPressEvent(QKeyEvent* event)
{
    // Enter is left to the dialog, whose default button it presses.
    if (event->key() == Qt::Key_Space)
        Choose();
    else
        QWidget::keyPressEvent(event);
}

void ColourSwatch::Choose()
{
    if (const std::optional<Colour> chosen = prompts_.ChooseColour(colour_))
        SetValue(*chosen);
}

QCursor DropperCursor()
{
    return QCursor(QIcon(":/icons/dropper.svg").pixmap(32, 32), 5, 27);
}
