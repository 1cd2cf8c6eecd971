#pragma once
// Recovery files: a copy of a room with unsaved changes that the editor keeps in the user's
// data folder while it runs, so that the changes survive the editor being stopped. Each
// running editor has a file of its own, named after its process; a file whose process is gone
// was left by an editor that did not close normally.
//
// A recovery file is a room file with one more section that names the room's own file and the
// time of the copy, so it opens like any room file should it have to be rescued by hand.

#include "model/CRoom.h"

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
// Writes it with the safe write, creating the folder; throws FileWriteError.
void WriteRecoveryFile(const std::string& path, const std::string& text);
// Nothing when the file is missing or holds no room.
std::optional<RecoveredRoom> ReadRecoveryFile(const std::string& path);

// The recovery files in the folder whose editor is no longer running, newest first.
std::vector<std::string> OrphanedRecoveryFiles(const std::string& folder);
