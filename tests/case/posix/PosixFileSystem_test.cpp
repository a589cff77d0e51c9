#include "case/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(PosixFileSystem, CallsThatFailSayWhy) {
    TempFolder folder;
    const PosixFileSystem files;
    WriteBytes(folder.File("a"), "x");
    EXPECT_EQ(files.FlushFolder(folder.File("missing")), ENOENT);
    EXPECT_EQ(files.FlushFolder(folder.File("a")), ENOTDIR);
    EXPECT_EQ(files.Flush(-1), EBADF);
    EXPECT_EQ(files.WriteAll(-1, "x"), EBADF);
    EXPECT_EQ(files.Rename(folder.File("missing"), folder.File("b")), ENOENT);
    EXPECT_EQ(files.Remove(folder.File("missing")), ENOENT);
    EXPECT_EQ(files.CheckWritable(folder.File("missing")), ENOENT);
    EXPECT_EQ(files.OpenForReading(folder.File("missing")).error, ENOENT);
    const OpenedFile taken = files.CreateNew(folder.File("a"), 0600);
    EXPECT_EQ(taken.handle, -1);
    EXPECT_EQ(taken.error, EEXIST);
}

TEST(PosixFileSystem, ANewFileIsWrittenFlushedAndRenamedOverTheOld) {
    TempFolder folder;
    const PosixFileSystem files;
    WriteBytes(folder.File("a"), "old");
    const OpenedFile created = files.CreateNew(folder.File("b"), 0640);
    ASSERT_GE(created.handle, 0);
    EXPECT_EQ(created.error, 0);
    const std::string big(1 << 20, 'z');  // more than one write may take
    EXPECT_EQ(files.WriteAll(created.handle, big), 0);
    EXPECT_EQ(files.SetPermissions(created.handle, 0604), 0);
    EXPECT_EQ(files.Flush(created.handle), 0);
    EXPECT_EQ(files.FlushFolder(folder.path()), 0);
    EXPECT_EQ(files.Rename(folder.File("b"), folder.File("a")), 0);
    EXPECT_EQ(files.FlushFolder(folder.path()), 0);
    EXPECT_EQ(ReadBytes(folder.File("a")), big);
    EXPECT_EQ(files.StatusOfOpen(created.handle)->permissions, 0604u);
    files.Close(created.handle);
    EXPECT_FALSE(fs::exists(folder.File("b")));
    EXPECT_EQ(files.Remove(folder.File("a")), 0);
    EXPECT_FALSE(fs::exists(folder.File("a")));
}

TEST(PosixFileSystem, ALinkIsSeenAsSuchOnlyWhenAskedAbout) {
    TempFolder folder;
    const PosixFileSystem files;
    WriteBytes(folder.File("target"), "x");
    fs::create_symlink(folder.File("target"), folder.File("link"));
    const std::optional<FileStatus> link = files.LinkStatusOf(folder.File("link"));
    const std::optional<FileStatus> followed = files.StatusOf(folder.File("link"));
    ASSERT_TRUE(link && followed);
    EXPECT_TRUE(link->symbolicLink);
    EXPECT_FALSE(link->regular);
    EXPECT_TRUE(followed->regular);
    EXPECT_FALSE(followed->symbolicLink);
    EXPECT_EQ(files.ResolvedPath(folder.File("link")),
              fs::canonical(folder.File("target")).string());
    EXPECT_EQ(files.ResolvedPath(folder.File("missing")), "");
}

}  // namespace
}  // namespace vitalis
