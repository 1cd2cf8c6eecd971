#include "localize/Messages.h"

#include "localize/CALocalize.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <array>

namespace {

struct MessageText {
    int id;
    std::string_view english;
};

constexpr std::array<MessageText, 81> EnglishTexts = {{
    {MsgOk, "OK"},
    {MsgCancel, "Cancel"},
    {MsgClose, "Close"},
    {MsgHelp, "Help"},
    {MsgSaveChanges, "The room was changed but it is not saved in the file.\nDo you want to save it?"},
    {MsgClosingRoom, "Closing room"},
    {MsgCreated, "created"},
    {MsgUntitled, "untitled"},
    {MsgBlankCaption, "Caption (name) of the object cannot be blank!"},
    {MsgOverwriteObject, "There is already an object with this name.\nDo you want to overwrite it?"},
    {MsgObject, "Object"},
    {MsgDoor, "Door"},
    {MsgEllipse, "Ellipse"},
    {MsgRectangle, "Rectangle"},
    {MsgRoom, "Room"},
    {MsgPosition, "Position"},
    {MsgZoom, "Zoom"},
    {MsgOpenRoomTitle, "Open saved room"},
    {MsgSaveRoomTitle, "Save room into the file"},
    {MsgSaveImageTitle, "Save as image"},
    {MsgAbout, "About"},
    {MsgVersion, "version"},
    {MsgCannotReadFile, "The file doesn't exist or you don't have the permission to read it."},
    {MsgCannotOpenFile, "Cannot open file"},
    {MsgWindow, "Window"},
    {MsgNewerVersion,
     "The file was created using a higher version of Planzeta.\nThe room and objects can be incorrect!"},
    {MsgWarning, "Warning"},
    {MsgError, "Error"},
    {MsgFirstRun,
     "This is the first time you run this version of Planzeta.\n"
     "Please check What's new file (in Start menu) or Help file to find\n"
     "how to create or improve your drawings using this version."},
    {MsgWallIncomplete, "You must enter both wall coordinates and its thickness."},
    {MsgDiffer, "differ."},
    {MsgResetWalls,
     "You changed size of the room with user-defined walls.\n"
     "This will return walls back to the rectangular shape.\nDo you want to continue?"},
    {MsgSizeFromWalls, "Width and height were changed back to correspond room walls."},
    {MsgTriangle, "Triangle"},
    {MsgRoomDimensions, "Room dimensions"},
    {MsgMeasurement, "Measurement"},
    {MsgLengthIs, "The length is"},
    {MsgLabel, "Label"},
    {MsgFromLibrary, "From library"},
    {MsgCircle, "Circle"},
    {MsgHexagon, "Hexagon"},
    {Msg3D, "3D"},
    {MsgStart, "Start"},
    {MsgFrontView, "Front View"},
    {MsgLeftView, "Left View"},
    {MsgBackView, "Back View"},
    {MsgRightView, "Right View"},
    {MsgCenterView, "Center View"},
    {MsgRecoverTitle, "Recover unsaved work"},
    {MsgRecoverQuestion,
     "Planzeta was stopped without saving the room %s.\n"
     "Its changes up to %s were kept.\n\nDo you want to restore them?"},
    {MsgRecoverFailed, "The unsaved work could not be restored."},
    {MsgPlacingHint, "Click to place the object, Esc cancels"},
    {MsgNoAreaToDraw, "The room has no area to draw."},
    {MsgPictureTooLarge,
     "The picture would be %s × %s pixels; the largest that can be exported is %s pixels on a side and %s "
     "megapixels. Choose a smaller zoom."},
    {MsgNoMemoryForPicture, "There is not enough memory for a picture of %s × %s pixels."},
    {MsgPrinterNotStarted, "The printer could not be started."},
    {MsgNotRegularFile, "It is not a regular file: a folder, a pipe or a device cannot be opened."},
    {MsgFileTooLarge, "The file is larger than 64 MB, far more than any room holds."},
    {MsgNoRoomInFile, "The file holds no room: it has neither a [Room] section nor objects."},
    {MsgOutOfMemory, "There is not enough memory to open the file."},
    {MsgNotTextFile, "The file is not a text file: it holds null bytes."},
    {MsgDamagedUtf16, "The file is marked as UTF-16 text, but its text is damaged."},
    {MsgFloorArea, "Floor area"},
    {MsgPerimeter, "Perimeter"},
    {MsgPngTwiceFilter, "PNG images at twice the resolution (*.png)"},
    {MsgPngFourTimesFilter, "PNG images at four times the resolution (*.png)"},
    {MsgSvgFilter, "SVG drawings (*.svg)"},
    {MsgBackgroundNotShown, "The background picture cannot be shown:\n%s\n%s"},
    {MsgBackgroundTooLarge,
     "The picture is %s × %s pixels; the largest that can be shown has %s megapixels. Scan it at a lower "
     "resolution."},
    {MsgBackgroundDamaged, "The picture is damaged, incomplete or in a format that cannot be read."},
    {MsgBackgroundFileTooLarge, "The picture file is larger than 64 MB."},
    {MsgOpenBackgroundTitle, "Open background picture"},
    {MsgPictureFiles, "Pictures"},
    {MsgCalibrateFirstPoint,
     "Click the first of two points on the picture whose distance you know; Enter types the values, Esc "
     "cancels"},
    {MsgCalibrateSecondPoint, "Click the second point; Esc cancels"},
    {MsgBackgroundMoveHint, "Ctrl+Shift+drag moves the background picture"},
    {MsgCalibrationRefused, "Type numbers: a distance greater than 0, and an opacity from 0 to 100."},
    {MsgDrawWallsHint, "Click the corners; Return closes. Shift: 45°. Type a length. Esc: cancel"},
    {MsgDrawWallsLength, "Length of this side: %s %s. Return fixes it, Backspace corrects it"},
    {MsgDrawWallsRefused, "Not there: walls may not cross, and the walls need three corners around a floor"},
    {MsgCornerHint, "Drag to move this corner of the walls"},
}};

const CALocalize* Current = nullptr;

}  // namespace

std::string_view EnglishMessage(int id)
{
    const auto it = std::find_if(EnglishTexts.begin(), EnglishTexts.end(),
                                 [id](const MessageText& message) { return message.id == id; });
    return it == EnglishTexts.end() ? std::string_view() : it->english;
}

void SetCurrentLocalizer(const CALocalize* localizer)
{
    Current = localizer;
}

const CALocalize* CurrentLocalizer()
{
    return Current;
}

std::string Msg(int id)
{
    const std::string_view english = EnglishMessage(id);
    return Current ? Current->Message(id, english) : std::string(english);
}

std::string CannotReadText(ReadFailure failure, const std::string& path)
{
    return [failure] {
        switch (failure) {
        case ReadFailure::NotRegularFile:
            return Msg(MsgNotRegularFile);
        case ReadFailure::TooLarge:
            return Msg(MsgFileTooLarge);
        case ReadFailure::WrongContent:
            return Msg(MsgNoRoomInFile);
        case ReadFailure::NotText:
            return Msg(MsgNotTextFile);
        case ReadFailure::DamagedUtf16:
            return Msg(MsgDamagedUtf16);
        case ReadFailure::Unreadable:
            break;
        }
        return Msg(MsgCannotReadFile);
    }() + "\n" + path;
}
