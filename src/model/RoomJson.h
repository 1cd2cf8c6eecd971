#pragma once
// The room as one JSON object, for scripts and tests that inspect what a file holds.

#include <string>

class CRoom;

// Keys are the model's field names; colours and other numbers are plain integers, captions
// keep their CR LF, every slot is listed with its in-use flag.
std::string RoomToJson(const CRoom& room);
