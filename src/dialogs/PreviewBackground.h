#pragma once
// The background of the dialogs' small previews: on the face colour, a grey that darkens by
// one level every `rowsPerLevel` rows, with rounded corners, outlined in the shadow colour.

#include "base/Colour.h"

class Canvas;

void DrawPreviewBackground(Canvas& canvas, int rowsPerLevel, Colour face, Colour shadow);
