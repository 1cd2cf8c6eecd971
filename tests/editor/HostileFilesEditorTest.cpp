// Damaged and hostile room files opened in the editor as a user opens them: each opens with
// defaults or is refused with a message, and the editor goes on working with it.

#include "editor/TForm1.h"

#include "support/EditorTest.h"

#include <filesystem>

#include <sys/stat.h>

namespace {

class HostileFilesEditorTest : public EditorTest {
protected:
    QString Write(const std::string& name, const std::string& bytes)
    {
        TempDir::WriteFile(home.dir.file(name), bytes);
        return QString::fromStdString(home.dir.file(name));
    }

    // The editor still takes commands: it zooms the room it has, and a good room opens after
    // it and zooms in as usual.
    void ExpectUsable(TForm1& window)
    {
        window.findChild<QAction*>("Priblizit1")->trigger();
        EXPECT_TRUE(window.OpenRoomFile(Write("good.mst", "[Room]\nWidth=321\nHeight=123\n")));
        EXPECT_EQ(window.Room().Width, 321);
        window.findChild<QAction*>("Priblizit1")->trigger();
        EXPECT_EQ(Panel(window, 3), "Zoom: 130%");
    }
};

}  // namespace

TEST_F(HostileFilesEditorTest, AFolderOrAFileWithoutARoomIsRefusedWithAMessageAndTheRoomKept)
{
    std::filesystem::create_directory(home.dir.file("folder.mst"));
    TForm1 window(prompts, {});
    ASSERT_TRUE(window.OpenRoomFile(Write("kept.mst", "[Room]\nWidth=456\n")));
    for (const auto& [path, why] : {std::pair{home.dir.file("folder.mst"), "It is not a regular file"},
                                    {Write("empty.mst", "").toStdString(), "The file holds no room"},
                                    {Write("binary.mst", std::string("[Room]\0", 7)).toStdString(),
                                     "The file is not a text file"}}) {
        prompts.asked.clear();
        prompts.buttons = {ButtonOk};
        EXPECT_FALSE(window.OpenRoomFile(QString::fromStdString(path)));
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_TRUE(prompts.asked[0].starts_with(std::string("Message Cannot open file: ") + why)) << prompts.asked[0];
        EXPECT_NE(prompts.asked[0].find(path), std::string::npos);
        EXPECT_EQ(window.Room().Width, 456);
    }
    ExpectUsable(window);
}

TEST_F(HostileFilesEditorTest, OversizedRoomsOpen)
{
    std::string walls = "[Room]\nWidth=500\nHeight=300\n[RoomWalls]\nCount=2000000000\n";
    for (int i = 0; i < 100000; ++i)
        walls += "Wall" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=0|0|" + std::to_string(i % 500) + "|300|0|1\n";
    const std::string huge = "[Room]\nWidth=2147483647\nHeight=-2147483648\nGridSize=1\nSpaceAround=-2147483648|7\n"
                             "[Part1]\nType=Text\nPosX=5\nPosY=5\nCaption=" + std::string(10 * 1024 * 1024, 'w') + "\n";
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"walls.mst", walls}, {"huge.mst", huge}}) {
        SCOPED_TRACE(name);
        TForm1 window(prompts, {});
        EXPECT_TRUE(window.OpenRoomFile(Write(name, bytes)));
        EXPECT_EQ(window.FileName(), QString::fromStdString(home.dir.file(name)));
        EXPECT_TRUE(prompts.asked.empty());
        ExpectUsable(window);
    }
}

TEST_F(HostileFilesEditorTest, PipesAsSettingsCatalogueLibraryLanguageAndRecoveryCopyAreNeverWaitedOn)
{
    const std::string share = home.dir.path() + "/share/planzeta";
    std::filesystem::create_directories(share + "/recovery");
    std::filesystem::create_directories(home.dir.path() + "/install/Language");
    const std::string settings = home.dir.path() + "/config/Kelvora/Planzeta.ini";
    std::filesystem::remove(settings);
    for (const std::string& path : {settings, share + "/Catalog.msk", share + "/recovery/unsaved-1.mst",
                                    home.dir.path() + "/install/Library.msk", home.dir.path() + "/install/Language/Pipe.lng"})
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    prompts.buttons = {ButtonOk};
    TForm1 window(prompts, {});
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(prompts.asked[0].find("could not be restored"), std::string::npos) << prompts.asked[0];
    EXPECT_TRUE(window.OpenRoomFile(Write("good.mst", "[Room]\nWidth=321\n")));
}
