// An editor ended by a signal in the middle of saving leaves the room's file as it was and no
// temporary file beside it.

#include "editor/TForm1.h"

#include "platform/FileIo.h"
#include "support/EditorHome.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

namespace {
constexpr const char* ChildVariable = "PLANZETA_TEST_INTERRUPTED_SAVE_ROOM";
}

// Started by the test below: saves its room and is terminated before the bytes reach the disk.
TEST(InterruptedSaveChild, IsTerminatedWhileSaving)
{
    const char* room = std::getenv(ChildVariable);
    if (!room)
        GTEST_SKIP() << "only run by the interrupted save test";
    ScriptedPrompts prompts;
    TForm1 window(prompts, {QString::fromUtf8(room)});
    window.NoteRoomChange(true);
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Sync ? ::raise(SIGTERM) : 0; });
    window.findChild<QAction*>("Uloizit1")->trigger();
    ADD_FAILURE() << "the save was not interrupted";
}

TEST(InterruptedSave, LeavesNoTemporaryFile)
{
    EditorHome home;
    const std::string path = home.rooms + "/hall.mst";
    TempDir::WriteFile(path, "[Room]\nWidth=400\n");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChildVariable, QString::fromStdString(path));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=InterruptedSaveChild.*"});
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.rooms), {}), 1);
    EXPECT_EQ(TempDir::ReadFile(path), "[Room]\nWidth=400\n");
}
