#pragma once
// The long-lived engines that the editor and the headless tasks share: the options, the
// object library and the interface language, set up as the program starts.

#include "library/CLibrary.h"
#include "localize/CALocalize.h"
#include "platform/COptions.h"

class CSettings;

class AppEngines {
public:
    // Loads the options, the library file and the language stored in the settings, and makes
    // the room model and the message lookups use them.
    explicit AppEngines(const CSettings& settings);
    // The model and the lookups fall back to their built-in defaults.
    ~AppEngines();
    AppEngines(const AppEngines&) = delete;
    AppEngines& operator=(const AppEngines&) = delete;

    // Switches the interface language (nullptr for English) for messages and library names.
    void UseLanguage(const CALocalize* localizer);

    COptions options;
    CLibrary library;
    CALocalize localizer;
};
