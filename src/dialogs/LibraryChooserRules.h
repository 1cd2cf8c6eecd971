#pragma once
// The rules of the library chooser apart from its widgets: which catalogue entries a category
// page lists, how an entry is named there, and how its icon is drawn.

#include "base/Colour.h"

#include <string>

class Canvas;
class CPart;

// Whether an entry in use belongs to the category.
bool ListedInCategory(const CPart& entry, int category);

// The entry's caption, or its kind when it has none, with its size in the room's unit:
// "Cabinet 60, 60×60cm".
std::string LibraryItemText(const CPart& entry, int unit);

// The entry's symbol on a background, scaled to fit the canvas with a pixel to spare on each
// side and centred. An entry that takes no room leaves the background alone.
void DrawLibraryIcon(Canvas& canvas, const CPart& entry, Colour background);
