#include "localize/CALocalize.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasLanguageExtension(const std::string& name)
{
    constexpr std::string_view Extension = ".lng";
    return name.size() > Extension.size()
        && std::equal(Extension.begin(), Extension.end(), name.end() - Extension.size(),
                      [](char e, char c) { return e == Lower(c); });
}

// The names of the language files in a folder, sorted, because the order in which the file
// system lists a folder is arbitrary.
std::vector<std::string> LanguageFileNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (HasLanguageExtension(name) && it->is_regular_file(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool CALocalize::ScanFiles(const std::string& folder)
{
    const std::vector<std::string> names = LanguageFileNames(folder);
    for (const std::string& name : names) {
        CLocFileInfo info;
        info.Load((fs::path(folder) / name).string());
        files_.push_back(std::move(info));
    }
    return !names.empty();
}

bool CALocalize::SelectLanguage(int32_t index)
{
    if (index < 0 || index >= LanguageCount())
        return false;
    LoadSections(files_[static_cast<size_t>(index)].path);
    currentLanguage_ = index;
    return true;
}

bool CALocalize::SelectLanguageByID(int32_t id)
{
    const auto it = std::find_if(files_.begin(), files_.end(),
                                 [id](const CLocFileInfo& file) { return file.languageID == id; });
    return it != files_.end() && SelectLanguage(static_cast<int32_t>(it - files_.begin()));
}

int32_t CALocalize::CurrentLanguageID() const
{
    return currentLanguage_ < 0 ? 0 : files_[static_cast<size_t>(currentLanguage_)].languageID;
}

std::string CALocalize::CurrentHelpFile() const
{
    return currentLanguage_ < 0 ? std::string() : files_[static_cast<size_t>(currentLanguage_)].helpFile;
}

int32_t CALocalize::LanguageCount() const
{
    return static_cast<int32_t>(files_.size());
}

void CALocalize::FillLanguageList(std::vector<LanguageListItem>& list) const
{
    list.clear();
    for (const CLocFileInfo& file : files_)
        if (!file.languageName.empty())
            list.push_back({file.languageName, file.languageID});
}

int32_t CALocalize::FindSection(std::string_view name) const
{
    const auto it = std::find_if(sections_.begin(), sections_.end(),
                                 [name](const CLocStrings& section) { return section.Name() == name; });
    return it == sections_.end() ? -1 : static_cast<int32_t>(it - sections_.begin());
}

bool CALocalize::Lookup(int32_t section, int32_t number, std::string& text) const
{
    if (section < 0 || static_cast<size_t>(section) >= sections_.size())
        return false;
    return sections_[static_cast<size_t>(section)].Get(number, text);
}

std::string CALocalize::Text(int32_t section, int32_t number, std::string_view fallback) const
{
    std::string text;
    return Lookup(section, number, text) ? text : std::string(fallback);
}

std::string CALocalize::Message(int32_t number, std::string_view fallback) const
{
    return Text(messagesSection_, number, fallback);
}

std::string CALocalize::LibraryText(int32_t number, std::string_view fallback) const
{
    return Text(librarySection_, number, fallback);
}

void CALocalize::LoadSections(const std::string& path)
{
    sections_.clear();
    messagesSection_ = -1;
    librarySection_ = -1;
    const std::optional<CIniFile> ini = ReadLanguageFile(path);
    if (!ini)
        return;
    for (const std::string& name : ini->SectionNames()) {
        sections_.emplace_back().Read(*ini, name);
        if (name == "Messages")
            messagesSection_ = static_cast<int32_t>(sections_.size() - 1);
        else if (name == "Library")
            librarySection_ = static_cast<int32_t>(sections_.size() - 1);
    }
}
