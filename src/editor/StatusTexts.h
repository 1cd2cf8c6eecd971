#pragma once
// The texts in which the main window reports its state: the status-bar panels, the window
// title and the About box, in the current interface language.

#include "base/Geometry.h"
#include "base/NumberText.h"

#include <string>

class CRoom;

// "Room: 500×400 cm".
std::string RoomPanelText(const CRoom& room);

// "150,000.0 cm²": the floor area inside the walls in the room's unit squared; empty when the
// walls do not close around a floor.
std::string AreaPanelText(const CRoom& room, const NumberPunctuation& punctuation = {});

// "Floor area: 150,000.0 cm²\nPerimeter: 1,600.0 cm"; empty when the walls do not close.
std::string FloorText(const CRoom& room, const NumberPunctuation& punctuation = {});

// " Position [cm]: 300, 200" for a room point; with local coordinates on, measured from their
// origin and followed by " L".
std::string PositionPanelText(const CRoom& room, Point roomPoint);

// "Zoom: 133%", the percentage truncated.
std::string ZoomPanelText(double zoom);

// "Measurement: 1,234.50cm": the length rounded to 7 significant digits and shown with 2
// decimals and grouped thousands. Empty when there is no measurement (a negative length).
std::string MeasurePanelText(double length, const std::string& unitName,
                             const NumberPunctuation& punctuation = {});

// "Planzeta - [/path/room.mst*]": the room's file or "untitled", and "*" when it was changed.
std::string WindowTitle(const std::string& fileName, bool modified);

std::string AboutText();
