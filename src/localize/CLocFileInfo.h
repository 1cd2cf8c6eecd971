#pragma once
// What the language chooser and the selection by identifier need to know of one language
// file, read from its "Main" section without loading its string tables.

#include "platform/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>

// A language file. One in a single-byte code page whose letters do not tell Western from
// Central European text is read in the code page of the language it names ("LanguageID").
std::optional<CIniFile> ReadLanguageFile(const std::string& path);

struct CLocFileInfo {
    // Reads "Language", "LanguageID" and "HelpFile" of the file at `path`; a missing or
    // unreadable file leaves them at their defaults. True when the file names its language,
    // that is, when the chooser offers it.
    bool Load(const std::string& path);

    std::string path;
    std::string languageName;  // empty: never offered, but still selectable by identifier
    int32_t languageID = 0;    // the locale identifier of the language; 1 is built-in English
    std::string helpFile;      // relative to the data folder; empty: the built-in help file
};
