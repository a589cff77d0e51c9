#include "DiaryPage.h"

#include <QImage>
#include <QPainter>

#include "ReportFormat.h"
#include "ReportTexts.h"
#include "TableDrawing.h"
#include "case/TextSource.h"

namespace vitalis::report {
namespace {

constexpr const char* kSection = kDiaryTexts;
constexpr int kSectionGap = 16;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString EveningText(const CalendarDate& d) {
    return Date({d.year, d.month, d.day});
}

Table NightTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_DATE", "IDS_DIARY_BED", "IDS_DIARY_UP"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryNight& n : diary.nights) {
        table.rows.push_back(
            {EveningText(n.date), ClockOfDay(n.bedMinute), ClockOfDay(n.upMinute)});
    }
    return table;
}

Table EventTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_TIME", "IDS_DIARY_KIND", "IDS_DIARY_TEXT"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryEvent& e : diary.events) {
        const ClockTime& t = e.time;
        table.rows.push_back({EveningText({t.year, t.month, t.day}) + QLatin1Char(' ') +
                                  ClockOfDay(t.hour * 60 + t.minute),
                              SectionText(texts, kSection, DiaryKindTextKey(e.kind)), Q(e.text)});
    }
    return table;
}

// A part of a table under its caption, and what one page holds.
struct Block {
    QString caption;
    Table table;
    std::vector<int> widths;  // the whole table's, so that every part wraps as measured
};
using Sheet = std::vector<Block>;

// Measures on a painter of the printer's resolution and font, so that the rows placed on a
// page are as high as they print.
class Probe {
  public:
    Probe() : image_(8, 8, QImage::Format_ARGB32) {
        const int dotsPerMetre = qRound(kReportDotsPerInch / 0.0254);
        image_.setDotsPerMeterX(dotsPerMetre);
        image_.setDotsPerMeterY(dotsPerMetre);
        painter_.begin(&image_);
        painter_.setFont(ReportFont());
    }
    QPainter& painter() { return painter_; }

  private:
    QImage image_;
    QPainter painter_;
};

// Places the tables' rows on sheets of the body's size: a part starts on the current sheet
// when its caption, caption row and first row fit there, and takes rows while they fit.
std::vector<Sheet> Flow(const std::vector<Block>& sections, const QSize& body) {
    Probe probe;
    QPainter& p = probe.painter();
    std::vector<Sheet> sheets(1);
    int used = 0;
    for (const Block& section : sections) {
        const auto& rows = section.table.rows;
        if (rows.empty()) continue;
        const std::vector<int> widths = TableWidths(p, body.width(), section.table);
        Table part = section.table;
        part.rows.clear();
        const std::vector<int> heights = TableRowHeights(p, widths, section.table);
        const int head = CaptionHeight(p) + heights[0];
        for (size_t row = 0; row < rows.size();) {
            if (used > 0 && used + head + heights[row + 1] > body.height()) {
                sheets.emplace_back();
                used = 0;
            }
            Block block{section.caption, part, widths};
            used += head;
            // The first row goes in even when it alone is higher than the page.
            do {
                block.table.rows.push_back(rows[row]);
                used += heights[++row];
            } while (row < rows.size() && used + heights[row + 1] <= body.height());
            sheets.back().push_back(std::move(block));
            if (row < rows.size()) {
                sheets.emplace_back();
                used = 0;
            }
        }
        used += kSectionGap;
    }
    return sheets;
}

}  // namespace

std::vector<ReportPage> DiaryPages(const Diary& diary, const TextSource& texts, const QSize& body) {
    const std::vector<Block> sections{
        {SectionText(texts, kSection, "IDS_DIARY_NIGHTS"), NightTable(diary, texts), {}},
        {SectionText(texts, kSection, "IDS_DIARY_EVENTS"), EventTable(diary, texts), {}}};
    const QString heading = SectionText(texts, kSection, "IDS_DIARY_TITLE");
    std::vector<ReportPage> pages;
    for (Sheet& sheet : Flow(sections, body)) {
        pages.push_back(
            {heading, [blocks = std::move(sheet)](QPainter& painter, const QRect& area) {
                 QRect room = area;
                 for (const Block& block : blocks) {
                     room.setTop(room.top() + DrawCaption(painter, room, block.caption));
                     room.setTop(room.top() + DrawTable(painter, room, block.table, block.widths) +
                                 kSectionGap);
                 }
             }});
    }
    return pages;
}

}  // namespace vitalis::report
