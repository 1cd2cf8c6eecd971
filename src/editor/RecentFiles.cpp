#include "editor/RecentFiles.h"

#include "platform/CSettings.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string SettingName(size_t place)
{
    return "Recent" + std::to_string(place);
}

}  // namespace

void RecentFiles::Add(const std::string& path)
{
    const auto found = std::find(paths_.begin(), paths_.end(), path);
    // The places above the one found, or all but the oldest, move one place down.
    const auto end = found == paths_.end() ? paths_.end() - 1 : found;
    std::move_backward(paths_.begin(), end, end + 1);
    paths_.front() = path;
}

std::string RecentFiles::MenuText(size_t place) const
{
    const std::string& path = Path(place);
    if (path.empty())
        return {};
    return "&" + std::to_string(place + 1) + "  " + std::filesystem::path(path).filename().string();
}

void RecentFiles::Read(const CSettings& settings)
{
    for (size_t place = 0; place < Size; ++place)
        paths_[place] = settings.ReadString(SettingName(place), "");
}

void RecentFiles::Write(CSettings& settings) const
{
    for (size_t place = 0; place < Size; ++place)
        settings.WriteString(SettingName(place), paths_[place]);
}
