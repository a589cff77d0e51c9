#include "ChartSheets.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

#include "BarTrendDrawing.h"
#include "NotComputed.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "TableDrawing.h"
#include "TrendPages.h"
#include "analysis/ChartTexts.h"
#include "analysis/Histograms.h"
#include "case/TextSource.h"
#include "views/ChartPages.h"

namespace vitalis::report {

namespace {

// The chart painters write their text smaller when the area is lower than 30 text lines; a
// band of at least this height keeps it at the report's least size.
constexpr int kLeastPeriodBand = 30 * 11 + 36;

// Splits the page body into one captioned band for each period slot (0 whole, 1 awake,
// 2 asleep) and hands each band, without its caption, to draw.
template <typename Draw>
void ForEachPeriodBand(QPainter& p, const QRect& body, const TextSource& texts,
                       const std::vector<int>& periods, Draw draw) {
    const int band = body.height() / std::max(1, static_cast<int>(periods.size()));
    for (size_t i = 0; i < periods.size(); ++i) {
        QRect area(body.left(), body.top() + static_cast<int>(i) * band, body.width(), band);
        area.setTop(area.top() + DrawCaption(p, area, PeriodName(texts, periods[i])));
        draw(area.adjusted(0, 0, 0, -8), periods[i]);
    }
}

// In place of a period's chart that has no readings to show: "—" with the reason, as the
// figures pages write it, rather than empty bars or pies that read as measured zeros.
bool DrewGap(QPainter& p, const QRect& area, const TextSource& texts, bool multiDay, int slot,
             double share) {
    const QString gap = PeriodGap(texts, multiDay, slot, share > 0.0 ? 1 : 0);
    if (gap.isEmpty()) return false;
    DrawPairs(p, area, {{NotComputed(texts, gap), {}}});
    return true;
}

// The three periods spread over as many pages as their bands need.
std::vector<std::vector<int>> PeriodSlotsPerPage(int bodyHeight) {
    const int perPage = std::clamp(bodyHeight / kLeastPeriodBand, 1, 3);
    std::vector<std::vector<int>> pages;
    for (int slot = 0; slot < 3; ++slot) {
        if (slot % perPage == 0) pages.emplace_back();
        pages.back().push_back(slot);
    }
    return pages;
}

// Charts report a failure by drawing what they could; the report has nobody to tell.
PaintFailureReport Quiet() {
    return [](const QString&) {};
}

void PaintChart(PageKind kind, QPainter& p, const QRect& area, const PageContext& context) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area);
    // The charts put their axis titles just outside the area they are given.
    MakeChartPainter(kind, Quiet())->Paint(p, area.adjusted(24, 0, 0, 0), context);
    p.restore();
}

// Bins wider than one value show their range, written as the histogram page writes its bins.
QString BinLabel(const BinnedValues& bins, size_t i) {
    const int count = static_cast<int>(bins.values.size());
    if (bins.width <= 1) return QString::number(bins.first + static_cast<int>(i) * bins.width);
    const std::vector<std::string> labels = BinLabels(EqualBinEdges(bins.first, bins.width, count));
    return i < labels.size() ? QString::fromStdString(labels[i]) : QString();
}

// Bars of one histogram with its value under each bar.
void DrawBars(QPainter& p, const QRect& area, const QString& caption, const BinnedValues& bins,
              bool asPercent) {
    const int captionHeight = DrawCaption(p, area, caption);
    const QRect plot = area.adjusted(30, captionHeight + 20, -10, -36);
    p.save();
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    const size_t n = bins.values.size();
    const double top = std::max(1e-9, *std::max_element(bins.values.begin(), bins.values.end()));
    const double slot = n ? static_cast<double>(plot.width()) / static_cast<double>(n) : 0.0;
    QFont small = p.font();
    small.setPointSizeF(std::max(kLeastTextPoints, small.pointSizeF() * 0.8));
    p.setFont(small);
    for (size_t i = 0; i < n; ++i) {
        const double v = bins.values[i];
        const int h = static_cast<int>(plot.height() * v / top);
        const QRectF bar(plot.left() + slot * static_cast<double>(i) + 2, plot.bottom() - h,
                         std::max(1.0, slot - 4), h);
        p.fillRect(bar, QColor(70, 120, 180));
        const QString value =
            asPercent ? QString::number(v * 100.0, 'f', 0) + "%" : QString::number(v, 'f', 0);
        p.drawText(QRectF(bar.left() - 4, bar.top() - 16, bar.width() + 8, 14), Qt::AlignCenter,
                   value);
        p.drawText(QRectF(bar.left() - 6, plot.bottom() + 2, bar.width() + 12, 16), Qt::AlignCenter,
                   BinLabel(bins, i));
    }
    p.restore();
}

}  // namespace

ChartSheets::ChartSheets(const ReportData& data, const TextSource& texts)
    : data_(data),
      texts_(texts),
      thresholds_(std::make_shared<ThresholdSettings>()),
      recording_(std::make_shared<Recording>()) {
    Recording& r = *recording_;
    const ReportHeader& h = data.header;
    r.patient.name = h.patientName;
    r.patient.id = h.patientId;
    r.testBegin = {h.beginDate[0], h.beginDate[1], h.beginDate[2], h.beginTime[0], h.beginTime[3]};
    r.multiDay = h.multiDay != 0;
    const auto& list = data.graphReadings ? data.graphReadings : data.dataReadings;
    if (list) {
        r.awakeStart = list->awakeStart;
        r.asleepStart = list->asleepStart;
        thresholds_->awakeSys = list->awakeSys, thresholds_->awakeDia = list->awakeDia;
        thresholds_->asleepSys = list->asleepSys, thresholds_->asleepDia = list->asleepDia;
        for (const Measurement& m : list->readings) r.AddMeasurement(m);
    }
    if (data.statistics) *thresholds_ = data.statistics->thresholds;
    r.thresholdSource = thresholds_.get();
    if (data.correlation) r.analysis.correlation = data.correlation->chart;
}

std::vector<ReportPage> ChartSheets::Pages(int bodyHeight) const {
    const std::vector<std::vector<int>> periodPages = PeriodSlotsPerPage(bodyHeight);
    std::vector<ReportPage> pages;
    const TrendPrint print = TrendPrintOf(data_.graph);
    if (data_.graphReadings && data_.header.pages[3])
        for (ReportPage& page : TrendPages(recording_, thresholds_, texts_, print))
            pages.push_back(std::move(page));
    // The bar trend is a strip graph already; it follows the layout's time scale and window.
    if (data_.graphReadings && data_.header.pages[4]) {
        const std::vector<TimeWindow> days = PrintedWindows(BuildTrendRows(*recording_), print);
        if (days.size() <= 1 && !print.shown) pages.push_back(BarTrendPage(std::nullopt));
        for (size_t i = 0; (days.size() > 1 || print.shown) && i < days.size(); ++i)
            pages.push_back(BarTrendPage(days[i]));
    }
    for (const std::vector<int>& periods : periodPages)
        if (data_.histograms) pages.push_back(HistogramPage(periods));
    for (const std::vector<int>& periods : periodPages)
        if (data_.pies) pages.push_back(PiePage(periods));
    if (data_.correlation) pages.push_back(CorrelationPage());
    if (data_.frequency) pages.push_back(FrequencyPage());
    if (data_.secondary) pages.push_back(SecondaryPage());
    return pages;
}

ReportPage ChartSheets::BarTrendPage(std::optional<TimeWindow> window) const {
    auto recording = recording_;
    auto thresholds = thresholds_;
    const TextSource* texts = &texts_;
    QString heading = PageHeading(texts_, "IDS_LINE_PAGE", "Bar trend graph");
    if (window) heading += QStringLiteral("   ") + WindowText(*window);
    return {heading, [=](QPainter& p, const QRect& body) {
                DrawBarTrend(p, body, *recording, *thresholds, *texts, window);
            }};
}

ReportPage ChartSheets::HistogramPage(const std::vector<int>& periods) const {
    auto recording = recording_;
    auto thresholds = thresholds_;
    const TextSource* texts = &texts_;
    const HistogramRecord histograms = *data_.histograms;
    const bool multiDay = data_.header.multiDay != 0;
    return {PageHeading(texts_, "IDS_BARGRAPH_PAGE", "Blood pressure histogram"),
            [=](QPainter& p, const QRect& body) {
                const PeriodSummary none;
                ForEachPeriodBand(p, body, *texts, periods, [&](const QRect& area, int slot) {
                    const HistogramSet& set = histograms.periods[static_cast<size_t>(slot)];
                    if (DrewGap(p, area, *texts, multiDay, slot,
                                std::accumulate(set.sys.begin(), set.sys.end(), 0.0)))
                        return;
                    recording->analysis.histograms = set;
                    const PageContext context{*recording, none, *PeriodFromCode(slot + 1),
                                              *thresholds, *texts};
                    PaintChart(PageKind::Histogram, p, area, context);
                });
            }};
}

ReportPage ChartSheets::PiePage(const std::vector<int>& periods) const {
    auto recording = recording_;
    auto thresholds = thresholds_;
    const TextSource* texts = &texts_;
    const SummaryRecord pies = *data_.pies;
    const bool multiDay = data_.header.multiDay != 0;
    return {PageHeading(texts_, "IDS_CAKE_PAGE", "Blood pressure pie charts"),
            [=](QPainter& p, const QRect& body) {
                ForEachPeriodBand(p, body, *texts, periods, [&](const QRect& area, int slot) {
                    const SummaryBlock& sys = pies.summaries[static_cast<size_t>(slot)].sys;
                    if (DrewGap(p, area, *texts, multiDay, slot,
                                sys.belowFraction + sys.withinFraction + sys.aboveFraction))
                        return;
                    const PageContext context{*recording,
                                              pies.summaries[static_cast<size_t>(slot)],
                                              *PeriodFromCode(slot + 1),
                                              *thresholds,
                                              *texts,
                                              pies.ranges[static_cast<size_t>(slot)]};
                    PaintChart(PageKind::Pie, p, area, context);
                });
            }};
}

ReportPage ChartSheets::CorrelationPage() const {
    auto recording = recording_;
    auto thresholds = thresholds_;
    const TextSource* texts = &texts_;
    const CorrelationRecord c = *data_.correlation;
    return {PageHeading(texts_, "IDS_RATE_BARGRAPH", "Blood pressure correlation"),
            [=](QPainter& p, const QRect& body) {
                const auto number = [](double v, int d) { return QString::number(v, 'f', d); };
                const auto zuzod = [&](const char* key) {
                    return SectionText(*texts, kNoticeTexts, key);
                };
                const QString sys = ParameterName(*texts, 0), dia = ParameterName(*texts, 1);
                const std::vector<std::pair<QString, QString>> figures{
                    {zuzod("IDS_CORRELATION"), number(c.r, 3)},
                    {zuzod("IDS_DIA_DEPEND"), QStringLiteral("%1 = %2 × %3 + %4")
                                                  .arg(dia, number(c.diaOnSysSlope, 3), sys,
                                                       number(c.diaOnSysIntercept, 1))},
                    {zuzod("IDS_SYS_DEPEND"), QStringLiteral("%1 = %2 × %3 + %4")
                                                  .arg(sys, number(c.sysOnDiaSlope, 3), dia,
                                                       number(c.sysOnDiaIntercept, 1))},
                    {zuzod("IDS_CLOUD_CENTER"),
                     QStringLiteral("%1/%2 mmHg").arg(c.centreSys).arg(c.centreDia)},
                    {ReportText(*texts, "IDS_RPT_STIFFNESS"), number(c.stiffnessIndex, 3)}};
                // The chart takes the page but for the figures under it.
                const int figuresHeight = static_cast<int>(figures.size()) * 24 + 20;
                const QRect chart = body.adjusted(0, 0, 0, -figuresHeight);
                const PeriodSummary none;
                const PageContext context{*recording, none, Period::Whole, *thresholds, *texts};
                PaintChart(PageKind::Correlation, p, chart, context);
                DrawPairs(p, QRect(body.left(), chart.bottom() + 20, body.width(), 0), figures);
            }};
}

ReportPage ChartSheets::FrequencyPage() const {
    const FrequencyRecord f = *data_.frequency;
    const QString awake = PeriodName(texts_, 1), asleep = PeriodName(texts_, 2);
    return {PageHeading(texts_, "IDS_COMBINE_PAGE", "Frequency histogram"),
            [f, awake, asleep](QPainter& p, const QRect& body) {
                const int half = body.height() / 2;
                DrawBars(p, QRect(body.left(), body.top(), body.width(), half - 10), awake, f.awake,
                         false);
                DrawBars(p, QRect(body.left(), body.top() + half, body.width(), half - 10), asleep,
                         f.asleep, false);
            }};
}

ReportPage ChartSheets::SecondaryPage() const {
    const SecondaryHistogramRecord s = *data_.secondary;
    const QStringList captions{SectionText(texts_, kNoticeTexts, "IDS_PULSE_RATE"),
                               ReportText(texts_, "IDS_RPT_MAP_AXIS"),
                               ReportText(texts_, "IDS_RPT_PP_AXIS")};
    return {PageHeading(texts_, "IDS_THREE_PAGE", "Pulse rate, MAP and pulse pressure histograms"),
            [s, captions](QPainter& p, const QRect& body) {
                const int band = body.height() / 3;
                DrawBars(p, QRect(body.left(), body.top(), body.width(), band - 10), captions[0],
                         s.pr, true);
                DrawBars(p, QRect(body.left(), body.top() + band, body.width(), band - 10),
                         captions[1], s.map, true);
                DrawBars(p, QRect(body.left(), body.top() + 2 * band, body.width(), band - 10),
                         captions[2], s.pp, true);
            }};
}

}  // namespace vitalis::report
