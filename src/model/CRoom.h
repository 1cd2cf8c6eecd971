#pragma once
// The document of the editor: one room plan with its objects and its outline.

#include "base/Colour.h"
#include "model/CBackground.h"
#include "model/CPart.h"
#include "model/CRoomWalls.h"
#include "platform/TextCodec.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CIniFile;
enum class ReadFailure;

class CRoom {
public:
    CRoom() { Reset(); }

    // Every field back to the default of a new room; the unit comes from the options.
    void Reset();

    // A slot for a new object: the first free one unless append is set or none is free, in
    // which case a slot is appended. The slot is reset and not yet in use.
    CPart& AddPart(int* index = nullptr, bool append = false);
    void RemovePart(int index);
    void ClearParts() { Parts.clear(); }
    int PartCount() const { return static_cast<int>(Parts.size()); }
    void BringToFront(int index);
    void SendToBack(int index);

    // The topmost object under a point in device pixels relative to the room origin; -1 if none.
    int PartAt(int32_t x, int32_t y, double zoom) const;
    // The first object in drawing order that holds a plan point; -1 if none.
    int FirstPartAt(int32_t x, int32_t y) const;
    void InvalidateParts();
    void SnapAllToWalls();

    // The drawn extent, room and margins.
    int64_t TotalWidth() const { return int64_t{Width} + SpaceAround[0] + SpaceAround[2]; }
    int64_t TotalHeight() const { return int64_t{Height} + SpaceAround[1] + SpaceAround[3]; }

    int32_t ToCentimetres(int32_t length) const;
    int32_t FromCentimetres(int32_t centimetres) const;

    // Writes the whole room in its Encoding, or in UTF-8 once its text no longer fits that,
    // and returns the encoding written, which the document then is in. Throws FileWriteError
    // and leaves an existing file unharmed.
    TextEncoding Save(const std::string& fileName) const;
    // Replaces the room by the file's content and records the file's encoding; the hint
    // settles which code page a file in neither UTF-8 nor UTF-16 is in when its letters do
    // not. Returns false, leaving the room as it was, when the file cannot be read or holds
    // no room (no "Room" section, no outline and no object); `failure` then says why. A room
    // too large for memory throws std::bad_alloc, and the room is left as it was then too.
    bool Load(const std::string& fileName, CodePageHint hint = CodePageHint::Western,
              ReadFailure* failure = nullptr);
    // The room as the sections of a room file, and back; reading starts from a new room. The
    // folder is the room file's, against which the background's path is relative; with none
    // that path is kept as it is.
    void Write(CIniFile& ini, const std::string& folder = {}) const;
    void Read(const CIniFile& ini, const std::string& folder = {});

    int32_t Width;
    int32_t Height;
    Colour Color;  // the floor
    Colour GridColor;
    Colour WallsColor;
    int32_t GridSize;  // below 1: no grid
    int32_t WallThickness;
    int32_t WallZHeight;
    std::array<int32_t, 4> SpaceAround;  // left, top, right, bottom
    int32_t Unit = 0;
    std::string UnitName;
    int32_t UserCoordOriginX;
    int32_t UserCoordOriginY;
    bool UserCoord;
    std::array<int32_t, 3> Start3D;  // x, y, direction in degrees
    std::vector<CPart> Parts;        // drawing order: index 0 lies lowest
    CRoomWalls Walls;
    CBackground Background;
    bool Modified;
    // The encoding of the room's file; UTF-8 for a new room.
    TextEncoding Encoding;
};
