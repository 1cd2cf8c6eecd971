#include "editor/RecentFiles.h"

#include "platform/CSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(RecentFiles, TheNewestComesFirstAndAFifthPushesOutTheOldest)
{
    using Places = std::array<std::string, RecentFiles::Size>;
    const struct {
        const char* name;
        std::vector<std::string> opened;
        Places shown;
    } rows[] = {
        {"newest first", {"a", "b", "c"}, {"c", "b", "a", ""}},
        {"the first again changes nothing", {"a", "b", "b"}, {"b", "a", "", ""}},
        {"one reopened moves to the top", {"a", "b", "c", "b"}, {"b", "c", "a", ""}},
        {"the last moves up", {"a", "b", "c", "d", "a"}, {"a", "d", "c", "b"}},
        {"a fifth drops the oldest", {"a", "b", "c", "d", "e"}, {"e", "d", "c", "b"}},
    };
    for (const auto& row : rows) {
        RecentFiles recent;
        for (const std::string& path : row.opened)
            recent.Add(path);
        for (size_t place = 0; place < RecentFiles::Size; ++place)
            EXPECT_EQ(recent.Path(place), row.shown[place]) << row.name << ", place " << place;
    }
}

TEST(RecentFiles, TheMenuNamesTheFileAndTheSettingsKeepThePaths)
{
    TempDir dir;
    CSettings settings(dir.file("settings.ini"));
    RecentFiles recent;
    recent.Add("/rooms/old/hall.mst");
    recent.Add("/rooms/kitchen.MST");
    EXPECT_EQ(recent.MenuText(0), "&1  kitchen.MST");
    EXPECT_EQ(recent.MenuText(1), "&2  hall.mst");
    EXPECT_EQ(recent.MenuText(2), "");
    recent.Write(settings);
    EXPECT_EQ(settings.ReadString("Recent1", ""), "/rooms/old/hall.mst");

    RecentFiles again;
    again.Add("/elsewhere.mst");
    again.Read(settings);
    EXPECT_EQ(again.Path(0), "/rooms/kitchen.MST");
    EXPECT_EQ(again.Path(2), "") << "a place the settings leave empty is free";
}
