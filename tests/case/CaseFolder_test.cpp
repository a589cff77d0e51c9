#include "case/CaseFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "case/ColumnHeadings.h"
#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;
using test::WriteBytes;

std::string MinimalCase(const std::string& name, const std::string& id, const std::string& address,
                        const std::string& type = "") {
    return "[PATIENT DATA]\r\nName=" + name + "\r\nID=" + id + "\r\nTest Count=1\r\nBTH_ADDR=" +
           address + "\r\n" + (type.empty() ? "" : "Type=" + type + "\r\n") +
           "[TEST 1]\r\nTestBeginDate=1/3/2026 8:05\r\nYearBegin=2026\r\nMonthBegin=3\r\n"
           "DayBegin=1\r\nHourBegin=8\r\nMinBegin=5\r\nCount=0\r\n";
}

TEST(CaseFolder, ListsCaseFilesWithTheirRowsUpToTheTableSize) {
    TempFolder folder;
    WriteBytes(folder.File("a.awp"), MinimalCase("Ada Lovelace", "P-1", "000000000101"));
    WriteBytes(folder.File("B.AWP"), "not a case file at all");
    WriteBytes(folder.File("notes.txt"), MinimalCase("x", "y", "000000000101"));
    std::filesystem::create_directory(folder.File("sub.awp"));
    CaseFileTable table;
    const auto rows = ListCaseFolder(folder.path(), table);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(table.paths().size(), 2u);
    for (const CaseRow& row : rows) {
        if (row.fileName == "a.awp") {
            EXPECT_EQ(row.name, "Ada Lovelace");
            EXPECT_EQ(row.testBegin, "1/3/2026 8:05");
        } else {
            EXPECT_EQ(row.fileName, "B.AWP");
            EXPECT_EQ(row.name, "");  // foreign files still get a row, with defaults
            EXPECT_EQ(row.testBegin, "no String");
        }
    }
    EXPECT_EQ(table.FindByFileName("b.awp"), folder.File("B.AWP"));
    EXPECT_EQ(table.FindByFileName("c.awp"), "");
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

TEST(CaseFolder, SearchByNameIdOrBeginDate) {
    TempFolder folder;
    WriteBytes(folder.File("a.awp"), MinimalCase("Ada Lovelace", "P-100", "000000000101"));
    WriteBytes(folder.File("b.awp"), MinimalCase("Charles Babbage", "P-200", "000000000101"));
    const auto names = [](const std::vector<CaseRow>& rows) {
        std::vector<std::string> out;
        for (const CaseRow& row : rows) out.push_back(row.name);
        return out;
    };
    EXPECT_EQ(names(SearchCaseFolder(folder.path(), CaseSearch::ByName, "Love", {})),
              std::vector<std::string>{"Ada Lovelace"});
    EXPECT_TRUE(SearchCaseFolder(folder.path(), CaseSearch::ByName, "love", {}).empty());
    EXPECT_EQ(names(SearchCaseFolder(folder.path(), CaseSearch::ById, "200", {})),
              std::vector<std::string>{"Charles Babbage"});
    EXPECT_EQ(SearchCaseFolder(folder.path(), CaseSearch::ByBeginDate, "", {2026, 3, 1}).size(), 2u);
    EXPECT_TRUE(SearchCaseFolder(folder.path(), CaseSearch::ByBeginDate, "", {2026, 3, 2}).empty());
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

    const DeleteResult result = DeleteCases(
        {folder.File("a.awp"), folder.File("B.awp"), folder.File("c.awp")}, folder.File("b.AWP"));
    EXPECT_EQ(result.deleted, (std::vector<std::string>{folder.File("a.awp"), folder.File("c.awp")}));
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
