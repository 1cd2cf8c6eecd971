#pragma once
// The rotation dial of the object and 3D dialogs: a shaded face in the dialog's colours, a dot
// in the middle and a needle that points up at 0 degrees and turns clockwise.

#include <QPixmap>

#include <cstdint>

class QPalette;

QPixmap RotationDialPixmap(int size, int32_t degrees, const QPalette& palette);
