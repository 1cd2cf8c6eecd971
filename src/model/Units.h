#pragma once
// The length units a room can be measured in, and conversion to and from centimetres.

#include <cstdint>
#include <string_view>

struct UnitInfo {
    std::string_view abbreviation;  // what the room file stores and dimension labels show
    std::string_view listText;      // what unit selectors show
    double centimetres;             // centimetres per unit
};

constexpr int UnitCount = 7;
constexpr int CentimetreUnit = 1;
extern const UnitInfo Units[UnitCount];

// The unit at an index; centimetres for an index outside the table.
const UnitInfo& UnitAt(int unit);

// Index of the unit whose abbreviation equals the text exactly, or -1.
int UnitFromAbbreviation(std::string_view abbreviation);

// A length in the unit at the index shown in centimetres, and back: trunc(x * f + 0.5).
int32_t ToCentimetres(int32_t length, int unit);
int32_t FromCentimetres(int32_t centimetres, int unit);
