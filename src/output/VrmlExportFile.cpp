#include "output/VrmlExportFile.h"

#include "output/VrmlText.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* ExploreFileName = "Plz_Explore3D.wrl";

}  // namespace

std::string InstalledLibraryPrefix()
{
    const fs::path library = fs::path(DataFolder()) / "library.wrl";
    std::error_code ec;
    const fs::path absolute = fs::absolute(library, ec);
    return FileUrl((ec ? library : absolute).lexically_normal().string()) + "#";
}

std::string WriteExplore3DFile(std::string_view scene)
{
    const std::string folder = PrivateTempFolder();
    if (folder.empty())
        throw FileWriteError(ExploreFileName);
    const std::string path = (fs::path(folder) / ExploreFileName).string();
    // Replacing a file writes through a link to its target; here a link can only have been
    // planted, so it goes and the scene takes its place.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::unlink(path.c_str()) != 0)
        throw FileWriteError(path);
    WriteFileAtomically(path, scene);
    return path;
}
