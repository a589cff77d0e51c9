#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "case/CaseFolder.h"
#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/TemporaryFiles.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

void MakeOld(const std::string& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(2));
}

TEST(AtomicReplace, CaseWithANameAtTheLengthLimitCanBeSaved) {
    TempFolder folder;
    const std::string name = std::string(251, 'n') + ".awp";  // 255 bytes
    const std::string path = folder.File(name);
    WriteBytes(path, "[PATIENT DATA]\r\nName=a\r\n");
    ASSERT_TRUE(ReplaceFileContent(path, "[PATIENT DATA]\r\nName=b\r\n"));
    EXPECT_EQ(ReadBytes(path), "[PATIENT DATA]\r\nName=b\r\n");
    ProfileStore store(path);
    store.WriteString("PATIENT DATA", "Name", "c");
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "Name", ""), "c");
    EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{name});  // nothing left beside it
}

TEST(AtomicReplace, TemporaryNamesAreShortAndRecognised) {
    const std::string first = TemporaryPathBeside("/cases/" + std::string(250, 'x') + ".awp");
    const std::string second = TemporaryPathBeside("/cases/a.awp");
    EXPECT_TRUE(first.starts_with("/cases/.vt")) << first;
    EXPECT_LT(first.size(), 40u);
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsOurTemporaryName(fs::path(first).filename().string()));
    EXPECT_TRUE(IsOurTemporaryName(".260301.awp.tmp4711_3"));  // earlier versions' pattern
    for (const char* other : {".vt.tmp", ".vt12.tmp", ".vt1_2.tmpx", "vt1_2.tmp", ".a.awp.tmp",
                              ".a.awp.tmp12", ".a.awp.tmp1_x", "notes.tmp", ".hidden", "a.awp"})
        EXPECT_FALSE(IsOurTemporaryName(other)) << other;
}

TEST(AtomicReplace, StaleTemporariesGoWhenTheFolderIsListedOrAFileSaved) {
    TempFolder folder;
    const std::string keep[] = {"a.awp", ".vt1_1.tmp", "notes.tmp", ".hidden"};
    for (const std::string& name : keep) WriteBytes(folder.File(name), "x");
    MakeOld(folder.File("notes.tmp"));
    MakeOld(folder.File(".hidden"));  // not ours, however old
    WriteBytes(folder.File(".vt77_0.tmp"), "half");
    WriteBytes(folder.File(".a.awp.tmp77_1"), "half");
    MakeOld(folder.File(".vt77_0.tmp"));
    MakeOld(folder.File(".a.awp.tmp77_1"));
    CaseFileTable table;
    ListCaseFolder(folder.path(), table);
    EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>(std::begin(keep), std::end(keep)));

    fs::create_directory(folder.File("sub"));
    WriteBytes(folder.File("sub/.vt5_5.tmp"), "half");
    MakeOld(folder.File("sub/.vt5_5.tmp"));
    ASSERT_TRUE(ReplaceFileContent(folder.File("sub/b.awp"), "new"));
    EXPECT_EQ(NamesIn(folder.File("sub")), std::set<std::string>{"b.awp"});
}

}  // namespace
}  // namespace vitalis
