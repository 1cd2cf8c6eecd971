#include "model/CRoomWalls.h"

#include "platform/IniFile.h"
#include "platform/RoomFileText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

std::string WallKey(int index)
{
    char key[24];
    std::snprintf(key, sizeof key, "Wall%02d", index);
    return key;
}

// The index of a key written as "Wall%02d", or -1. Only the key's own spelling of its number
// counts, as a reader that asks for each key in turn would see it.
int WallIndexOfKey(const std::string& key)
{
    if (key.size() < 6 || key.size() > 14)
        return -1;
    const std::vector<int32_t> number = ScanIntegers(std::string_view(key).substr(4), 1);
    if (number.empty() || number[0] < 0)
        return -1;
    std::string canonical = WallKey(number[0]);
    return std::equal(key.begin(), key.end(), canonical.begin(), canonical.end(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); })
               ? number[0]
               : -1;
}

}  // namespace

void CRoomWalls::Save(CIniFile& ini, std::string_view section) const
{
    CIniFile::SectionWriter out = ini.WriteSection(section);
    out.Integer("Count", Count());
    for (int i = 0; i < Count(); ++i) {
        const CWall& w = walls_[static_cast<size_t>(i)];
        const int32_t fields[] = {w.x1, w.y1, w.x2, w.y2, w.alignment, w.thickness};
        out.String(WallKey(i), JoinIntegers(fields, 6));
    }
}

void CRoomWalls::Load(const CIniFile& ini, std::string_view section)
{
    const int32_t count = ini.ReadInteger(section, "Count", -1);
    if (count < 1)
        return;
    default_ = false;
    walls_.clear();
    // Walk the keys that exist rather than every number up to Count, which a damaged file may
    // set to billions.
    std::vector<std::pair<int, std::string>> keys;
    for (const std::string& key : ini.KeyNames(section)) {
        const int index = WallIndexOfKey(key);
        if (index >= 0 && index < count)
            keys.emplace_back(index, key);
    }
    std::sort(keys.begin(), keys.end());
    for (const auto& [index, key] : keys) {
        const std::vector<int32_t> f = ScanIntegers(ini.ReadString(section, key, ""), 6);
        if (f.empty())
            continue;
        int32_t v[6] = {};
        std::copy(f.begin(), f.end(), v);
        walls_.push_back(CWall::Unordered(v[0], v[1], v[2], v[3], v[4], v[5]));
    }
}
