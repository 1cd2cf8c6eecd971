#include "editor/RecoveryFile.h"

#include "model/ModelServices.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The identifier of a process that has ended.
int64_t EndedProcess()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

}  // namespace

TEST(RecoveryFile, HoldsTheRoomItsFileAndTheTimeAndOpensAsARoomFile)
{
    TempDir dir;
    CRoom room;
    room.Width = 777;
    CPart& part = room.AddPart();
    part.Caption = "Desk\r\nby the window";
    part.InUse = true;
    const std::string path = RecoveryFilePath(dir.file("recovery"), 42);
    EXPECT_EQ(path, dir.file("recovery/unsaved-42.mst"));
    std::filesystem::create_directory(dir.file("recovery"));
    std::filesystem::permissions(dir.file("recovery"), std::filesystem::perms(0755));
    WriteRecoveryFile(path, RecoveryFileText(room, "/home/me/rooms/café.mst", 1733490000));
    EXPECT_EQ(std::filesystem::status(dir.file("recovery")).permissions(), std::filesystem::perms(0700));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));

    const std::optional<RecoveredRoom> recovered = ReadRecoveryFile(path);
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->fileName, "/home/me/rooms/café.mst");
    EXPECT_EQ(recovered->savedAt, 1733490000);
    EXPECT_TRUE(recovered->room.Modified);
    EXPECT_EQ(recovered->room.Width, 777);
    ASSERT_EQ(recovered->room.PartCount(), 1);
    EXPECT_EQ(recovered->room.Parts[0].Caption, "Desk\r\nby the window");

    CRoom plain;
    ASSERT_TRUE(plain.Load(path));
    EXPECT_EQ(plain.Width, 777);
    EXPECT_EQ(plain.PartCount(), 1);
}

TEST(RecoveryFile, AFileWithoutARoomIsNoRecovery)
{
    TempDir dir;
    EXPECT_FALSE(ReadRecoveryFile(dir.file("missing.mst")));
    TempDir::WriteFile(dir.file("garbage.mst"), std::string("\0\xff[Recovery]\nFileName=x\n", 24));
    EXPECT_FALSE(ReadRecoveryFile(dir.file("garbage.mst")));
    EXPECT_FALSE(ReadRecoveryFile(dir.path()));
}

TEST(RecoveryFile, OnlyFilesWhoseLockNobodyHoldsAreOrphansNewestFirst)
{
    TempDir dir;
    const std::string older = RecoveryFilePath(dir.path(), EndedProcess());
    // A running process took the number of the editor that wrote this one.
    const std::string newer = RecoveryFilePath(dir.path(), ::getppid());
    const std::string own = RecoveryFilePath(dir.path(), ::getpid());
    for (const std::string& path : {older, newer, own, dir.file("unsaved-x.mst"), dir.file("unsaved-0.mst"),
                                    dir.file("room.mst")})
        TempDir::WriteFile(path, "[Room]\n");
    std::filesystem::last_write_time(older, std::filesystem::last_write_time(newer) - std::chrono::hours(1));
    const std::optional<RecoveryLock> ownLock = RecoveryLock::Claim(own);

    EXPECT_EQ(OrphanedRecoveryFiles(dir.path()), (std::vector<std::string>{newer, older}));
    const std::optional<RecoveryLock> claimed = RecoveryLock::Claim(newer);
    EXPECT_TRUE(claimed && !RecoveryLock::Claim(newer)) << "two editors claimed one copy";
    EXPECT_EQ(OrphanedRecoveryFiles(dir.path()), (std::vector<std::string>{older}));
    EXPECT_TRUE(OrphanedRecoveryFiles(dir.file("missing")).empty());
}

TEST(RecoveryFile, LivesInTheUserDataFolder)
{
    TempDir dir;
    ScopedEnv dataHome("XDG_DATA_HOME", dir.path().c_str());
    EXPECT_EQ(RecoveryFolder(), dir.file("planzeta/recovery"));
}
