#include "library/LibraryCategories.h"

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
