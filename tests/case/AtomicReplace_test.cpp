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
using test::NamesIn;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

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

// Downloads file their cases in year and month folders; leftovers there go too, but only
// ours, only below the case folder and only as deep as such folders go.
TEST(AtomicReplace, StaleTemporariesGoInTheYearAndMonthFoldersAndNowhereElse) {
    TempFolder cases;
    TempFolder outside;
    fs::create_directories(cases.File("2026/3/deeper/deepest"));
    const auto stale = [](const std::string& path) {
        WriteBytes(path, "half");
        MakeOld(path);
    };
    stale(cases.File(".vt1_0.tmp"));
    stale(cases.File("2026/.vt1_1.tmp"));
    stale(cases.File("2026/3/.vt1_2.tmp"));
    stale(cases.File("2026/3/.3.awp.tmp1_3"));
    stale(cases.File("2026/3/deeper/.vt1_4.tmp"));          // level 3: still looked at
    stale(cases.File("2026/3/deeper/deepest/.vt1_5.tmp"));  // level 4: beyond the search
    stale(cases.File("2026/3/notes.tmp"));                  // not ours, however old
    WriteBytes(cases.File("2026/3/3.awp"), "case");
    MakeOld(cases.File("2026/3/3.awp"));
    WriteBytes(cases.File("2026/3/.vt1_6.tmp"), "a save under way");  // too young
    // A linked folder and a linked file with our name lead outside: neither is followed.
    stale(outside.File(".vt2_0.tmp"));
    stale(outside.File("target"));
    fs::create_directory_symlink(outside.path(), cases.File("2026/linked"));
    fs::create_symlink(outside.File("target"), cases.File("2026/3/.vt2_1.tmp"));

    EXPECT_EQ(RemoveStaleTemporariesBelow(cases.path()), 5);
    EXPECT_EQ(NamesIn(cases.path()), std::set<std::string>{"2026"});
    EXPECT_EQ(NamesIn(cases.File("2026")), (std::set<std::string>{"3", "linked"}));
    EXPECT_EQ(NamesIn(cases.File("2026/3")),
              (std::set<std::string>{"deeper", "notes.tmp", "3.awp", ".vt1_6.tmp", ".vt2_1.tmp"}));
    EXPECT_EQ(NamesIn(cases.File("2026/3/deeper")), std::set<std::string>{"deepest"});
    EXPECT_EQ(NamesIn(cases.File("2026/3/deeper/deepest")), std::set<std::string>{".vt1_5.tmp"});
    EXPECT_EQ(NamesIn(outside.path()), (std::set<std::string>{".vt2_0.tmp", "target"}));

    // Listing the case folder clears the month folders as well.
    stale(cases.File("2026/3/.vt1_7.tmp"));
    CaseFileTable table;
    ListCaseFolder(cases.path(), table);
    EXPECT_FALSE(fs::exists(cases.File("2026/3/.vt1_7.tmp")));
    EXPECT_EQ(RemoveStaleTemporariesBelow(cases.path(), 4), 1);  // a deeper search finds level 4
}

}  // namespace
}  // namespace vitalis
