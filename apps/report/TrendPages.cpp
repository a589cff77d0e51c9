#include "TrendPages.h"

#include <QPainter>
#include <algorithm>

#include "ReportFormat.h"
#include "views/ChartStyle.h"
#include "views/TrendGraphPainter.h"

namespace vitalis::report {

namespace {

constexpr int64_t kDay = 24 * 60;
const QColor kRemarkMark(190, 90, 0);

std::vector<const TrendRow*> RemarkedRows(std::span<const TrendRow> rows, const TimeWindow& w) {
    std::vector<const TrendRow*> remarked;
    for (const TrendRow& row : rows)
        if (!row.comment.empty() && row.minute >= w.first && row.minute <= w.last)
            remarked.push_back(&row);
    return remarked;
}

QString RemarkLine(const TrendRow& row) {
    return QStringLiteral("%1   %2   %3")
        .arg(row.number)
        .arg(ClockOfDay(row.clock.hour * 60 + row.clock.minute),
             QString::fromStdString(row.comment));
}

// The remarks under the chart, as many lines as fit into at most a third of the body; every
// remark also stands in the measurement list under the same number. Returns the height used.
int RemarkListHeight(QPainter& p, const QRect& body, const std::vector<const TrendRow*>& rows) {
    int height = 0;
    for (const TrendRow* row : rows) {
        const QRect used =
            p.boundingRect(QRect(0, 0, body.width(), 10000), Qt::TextWordWrap, RemarkLine(*row));
        if (height + used.height() > body.height() / 3) break;
        height += used.height();
    }
    return height;
}

void DrawRemarkList(QPainter& p, const QRect& list, const std::vector<const TrendRow*>& rows) {
    int top = list.top();
    for (const TrendRow* row : rows) {
        const QRect room(list.left(), top, list.width(), 10000);
        const QRect used = p.boundingRect(room, Qt::TextWordWrap, RemarkLine(*row));
        if (used.bottom() > list.bottom()) break;
        p.drawText(room, Qt::TextWordWrap, RemarkLine(*row));
        top += used.height();
    }
}

// A small flag above the plot at the reading's time with its number over it.
void DrawRemarkMarks(QPainter& p, const TrendLayout& layout,
                     const std::vector<const TrendRow*>& rows) {
    const double r = 4.0 * layout.unit;
    const double y = layout.plot.top();
    p.setFont(ChartFont(layout.textPixels));
    for (const TrendRow* row : rows) {
        const double x = layout.XOf(row->minute);
        p.setPen(ChartPen(kRemarkMark, layout.unit));
        p.setBrush(kRemarkMark);
        const QPointF mark[3] = {{x, y}, {x - r, y - 2 * r}, {x + r, y - 2 * r}};
        p.drawPolygon(mark, 3);
        p.drawText(QRectF(x - 30 * layout.unit, y - 2 * r - layout.textPixels * 1.4,
                          60 * layout.unit, layout.textPixels * 1.3),
                   Qt::AlignHCenter | Qt::AlignBottom, QString::number(row->number));
    }
}

}  // namespace

QString WindowText(const TimeWindow& w) {
    const auto at = [](int64_t minute) {
        const ClockTime t = ClockTimeFromMinutes(minute);
        return Date({t.year, t.month, t.day}) + QLatin1Char(' ') +
               ClockOfDay(t.hour * 60 + t.minute);
    };
    return QStringLiteral("%1 – %2").arg(at(w.first), at(w.last));
}

std::vector<TimeWindow> TrendWindows(std::span<const TrendRow> rows, int64_t pageMinutes) {
    if (rows.empty()) return {};
    const auto [low, high] = std::minmax_element(
        rows.begin(), rows.end(),
        [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; });
    const int64_t first = low->minute, last = high->minute;
    const int64_t length = pageMinutes > 0 ? pageMinutes : kDay;
    if (pageMinutes <= 0 && last - first <= kOnePageMinutes) return {TimeWindow{first, last}};
    std::vector<TimeWindow> windows;
    for (int64_t from = first; from <= last; from += length) {
        const TimeWindow w{from, from + length};
        // The window's end belongs to the next one.
        const bool holdsReading = std::any_of(rows.begin(), rows.end(), [&](const TrendRow& r) {
            return r.minute >= w.first && r.minute < w.last;
        });
        if (holdsReading) windows.push_back(w);
    }
    return windows;
}

TrendPrint TrendPrintOf(const std::optional<GraphRecord>& graph) {
    if (!graph) return {};
    return {graph->options.type == GraphType::Strip, GraphPageMinutes(graph->options),
            graph->screenWindow};
}

std::vector<TimeWindow> PrintedWindows(std::span<const TrendRow> rows, const TrendPrint& print) {
    if (!print.shown) return TrendWindows(rows, print.pageMinutes);
    const TimeWindow& shown = *print.shown;
    if (print.pageMinutes <= 0) return {shown};
    std::vector<TimeWindow> windows;
    for (int64_t from = shown.first; from < shown.last; from += print.pageMinutes) {
        const TimeWindow w{from, std::min(from + print.pageMinutes, shown.last)};
        // A page's end belongs to the next page, the window's end to the last one.
        const bool holdsReading = std::any_of(rows.begin(), rows.end(), [&](const TrendRow& r) {
            return r.minute >= w.first && (r.minute < w.last || w.last == shown.last);
        });
        if (holdsReading) windows.push_back(w);
    }
    // The screen showed the window even without a reading in it; so does the print.
    if (windows.empty()) windows.push_back(shown);
    return windows;
}

std::vector<ReportPage> TrendPages(std::shared_ptr<const Recording> recording,
                                   std::shared_ptr<const ThresholdSettings> thresholds,
                                   const TextSource& texts, const TrendPrint& print) {
    auto rows = std::make_shared<const std::vector<TrendRow>>(BuildTrendRows(*recording));
    const std::vector<TimeWindow> windows = PrintedWindows(*rows, print);
    const bool strips = print.strips;
    const QString heading = PageHeading(texts, "IDS_GRAPH_PAGE", "Colour trend graph");
    const TextSource* source = &texts;
    const auto page = [=](std::optional<TimeWindow> window) -> decltype(ReportPage::draw) {
        return [=](QPainter& p, const QRect& body) {
            const auto remarked = window ? RemarkedRows(*rows, *window)
                                         : RemarkedRows(*rows, TimeWindow{INT64_MIN, INT64_MAX});
            const int listHeight = RemarkListHeight(p, body, remarked);
            const QRect chart = body.adjusted(24, 0, 0, -(listHeight ? listHeight + 8 : 0));
            TrendGraphPainter trend([](const QString&) {});
            trend.SetWindow(window);
            trend.SetStrips(strips);
            const PeriodSummary none;
            const PageContext context{*recording, none, Period::Whole, *thresholds, *source};
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            trend.Paint(p, chart, context);
            DrawRemarkMarks(p, trend.layout(), remarked);
            p.restore();
            DrawRemarkList(p, QRect(body.left(), chart.bottom() + 8, body.width(), listHeight),
                           remarked);
        };
    };
    if (windows.size() <= 1 && !print.shown) return {{heading, page(std::nullopt)}};
    std::vector<ReportPage> pages;
    for (const TimeWindow& w : windows)
        pages.push_back({heading + QStringLiteral("   ") + WindowText(w), page(w)});
    return pages;
}

}  // namespace vitalis::report
