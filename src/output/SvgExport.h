#pragma once
// The plan as an SVG drawing: walls, grid, objects and captions as shapes and text, which a
// document or a vector editor takes without loss, over the floor as a picture.

#include <string>

class CRoom;
struct ImageExportOptions;

// Whether the name ends in ".svg", in any case.
bool IsSvgName(const std::string& fileName);

// Writes the room, margins included, one unit of the drawing per pixel of the picture's layout;
// the floor picture under the shapes is drawn `options.scale` times as fine. The caption, when
// not empty, goes into the bottom-left corner as the picture export writes it. An existing
// file is replaced only once the whole drawing is written. The room is left prepared for the
// drawing's view. Throws ImageExportError or FileWriteError.
void SaveSvg(CRoom& room, const ImageExportOptions& options, const std::string& caption, const std::string& fileName);
