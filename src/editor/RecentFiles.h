#pragma once
// The rooms opened or saved last, newest first, as the Room menu offers them again and the
// settings keep them between runs.

#include <array>
#include <string>

class CSettings;

class RecentFiles {
public:
    static constexpr size_t Size = 4;

    // Puts the file first: it moves up from where it was, or pushes the oldest out.
    void Add(const std::string& path);

    // The path in the place, counted from 0; empty when the place is free.
    const std::string& Path(size_t place) const { return paths_.at(place); }

    // The menu item of a place: "&1  room.mst", its number and the file's name; empty when free.
    std::string MenuText(size_t place) const;

    // As "Recent0" to "Recent3".
    void Read(const CSettings& settings);
    void Write(CSettings& settings) const;

private:
    std::array<std::string, Size> paths_;
};
