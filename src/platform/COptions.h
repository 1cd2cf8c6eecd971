#pragma once
// The user's preferences: default colours and unit for new rooms and objects, view, export,
// print and 3D switches, and what the open dialogs and the library chooser showed last.
// Loaded from the settings at start-up and saved at close; between those moments the program
// reads and writes the fields directly.

#include "base/Colour.h"

#include <cstdint>
#include <string>

class CSettings;

class COptions {
public:
    // Every value, falling back to the field's current value, except that the five designed
    // switches fall back to on whatever they held.
    void Load(const CSettings& settings);
    // Every value, in the order of the fields below.
    void Save(CSettings& settings) const;

    Colour DefFillColor = 0xD9FFFF;  // light yellow
    Colour DefTextColor = 0x000000;
    Colour DefLineColor = 0x000000;
    bool Autosize = true;
    bool OpenInBestFit = true;
    bool ExpIn100 = true;
    bool ExpAddText = true;
    std::string LastOpenFolder;
    int32_t LastLibraryPage = 1;  // Cabinets
    std::string LabelFont;
    std::string DefaultUnit = "cm";
    int32_t PaperOrientation = 0;
    int32_t PageBorder = 150;
    bool PrintScale = true;
    int32_t WallsTransp3D = 0;
    int32_t Zoom3D = 100;
    // Whether pictures and prints of the plan show the room's background picture.
    bool ExpBackground = true;
    bool PrintBackground = false;
};
