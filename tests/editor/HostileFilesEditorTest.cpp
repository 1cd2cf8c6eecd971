// Damaged and hostile room files opened in the editor as a user opens them: each opens with
// defaults or is refused with a message, and the editor goes on working with it.

#include "editor/TForm1.h"

#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QLabel>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class HostileFilesEditorTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(prompts.buttons.empty()) << "a question the test expected was not asked"; }

    QString Write(const std::string& name, const std::string& bytes)
    {
        TempDir::WriteFile(home.file(name), bytes);
        return QString::fromStdString(home.file(name));
    }

    // The editor still takes commands: it zooms the room it has, and a good room opens after
    // it and zooms in as usual.
    void ExpectUsable(TForm1& window)
    {
        window.findChild<QAction*>("Priblizit1")->trigger();
        EXPECT_TRUE(window.OpenRoomFile(Write("good.mst", "[Room]\nWidth=321\nHeight=123\n")));
        EXPECT_EQ(window.Room().Width, 321);
        window.findChild<QAction*>("Priblizit1")->trigger();
        EXPECT_EQ(window.findChild<QLabel*>("StatusPanel3")->text(), "Zoom: 130%");
    }

    EditorHome editorHome;
    const TempDir& home = editorHome.dir;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(HostileFilesEditorTest, AFolderNamedLikeARoomIsRefusedWithAMessage)
{
    std::filesystem::create_directory(home.file("folder.mst"));
    TForm1 window(prompts, {});
    prompts.buttons = {ButtonOk};
    EXPECT_FALSE(window.OpenRoomFile(QString::fromStdString(home.file("folder.mst"))));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].starts_with("Message Cannot open file: ")) << prompts.asked[0];
    EXPECT_NE(prompts.asked[0].find(home.file("folder.mst")), std::string::npos);
    prompts.buttons = {ButtonOk};
    EXPECT_FALSE(window.OpenRoomFile(Write("binary.mst", std::string("[Room]\0", 7))));
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_NE(prompts.asked[1].find("not a text file: it holds null bytes.\n" + home.file("binary.mst")),
              std::string::npos) << prompts.asked[1];
    ExpectUsable(window);
}

TEST_F(HostileFilesEditorTest, EmptyGarbageAndOversizedRoomsOpen)
{
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += static_cast<char>((i * 131) % 255 + 1);  // a zero byte would make it no text
    std::string walls = "[Room]\nWidth=500\nHeight=300\n[RoomWalls]\nCount=2000000000\n";
    for (int i = 0; i < 100000; ++i)
        walls += "Wall" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=0|0|" + std::to_string(i % 500) + "|300|0|1\n";
    const std::string huge = "[Room]\nWidth=2147483647\nHeight=-2147483648\nGridSize=1\nSpaceAround=-2147483648|7\n"
                             "[Part1]\nType=Text\nPosX=5\nPosY=5\nCaption=" + std::string(10 * 1024 * 1024, 'w') + "\n";
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"empty.mst", ""}, {"garbage.mst", garbage},
                                      {"walls.mst", walls}, {"huge.mst", huge}}) {
        SCOPED_TRACE(name);
        TForm1 window(prompts, {});
        EXPECT_TRUE(window.OpenRoomFile(Write(name, bytes)));
        EXPECT_EQ(window.FileName(), QString::fromStdString(home.file(name)));
        EXPECT_TRUE(prompts.asked.empty());
        ExpectUsable(window);
    }
}
