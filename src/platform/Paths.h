#pragma once
// Where the program finds its installation data and keeps the user's files.

#include <string>

// The read-only installation data (library, language files, help): the folder named by
// PLANZETA_DATA_DIR when set, else "data" beside the executable in a build tree, else
// "share/planzeta" of the installation prefix.
std::string DataFolder();

// The user's own files, such as the object catalogue: $XDG_DATA_HOME/planzeta, by default
// ~/.local/share/planzeta. Not created here.
std::string UserDataFolder();

// The settings file: $XDG_CONFIG_HOME/Kelvora/Planzeta.ini, by default
// ~/.config/Kelvora/Planzeta.ini. Not created here.
std::string SettingsFilePath();

// A folder for temporary files that only the user can enter: $XDG_RUNTIME_DIR/planzeta, or
// planzeta-<uid> in the system's temporary folder. Created when missing; a folder of that
// name that another user owns, or that others may enter, is refused. Empty when none can be had.
std::string PrivateTempFolder();

// Creates a folder and its parents, readable only by the user when new; false on failure.
bool EnsureFolder(const std::string& path);
