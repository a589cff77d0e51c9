#include "analysis/StatisticsTable.h"

#include "analysis/CopyTexts.h"

#include <cstdio>
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr std::string_view kGlobal = kGlobalTexts;
constexpr std::string_view kMessage = kMessageTexts;
constexpr std::string_view kMenu = kMenuTexts;
constexpr std::string_view kCase = kCaseTexts;

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

double LoadPercent(int above, int count) {
    return count > 0 ? static_cast<double>(above) / count * 100.0 : 0.0;
}

StatisticsTable::Row RowOf(std::string label, const PeriodStats& stats) {
    StatisticsTable::Row row;
    row.label = std::move(label);
    row.cells[0] = Format("%d", stats.count);
    row.cells[1] = Format("%.1f/%.1f", static_cast<double>(stats.sys.mean),
                          static_cast<double>(stats.dia.mean));
    row.cells[2] = Format("%.1f", static_cast<double>(stats.pr.mean));
    row.cells[3] = Format("%.1f", static_cast<double>(stats.pp.mean));
    row.cells[4] = Format("%.1f", LoadPercent(stats.sysAboveCount, stats.count));
    row.cells[5] = Format("%.1f", LoadPercent(stats.diaAboveCount, stats.count));
    return row;
}

}  // namespace

StatisticsTable BuildStatisticsTable(const AnalysisResults& results,
                                     const ThresholdSettings& thresholds, const TextSource& texts) {
    StatisticsTable table;
    table.title = texts.Text(kGlobal, "IDS_STA_MESSAGE");
    table.confirmText = texts.Text(kMessage, "IDS_MAKE_SURE");
    table.copyText = texts.Text(kMenuTexts, "IDS_COPY");
    table.copiedText = CopiedStatisticsText(texts);
    table.columnCaptions = {
        texts.Text(kMenu, "IDS_COUNT"),          texts.Text(kMenu, "IDS_BLOOD"),
        texts.Text(kMenu, "IDS_HEART_RATE"),     texts.Text(kMenu, "IDS_DIFFERENTTIAL_PRESSURE"),
        texts.Text(kMenu, "IDS_CONTRACT"),       texts.Text(kMenu, "IDS_RELAX_PRESS"),
        texts.Text(kCase, "IDS_STANDARD_VALUES")};
    table.loadCaption = texts.Text(kMenu, "IDS_READ_PRESS");
    table.pulseRateLabel = texts.Text(kGlobal, "IDS_PLUSE_RATE");

    table.rows[0] = RowOf(texts.Text(kMessage, "IDS_AWAKE"), results.Stats(Period::Awake));
    table.rows[0].cells[6] = Format("%d/%d", thresholds.awakeSys, thresholds.awakeDia);
    table.rows[1] = RowOf(texts.Text(kMessage, "IDS_SLEEP"), results.Stats(Period::Asleep));
    table.rows[1].cells[6] = Format("%d/%d", thresholds.asleepSys, thresholds.asleepDia);
    table.rows[2] = RowOf(texts.Text(kMenu, "IDS_SUM"), results.Stats(Period::Whole));
    return table;
}

}  // namespace vitalis
