#pragma once
// The room target drawn through the Qt canvas on a bounded image.

#include <string_view>

void FuzzRoomFileOnQtCanvas(std::string_view bytes);
