#pragma once
// The user's settings: the values of the section "Planzeta" in the per-user settings file.
//
// Values are read from memory; nothing reaches the disk until Save. A missing or unreadable
// file gives an empty store, so every read yields its default. Value names match without
// regard to case.

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

class CSettings {
public:
    // The settings file of the current user (SettingsFilePath).
    CSettings();
    explicit CSettings(std::string path);

    const std::string& Path() const { return path_; }

    int32_t ReadInteger(std::string_view name, int32_t fallback) const;
    // DWORD values such as colours: all 32 bits, however the value was written.
    uint32_t ReadDword(std::string_view name, uint32_t fallback) const;
    // True when the stored integer is greater than 0.
    bool ReadBool(std::string_view name, bool fallback) const;
    std::string ReadString(std::string_view name, std::string_view fallback) const;

    void WriteInteger(std::string_view name, int32_t value);
    // Written as "0x" and eight upper-case hexadecimal digits, which reads back bit for bit.
    void WriteDword(std::string_view name, uint32_t value);
    // Written as 1 or 0.
    void WriteBool(std::string_view name, bool value);
    // A value is one line; line breaks are written as blanks.
    void WriteString(std::string_view name, std::string_view value);

    // Writes the whole file, other sections included, creating its folder when needed.
    // Throws FileWriteError and leaves the old file unharmed.
    void Save() const;

private:
    std::string path_;
    CIniFile ini_;
};
