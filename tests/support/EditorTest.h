#pragma once
// Tests that drive whole editor windows: a private home, questions and file choosers answered
// by a script that must be used up by the end, and room files written into the home's rooms
// folder.

#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <string>

class EditorTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(prompts.buttons.empty()) << "a question the test expected was not asked";
        EXPECT_TRUE(prompts.fileNames.empty()) << "a file chooser the test expected was not shown";
    }

    // A room file in the rooms folder; returns its full path.
    std::string WriteRoom(const std::string& name, int width = 480, int height = 360, int margin = 35) const
    {
        const std::string path = home.rooms + "/" + name;
        TempDir::WriteFile(path, "[Room]\r\nFileVersion=300\r\nWidth=" + std::to_string(width) + "\r\nHeight=" +
                                     std::to_string(height) + "\r\nUnit=cm\r\nSpaceAround=" + std::to_string(margin) +
                                     "\r\n");
        return path;
    }

    EditorHome home;
    ScriptedPrompts prompts;
};

// What a panel of the main window's status bar shows.
inline QString Panel(QWidget& window, int index)
{
    return Control<QLabel>(window, ("StatusPanel" + std::to_string(index)).c_str())->text();
}
