#pragma once
// The installed object library: its catalogue of templates, read from the library file, and
// the names of its objects by library number in the interface language.
//
// Several templates may share a number, one drawing in several sizes or kinds. A placed object
// keeps only the number, so the number's name fits all of them: the first template's "Name",
// else its caption. A template's own caption is translated by its "TextID", the language's
// library text of that number; without one, a caption equal to the number's name takes the
// number's text and any other caption stays as written.

#include "library/CPartsCatalogue.h"

#include <map>
#include <string>
#include <vector>

class CALocalize;

class CLibrary {
public:
    // Reads the library file; a missing file leaves the library empty.
    void Load(const std::string& fileName);

    CPartsCatalogue& Catalogue() { return catalogue_; }
    const CPartsCatalogue& Catalogue() const { return catalogue_; }

    // The height in centimetres of the first template with the number, free or not; -1 if none.
    int DefaultLibraryHeight(int libObjID) const;
    // The name of a library number in the interface language; empty when unknown.
    std::string GetObjectName(int libObjID) const;
    // Names the objects in the language (nullptr for English), and renames the templates.
    void ApplyLanguage(const CALocalize* localizer);

    // Makes the room model ask this library for names and default heights.
    void InstallServices() const;

private:
    CPartsCatalogue catalogue_;
    // By number, kept sparse: a number read from a file can be as large as two billion.
    std::map<int, std::string> englishNames_;
    std::map<int, std::string> names_;
    struct EntryText {
        std::string english;  // the caption as the library file writes it
        int32_t textId = 0;   // its text in the languages; 0 for none of its own
    };
    std::vector<EntryText> entryTexts_;  // of the library's own templates, by index
};
