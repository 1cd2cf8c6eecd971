#include "localize/CLocFileInfo.h"

#include "platform/IniFile.h"

bool CLocFileInfo::Load(const std::string& filePath)
{
    *this = CLocFileInfo{};
    path = filePath;
    if (const std::optional<CIniFile> ini = CIniFile::Read(filePath)) {
        languageName = ini->ReadString("Main", "Language", "");
        languageID = ini->ReadInteger("Main", "LanguageID", 0);
        helpFile = ini->ReadString("Main", "HelpFile", "");
    }
    return !languageName.empty();
}
