// Recovery of unsaved work, driven as a user meets it: the editor keeps a copy of a changed
// room, drops it once the changes are saved or given up, and the next start after an editor
// was stopped offers the room back. Mouse events go through the window system layer, so that
// a drag holds the button as a user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "dialogs/TFormRoom.h"
#include "editor/PlanWidget.h"
#include "editor/RecoveryFile.h"
#include "platform/FileIo.h"
#include "support/EditorTest.h"
#include "support/MakePart.h"

#include <QLocale>
#include <QProcess>

#include <filesystem>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The child processes find their folders here and the room file to work on in this variable.
constexpr const char* ChildVariable = "PLANZETA_TEST_RECOVERY_CHILD";

// Runs one of the child tests below in a process of its own.
void StartChild(QProcess& child, const std::string& test, const std::string& room)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChildVariable, QString::fromStdString(room));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromStdString("--gtest_filter=RecoveryChild." + test)});
}

class RecoveryTest : public EditorTest {
protected:
    std::string OwnCopy() const { return RecoveryFilePath(RecoveryFolder(), QCoreApplication::applicationPid()); }

    // A copy left by an editor that has ended.
    std::string LeaveOrphan(const CRoom& room, const std::string& fileName)
    {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        const std::string path = RecoveryFilePath(RecoveryFolder(), pid);
        WriteRecoveryFile(path, RecoveryFileText(room, fileName, 1733490000));
        return path;
    }

    static bool WaitForFile(const std::string& path)
    {
        return QTest::qWaitFor([&] { return fs::exists(path); }, 60000);
    }

    // Changes the room and waits for the copy of the change.
    void Change(TForm1& window, int width)
    {
        ChangeRoom(window, width);
        ASSERT_TRUE(WaitForFile(OwnCopy()));
    }

    const std::string rooms = home.rooms;
    ScopedEnv interval{"PLANZETA_RECOVERY_INTERVAL_MS", "20"};
};

}  // namespace

TEST_F(RecoveryTest, TheCopyIsKeptWhileChangesAreUnsavedAndGoesWithSaveNewOpenAndClose)
{
    {
        ScopedEnv usual("PLANZETA_RECOVERY_INTERVAL_MS", nullptr);
        TForm1 window(prompts, {});
        EXPECT_EQ(window.findChild<QTimer*>("RecoveryTimer")->interval(), 60000);
    }
    TForm1 window(prompts, {});
    QTest::qWait(100);
    EXPECT_FALSE(fs::exists(OwnCopy())) << "a room without changes was copied";

    Change(window, 612);
    EXPECT_EQ(ReadRecoveryFile(OwnCopy())->room.Width, 612);
    prompts.fileNames = {rooms + "/plan.mst"};
    Trigger(window, "Uloizit1");
    EXPECT_FALSE(fs::exists(OwnCopy())) << "Save";

    Change(window, 640);
    EXPECT_EQ(ReadRecoveryFile(OwnCopy())->fileName, rooms + "/plan.mst");
    prompts.buttons = {ButtonNo};
    QTimer::singleShot(0, &window, [&window] { window.findChild<TFormRoom*>("TFormRoom")->reject(); });
    Trigger(window, "Nova1");
    EXPECT_FALSE(fs::exists(OwnCopy())) << "New";

    Change(window, 660);
    prompts.buttons = {ButtonNo};
    EXPECT_TRUE(window.OpenRoomFile(QString::fromStdString(rooms + "/plan.mst")));
    EXPECT_FALSE(fs::exists(OwnCopy())) << "Open";

    Change(window, 680);
    prompts.buttons = {ButtonNo};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(fs::exists(OwnCopy())) << "Close";
}

TEST_F(RecoveryTest, NoCopyIsWrittenWhileAnObjectIsDragged)
{
    TForm1 window(prompts, {});
    window.Room().SpaceAround = {0, 0, 0, 0};
    CPart& part = window.Room().AddPart() = MakePart(Rectangle, 20, 20, 60, 40);
    part.InUse = true;
    window.UpdateScale();
    window.Redraw(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* plan = window.findChild<PlanWidget*>("Obr");
    QTest::mouseEvent(QTest::MouseMove, plan, Qt::NoButton, {}, QPoint(1, 1));
    QTest::mousePress(plan, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseEvent(QTest::MouseMove, plan, Qt::NoButton, {}, QPoint(60, 50));
    ASSERT_TRUE(window.Room().Modified);
    QTest::qWait(200);
    EXPECT_FALSE(fs::exists(OwnCopy())) << "copied in the middle of a drag";
    QTest::mouseRelease(plan, Qt::LeftButton, {}, QPoint(60, 50));
    ASSERT_TRUE(WaitForFile(OwnCopy()));
    EXPECT_EQ(ReadRecoveryFile(OwnCopy())->room.Parts[0].PosX, 40);
}

TEST_F(RecoveryTest, ARestoredRoomKeepsItsOldCopyWhileTheEditorCannotWriteItsOwn)
{
    CRoom room;
    room.Width = 555;
    const std::string orphan = LeaveOrphan(room, "");
    prompts.buttons = {ButtonYes};
    SetWriteFaultHook([](WriteStep) { return ENOSPC; });
    TForm1 window(prompts, {});
    SetWriteFaultHook({});
    EXPECT_EQ(window.Room().Width, 555);
    EXPECT_TRUE(fs::exists(orphan)) << "the only copy of the changes was removed";
    EXPECT_FALSE(fs::exists(OwnCopy()));
}

TEST_F(RecoveryTest, ADeclinedOrUnreadableCopyIsRemovedAndTheEditorStartsEmpty)
{
    const std::string declined = LeaveOrphan(CRoom(), "");
    prompts.buttons = {ButtonNo};
    {
        QLocale::setDefault(QLocale::c());  // whose dates show the whole year
        TForm1 window(prompts, {});
        QLocale::setDefault(QLocale::system());
        EXPECT_NE(prompts.asked.at(0).find("the room untitled"), std::string::npos) << prompts.asked[0];
        EXPECT_NE(prompts.asked[0].find("2024"), std::string::npos) << "the time of the copy: " << prompts.asked[0];
        EXPECT_FALSE(window.Room().Modified);
        EXPECT_TRUE(window.FileName().isEmpty());
    }
    EXPECT_FALSE(fs::exists(declined));

    const std::string broken = LeaveOrphan(CRoom(), "");
    TempDir::WriteFile(broken, "\x01\x02 not a room");
    prompts.asked.clear();
    prompts.buttons = {ButtonOk};
    TForm1 window(prompts, {});
    EXPECT_EQ(prompts.asked.at(0), "Message Recover unsaved work: The unsaved work could not be restored.\n" + broken);
    EXPECT_FALSE(fs::exists(broken));
}

// The editors of the kill and the interrupted save tests, started by them on the room the child
// variable names, its change noted, and skipped otherwise. The first waits to be killed once its
// copy is written; the second saves the room and is terminated before the bytes reach the disk.
static std::unique_ptr<TForm1> ChildEditor(ScriptedPrompts& prompts)
{
    const char* room = std::getenv(ChildVariable);
    if (!room)
        return nullptr;
    auto window = std::make_unique<TForm1>(prompts, QStringList{QString::fromUtf8(room)});
    window->NoteRoomChange(true);
    return window;
}

TEST(RecoveryChild, ChangesTheRoomAndWaitsToBeKilled)
{
    ScriptedPrompts prompts;
    const std::unique_ptr<TForm1> window = ChildEditor(prompts);
    if (!window)
        GTEST_SKIP() << "only run by the kill test";
    window->Room().Width = 1234;
    window->show();
    // The kill test kills this process once the copy is written, or after two minutes.
    QTest::qWait(180000);
    ADD_FAILURE() << "not killed";
}

TEST(RecoveryChild, IsTerminatedWhileSaving)
{
    ScriptedPrompts prompts;
    const std::unique_ptr<TForm1> window = ChildEditor(prompts);
    if (!window)
        GTEST_SKIP() << "only run by the interrupted save test";
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Sync ? ::raise(SIGTERM) : 0; });
    Trigger(*window, "Uloizit1");
    ADD_FAILURE() << "the save was not interrupted";
}

TEST_F(RecoveryTest, AnEditorKilledWithUnsavedChangesGetsThemBackAtTheNextStart)
{
    const std::string path = rooms + "/hall.mst";
    TempDir::WriteFile(path, "[Room]\nWidth=400\nHeight=300\n");
    QProcess child;
    StartChild(child, "ChangesTheRoomAndWaitsToBeKilled", path);
    ASSERT_TRUE(child.waitForStarted());
    const std::string copy = RecoveryFilePath(RecoveryFolder(), child.processId());
    const bool written = QTest::qWaitFor([&] { return ReadRecoveryFile(copy).has_value(); }, 120000);
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    ASSERT_TRUE(written) << "the editor wrote no copy";
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    prompts.buttons = {ButtonYes};
    TForm1 window(prompts, {});
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].starts_with("Message Recover unsaved work: ")) << prompts.asked[0];
    EXPECT_NE(prompts.asked[0].find(path), std::string::npos) << prompts.asked[0];
    EXPECT_EQ(window.Room().Width, 1234);
    EXPECT_TRUE(window.Room().Modified);
    EXPECT_EQ(window.FileName(), QString::fromStdString(path));
    EXPECT_TRUE(window.windowTitle().endsWith("hall.mst*]"));
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(OwnCopy())) << "the restored changes are not kept until saved";
    EXPECT_EQ(TempDir::ReadFile(path), "[Room]\nWidth=400\nHeight=300\n") << "the room's own file was touched";
}

// An editor ended by a signal in the middle of saving leaves the room's file as it was and no
// temporary file beside it.
TEST_F(RecoveryTest, AnEditorEndedWhileSavingLeavesTheFileAsItWasAndNoTemporaryFile)
{
    const std::string path = rooms + "/hall.mst";
    TempDir::WriteFile(path, "[Room]\nWidth=400\n");
    QProcess child;
    StartChild(child, "IsTerminatedWhileSaving", path);
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(std::distance(fs::directory_iterator(rooms), {}), 1);
    EXPECT_EQ(TempDir::ReadFile(path), "[Room]\nWidth=400\n");
}
