#include "dialogs/LibraryChooserRules.h"

#include "dialogs/ObjectPropertyRules.h"
#include "model/CPart.h"
#include "model/PartType.h"
#include "model/Units.h"
#include "platform/Canvas.h"

#include <algorithm>

namespace {

constexpr int IconMargin = 1;

int32_t CentredOffset(int size, double drawn)
{
    return std::max(static_cast<int32_t>((size - drawn) * 0.5), 0);
}

}  // namespace

bool ListedInCategory(const CPart& entry, int category)
{
    return entry.InUse && category >= 0 && category < 32 && (entry.CategoryMask >> category) & 1u;
}

std::string LibraryItemText(const CPart& entry, int unit)
{
    const std::string name = entry.Caption.empty() ? DisplayName(entry.Type, entry.LibObjID) : entry.Caption;
    return name + ", " + CatalogueRowSize(entry, unit) + std::string(UnitAt(unit).abbreviation);
}

void DrawLibraryIcon(Canvas& canvas, const CPart& entry, Colour background)
{
    const int width = canvas.Width();
    const int height = canvas.Height();
    canvas.FillRect({0, 0, width + 1, height + 1}, {Brush::Solid, background});
    if (entry.Width <= 0 || entry.Height <= 0)
        return;
    const double scale = std::min(double(width - 2 * IconMargin) / entry.Width,
                                  double(height - 2 * IconMargin) / entry.Height);
    CPart shown = entry;
    shown.PosX = 0;
    shown.PosY = 0;
    // A door or window drawn alone has no wall to open.
    shown.SnapToWallFlag = false;
    shown.InvalidateCorners();
    shown.Draw(canvas, CentredOffset(width, entry.Width * scale), CentredOffset(height, entry.Height * scale), scale,
               false, false);
}
