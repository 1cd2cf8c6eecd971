#pragma once
// Colours of the model: 0x00BBGGRR, red in the low byte.

#include <cstdint>

using Colour = uint32_t;

// No outline, a hollow fill or no caption, depending on where it is used.
constexpr Colour NoColour = 0xEFFFFFFF;
