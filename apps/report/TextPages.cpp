#include "TextPages.h"

#include <QPainter>
#include <algorithm>

#include "ReportFormat.h"
#include "ReportTexts.h"
#include "TableDrawing.h"
#include "case/PatientSex.h"
#include "case/ReadingColumns.h"
#include "case/ResultCodes.h"
#include "case/TextSource.h"

namespace vitalis::report {

namespace {

constexpr int kRowHeight = 20;
using Pairs = std::vector<std::pair<QString, QString>>;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Count(int value) {
    return value > 0 ? QString::number(value) : QString();
}

Pairs PatientPairs(const ReportHeader& h, const DemographicsRecord& d, const TextSource& t) {
    const auto message = [&t](const char* key) { return SectionText(t, kMessageTexts, key); };
    const auto global = [&t](const char* key) { return SectionText(t, kGlobalTexts, key); };
    return {{message("IDS_PATIENTS_NAMES"), Q(d.patientName)},
            {message("IDS_PATIENTS_ID"), Q(d.patientId)},
            {message("IDS_PATIENT_SEX"), Q(SexText(SexFromCode(d.gender), t))},
            {message("IDS_BIRTH_DATE"), Date(h.birthday)},
            {global("IDS_AGE"), Count(d.age)},
            {message("IDS_PATIENT_HEIGHT"), Count(d.height)},
            {message("IDS_PATIENT_WEIGHT"), Count(d.weight)},
            {message("IDS_PATIENT_NATION"), Q(d.race)},
            {message("IDS_PATIENT_ADDRESS"), Q(d.address)},
            {message("IDS_PATIENT_PHONE"), Q(d.phone)},
            {global("IDS_EMAIL"), Q(d.email)},
            {global("IDS_OUTPATIENTNO"), Q(d.outpatientNo)},
            {global("IDS_ADMISSIONNO"), Q(d.admissionNo)},
            {global("IDS_BEDNO"), Q(d.bedNo)},
            {global("IDS_DEPARTMENTNO"), Q(d.departmentNo)}};
}

// A schedule the monitor reported: its start and interval. A period without an interval was
// not programmed, so nothing is said about it.
void AddSchedule(Pairs& pairs, const TextSource& t, const char* key, int start, int interval) {
    if (interval <= 0) return;
    pairs.emplace_back(ReportText(t, key),
                       ReportText(t, "IDS_RPT_SCHEDULE").arg(ClockOfDay(start)).arg(interval));
}

Pairs TestPairs(const ReportHeader& h, const DemographicsRecord& d, const TextSource& t) {
    const auto message = [&t](const char* key) { return SectionText(t, kMessageTexts, key); };
    const QString begin = QStringLiteral("%1 %2").arg(
        Date(h.beginDate), ClockOfDay(h.beginTime[0] * 60 + h.beginTime[3]));
    Pairs pairs{{message("IDS_BEGIN_TIME"), begin},
                {ReportText(t, "IDS_RPT_LAST_READING"), Date(h.endDate)}};
    AddSchedule(pairs, t, "IDS_RPT_AWAKE_PERIOD", d.awakeStart, d.awakeInterval);
    AddSchedule(pairs, t, "IDS_RPT_ASLEEP_PERIOD", d.asleepStart, d.asleepInterval);
    pairs.insert(pairs.end(),
                 {{ReportText(t, "IDS_RPT_READINGS"),
                   ReportText(t, "IDS_RPT_VALID_OF").arg(d.validCount).arg(d.measurementCount)},
                  {message("IDS_PRIMARY_DOCTOR"), Q(d.referringPhysician)},
                  {message("IDS_ASSISITANT_DOCTOR"), Q(d.interpretingPhysician)},
                  {message("IDS_MEDICINE_INFO"), Q(d.medications)},
                  {message("IDS_DOCTOR_DIAGNOSE"), Q(d.clinicalInterpretation)},
                  {message("IDS_DIAGLOSE_INFOR"), Q(d.comments)}});
    return pairs;
}

}  // namespace

ReportPage DemographicsPage(const ReportHeader& header, const DemographicsRecord& record,
                            const TextSource& texts) {
    const Pairs patient = PatientPairs(header, record, texts);
    const Pairs test = TestPairs(header, record, texts);
    const QString patientCaption = ReportText(texts, "IDS_RPT_PATIENT");
    const QString testCaption = ReportText(texts, "IDS_RPT_TEST");
    return {QString(), [=](QPainter& p, const QRect& body) {
                const auto below = [&body](int top) {
                    return QRect(body.left(), top, body.width(), 0);
                };
                int top = body.top();
                top += DrawCaption(p, below(top), patientCaption);
                top += DrawPairs(p, below(top), patient);
                top += kRowHeight;
                top += DrawCaption(p, below(top), testCaption);
                DrawPairs(p, below(top), test);
            }};
}

namespace {

// The list's column titles as the workstation's list shows them ("title,width;" entries).
QStringList ListCaptions(const TextSource& t) {
    QStringList captions;
    for (const QString& entry : SectionText(t, kDialogTexts, "IDS_SET_HEADING")
                                    .split(QLatin1Char(';'), Qt::SkipEmptyParts))
        captions << entry.section(QLatin1Char(','), 0, 0);
    return captions;
}

QStringList ListRow(const Measurement& m, const TextSource& t) {
    QStringList row;
    for (const std::string& text : MeasurementRowTexts(m)) row << Q(text);
    // The status in words: the failure text, or that the reading succeeded.
    const std::string failure = FailureText(m.status, t);
    row[8] = failure.empty() ? ReportText(t, "IDS_RPT_STATUS_OK") : Q(failure);
    // The remark repeats the failure text of a failed reading; keep only a remark of its own.
    if (m.remark == failure) row[kRemarkColumn] = QString();
    return row;
}

}  // namespace

int MeasurementRowsPerPage(int bodyHeight) {
    return std::max(1, bodyHeight / kRowHeight - 2);
}

std::vector<ReportPage> MeasurementPages(const MeasurementListRecord& record, int rowsPerPage,
                                         const TextSource& texts) {
    std::vector<ReportPage> pages;
    const auto& readings = record.readings;
    const QStringList captions = ListCaptions(texts);
    const size_t perPage = static_cast<size_t>(std::max(1, rowsPerPage));
    for (size_t first = 0; first < readings.size() || first == 0; first += perPage) {
        const size_t last = std::min(readings.size(), first + perPage);
        std::vector<QStringList> rows;
        for (size_t i = first; i < last; ++i) rows.push_back(ListRow(readings[i], texts));
        pages.push_back({QString(), [captions, rows](QPainter& p, const QRect& body) {
                             DrawTable(p, body, Table{captions, rows, kRowHeight});
                         }});
        if (readings.empty()) break;
    }
    return pages;
}

}  // namespace vitalis::report
