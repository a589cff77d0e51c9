#include "StatisticsPages.h"

#include <QPainter>

#include "NotComputed.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "TableDrawing.h"
#include "analysis/ChartTexts.h"
#include "case/TextSource.h"

namespace vitalis::report {

namespace {

constexpr int kGap = 10;
constexpr int kSlotOrder[3] = {1, 2, 0};  // awake, asleep, then the whole recording

QRect Below(const QRect& body, int top) {
    return QRect(body.left(), top, body.width(), 0);
}

QStringList Captions(const TextSource& t, std::initializer_list<const char*> keys) {
    QStringList captions{QString()};
    for (const char* key : keys) captions << ReportText(t, key);
    return captions;
}

Table PeriodTable(const PeriodFigures& f, const TextSource& t) {
    Table table{Captions(t, {"IDS_RPT_MEAN", "IDS_RPT_MAX", "IDS_RPT_MIN", "IDS_RPT_SD",
                             "IDS_RPT_SE", "IDS_RPT_CV"}),
                {},
                20};
    for (size_t i = 0; i < 5; ++i) {
        const ParameterFigures& v = f.values[i];
        QStringList row{ParameterName(t, static_cast<int>(i)), Number(v.mean),
                        QString::number(v.max), QString::number(v.min)};
        if (i < f.spread.size())  // PP has no spread of its own
            row << Number(f.spread[i].sd) << Number(f.spread[i].se, 2) << Percent(f.spread[i].cv);
        table.rows.push_back(row);
    }
    return table;
}

// One figure per SYS and DIA, or the reason there is none.
QStringList PairOrGap(const TextSource& t, const QString& gap, const QString& sys,
                      const QString& dia) {
    if (gap.isEmpty()) return {sys, dia};
    return {NotComputed(t, gap), QString()};
}

Table LoadTable(const StatisticsRecord& s, bool multiDay, const TextSource& t) {
    const ThresholdSettings& th = s.thresholds;
    const auto gap = [&](int slot) {
        return PeriodGap(t, multiDay, slot, s.periods[static_cast<size_t>(slot)].count);
    };
    const auto limit = [](int a, int b) { return QStringLiteral("%1/%2 mmHg").arg(a).arg(b); };
    Table table{
        {QString(), ParameterName(t, 0), ParameterName(t, 1),
         SectionText(t, kCaseTexts, "IDS_STANDARD_VALUES"), ReportText(t, "IDS_RPT_LOAD_LIMIT")},
        {},
        20};
    table.rows.push_back(QStringList{ReportText(t, "IDS_RPT_AWAKE_LOAD")}
                         << PairOrGap(t, gap(1), Percent(s.loads[0]), Percent(s.loads[1]))
                         << limit(th.awakeSys, th.awakeDia)
                         << QStringLiteral("%1%").arg(th.dayLoad));
    table.rows.push_back(QStringList{ReportText(t, "IDS_RPT_ASLEEP_LOAD")}
                         << PairOrGap(t, gap(2), Percent(s.loads[2]), Percent(s.loads[3]))
                         << limit(th.asleepSys, th.asleepDia)
                         << QStringLiteral("%1%").arg(th.nightLoad));
    table.rows.push_back(QStringList{ReportText(t, "IDS_RPT_WHOLE_LOAD")}
                         << PairOrGap(t, gap(0), Percent(s.loads[4]), Percent(s.loads[5]))
                         << QString() << QString());
    const QString fallGap = FallGap(t, multiDay, s.periods[1].count, s.periods[2].count);
    table.rows.push_back(
        QStringList{ReportText(t, "IDS_RPT_FALL")}
        << PairOrGap(t, fallGap, Percent(s.sysNocturnalFall), Percent(s.diaNocturnalFall))
        << ReportText(t, "IDS_RPT_FALL_LIMITS").arg(th.lowFall).arg(th.highFall) << QString());
    table.rows.push_back(
        QStringList{ReportText(t, "IDS_RPT_HOURLY_RATIO")}
        << PairOrGap(t, fallGap, Number(s.sysHourlyRatio, 2), Number(s.diaHourlyRatio, 2))
        << QString() << QString());
    return table;
}

}  // namespace

ReportPage StatisticsPage(const StatisticsRecord& s, bool multiDay, const TextSource& texts) {
    const TextSource* t = &texts;
    return {
        QString(), [s, multiDay, t](QPainter& p, const QRect& body) {
            int top = body.top();
            for (int slot : kSlotOrder) {
                const PeriodFigures& f = s.periods[static_cast<size_t>(slot)];
                top += DrawCaption(
                    p, Below(body, top),
                    ReportText(*t, "IDS_RPT_PERIOD_COUNT").arg(PeriodName(*t, slot)).arg(f.count));
                const QString gap = PeriodGap(*t, multiDay, slot, f.count);
                if (!gap.isEmpty())
                    top += DrawPairs(p, Below(body, top), {{NotComputed(*t, gap), {}}});
                else
                    top += DrawTable(p, Below(body, top), PeriodTable(f, *t));
                top += kGap;
            }
            top += DrawCaption(p, Below(body, top), ReportText(*t, "IDS_RPT_LOAD_FALL"));
            DrawTable(p, Below(body, top), LoadTable(s, multiDay, *t));
        }};
}

namespace {

QString Extreme(int value, const std::array<int, 3>& date, int hour, int minute) {
    return QStringLiteral("%1 (%2 %3)")
        .arg(value)
        .arg(Date(date))
        .arg(ClockOfDay(hour * 60 + minute));
}

// The bins of a range: at or below low, above low up to high, above high.
QStringList SummaryRow(const QString& name, const SummaryBlock& b, int low, int high) {
    const RangeLegend range = RangeLegendTexts(low, high);
    const auto Share = [](const std::string& bin, double fraction) {
        return QStringLiteral("%1: %2").arg(QString::fromStdString(bin), Percent(fraction));
    };
    return {name,
            Number(b.mean),
            Extreme(b.maxValue, {b.maxYear, b.maxMonth, b.maxDay}, b.maxHour, b.maxMinute),
            Extreme(b.minValue, {b.minYear, b.minMonth, b.minDay}, b.minHour, b.minMinute),
            Share(range.below, b.belowFraction),
            Share(range.within, b.withinFraction),
            Share(range.above, b.aboveFraction)};
}

// A summary counts its readings only as shares of the three bins: none at all means the
// period had no readings.
bool HasReadings(const PeriodSummary& s) {
    return s.sys.belowFraction + s.sys.withinFraction + s.sys.aboveFraction > 0.0;
}

Table SummaryTable(const PeriodSummary& sum, const RangeBounds& r, const TextSource& t) {
    Table table{Captions(t, {"IDS_RPT_MEAN", "IDS_RPT_HIGHEST", "IDS_RPT_LOWEST", "IDS_RPT_BELOW",
                             "IDS_RPT_WITHIN", "IDS_RPT_ABOVE"}),
                {},
                20};
    table.rows.push_back(SummaryRow(ParameterName(t, 0), sum.sys, r.sysLow, r.sysHigh));
    table.rows.push_back(SummaryRow(ParameterName(t, 1), sum.dia, r.diaLow, r.diaHigh));
    table.rows.push_back(SummaryRow(ParameterName(t, 2), sum.pr, r.prLow, r.prHigh));
    return table;
}

}  // namespace

ReportPage SummaryPage(const SummaryRecord& s, bool multiDay, const TextSource& texts) {
    const TextSource* t = &texts;
    return {QString(), [s, multiDay, t](QPainter& p, const QRect& body) {
                int top = body.top();
                for (int slot : kSlotOrder) {
                    const auto i = static_cast<size_t>(slot);
                    top += DrawCaption(p, Below(body, top), PeriodName(*t, slot));
                    const QString gap =
                        PeriodGap(*t, multiDay, slot, HasReadings(s.summaries[i]) ? 1 : 0);
                    if (!gap.isEmpty())
                        top += DrawPairs(p, Below(body, top), {{NotComputed(*t, gap), {}}});
                    else
                        top += DrawTable(p, Below(body, top),
                                         SummaryTable(s.summaries[i], s.ranges[i], *t));
                    top += 2 * kGap;
                }
            }};
}

}  // namespace vitalis::report
