#pragma once
// The categories of the object library. An object's category mask has bit i set when it
// belongs to category i.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int LibCategoryCount = 11;

// The keys that name the categories in the library file, in bit order.
constexpr std::array<std::string_view, LibCategoryCount> LibCategoryKeys = {
    "UserDef", "Cabinets", "Chairs", "Tables", "Bathroom",
    "Bedroom", "Kitchen", "LivingRoom", "Accessories", "Other", "DoorsWindows",
};

// The category of a key, compared exactly; 0 (UserDef) for an unknown or empty key.
int LibCategoryFromKey(std::string_view key);

// The mask of a "Library" value, keys separated by "|". An empty value, or a trailing "|",
// puts the object in category 0, so that objects without the key land in UserDef.
uint32_t ParseLibraryCategories(std::string_view value);

// The key of a category; "UserDef" for an index outside 1..10.
std::string_view LibCategoryKey(int index);
// The title of a category in the interface language; that of the user's own category for an
// index outside 1..10.
std::string LibCategoryTitle(int index);
