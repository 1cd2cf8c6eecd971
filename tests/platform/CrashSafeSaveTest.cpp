// Saving a room or a catalogue over an earlier file when the write fails at any step: the disk
// full, the file refused, or the program killed. The earlier file must come through intact and
// readable every time.

#include "library/CPartsCatalogue.h"
#include "model/CRoom.h"
#include "model/ModelServices.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr WriteStep Steps[] = {WriteStep::CreateTemporary, WriteStep::WriteBytes, WriteStep::CopyPermissions,
                               WriteStep::Sync,            WriteStep::Close,      WriteStep::Rename};

// Runs the save in a child process; returns how the child ended.
int InChild(const std::function<void()>& save)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        try {
            save();
        } catch (const FileWriteError&) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

class CrashSafeSaveTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFaultHook({}); }

    // A room worth keeping and a larger one to save over it.
    CRoom Room(int32_t width, int parts)
    {
        CRoom room;
        room.Width = width;
        for (int i = 0; i < parts; ++i)
            room.AddPart(nullptr, true).InUse = true;
        return room;
    }

    CPartsCatalogue Catalogue(int entries)
    {
        CPartsCatalogue catalogue;
        for (int i = 0; i < entries; ++i)
            catalogue.AddEntry(nullptr, true).InUse = true;
        return catalogue;
    }

    // Each failure in turn hits the room save and the catalogue save; after each the earlier
    // files hold their bytes, so they read back as what they were.
    void ExpectEveryFailureKeepsTheEarlierFiles(const std::function<void(const std::function<void()>&)>& fail)
    {
        const std::string roomPath = dir.file("room.mst");
        const std::string cataloguePath = dir.file("Catalog.msk");
        Room(432, 2).Save(roomPath);
        Catalogue(3).Save(cataloguePath);
        const std::string roomBytes = TempDir::ReadFile(roomPath);
        const std::string catalogueBytes = TempDir::ReadFile(cataloguePath);

        fail([&] { Room(987, 500).Save(roomPath); });
        fail([&] { Catalogue(500).Save(cataloguePath); });

        EXPECT_EQ(TempDir::ReadFile(roomPath), roomBytes);
        EXPECT_EQ(TempDir::ReadFile(cataloguePath), catalogueBytes);
    }

    TempDir dir;
};

}  // namespace

TEST_F(CrashSafeSaveTest, AFullDiskOrARefusalAtAnyStepKeepsTheEarlierFile)
{
    for (const int error : {ENOSPC, EACCES, EIO}) {
        for (const WriteStep step : Steps) {
            SCOPED_TRACE(testing::Message() << "errno " << error << " at step " << static_cast<int>(step));
            ExpectEveryFailureKeepsTheEarlierFiles([=](const std::function<void()>& save) {
                SetWriteFaultHook([=](WriteStep at) { return at == step ? error : 0; });
                EXPECT_THROW(save(), FileWriteError);
                SetWriteFaultHook({});
            });
        }
    }
}

TEST_F(CrashSafeSaveTest, TheFileSizeLimitOfTheSystemKeepsTheEarlierFile)
{
    ExpectEveryFailureKeepsTheEarlierFiles([](const std::function<void()>& save) {
        const int status = InChild([&] {
            // Writes past 4 KiB fail with EFBIG rather than end the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            save();
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "the write did not fail";
    });
}

TEST_F(CrashSafeSaveTest, AProgramKilledAtAnyStepKeepsTheEarlierFile)
{
    for (const WriteStep step : Steps) {
        SCOPED_TRACE(testing::Message() << "killed at step " << static_cast<int>(step));
        ExpectEveryFailureKeepsTheEarlierFiles([step](const std::function<void()>& save) {
            const int status = InChild([&] {
                SetWriteFaultHook([step](WriteStep at) {
                    if (at == step)
                        ::raise(SIGKILL);
                    return 0;
                });
                save();
            });
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        });
    }
}
