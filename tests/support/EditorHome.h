#pragma once
// A home of its own for an editor under test: settings, user data and installation data in a
// private folder, so that nothing of the user's is read or written. The settings are those of
// a run after this version's first, asking nothing at start and fitting neither the window
// nor the plan, so that zoom and placement are the test's own.

#include "editor/TForm1.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>

struct EditorHome {
    static constexpr const char* Steady = "LastVersion=300\nLanguage=0\nAutosize=0\nOpenInBestFit=0\n";

    // With no settings, the editor starts as on its very first run.
    explicit EditorHome(const std::string& settings = Steady)
    {
        std::filesystem::create_directories(data + "/Language");
        std::filesystem::create_directories(rooms);
        if (!settings.empty())
            WriteSettings(settings);
    }

    std::string SettingsPath() const { return dir.path() + "/config/Kelvora/Planzeta.ini"; }

    // The values of the section [Planzeta] an earlier run left, one "Name=value" a line.
    void WriteSettings(const std::string& values) const
    {
        std::filesystem::create_directories(dir.path() + "/config/Kelvora");
        TempDir::WriteFile(SettingsPath(), "[Planzeta]\n" + values);
    }

    TempDir dir;
    const std::string data = dir.path() + "/data";
    const std::string rooms = dir.path() + "/rooms";
    ScopedEnv configHome{"XDG_CONFIG_HOME", (dir.path() + "/config").c_str()};
    ScopedEnv dataHome{"XDG_DATA_HOME", (dir.path() + "/share").c_str()};
    // An installation without language files or library.
    ScopedEnv dataFolder{"PLANZETA_DATA_DIR", data.c_str()};
};

// A change of the room as every command makes one: announced, then made, then drawn.
inline void ChangeRoom(TForm1& window, int width)
{
    window.NoteRoomChange(true);
    window.Room().Width = width;
    window.Redraw(true);
}
