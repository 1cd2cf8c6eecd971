#include "dialogs/RotationDial.h"

#include "dialogs/ObjectPropertyRules.h"
#include "dialogs/PreviewBackground.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QImage>
#include <QPalette>

QPixmap RotationDialPixmap(int size, int32_t degrees, const QPalette& palette)
{
    QImage image(size, size, QImage::Format_RGB32);
    {
        QtCanvas canvas(image);
        DrawPreviewBackground(canvas, 1, FromQColor(palette.color(QPalette::Button)),
                              FromQColor(palette.color(QPalette::Dark)));
        DrawRotationDial(canvas, degrees);
    }
    return QPixmap::fromImage(image);
}
