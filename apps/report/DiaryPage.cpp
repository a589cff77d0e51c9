#include "DiaryPage.h"

#include <QPainter>

#include "ReportTexts.h"
#include "TableDrawing.h"
#include "case/TextSource.h"

namespace vitalis::report {
namespace {

constexpr const char* kSection = kDiaryTexts;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

Table NightTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_DATE", "IDS_DIARY_BED", "IDS_DIARY_UP"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryNight& n : diary.nights) {
        table.rows.push_back({Q(DiaryDateText(n.date)), Q(DiaryClockText(n.bedMinute)),
                              Q(DiaryClockText(n.upMinute))});
    }
    return table;
}

Table EventTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_TIME", "IDS_DIARY_KIND", "IDS_DIARY_TEXT"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryEvent& e : diary.events) {
        const ClockTime& t = e.time;
        table.rows.push_back({Q(DiaryTimeText(t)),
                              SectionText(texts, kSection, DiaryKindTextKey(e.kind)),
                              QString::fromStdString(e.text)});
    }
    return table;
}

}  // namespace

ReportPage DiaryPage(const Diary& diary, const TextSource& texts) {
    ReportPage page;
    page.heading = SectionText(texts, kSection, "IDS_DIARY_TITLE");
    const Table nights = NightTable(diary, texts);
    const Table events = EventTable(diary, texts);
    const QString nightCaption = SectionText(texts, kSection, "IDS_DIARY_NIGHTS");
    const QString eventCaption = SectionText(texts, kSection, "IDS_DIARY_EVENTS");
    page.draw = [=](QPainter& painter, const QRect& body) {
        QRect area = body;
        for (const auto& [caption, table] :
             {std::pair{nightCaption, nights}, {eventCaption, events}}) {
            if (table.rows.empty()) continue;
            area.setTop(area.top() + DrawCaption(painter, area, caption));
            area.setTop(area.top() + DrawTable(painter, area, table) + 16);
        }
    };
    return page;
}

}  // namespace vitalis::report
