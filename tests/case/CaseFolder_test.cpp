#include "case/CaseFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "case/ColumnHeadings.h"
#include "case/ProfileStore.h"
#include "case/Recording.h"
#include "support/CaseFixtures.h"
#include "support/RecordingFileSystem.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;
using test::WriteBytes;

std::string MinimalCase(const std::string& name, const std::string& id, const std::string& address,
                        const std::string& type = "") {
    return "[PATIENT DATA]\r\nName=" + name + "\r\nID=" + id +
           "\r\nTest Count=1\r\nBTH_ADDR=" + address + "\r\n" +
           (type.empty() ? "" : "Type=" + type + "\r\n") +
           "[TEST 1]\r\nTestBeginDate=1/3/2026 8:05\r\nYearBegin=2026\r\nMonthBegin=3\r\n"
           "DayBegin=1\r\nHourBegin=8\r\nMinBegin=5\r\nCount=0\r\n";
}

// The download's file of 40 readings, cut short after reading 30 (the count and the
// header come after the readings), or with readings 39 and 40 lost.
std::string CutCase(const TempFolder& folder, bool keepCount = false) {
    const std::string path = folder.File("whole.awp");
    test::WriteSampleCase(path, {2026, 3, 2, 9, 30}, 40);
    std::string bytes = test::ReadBytes(path);
    std::filesystem::remove(path);
    if (keepCount)
        return bytes.erase(bytes.find("\r\n39="), bytes.find("\r\nCount=") - bytes.find("\r\n39="));
    return bytes.substr(0, bytes.find("\r\n31=") + 2);
}

TEST(CaseFolder, ListsTheFolderAndItsMonthFoldersWithTheDamagedOnes) {
    TempFolder folder;
    WriteBytes(folder.File("a.awp"), MinimalCase("Ada Lovelace", "P-1", "000000000101"));
    std::filesystem::create_directories(folder.File("2026"));
    test::WriteSampleCase(folder.File("2026/3.awp"), {2026, 3, 2, 9, 30}, 40);
    WriteBytes(folder.File("B.AWP"), "not a case file at all");
    WriteBytes(folder.File("empty.awp"), "");
    WriteBytes(folder.File("cut.awp"), CutCase(folder));
    WriteBytes(folder.File("lost.awp"), CutCase(folder, true));
    WriteBytes(folder.File("notes.txt"), MinimalCase("x", "y", "000000000101"));
    std::filesystem::create_directory(folder.File("sub.awp"));
    CaseFileTable table;
    std::map<std::string, CaseRow> rows;
    for (CaseRow& row : ListCaseFolder(folder.path(), table)) rows[row.fileName] = std::move(row);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(table.paths().size(), 6u);
    EXPECT_EQ(rows["a.awp"].name, "Ada Lovelace");
    EXPECT_EQ(CaseRowDate(rows["a.awp"]), "01-03-2026 08:05");
    EXPECT_FALSE(rows["a.awp"].damage);
    EXPECT_EQ(rows["3.awp"].path, folder.File("2026/3.awp"));
    EXPECT_EQ(rows["3.awp"].readings, 40);
    EXPECT_FALSE(rows["3.awp"].damage);

    const NoTexts english;
    EXPECT_EQ(DamagedCaseRow(english, rows["B.AWP"].damage), "damaged: not a case file");
    EXPECT_EQ(CaseRowDate(rows["B.AWP"]), "");  // never a stand-in text for a date
    EXPECT_EQ(DamagedCaseRow(english, rows["empty.awp"].damage), "damaged: the file is empty");
    EXPECT_EQ(DamagedCaseMessage(english, "cut.awp", rows["cut.awp"].damage),
              "damaged or not a case file: cut.awp (truncated: the file ends too early)");
    EXPECT_EQ(DamagedCaseMessage(english, "lost.awp", rows["lost.awp"].damage),
              "damaged or not a case file: lost.awp (truncated: 38 of 40 readings)");
}

TEST(CaseFolder, LoadingADamagedFileSaysWhy) {
    TempFolder folder;
    const auto loadError = [&](const std::string& name) {
        Recording recording;
        recording.casePath = folder.File(name);
        EXPECT_FALSE(recording.Load()) << name;
        return recording.readError;
    };
    WriteBytes(folder.File("garbage.awp"), std::string("\x7f\x45\x4c\x46\x02\x01\0 binary", 14));
    EXPECT_EQ(loadError("garbage.awp").fault, CaseFault::NotCaseFile);
    WriteBytes(folder.File("cut.awp"), CutCase(folder));
    EXPECT_EQ(loadError("cut.awp").fault, CaseFault::Truncated);  // never an empty case
    WriteBytes(folder.File("lost.awp"), CutCase(folder, true));
    EXPECT_EQ(loadError("lost.awp").fault, CaseFault::Truncated);
    WriteBytes(folder.File("head.awp"), "[PATIENT DATA]\r\nName=Ada\r\nTest Count=1\r\n");
    EXPECT_EQ(loadError("head.awp").fault, CaseFault::Truncated);
    const CaseReadError missing = loadError("none.awp");
    EXPECT_EQ(missing.fault, CaseFault::Unreadable);
    EXPECT_EQ(CaseFaultReason(NoTexts(), missing),
              "unreadable: " + std::string(std::strerror(ENOENT)));
    EXPECT_EQ(loadError("").fault, CaseFault::Unreadable);
    // The language's own words, when it has them.
    EXPECT_EQ(CaseFaultReason(test::KeyTexts(), missing), "Global Setting:IDS_FAULT_UNREADABLE");
}

TEST(CaseFolder, RowsSortByColumnAndMatchTheSearchInAnyLetterCase) {
    CaseRow ada{"Ada Lovelace", "p-100", {2026, 3, 1, 8, 5}, 12, {}, "a.awp", "/x/a.awp"};
    CaseRow jurgen{
        "J\xC3\x9CRGEN Weiß", "P-200", {2025, 12, 31, 23, 0}, 138, {}, "b.awp", "/x/b.awp"};
    CaseRow damaged{"", "", {}, 0, {CaseFault::NotCaseFile, {}, 0, 0}, "c.awp", "/x/c.awp"};
    EXPECT_TRUE(CaseRowBefore(jurgen, ada, CaseColumn::TestDate));  // by time, not by text
    EXPECT_FALSE(CaseRowBefore(ada, jurgen, CaseColumn::TestDate));
    EXPECT_TRUE(CaseRowBefore(damaged, jurgen, CaseColumn::TestDate));
    EXPECT_TRUE(CaseRowBefore(ada, jurgen, CaseColumn::Readings));
    EXPECT_TRUE(CaseRowBefore(ada, jurgen, CaseColumn::Id));  // "p" and "P" alike
    EXPECT_TRUE(CaseRowBefore(ada, jurgen, CaseColumn::Patient));

    EXPECT_TRUE(MatchesCaseSearch(ada, "LOVE"));
    EXPECT_TRUE(MatchesCaseSearch(ada, "P-1"));
    EXPECT_TRUE(MatchesCaseSearch(jurgen, "j\xC3\xBCrgen"));  // "jürgen" finds "JÜRGEN"
    EXPECT_TRUE(MatchesCaseSearch(jurgen, ""));
    EXPECT_FALSE(MatchesCaseSearch(jurgen, "love"));
    EXPECT_FALSE(MatchesCaseSearch(ada, "200"));
}

TEST(CaseFolder, TableHoldsTwoThousandFiles) {
    TempFolder folder;
    for (int i = 0; i < 2500; ++i) WriteBytes(folder.File(std::to_string(i) + ".awp"), "");
    CaseFileTable table;
    EXPECT_EQ(ListCaseFolder(folder.path(), table).size(), 2000u);
    EXPECT_EQ(table.paths().size(), 2000u);
    // A new listing starts the table afresh.
    TempFolder small;
    WriteBytes(small.File("one.awp"), "");
    ListCaseFolder(small.path(), table);
    EXPECT_EQ(table.paths().size(), 1u);
}

TEST(CaseFolder, AFolderThatCannotTakeFilesIsToldBeforeTheDownload) {
    TempFolder folder;
    EXPECT_EQ(CaseFolderWriteProblem(folder.File("new/cases")), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("new/cases")));
    EXPECT_TRUE(std::filesystem::is_empty(folder.File("new/cases")));  // the trial file is gone
    WriteBytes(folder.File("file"), "x");
    EXPECT_EQ(CaseFolderWriteProblem(folder.File("file/cases")), std::strerror(ENOTDIR));
    if (geteuid() != 0) {  // the superuser writes into any folder
        std::filesystem::create_directory(folder.File("locked"));
        std::filesystem::permissions(folder.File("locked"), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_exec);
        EXPECT_EQ(CaseFolderWriteProblem(folder.File("locked")), std::strerror(EACCES));
        std::filesystem::permissions(folder.File("locked"), std::filesystem::perms::owner_all);
    }
}

TEST(CaseFolder, CompatibilityByAddressAndType) {
    TempFolder folder;
    const auto compatible = [&](const std::string& text) {
        WriteBytes(folder.File("c.awp"), text);
        return IsCompatibleCase(folder.File("c.awp"));
    };
    EXPECT_TRUE(compatible(MinimalCase("a", "b", "000000000101")));
    EXPECT_TRUE(compatible(MinimalCase("a", "b", "0000000001FF", "Heron")));
    // The header writer's address for monitors of device type 3 and 4.
    EXPECT_TRUE(compatible(MinimalCase("a", "b", "000000000201")));
    EXPECT_TRUE(compatible(MinimalCase("a", "b", "000000000201", "Heron")));
    EXPECT_FALSE(compatible(MinimalCase("a", "b", "000000000201", "Other")));
    EXPECT_FALSE(compatible(MinimalCase("a", "b", "000000000301")));
    // The Heron download's own files carry the monitor's address.
    EXPECT_TRUE(compatible(MinimalCase("a", "b", "001b35127a40", "Heron")));
    EXPECT_FALSE(compatible(MinimalCase("a", "b", "001b35127a40")));
    EXPECT_FALSE(compatible(MinimalCase("a", "b", "not-an-addr!", "Heron")));
    EXPECT_FALSE(compatible(MinimalCase("a", "b", "000000000101", "Other")));
    EXPECT_FALSE(compatible("[PATIENT DATA]\r\nName=a\r\n"));
}

TEST(CaseFolder, DeleteSparesTheOpenCaseAndCopyReplaces) {
    TempFolder folder;
    TempFolder target;
    for (const char* name : {"a.awp", "b.awp", "c.awp"}) WriteBytes(folder.File(name), name);
    WriteBytes(target.File("a.awp"), "old");
    EXPECT_TRUE(CopyCases({folder.File("a.awp"), folder.File("b.awp")}, target.path()).empty());
    EXPECT_EQ(test::ReadBytes(target.File("a.awp")), "a.awp");
    // A copy that fails on the way (the disk fills) leaves the case that was there.
    test::RecordingFileSystem full;
    full.FailFileFlush(1, ENOSPC);
    EXPECT_EQ(CopyCases({folder.File("c.awp")}, target.path(), full),
              std::vector<std::string>{folder.File("c.awp")});
    WriteBytes(target.File("c.awp"), "old c");
    test::RecordingFileSystem fullAgain;
    fullAgain.FailFileFlush(1, ENOSPC);
    EXPECT_FALSE(CopyCases({folder.File("c.awp")}, target.path(), fullAgain).empty());
    EXPECT_EQ(test::ReadBytes(target.File("c.awp")), "old c");
    EXPECT_EQ(test::NamesIn(target.path()), (std::set<std::string>{"a.awp", "b.awp", "c.awp"}));

    const DeleteResult result = DeleteCases(
        {folder.File("a.awp"), folder.File("B.awp"), folder.File("c.awp")}, folder.File("b.AWP"));
    EXPECT_EQ(result.deleted,
              (std::vector<std::string>{folder.File("a.awp"), folder.File("c.awp")}));
    EXPECT_EQ(result.refused, std::vector<std::string>{folder.File("B.awp")});
    EXPECT_EQ(access(folder.File("b.awp").c_str(), F_OK), 0);
    EXPECT_NE(access(folder.File("a.awp").c_str(), F_OK), 0);
}

TEST(ColumnHeadings, TitlesAndWidths) {
    const auto columns = ParseColumnHeadings("Name,120;ID,80;Test begin, 140;File;;");
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].title, "Name");
    EXPECT_EQ(columns[0].width, 120);
    EXPECT_EQ(columns[2].width, 140);
    EXPECT_EQ(columns[3].title, "File");
    EXPECT_EQ(columns[3].width, 0);
    EXPECT_TRUE(ParseColumnHeadings("").empty());
}

}  // namespace
}  // namespace vitalis
