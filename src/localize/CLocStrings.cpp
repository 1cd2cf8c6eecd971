#include "localize/CLocStrings.h"

#include "platform/IniFile.h"
#include "platform/RoomFileText.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr int PrefixLength = 4;

bool IsLeadByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The key's text from its fifth character on; keys are UTF-8, so a character is a lead byte
// with the continuation bytes that follow it.
std::string_view Tail(std::string_view key)
{
    size_t i = 0;
    for (int characters = 0; i < key.size(); ++i)
        if (IsLeadByte(key[i]) && characters++ == PrefixLength)
            break;
    return key.substr(i);
}

std::optional<int32_t> StringNumber(std::string_view key)
{
    const std::string_view tail = Tail(key);
    if (tail.empty() || tail.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int32_t number = 0;
    // Only digits are left, so the one failure is a number beyond 32 bits.
    if (std::from_chars(tail.data(), tail.data() + tail.size(), number).ec != std::errc())
        return std::nullopt;
    return number;
}

}  // namespace

bool CLocStrings::Read(const CIniFile& ini, const std::string& section)
{
    name_ = section;
    strings_.clear();
    for (const std::string& key : ini.KeyNames(section))
        if (const std::optional<int32_t> number = StringNumber(key))
            strings_.insert_or_assign(*number, UnescapeText(ini.ReadString(section, key, "")));
    return ini.HasSection(section);
}

bool CLocStrings::Get(int32_t number, std::string& text) const
{
    const auto it = strings_.find(number);
    if (it == strings_.end() || it->second.empty())
        return false;
    text = it->second;
    return true;
}
