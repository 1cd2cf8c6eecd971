#include "editor/TForm1.h"

bool TForm1::EditRoomProperties()
{
    return false;
}
