#pragma once
// The language engine: finds the language files, loads the chosen one into numbered string
// tables, and answers every lookup of an interface text with the translation or the English
// default the caller supplies. Nothing English is stored here.

#include "localize/CLocFileInfo.h"
#include "localize/CLocStrings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One line of the language chooser: the language's name and its identifier.
struct LanguageListItem {
    std::string name;
    int32_t id = 0;

    bool operator==(const LanguageListItem&) const = default;
};

class CALocalize {
public:
    // Appends every regular file of the folder whose name ends in ".lng" (in any case, as
    // files copied from other systems are often upper case), in the order of their names, so
    // that of two files with the same identifier the same one always wins. Files without a
    // language name are listed too. False when the folder holds no such file or cannot be read.
    bool ScanFiles(const std::string& folder);

    // Loads file `index` of the list and makes it the current language; a missing or
    // unreadable file gives a language without strings, so every text stays English. False
    // when there is no such file.
    bool SelectLanguage(int32_t index);
    // Selects the first file in list order that carries the identifier; false when none does.
    bool SelectLanguageByID(int32_t id);
    // 0 when no language is loaded.
    int32_t CurrentLanguageID() const;
    // Empty when no language is loaded or the language names no help file of its own.
    std::string CurrentHelpFile() const;
    int32_t LanguageCount() const;
    // Replaces the list by the files that name their language, in list order.
    void FillLanguageList(std::vector<LanguageListItem>& list) const;

    // Index of the section with exactly this name (case counts), -1 when absent.
    int32_t FindSection(std::string_view name) const;
    // False when the section index is -1 or out of range (as with no language loaded), or
    // the section has no text for the number.
    bool Lookup(int32_t section, int32_t number, std::string& text) const;
    std::string Text(int32_t section, int32_t number, std::string_view fallback) const;
    // Texts of the "Messages" and "Library" sections.
    std::string Message(int32_t number, std::string_view fallback) const;
    std::string LibraryText(int32_t number, std::string_view fallback) const;

private:
    void LoadSections(const std::string& path);

    int32_t currentLanguage_ = -1;  // index into files_; -1: built-in English
    std::vector<CLocFileInfo> files_;
    std::vector<CLocStrings> sections_;  // of the current language, in file order
    int32_t messagesSection_ = -1;
    int32_t librarySection_ = -1;
};
