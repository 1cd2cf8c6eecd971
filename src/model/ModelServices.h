#pragma once
// What the room model asks of the rest of the program: the defaults for new rooms and
// objects (from the options), the library's names and heights, and a way to warn the user.
// Until those subsystems install their own, built-in defaults apply and warnings go to
// standard error.

#include "base/Colour.h"

#include <functional>
#include <string>

class COptions;

struct ModelDefaults {
    std::string unit = "cm";
    Colour lineColour = 0x000000;
    Colour fillColour = 0xD9FFFF;
    Colour textColour = 0x000000;
};

struct ModelServices {
    ModelDefaults defaults;
    // Name of a library object, empty when unknown.
    std::function<std::string(int libObjID)> libraryName;
    // Height in centimetres that the library gives an object, -1 when unknown.
    std::function<int(int libObjID)> defaultLibraryHeight;
    // A warning the user must see before work goes on.
    std::function<void(const std::string& title, const std::string& text)> warn;
};

// The services in force; replace members to install the real ones.
ModelServices& Services();

// Restores the built-in defaults (for tests and tools that start from a clean state).
void ResetServices();

// Makes new rooms and objects take the options' default unit and colours.
void ApplyToModel(const COptions& options);
