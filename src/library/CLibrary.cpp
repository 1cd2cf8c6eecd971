#include "library/CLibrary.h"

#include "localize/CALocalize.h"
#include "model/ModelServices.h"

void CLibrary::Load(const std::string& fileName)
{
    catalogue_.Load(fileName, false);
    englishNames_.clear();
    englishCaptions_.clear();
    for (int i = 0; i < catalogue_.Count(); ++i) {
        const CPart& entry = catalogue_.Entry(i);
        englishCaptions_.push_back(entry.Caption);
        // The first template of a number names it.
        if (entry.InUse && entry.LibObjID >= 1 && !entry.Caption.empty())
            englishNames_.emplace(entry.LibObjID, entry.Caption);
    }
    names_ = englishNames_;
}

int CLibrary::DefaultLibraryHeight(int libObjID) const
{
    for (int i = 0; i < catalogue_.Count(); ++i)
        if (catalogue_.Entry(i).LibObjID == libObjID)
            return catalogue_.Entry(i).ZHeight;
    return -1;
}

std::string CLibrary::GetObjectName(int libObjID) const
{
    const auto it = names_.find(libObjID);
    return it == names_.end() ? std::string() : it->second;
}

void CLibrary::ApplyLanguage(const CALocalize* localizer)
{
    // Always from the English names, so that a language lacking a name falls back to English
    // rather than to the language chosen before it.
    for (const auto& [id, english] : englishNames_)
        names_[id] = localizer ? localizer->LibraryText(id, english) : english;
    // Only a template named like its number takes the number's name: the other templates of
    // a number (other sizes, other objects drawn by the same symbol) keep their own captions
    // rather than all being called by the first one's name.
    for (int i = 0; i < catalogue_.Count(); ++i) {
        CPart& entry = catalogue_.Entry(i);
        const std::string& english = englishCaptions_[static_cast<size_t>(i)];
        const auto englishName = englishNames_.find(entry.LibObjID);
        if (englishName != englishNames_.end() && englishName->second == english)
            entry.Caption = names_[entry.LibObjID];
    }
}

void CLibrary::InstallServices() const
{
    Services().libraryName = [this](int id) { return GetObjectName(id); };
    Services().defaultLibraryHeight = [this](int id) { return DefaultLibraryHeight(id); };
}
