#include "model/Units.h"

#include "base/Numeric.h"

const UnitInfo Units[UnitCount] = {
    {"mm", "mm", 0.1},
    {"cm", "cm", 1.0},
    {"\"", "Inches (\")", 2.54},
    {"dm", "dm", 10.0},
    {"ft", "ft", 30.0},  // a foot counts as 30 cm throughout the program's files
    {"m", "m", 100.0},
    {"km", "km", 100000.0},
};

int UnitFromAbbreviation(std::string_view abbreviation)
{
    for (int i = 0; i < UnitCount; ++i)
        if (Units[i].abbreviation == abbreviation)
            return i;
    return -1;
}

const UnitInfo& UnitAt(int unit)
{
    return unit >= 0 && unit < UnitCount ? Units[unit] : Units[1];
}

int32_t ToCentimetres(int32_t length, int unit)
{
    return TruncToInt(length * UnitAt(unit).centimetres + 0.5);
}

int32_t FromCentimetres(int32_t centimetres, int unit)
{
    return TruncToInt(centimetres / UnitAt(unit).centimetres + 0.5);
}
