#include "localize/CLocFileInfo.h"

#include "localize/LocaleIds.h"

namespace {

constexpr std::string_view MainSection = "Main";

}  // namespace

std::optional<CIniFile> ReadLanguageFile(const std::string& path)
{
    std::optional<CIniFile> ini = CIniFile::Read(path);
    // The identifier is plain digits, the same in every encoding.
    if (ini && ini->Encoding() == TextEncoding::Windows1252 &&
        CodePageHintFor(ini->ReadInteger(MainSection, "LanguageID", 0)) == CodePageHint::CentralEuropean)
        ini = CIniFile::Read(path, CodePageHint::CentralEuropean);
    return ini;
}

bool CLocFileInfo::Load(const std::string& filePath)
{
    *this = CLocFileInfo{};
    path = filePath;
    if (const std::optional<CIniFile> ini = ReadLanguageFile(filePath)) {
        languageName = ini->ReadString(MainSection, "Language", "");
        languageID = ini->ReadInteger(MainSection, "LanguageID", 0);
        helpFile = ini->ReadString(MainSection, "HelpFile", "");
    }
    return !languageName.empty();
}
