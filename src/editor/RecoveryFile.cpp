#include "editor/RecoveryFile.h"

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string LockPath(const std::string& recoveryFile)
{
    return recoveryFile + ".lock";
}

void MakePrivateFolder(const std::string& folder)
{
    EnsureFolder(folder);
    // A folder made earlier, or by hand, may let others in.
    ::chmod(folder.c_str(), 0700);
}

// Whether an editor holds the file's lock, without keeping it.
bool IsLocked(const std::string& recoveryFile)
{
    const Descriptor fd(::open(LockPath(recoveryFile).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    return fd.get() >= 0 && ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0;
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
    MakePrivateFolder(fs::path(path).parent_path().string());
    WriteFileAtomically(path, text);
    ::chmod(path.c_str(), 0600);
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
        if (owner && !timeError && !IsLocked(it->path().string()))
            found.emplace_back(time, it->path().string());
    }
    std::sort(found.begin(), found.end(), std::greater<>());
    std::vector<std::string> paths;
    for (auto& [time, path] : found)
        paths.push_back(std::move(path));
    return paths;
}

std::optional<RecoveryLock> RecoveryLock::Claim(const std::string& recoveryFile)
{
    MakePrivateFolder(fs::path(recoveryFile).parent_path().string());
    Descriptor fd(::open(LockPath(recoveryFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return std::nullopt;
    return RecoveryLock(recoveryFile, std::move(fd));
}

void RecoveryLock::RemoveFile()
{
    std::remove(file_.c_str());
    std::remove(LockPath(file_).c_str());
}
