#include "library/CatalogueFiles.h"

#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string LibraryCataloguePath()
{
    return (fs::path(DataFolder()) / "Library.msk").string();
}

std::string UserCataloguePath()
{
    return (fs::path(UserDataFolder()) / "Catalog.msk").string();
}

void MigrateLegacyCatalogue()
{
    const fs::path legacy = fs::path(UserDataFolder()) / "Katalog.msk";
    const fs::path current = UserCataloguePath();
    std::error_code ec;
    // symlink_status, so that not even a dangling link of the new name is replaced.
    if (fs::is_regular_file(legacy, ec) && !fs::exists(fs::symlink_status(current, ec)))
        fs::rename(legacy, current, ec);
}
