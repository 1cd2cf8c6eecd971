#pragma once
// Reading whole files, and replacing files so that a failed write never destroys them.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A file that could not be written; what() is the message shown to the user.
class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

// The file's bytes, or nothing when it is missing, not a regular file or not readable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over
// the target, so that the target holds either its old or its new content. A target that is
// read-only is left alone. A symbolic link is followed and its target replaced. The new
// file keeps the permissions of the file it replaces. Throws FileWriteError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The steps of WriteFileAtomically, in the order it takes them.
enum class WriteStep { CreateTemporary, WriteBytes, CopyPermissions, Sync, Close, Rename };

// For tests of failures the system rarely shows on demand (a full disk, a refused create, the
// process killed halfway): consulted before each step of every write, a hook that returns an
// errno value makes that step fail with it; writing the bytes then stops halfway, as on a
// full disk. An empty function removes the hook.
void SetWriteFaultHook(std::function<int(WriteStep)> hook);
