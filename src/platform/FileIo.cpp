#include "platform/FileIo.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

FileWriteError::FileWriteError(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName), fileName_(fileName)
{
}

namespace {

std::function<int(WriteStep)>& FaultHook()
{
    static std::function<int(WriteStep)> hook;
    return hook;
}

// False, with errno set, when the hook fails the step.
bool Proceed(WriteStep step)
{
    const int error = FaultHook() ? FaultHook()(step) : 0;
    errno = error;
    return error == 0;
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the close succeeded, which matters after writing.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool WriteBytes(int fd, std::string_view bytes)
{
    if (Proceed(WriteStep::WriteBytes))
        return WriteAll(fd, bytes);
    const int error = errno;
    WriteAll(fd, bytes.substr(0, bytes.size() / 2));
    errno = error;
    return false;
}

fs::path ResolveTarget(const std::string& path)
{
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            return resolved;
    }
    return target;
}

// Creates a file of a fresh name in the folder; the umask applies to its permissions.
int CreateTemporaryBeside(const fs::path& target, fs::path& tempPath)
{
    std::mt19937_64 random(static_cast<uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += ".tmp" + std::to_string(random() % 1000000000);
        if (!Proceed(WriteStep::CreateTemporary))
            return -1;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const fs::path& folder)
{
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const fs::path target = ResolveTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // Root may write anyway, but a file its owner marked read-only is not ours to replace.
    if (exists && (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        throw FileWriteError(path);

    fs::path tempPath;
    Descriptor fd(CreateTemporaryBeside(target, tempPath));
    if (fd.get() < 0)
        throw FileWriteError(path);
    bool ok = WriteBytes(fd.get(), bytes);
    if (ok && exists)
        ok = Proceed(WriteStep::CopyPermissions) && ::fchmod(fd.get(), st.st_mode & 07777) == 0;
    ok = ok && Proceed(WriteStep::Sync) && ::fsync(fd.get()) == 0;
    ok = fd.close() && Proceed(WriteStep::Close) && ok;
    ok = ok && Proceed(WriteStep::Rename) && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        throw FileWriteError(path);
    }
    SyncFolder(target.parent_path());
}

void SetWriteFaultHook(std::function<int(WriteStep)> hook)
{
    FaultHook() = std::move(hook);
}
