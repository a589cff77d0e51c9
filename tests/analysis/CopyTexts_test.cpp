#include "analysis/CopyTexts.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

// The few texts a copy uses, as a language file has them; any other text is its key.
class CopyLanguage final : public TextSource {
  public:
    std::string Text(std::string_view, std::string_view key) const override {
        if (key == "IDS_SET_HEADING")
            return "*,70;No.,50;Time,60;Date,90;SYS/"
                   "DIA,80;PR,50;MAP,50;PP,50;Status,70;Remark,220;";
        if (key == "IDS_COPIED_READINGS") return "Copied %1 readings";
        return std::string(key);
    }
};

TEST(CopyTexts, ReadingsAreATableWithTheListsColumnsAndWords) {
    CopyLanguage texts;
    Measurement good;
    good.index = 0, good.hour = 8, good.minute = 0, good.day = 1, good.month = 3;
    good.year = 2026, good.sys = 120, good.dia = 80, good.map = 93, good.pr = 61, good.valid = 1;
    Measurement failed;
    failed.index = 1, failed.mode = 1, failed.hour = 8, failed.minute = 15, failed.day = 1;
    failed.month = 3, failed.year = 2026, failed.status = 6, failed.valid = 0;
    failed.remark = "cuff\tslipped\r\nagain";  // never breaks a cell or a line
    EXPECT_EQ(ReadingsCopyText({good, failed}, texts),
              "*\tNo.\tTime\tDate\tSYS/DIA\tPR\tMAP\tPP\tStatus\tRemark\r\n"
              "\t1\t08:00\t01-03-2026\t120/80\t61\t93\t40\t\t\r\n"
              "*\t2+\t08:15\t01-03-2026\t---/---\t---\t---\t---\tIDS_LOOSE_CUFF\t"
              "cuff slipped  again\r\n");
    // A language without the column titles still gives ten columns.
    EXPECT_EQ(ReadingsCopyText({}, NoTexts()), "\t\t\t\t\t\t\t\t\t\r\n");
    EXPECT_EQ(CopiedReadingsText(12, texts), "Copied 12 readings");
    EXPECT_EQ(CopiedReadingsText(1, texts), "IDS_COPIED_READING");
    EXPECT_EQ(CopiedStatisticsText(texts), "IDS_COPIED_STATISTICS");
}

TEST(CopyTexts, TheStatisticsTableKeepsItsRowLabelsAndCaptions) {
    StatisticsTable table;
    table.columnCaptions = {"n", "SYS/DIA", "PR", "PP", "SYS%", "DIA%", "limit"};
    table.rows[0] = {"Awake", {"30", "131/84", "72", "47", "40", "20", "135/85"}};
    table.rows[1] = {"Asleep", {"10", "118/70", "60", "48", "10", "0", "120/70"}};
    table.rows[2] = {"Total", {"40", "128/80", "69", "48", "33", "15", ""}};
    EXPECT_EQ(StatisticsCopyText(table),
              "\tn\tSYS/DIA\tPR\tPP\tSYS%\tDIA%\tlimit\r\n"
              "Awake\t30\t131/84\t72\t47\t40\t20\t135/85\r\n"
              "Asleep\t10\t118/70\t60\t48\t10\t0\t120/70\r\n"
              "Total\t40\t128/80\t69\t48\t33\t15\t\r\n");
}

}  // namespace
}  // namespace vitalis
