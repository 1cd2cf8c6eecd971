#pragma once
// The texts the print dialog fills in by itself, in the current interface language.

#include "base/NumberText.h"

#include <string>

class CRoom;

// The room file's name without folder and extension; for an untitled room "Room (untitled)".
std::string DefaultPrintTitle(const std::string& fileName);

// "Room dimensions: 500×400 cm".
std::string RoomDimensionsNote(const CRoom& room);

// "(max 1 : 31.99)", where `maxWord` is the dialog's own word for the maximum.
std::string MaxScaleText(const std::string& maxWord, double maxScale, const NumberPunctuation& punctuation);
