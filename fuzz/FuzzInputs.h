#pragma once
// The entry functions of the fuzz targets: each feeds one file's bytes to a reader of outside
// data and then uses what was read as the editor would. The test suite runs the same
// functions over the corpus and the regression files, so a finding stays fixed.

#include <string>
#include <string_view>

class Canvas;
class CRoom;

// The bytes as a file of the given name in a scratch folder of this process; returns its path.
std::string WriteScratchFile(std::string_view name, std::string_view bytes);

// Reads the bytes as a room file and snaps doors and windows to their walls, as the editor
// does on opening one; false when the reader refused them.
bool LoadRoomFromBytes(std::string_view bytes, CRoom& room);
// Draws the whole room at the zooms 1, 0.05 and 4 as the editor's view does, with the
// canvas showing the top left of the plan.
void DrawAtFuzzZooms(CRoom& room, Canvas& canvas);

void FuzzRoomFile(std::string_view bytes);  // drawn on the recording canvas
void FuzzCatalogueFile(std::string_view bytes);
void FuzzLanguageFile(std::string_view bytes);
void FuzzSettingsFile(std::string_view bytes);
