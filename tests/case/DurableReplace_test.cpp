#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "case/FileAccess.h"
#include "case/StagedFile.h"
#include "support/RecordingFileSystem.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using Steps = std::vector<std::string>;
using test::NamesIn;
using test::ReadBytes;
using test::RecordingFileSystem;
using test::TempFolder;
using test::WriteBytes;

// The one order that leaves the old or the new file after a power cut at any moment.
Steps DurableOrder(const std::string& folder, const std::string& temporary,
                   const std::string& target) {
    return {"flush " + temporary, "flush folder " + folder, "rename " + temporary + " -> " + target,
            "flush folder " + folder};
}

TEST(DurableReplace, FlushesTheFileThenTheFolderAroundTheRename) {
    TempFolder folder;
    const std::string path = folder.File("a.awp");
    WriteBytes(path, "old");
    RecordingFileSystem files;
    ASSERT_TRUE(ReplaceFileContent(path, "new", files));
    EXPECT_EQ(files.DurabilitySteps(), DurableOrder(folder.path(), "tmp1", "a.awp"));
    EXPECT_EQ(ReadBytes(path), "new");

    RecordingFileSystem fresh;  // a file saved for the first time goes the same way
    ASSERT_TRUE(ReplaceFileContent(folder.File("b.awp"), "first", fresh));
    EXPECT_EQ(fresh.DurabilitySteps(), DurableOrder(folder.path(), "tmp1", "b.awp"));
}

TEST(DurableReplace, TheContentIsWrittenInFullBeforeItIsFlushed) {
    TempFolder folder;
    RecordingFileSystem files;
    ASSERT_TRUE(ReplaceFileContent(folder.File("a.awp"), "new", files));
    const Steps& calls = files.calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(Steps(calls.begin(), calls.begin() + 3),
              (Steps{"create tmp1", "write tmp1", "flush tmp1"}));
}

TEST(DurableReplace, AFileInTheWorkingFolderFlushesThatFolder) {
    TempFolder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    RecordingFileSystem files;
    const bool written = ReplaceFileContent("a.awp", "new", files).has_value();
    fs::current_path(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(files.DurabilitySteps(), DurableOrder(".", "tmp1", "a.awp"));
}

TEST(DurableReplace, StagedFilesAreEachFlushedBeforeAnyIsRenamed) {
    TempFolder folder;
    fs::create_directory(folder.File("sub"));
    RecordingFileSystem files;
    std::vector<StagedFile> staged;
    staged.push_back(*StagedFile::Write(folder.File("a.awp"), "a", files));
    staged.push_back(*StagedFile::Write(folder.File("sub/b.awp"), "b", files));
    std::string failed;
    ASSERT_TRUE(InstallStagedFiles(staged, failed));
    const std::string sub = folder.File("sub");
    EXPECT_EQ(files.DurabilitySteps(),
              (Steps{"flush tmp1", "flush tmp2", "flush folder " + folder.path(),
                     "rename tmp1 -> a.awp", "flush folder " + folder.path(), "flush folder " + sub,
                     "rename tmp2 -> b.awp", "flush folder " + sub}));
    EXPECT_EQ(ReadBytes(folder.File("sub/b.awp")), "b");
}

TEST(DurableReplace, AFileThatCannotBeFlushedIsNeverRenamed) {
    TempFolder folder;
    const std::string path = folder.File("a.awp");
    WriteBytes(path, "old");
    RecordingFileSystem files;
    files.FailFileFlush(1, EIO);
    EXPECT_FALSE(ReplaceFileContent(path, "new", files));
    EXPECT_EQ(LastReplaceError(), EIO);
    EXPECT_EQ(files.DurabilitySteps(), Steps{"flush tmp1"});
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{"a.awp"});
}

TEST(DurableReplace, AFolderThatCannotBeFlushedBeforeTheRenameKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("a.awp");
    WriteBytes(path, "old");
    RecordingFileSystem files;
    files.FailFolderFlush(1, ENOSPC);
    EXPECT_FALSE(ReplaceFileContent(path, "new", files));
    EXPECT_EQ(LastReplaceError(), ENOSPC);
    EXPECT_STREQ(ReplaceFailureKey(), "IDS_DISK_FULL");
    EXPECT_EQ(files.DurabilitySteps(), (Steps{"flush tmp1", "flush folder " + folder.path()}));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{"a.awp"});
}

// The rename cannot be taken back: the new file is what every reader now sees. But it may
// not outlast a power cut, so the save is not reported as done.
TEST(DurableReplace, AFolderThatCannotBeFlushedAfterTheRenameFailsTheSave) {
    TempFolder folder;
    const std::string path = folder.File("a.awp");
    WriteBytes(path, "old");
    RecordingFileSystem files;
    files.FailFolderFlush(2, EIO);
    EXPECT_FALSE(ReplaceFileContent(path, "new", files));
    EXPECT_EQ(LastReplaceError(), EIO);
    EXPECT_STREQ(ReplaceFailureKey(), "IDS_FAILEDFILE");
    EXPECT_EQ(files.DurabilitySteps(), DurableOrder(folder.path(), "tmp1", "a.awp"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{"a.awp"});
}

TEST(DurableReplace, AFailedFolderFlushStopsTheStagedFilesThatFollow) {
    TempFolder folder;
    WriteBytes(folder.File("b.awp"), "old b");
    RecordingFileSystem files;
    std::vector<StagedFile> staged;
    staged.push_back(*StagedFile::Write(folder.File("a.awp"), "a", files));
    staged.push_back(*StagedFile::Write(folder.File("b.awp"), "b", files));
    staged.push_back(*StagedFile::Write(folder.File("c.awp"), "c", files));
    files.FailFolderFlush(3, EIO);  // before b's rename
    std::string failed;
    EXPECT_FALSE(InstallStagedFiles(staged, failed));
    EXPECT_EQ(failed, folder.File("b.awp"));
    staged.clear();
    EXPECT_EQ(ReadBytes(folder.File("a.awp")), "a");
    EXPECT_EQ(ReadBytes(folder.File("b.awp")), "old b");
    EXPECT_EQ(NamesIn(folder.path()), (std::set<std::string>{"a.awp", "b.awp"}));
}

}  // namespace
}  // namespace vitalis
