#include "FuzzQtRoom.h"

#include "FuzzInputs.h"
#include "model/CRoom.h"
#include "platform/QtCanvas.h"

#include <QImage>

void FuzzRoomFileOnQtCanvas(std::string_view bytes)
{
    CRoom room;
    if (!LoadRoomFromBytes(bytes, room))
        return;
    // The editor's plan image can be large; the top left of it is enough to run every
    // drawing call through the painter.
    QImage image(320, 240, QImage::Format_RGB32);
    QtCanvas canvas(image);
    DrawAtFuzzZooms(room, canvas);
}
