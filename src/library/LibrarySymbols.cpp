#include "library/LibrarySymbols.h"

bool DrawLibraryObject(CPart&, Canvas&, int, int32_t, int32_t, double)
{
    return false;
}
