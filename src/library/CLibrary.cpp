#include "library/CLibrary.h"

#include "localize/CALocalize.h"
#include "model/ModelServices.h"
#include "platform/IniFile.h"

#include <optional>

void CLibrary::Load(const std::string& fileName)
{
    catalogue_.Clear();
    englishNames_.clear();
    entryTexts_.clear();
    if (const std::optional<CIniFile> ini = CIniFile::Read(fileName)) {
        catalogue_.Append(*ini, [&](int index, const std::string& section) {
            const CPart& entry = catalogue_.Entry(index);
            entryTexts_.push_back({entry.Caption, ini->ReadInteger(section, "TextID", 0)});
            const std::string name = ini->ReadString(section, "Name", entry.Caption);
            // The first template of a number names it.
            if (entry.InUse && entry.LibObjID >= 1 && !name.empty())
                englishNames_.emplace(entry.LibObjID, name);
        });
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
    // Templates appended from the user's catalogue keep the captions the user gave them.
    for (size_t i = 0; i < entryTexts_.size() && i < static_cast<size_t>(catalogue_.Count()); ++i) {
        const EntryText& text = entryTexts_[i];
        CPart& entry = catalogue_.Entry(static_cast<int>(i));
        const auto number = englishNames_.find(entry.LibObjID);
        if (text.textId > 0)
            entry.Caption = localizer ? localizer->LibraryText(text.textId, text.english) : text.english;
        else if (number != englishNames_.end() && number->second == text.english)
            entry.Caption = names_[entry.LibObjID];
        else
            entry.Caption = text.english;
    }
}

void CLibrary::InstallServices() const
{
    Services().libraryName = [this](int id) { return GetObjectName(id); };
    Services().defaultLibraryHeight = [this](int id) { return DefaultLibraryHeight(id); };
}
