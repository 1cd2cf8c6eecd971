#include "editor/RecoveryFile.h"

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>

#include <signal.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Prefix = "unsaved-";
constexpr std::string_view Extension = ".mst";
constexpr std::string_view RecoverySection = "Recovery";

// The process a recovery file belongs to, from its name; nothing for any other file.
std::optional<int64_t> OwnerOf(const fs::path& file)
{
    const std::string name = file.filename().string();
    if (!name.starts_with(Prefix) || !name.ends_with(Extension))
        return std::nullopt;
    const char* first = name.data() + Prefix.size();
    const char* last = name.data() + name.size() - Extension.size();
    int64_t pid = 0;
    const auto [end, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || end != last || pid <= 0)
        return std::nullopt;
    return pid;
}

bool IsRunning(int64_t pid)
{
    // A process of another user still counts as running (EPERM).
    return pid <= INT32_MAX && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

std::string RecoveryFolder()
{
    return (fs::path(UserDataFolder()) / "recovery").string();
}

std::string RecoveryFilePath(const std::string& folder, int64_t pid)
{
    return (fs::path(folder) / (std::string(Prefix) + std::to_string(pid) + std::string(Extension))).string();
}

std::string RecoveryFileText(const CRoom& room, const std::string& fileName, int64_t savedAt)
{
    CIniFile ini;
    room.Write(ini);
    ini.WriteString(RecoverySection, "FileName", fileName);
    ini.WriteString(RecoverySection, "SavedAt", std::to_string(savedAt));
    // The restored room is saved back in its file's encoding, as it would have been.
    ini.WriteInteger(RecoverySection, "Encoding", static_cast<int>(room.Encoding));
    return ini.Text();
}

void WriteRecoveryFile(const std::string& path, const std::string& text)
{
    EnsureFolder(fs::path(path).parent_path().string());
    WriteFileAtomically(path, text);
}

std::optional<RecoveredRoom> ReadRecoveryFile(const std::string& path)
{
    const std::optional<CIniFile> ini = CIniFile::Read(path);
    if (!ini || !ini->HasSection("Room"))
        return std::nullopt;
    RecoveredRoom recovered;
    recovered.room.Read(*ini);
    recovered.room.Modified = true;
    recovered.fileName = ini->ReadString(RecoverySection, "FileName", "");
    const int encoding = ini->ReadInteger(RecoverySection, "Encoding", 0);
    if (encoding >= 0 && encoding <= static_cast<int>(TextEncoding::Windows1252))
        recovered.room.Encoding = static_cast<TextEncoding>(encoding);
    const std::string savedAt = ini->ReadString(RecoverySection, "SavedAt", "0");
    std::from_chars(savedAt.data(), savedAt.data() + savedAt.size(), recovered.savedAt);
    return recovered;
}

std::vector<std::string> OrphanedRecoveryFiles(const std::string& folder)
{
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<int64_t> owner = OwnerOf(it->path());
        std::error_code timeError;
        const fs::file_time_type time = it->last_write_time(timeError);
        if (owner && !IsRunning(*owner) && !timeError)
            found.emplace_back(time, it->path().string());
    }
    std::sort(found.begin(), found.end(), std::greater<>());
    std::vector<std::string> paths;
    for (auto& [time, path] : found)
        paths.push_back(std::move(path));
    return paths;
}
