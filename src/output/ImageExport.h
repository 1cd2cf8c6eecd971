#pragma once
// The plan as a picture: the whole room with its margins rendered into an image at a zoom,
// optionally captioned, and saved as a bitmap file.

#include <QDate>
#include <QImage>

#include <cstdint>
#include <stdexcept>
#include <string>

class CRoom;
class QPainter;
class QSizeF;

// A room that cannot be made into a picture; what() is the message shown to the user.
class ImageExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ImageExportOptions {
    double zoom = 1.0;   // pixels per room unit of the picture's layout
    double scale = 1.0;  // picture pixels per pixel of the layout: 2 draws the same picture twice as fine
    bool showGrid = true;
    bool showCaptions = true;
    bool showCollisions = false;
    bool floorOnly = false;  // only the floor with the white around it, for a picture that adds the rest
};

// Renders the room, margins included, without the background cache, into an image whose
// device pixel ratio is the scale. The room is left
// prepared for the export's view, so the editor prepares its own view again afterwards.
// Throws ImageExportError when the room has no area or the picture would be larger than
// MaxImageSide and MaxImagePixels allow.
QImage RenderRoomImage(CRoom& room, const ImageExportOptions& options);

// The caption of an exported picture: "Room: <title> (<width>×<height> <unit>), created:
// <day>.<month>.<year>", in the current language. The title is empty for an untitled room.
std::string InfoText(const CRoom& room, const std::string& title, QDate date);

// Writes the text in the picture's bottom-left corner, in black on what is there.
void DrawInfoText(QImage& image, const std::string& text);
// The same on a painter whose picture has that size.
void DrawInfoText(QPainter& painter, const QSizeF& size, const std::string& text);

// Saves the image as PNG when the name ends in ".png" (in any case), else as BMP. An
// existing file is replaced only once the whole picture is written. Throws FileWriteError.
void SaveImage(const QImage& image, const std::string& fileName);
