#pragma once
// Recovery files: a copy of a room with unsaved changes that the editor keeps in the user's
// data folder while it runs, so that the changes survive the editor being stopped. Each
// running editor has a file of its own, named after its process, and holds a lock beside it
// for as long as it runs: a file whose lock nobody holds was left by an editor that did not
// close normally, whatever process now has its number.
//
// A recovery file is a room file with one more section that names the room's own file and the
// time of the copy, so it opens like any room file should it have to be rescued by hand.

#include "model/CRoom.h"
#include "platform/FileDescriptor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RecoveredRoom {
    CRoom room;
    std::string fileName;  // the room's own file; empty for a room never saved
    int64_t savedAt = 0;   // seconds since the epoch
};

// "recovery" in the user's data folder.
std::string RecoveryFolder();
// The recovery file of the editor running as process `pid`.
std::string RecoveryFilePath(const std::string& folder, int64_t pid);

// The text a recovery file holds.
std::string RecoveryFileText(const CRoom& room, const std::string& fileName, int64_t savedAt);
// Writes it with the safe write, readable only by the user, creating the folder or making it
// private; throws FileWriteError.
void WriteRecoveryFile(const std::string& path, const std::string& text);
// Nothing when the file is missing or holds no room.
std::optional<RecoveredRoom> ReadRecoveryFile(const std::string& path);

// The recovery files in the folder whose lock nobody holds, newest first.
std::vector<std::string> OrphanedRecoveryFiles(const std::string& folder);

// The lock of a recovery file, held by the one editor that writes or restores it; released
// when this object goes.
class RecoveryLock {
public:
    // The lock, when no other holds it; creates the folder when missing.
    static std::optional<RecoveryLock> Claim(const std::string& recoveryFile);
    // Removes the recovery file and then its lock, which another editor may not claim again.
    void RemoveFile();

private:
    RecoveryLock(std::string file, Descriptor lock) : file_(std::move(file)), lock_(std::move(lock)) {}
    std::string file_;
    Descriptor lock_;  // holds the lock while it is open
};
