#include "platform/CSettings.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

constexpr std::string_view Section = "Planzeta";

}  // namespace

CSettings::CSettings() : CSettings(SettingsFilePath())
{
}

CSettings::CSettings(std::string path)
    : path_(std::move(path)), ini_(CIniFile::Read(path_).value_or(CIniFile()))
{
}

int32_t CSettings::ReadInteger(std::string_view name, int32_t fallback) const
{
    return ini_.ReadInteger(Section, name, fallback);
}

uint32_t CSettings::ReadDword(std::string_view name, uint32_t fallback) const
{
    return static_cast<uint32_t>(ini_.ReadInteger(Section, name, static_cast<int32_t>(fallback)));
}

bool CSettings::ReadBool(std::string_view name, bool fallback) const
{
    return ini_.ReadBool(Section, name, fallback);
}

std::string CSettings::ReadString(std::string_view name, std::string_view fallback) const
{
    return ini_.ReadString(Section, name, fallback);
}

void CSettings::WriteInteger(std::string_view name, int32_t value)
{
    ini_.WriteInteger(Section, name, value);
}

void CSettings::WriteDword(std::string_view name, uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    ini_.WriteString(Section, name, text);
}

void CSettings::WriteBool(std::string_view name, bool value)
{
    ini_.WriteInteger(Section, name, value ? 1 : 0);
}

void CSettings::WriteString(std::string_view name, std::string_view value)
{
    ini_.WriteString(Section, name, value);
}

void CSettings::Save() const
{
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    if (!folder.empty() && !EnsureFolder(folder))
        throw FileWriteError(path_);
    ini_.Save(path_);
}
