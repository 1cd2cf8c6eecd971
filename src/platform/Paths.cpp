#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback under home.
fs::path XdgFolder(const char* variable, const char* fallbackUnderHome)
{
    const fs::path set = Environment(variable);
    if (set.is_absolute())
        return set;
    std::string home = Environment("HOME");
    if (home.empty())
        home = fs::temp_directory_path().string();
    return fs::path(home) / fallbackUnderHome;
}

fs::path ExecutableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

}  // namespace

std::string DataFolder()
{
    const std::string set = Environment("PLANZETA_DATA_DIR");
    if (!set.empty())
        return set;
    const fs::path exeDir = ExecutableFolder();
    std::error_code ec;
    if (fs::is_directory(exeDir / "data", ec))
        return (exeDir / "data").string();
    return (exeDir.parent_path() / "share" / "planzeta").string();
}

std::string UserDataFolder()
{
    return (XdgFolder("XDG_DATA_HOME", ".local/share") / "planzeta").string();
}

std::string SettingsFilePath()
{
    return (XdgFolder("XDG_CONFIG_HOME", ".config") / "Kelvora" / "Planzeta.ini").string();
}

std::string PrivateTempFolder()
{
    const fs::path runtime = Environment("XDG_RUNTIME_DIR");
    const fs::path folder = runtime.is_absolute()
                                ? runtime / "planzeta"
                                : fs::temp_directory_path() / ("planzeta-" + std::to_string(::getuid()));
    ::mkdir(folder.c_str(), 0700);
    // lstat: a link planted under the name is not followed.
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return folder.string();
}

bool EnsureFolder(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return true;
    fs::create_directories(path, ec);
    if (ec)
        return false;
    fs::permissions(path, fs::perms::owner_all, ec);
    return true;
}
