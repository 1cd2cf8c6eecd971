// The room target drawn through the Qt canvas, over the room seeds and its own findings.

#include "FuzzFiles.h"
#include "FuzzQtRoom.h"

#include <gtest/gtest.h>

TEST(FuzzQtRegressions, EveryKeptRoomIsDrawn)
{
    const std::vector<FuzzFile> files = FuzzFiles("room_qt", "room");
    ASSERT_FALSE(files.empty());
    for (const FuzzFile& file : files) {
        SCOPED_TRACE(file.path);
        FuzzRoomFileOnQtCanvas(file.bytes);
    }
}
