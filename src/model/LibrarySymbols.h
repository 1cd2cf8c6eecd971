#pragma once
// The plan symbols of the built-in library objects.

#include <cstdint>

class Canvas;
class CPart;

// Draws the symbol of a library number into the object's rectangle, with the pen and brush
// the caller selected (the object's own). False, drawing nothing, for a number that has no
// symbol; the caller then draws the object's basic shape.
bool DrawLibraryObject(CPart& part, Canvas& canvas, int libObjID, int32_t offsetX, int32_t offsetY,
                       double zoom);
