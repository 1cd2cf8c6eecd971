#include "platform/FileIo.h"

#include "support/TempDir.h"

#include <filesystem>

#include <csignal>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

size_t FilesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(FileIo, ARefusedWriteLeavesTheOldFileAndSaysWhichFile)
{
    TempDir dir;
    const std::string readOnly = dir.file("locked.mst");
    TempDir::WriteFile(readOnly, "keep me");
    fs::permissions(readOnly, fs::perms(0444));
    try {
        WriteFileAtomically(readOnly, "lost");
        FAIL() << "a read-only file was replaced";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + readOnly).c_str());
    }
    EXPECT_EQ(TempDir::ReadFile(readOnly), "keep me");
    EXPECT_THROW(WriteFileAtomically(dir.file("no/such/folder.mst"), "x"), FileWriteError);
    EXPECT_THROW(WriteFileAtomically(dir.path(), "x"), FileWriteError);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

// Content made in pieces is written while the next piece is made: the pieces land in order,
// and a piece that cannot be written, or a maker that gives up, leaves the old file.
TEST(FileIo, PiecesArriveInOrderAndAnyFailureKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("plan.bmp");
    std::string whole;
    const auto produce = [&whole](int pieces) {
        return [&whole, pieces](const ByteSink& write) {
            whole.clear();
            for (int i = 0; i < pieces; ++i) {
                std::string piece(static_cast<size_t>(i * 70'000 + 1), static_cast<char>('a' + i));
                whole += piece;
                if (!write(piece))
                    return false;
            }
            return pieces < 9;
        };
    };
    WriteFileAtomically(path, produce(8));
    EXPECT_EQ(TempDir::ReadFile(path), whole);
    const std::string old = whole;
    EXPECT_THROW(WriteFileAtomically(path, produce(9)), FileWriteError);
    for (const int failing : {3, 8}) {
        int writes = 0;
        SetWriteFaultHook([&](WriteStep step) { return step == WriteStep::WriteBytes && ++writes == failing ? ENOSPC : 0; });
        EXPECT_THROW(WriteFileAtomically(path, produce(8)), FileWriteError) << failing;
        SetWriteFaultHook({});
        EXPECT_EQ(writes, failing) << "nothing is written after a failed piece";
        EXPECT_EQ(TempDir::ReadFile(path), old);
    }
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(FileIo, LinksAreFollowedEvenToNothingButNotThoseOthersPlantedInSharedFolders)
{
    TempDir dir;
    const std::string target = dir.file("real.mst");
    const std::string link = dir.file("link.mst");
    TempDir::WriteFile(target, "old");
    fs::create_symlink(target, link);
    fs::create_symlink(dir.file("made.png"), dir.file("dangling.png"));
    WriteFileAtomically(link, "new");
    WriteFileAtomically(dir.file("dangling.png"), "picture");
    EXPECT_TRUE(fs::is_symlink(link) && fs::is_symlink(dir.file("dangling.png")));
    EXPECT_EQ(TempDir::ReadFile(target), "new");
    EXPECT_EQ(TempDir::ReadFile(dir.file("made.png")), "picture");
    EXPECT_TRUE(IsSameFile(link, target) && !IsSameFile(target, dir.file("made.png")));

    constexpr mode_t Shared = S_IFDIR | S_ISVTX | 0777;  // like /tmp, owned by root (0)
    EXPECT_TRUE(MayFollowLink(1000, 0, Shared, 1000) && MayFollowLink(0, 0, Shared, 1000));
    EXPECT_FALSE(MayFollowLink(1001, 0, Shared, 1000) || MayFollowLink(1001, 0, Shared, 0));
    EXPECT_TRUE(MayFollowLink(1001, 1001, Shared & ~S_ISVTX, 1000) && MayFollowLink(1001, 1001, Shared & ~S_IWOTH, 1000));
}

TEST(FileIo, AFileIsPrivateWhileWrittenThenTakesItsOwnOrTheEarlierPermissions)
{
    TempDir dir;
    // The longest name a file may have still leaves room for its temporary name.
    const std::string path = dir.file(std::string(250, 'n') + ".mst");
    mode_t modeWhileWriting = 0;
    SetWriteFaultHook([&](WriteStep step) {
        if (step == WriteStep::WriteBytes)
            modeWhileWriting = ModeOf(fs::directory_iterator(dir.path())->path());
        return 0;
    });
    const mode_t mask = ::umask(022);
    WriteFileAtomically(path, "private");
    ::umask(mask);
    SetWriteFaultHook({});
    EXPECT_EQ(modeWhileWriting, 0600u);
    EXPECT_EQ(ModeOf(path), 0644u);
    fs::permissions(path, fs::perms(0640));
    WriteFileAtomically(path, "new content");
    EXPECT_EQ(ReadWholeFile(path), "new content");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(FilesIn(dir.path()), 1u);

    fs::resize_file(path, MaxInputFileSize);
    EXPECT_EQ(ReadWholeFile(path)->size(), MaxInputFileSize);
}

TEST(FileIo, ATerminatedWriteLeavesNoTemporaryFile)
{
    TempDir dir;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            RemoveTemporaryFilesOnSignals();
            SetWriteFaultHook([signal](WriteStep step) { return step == WriteStep::Sync ? ::raise(signal) : 0; });
            WriteFileAtomically(dir.file("room.mst"), "unfinished");
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(FilesIn(dir.path()), 0u) << signal;
    }
}
