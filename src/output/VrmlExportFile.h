#pragma once
// Where exported scenes go and where they find the prototype library.

#include <string>
#include <string_view>

// The library prefix for the installed prototype library: the file URL of library.wrl in the
// data folder, made absolute, followed by "#".
std::string InstalledLibraryPrefix();

// Writes the scene that Explore in 3D hands to the viewer, Plz_Explore3D.wrl in the user's
// private temporary folder, replacing the previous one. A link found under that name is
// removed, never followed. Returns the file's path; throws FileWriteError.
std::string WriteExplore3DFile(std::string_view scene);
