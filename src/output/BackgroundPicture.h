#pragma once
// Decoding the picture under a room's plan. Only a regular file of at most 64 MB is read, and
// a picture of more than MaxBackgroundPixels is refused before it is decoded, so that a
// hostile or mistaken file costs neither a hang nor the memory of the machine.

#include <cstdint>
#include <optional>
#include <string>

class CBackground;

// 64 megapixels take 256 MB decoded: an A1 plan scanned at 300 dots per inch still fits.
inline constexpr int64_t MaxBackgroundPixels = 64'000'000;

// Decodes the picture the background names into it. Nothing when it was decoded or there is
// no background, else the message for the user, naming the file and the reason. A background
// whose picture cannot be decoded keeps its description, so that saving keeps it.
std::optional<std::string> DecodeBackgroundPicture(CBackground& background);

// The open dialog's filter of every picture format that can be decoded.
std::string PictureFilter();
