#include "platform/FileIo.h"

#include "platform/FileDescriptor.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <future>
#include <random>

#include <climits>
#include <csignal>
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

// The file a name leads to once its links are followed. Nothing when a link may not be followed
// or the links go round in a loop. A link that leads nowhere leads to the file it names.
std::optional<fs::path> ResolveTarget(const std::string& path)
{
    constexpr int MaxLinks = 40;  // as many as the system follows
    fs::path target(path);
    for (int links = 0; links < MaxLinks; ++links) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return target;
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        struct stat dir {};
        if (::stat(folder.c_str(), &dir) != 0 || !MayFollowLink(link.st_uid, dir.st_uid, dir.st_mode, ::geteuid()))
            return std::nullopt;
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return std::nullopt;
        target = next.is_absolute() ? next : folder / next;
    }
    return std::nullopt;
}

// Root passes every access check, so a file its owner marked read-only is refused by its mode
// bits as well.
bool MayReplace(const fs::path& file, const struct stat& st)
{
    return S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(file.c_str(), W_OK) == 0;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file being written, for the signal handler; published once complete.
char pendingTemporary[PATH_MAX];
volatile sig_atomic_t temporaryPending = 0;

void RemovePendingTemporary(int signal)
{
    if (temporaryPending)
        ::unlink(pendingTemporary);
    ::raise(signal);  // the handler was reset, so the signal now ends the process
}

void SetPendingTemporary(const fs::path& path)
{
    temporaryPending = 0;
    if (path.native().size() >= sizeof pendingTemporary)
        return;
    std::copy_n(path.c_str(), path.native().size() + 1, pendingTemporary);
    temporaryPending = 1;
}

// Creates a file of a fresh name in the target's folder that only the user can read. The name
// is the target's, cut to leave room for the suffix within the system's limit.
int CreateTemporaryBeside(const fs::path& target, fs::path& tempPath)
{
    constexpr size_t SuffixLength = 13;  // ".tmp" and nine digits
    std::mt19937_64 random(static_cast<uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
    const std::string name = target.filename().string().substr(0, NAME_MAX - SuffixLength);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target.parent_path() / (name + ".tmp" + std::to_string(random() % 1000000000));
        if (!Proceed(WriteStep::CreateTemporary))
            return -1;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            SetPendingTemporary(tempPath);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes the pieces of a file in a thread of its own, one at a time, so that the next piece is
// made while this one is written; and has the system start putting each on the disk at once,
// so that the sync at the end finds most of a large file there already.
class OverlappedWrites {
public:
    explicit OverlappedWrites(int fd) : fd_(fd) {}
    ~OverlappedWrites() { Wait(); }
    OverlappedWrites(const OverlappedWrites&) = delete;
    OverlappedWrites& operator=(const OverlappedWrites&) = delete;

    // False once a piece could not be written.
    bool Write(std::string_view bytes)
    {
        if (!Wait())
            return false;
        piece_.assign(bytes);
        // Where no thread can be started, the piece is written when waited for.
        writing_ = std::async(std::launch::async | std::launch::deferred, [this] {
            if (!WriteBytes(fd_, piece_))
                return false;
#if defined(__linux__)
            ::sync_file_range(fd_, written_, static_cast<off_t>(piece_.size()), SYNC_FILE_RANGE_WRITE);
#endif
            written_ += static_cast<off_t>(piece_.size());
            return true;
        });
        return true;
    }

    // Waits for the piece being written; false when any could not be.
    bool Wait()
    {
        if (writing_.valid())
            ok_ = writing_.get() && ok_;
        return ok_;
    }

private:
    const int fd_;
    std::string piece_;
    off_t written_ = 0;
    std::future<bool> writing_;
    bool ok_ = true;
};

void SyncFolder(const fs::path& folder)
{
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

// The steps that replace a file safely around writing its content into a fresh temporary file.
void ReplaceFile(const std::string& path, const std::function<bool(int fd)>& writeContent)
{
    const std::optional<fs::path> target = ResolveTarget(path);
    if (!target)
        throw FileWriteError(path);
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    struct stat st {};
    const bool exists = ::stat(target->c_str(), &st) == 0;
    if ((exists && !MayReplace(*target, st)) || ::access(folder.c_str(), W_OK | X_OK) != 0)
        throw FileWriteError(path);

    fs::path tempPath;
    Descriptor fd(CreateTemporaryBeside(*target, tempPath));
    if (fd.get() < 0)
        throw FileWriteError(path);
    bool ok = writeContent(fd.get());
    ok = ok && Proceed(WriteStep::CopyPermissions) && ::fchmod(fd.get(), exists ? st.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && Proceed(WriteStep::Sync) && ::fsync(fd.get()) == 0;
    ok = fd.close() && Proceed(WriteStep::Close) && ok;
    ok = ok && Proceed(WriteStep::Rename) && ::rename(tempPath.c_str(), target->c_str()) == 0;
    if (!ok)
        ::unlink(tempPath.c_str());
    temporaryPending = 0;
    if (!ok)
        throw FileWriteError(path);
    SyncFolder(folder);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, ReadFailure* failure)
{
    const auto fail = [failure](ReadFailure why) {
        if (failure)
            *failure = why;
        return std::nullopt;
    };
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return fail(errno == ENXIO ? ReadFailure::NotRegularFile : ReadFailure::Unreadable);
    if (!S_ISREG(st.st_mode))
        return fail(ReadFailure::NotRegularFile);
    if (static_cast<uintmax_t>(st.st_size) > MaxInputFileSize)
        return fail(ReadFailure::TooLarge);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(ReadFailure::Unreadable);
        if (n == 0)
            return bytes;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<size_t>(n) > MaxInputFileSize)
            return fail(ReadFailure::TooLarge);
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    ReplaceFile(path, [bytes](int fd) { return WriteBytes(fd, bytes); });
}

void WriteFileAtomically(const std::string& path, const std::function<bool(const ByteSink&)>& produce)
{
    ReplaceFile(path, [&produce](int fd) {
        OverlappedWrites writes(fd);
        return produce([&writes](std::string_view piece) { return writes.Write(piece); }) && writes.Wait();
    });
}

bool MayFollowLink(uid_t linkOwner, uid_t folderOwner, mode_t folderMode, uid_t user)
{
    const bool shared = (folderMode & S_ISVTX) != 0 && (folderMode & S_IWOTH) != 0;
    return !shared || linkOwner == user || linkOwner == folderOwner;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

void RemoveTemporaryFilesOnSignals()
{
    struct sigaction action {};
    action.sa_handler = RemovePendingTemporary;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void SetWriteFaultHook(std::function<int(WriteStep)> hook)
{
    FaultHook() = std::move(hook);
}
