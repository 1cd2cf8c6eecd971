#include "platform/FileIo.h"

#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(FileIo, ReplacesAFileKeepingItsPermissionsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("room.mst");
    TempDir::WriteFile(path, "old");
    fs::permissions(path, fs::perms(0640));
    WriteFileAtomically(path, "new content");
    EXPECT_EQ(TempDir::ReadFile(path), "new content");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    EXPECT_EQ(ReadWholeFile(path), "new content");
}

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

TEST(FileIo, WritingThroughALinkReplacesTheLinkedFile)
{
    TempDir dir;
    const std::string target = dir.file("real.mst");
    const std::string link = dir.file("link.mst");
    TempDir::WriteFile(target, "old");
    fs::create_symlink(target, link);
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::ReadFile(target), "new");
}
