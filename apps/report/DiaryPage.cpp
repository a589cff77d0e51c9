#include "DiaryPage.h"

#include <QPainter>

#include "ReportTexts.h"
#include "TableDrawing.h"
#include "case/TextSource.h"

namespace vitalis::report {
namespace {

constexpr const char* kSection = kDiaryTexts;
constexpr const char* kKindKeys[kDiaryEventKinds] = {"IDS_DIARY_MEDICATION", "IDS_DIARY_SYMPTOM",
                                                     "IDS_DIARY_ACTIVITY", "IDS_DIARY_OTHER"};

QString Clock(int minute) {
    return QString::asprintf("%02d:%02d", minute / 60, minute % 60);
}

QString Date(int year, int month, int day) {
    return QString::asprintf("%04d-%02d-%02d", year, month, day);
}

Table NightTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_DATE", "IDS_DIARY_BED", "IDS_DIARY_UP"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryNight& n : diary.nights) {
        table.rows.push_back(
            {Date(n.date.year, n.date.month, n.date.day), Clock(n.bedMinute), Clock(n.upMinute)});
    }
    return table;
}

Table EventTable(const Diary& diary, const TextSource& texts) {
    Table table;
    for (const char* key : {"IDS_DIARY_TIME", "IDS_DIARY_KIND", "IDS_DIARY_TEXT"})
        table.captions << SectionText(texts, kSection, key);
    for (const DiaryEvent& e : diary.events) {
        const ClockTime& t = e.time;
        table.rows.push_back({Date(t.year, t.month, t.day) + " " + Clock(t.hour * 60 + t.minute),
                              SectionText(texts, kSection, kKindKeys[static_cast<size_t>(e.kind)]),
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
