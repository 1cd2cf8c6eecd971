#pragma once
// Reading whole files, and replacing files so that a failed write never destroys them.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/types.h>

// A file that could not be written; what() is the message shown to the user.
class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

// Input files are refused above this size: a room is kilobytes, a catalogue or language file
// well under a megabyte, and the reading of a larger file would take memory for nothing.
inline constexpr uintmax_t MaxInputFileSize = 64u << 20;

// Why a file could not be read as what it was opened for.
enum class ReadFailure { Unreadable, NotRegularFile, TooLarge, WrongContent, NotText, DamagedUtf16 };

// The file's bytes, or nothing when it is missing, not readable, not a regular file (a pipe
// or a device is never waited on) or larger than MaxInputFileSize; `failure` then says why.
std::optional<std::string> ReadWholeFile(const std::string& path, ReadFailure* failure = nullptr);

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over
// the target, so that the target holds either its old or its new content. A target the user
// may not write, or whose folder the user may not write, is left alone, as is one that is
// read-only. A symbolic link is followed and its target replaced, unless MayFollowLink
// forbids it; a link to nothing creates the file it names. The new file is readable only by
// the user until it is complete; then it takes the permissions of the file it replaces, or
// those the umask gives a new file. Throws FileWriteError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same for content made in pieces, such as an encoded picture, which need not be held
// whole: `produce` hands each piece to the function it is given, which returns false once the
// write fails, and returns whether it could make all of the content.
using ByteSink = std::function<bool(std::string_view)>;
void WriteFileAtomically(const std::string& path, const std::function<bool(const ByteSink&)>& produce);

// The system's rule for links in folders where anyone may create files but only remove their
// own (such as /tmp): a link there is followed only when it belongs to the user or to the
// folder's owner, so that nobody can plant one that turns the user's write onto another file.
bool MayFollowLink(uid_t linkOwner, uid_t folderOwner, mode_t folderMode, uid_t user);

// Whether two names lead to the same existing file, through links too.
bool IsSameFile(const std::string& a, const std::string& b);

// For command-line runs and the editor: SIGTERM, SIGINT or SIGHUP during a write removes the
// temporary file before the signal ends the process.
void RemoveTemporaryFilesOnSignals();

// The steps of WriteFileAtomically, in the order it takes them.
enum class WriteStep { CreateTemporary, WriteBytes, CopyPermissions, Sync, Close, Rename };

// For tests of failures the system rarely shows on demand (a full disk, a refused create, the
// process killed halfway): consulted before each step of every write, a hook that returns an
// errno value makes that step fail with it; writing the bytes then stops halfway, as on a
// full disk. An empty function removes the hook.
void SetWriteFaultHook(std::function<int(WriteStep)> hook);
