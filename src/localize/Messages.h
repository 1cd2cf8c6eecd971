#pragma once
// The program's messages: their numbers in a language file's "Messages" section, their
// English texts, and the text in the language now in use.

#include <string>
#include <string_view>

enum class ReadFailure;
class CALocalize;

enum MessageId : int {
    MsgOk = 1,
    MsgCancel = 2,
    MsgClose = 3,
    MsgHelp = 4,
    MsgSaveChanges = 5,
    MsgClosingRoom = 6,
    MsgCreated = 7,
    MsgUntitled = 8,
    MsgBlankCaption = 9,
    MsgOverwriteObject = 11,
    MsgObject = 13,
    MsgDoor = 14,
    MsgEllipse = 15,
    MsgRectangle = 16,
    MsgRoom = 17,
    MsgPosition = 19,
    MsgZoom = 20,
    MsgOpenRoomTitle = 21,
    MsgSaveRoomTitle = 22,
    MsgSaveImageTitle = 23,
    MsgAbout = 25,
    MsgVersion = 26,
    MsgCannotReadFile = 27,
    MsgCannotOpenFile = 28,
    MsgWindow = 30,
    MsgNewerVersion = 32,
    MsgWarning = 33,
    MsgError = 34,
    MsgFirstRun = 35,
    MsgWallIncomplete = 36,
    MsgDiffer = 37,
    MsgResetWalls = 38,
    MsgSizeFromWalls = 39,
    MsgTriangle = 40,
    MsgRoomDimensions = 41,
    MsgMeasurement = 42,
    MsgLengthIs = 43,
    MsgLabel = 44,
    MsgFromLibrary = 45,
    MsgCircle = 46,
    MsgHexagon = 47,
    Msg3D = 48,
    MsgStart = 49,
    MsgFrontView = 50,
    MsgLeftView = 51,
    MsgBackView = 52,
    MsgRightView = 53,
    MsgCenterView = 54,
    // Recovery of unsaved work after the editor stopped unexpectedly.
    MsgRecoverTitle = 55,
    MsgRecoverQuestion = 56,
    MsgRecoverFailed = 57,
    // Editing on the plan, and pictures of it.
    MsgPlacingHint = 60,
    MsgNoAreaToDraw = 61,
    MsgPictureTooLarge = 62,
    MsgNoMemoryForPicture = 63,
    MsgPrinterNotStarted = 64,
    // Why a file could not be opened, beyond message 27.
    MsgNotRegularFile = 80,
    MsgFileTooLarge = 81,
    MsgNoRoomInFile = 82,
    MsgOutOfMemory = 83,
    // Files that are not text in an encoding the reader knows.
    MsgNotTextFile = 100,
    MsgDamagedUtf16 = 101,
    // The floor of the room.
    MsgFloorArea = 110,
    MsgPerimeter = 111,
    // Kinds of picture offered by Save As Image, beyond PNG and BMP at their plain size.
    MsgPngTwiceFilter = 112,
    MsgPngFourTimesFilter = 113,
    MsgSvgFilter = 114,
    // The background picture under the plan.
    MsgBackgroundNotShown = 140,
    MsgBackgroundTooLarge = 141,
    MsgBackgroundDamaged = 142,
    MsgBackgroundFileTooLarge = 143,
    MsgOpenBackgroundTitle = 144,
    MsgPictureFiles = 145,
    MsgCalibrateFirstPoint = 146,
    MsgCalibrateSecondPoint = 147,
    MsgBackgroundMoveHint = 148,
    MsgCalibrationRefused = 149,
    // Drawing the walls on the plan.
    MsgDrawWallsHint = 160,
    MsgDrawWallsLength = 161,
    MsgDrawWallsRefused = 162,
    MsgCornerHint = 163,
};

// The English text of a message, with line breaks as "\n"; empty for an unknown number.
std::string_view EnglishMessage(int id);

// The localizer whose language the program speaks; nullptr for the built-in English. The
// caller keeps it alive until it is replaced or reset.
void SetCurrentLocalizer(const CALocalize* localizer);
const CALocalize* CurrentLocalizer();

// A message in the current language, or in English when it has no text for it.
std::string Msg(int id);

// Why a file could not be read, and its name on the next line.
std::string CannotReadText(ReadFailure failure, const std::string& path);
