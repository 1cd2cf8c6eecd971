#include "model/LibraryCategories.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"

namespace {

constexpr std::array<std::string_view, LibCategoryCount> EnglishTitles = {
    "User Library", "Cabinets", "Chairs", "Tables", "Bathroom",
    "Bedroom", "Kitchen", "Living Room", "Accessories", "Other", "Doors and windows",
};

int CategoryOrUserDef(int index)
{
    return index >= 1 && index < LibCategoryCount ? index : 0;
}

}  // namespace

std::string_view LibCategoryKey(int index)
{
    return LibCategoryKeys[static_cast<size_t>(CategoryOrUserDef(index))];
}

std::string LibCategoryTitle(int index)
{
    const int category = CategoryOrUserDef(index);
    const std::string_view english = EnglishTitles[static_cast<size_t>(category)];
    // The titles share the language file's "Library" section with the object names, as
    // numbers 1 to 11.
    const CALocalize* localizer = CurrentLocalizer();
    return localizer ? localizer->LibraryText(category + 1, english) : std::string(english);
}

int LibCategoryFromKey(std::string_view key)
{
    for (int i = 0; i < LibCategoryCount; ++i)
        if (LibCategoryKeys[static_cast<size_t>(i)] == key)
            return i;
    return 0;
}

uint32_t ParseLibraryCategories(std::string_view value)
{
    uint32_t mask = 0;
    for (size_t bar = value.find('|'); bar != std::string_view::npos; bar = value.find('|')) {
        if (bar > 0)
            mask |= 1u << LibCategoryFromKey(value.substr(0, bar));
        value.remove_prefix(bar + 1);
    }
    return mask | 1u << LibCategoryFromKey(value);
}
