#include "TextPages.h"

#include <QPainter>
#include <algorithm>

#include "TableDrawing.h"
#include "case/PatientSex.h"
#include "case/ReadingColumns.h"

namespace vitalis::report {

namespace {

constexpr int kRowHeight = 20;
const char* const kPeriodNames[3] = {"Whole recording", "Awake", "Asleep"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString ClockOfDay(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString Date(const std::array<int, 3>& ymd) {
    if (ymd[0] == 0) return {};
    return QStringLiteral("%1-%2-%3")
        .arg(ymd[2], 2, 10, QLatin1Char('0'))
        .arg(ymd[1], 2, 10, QLatin1Char('0'))
        .arg(ymd[0]);
}

QString Percent(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1) + "%";
}
QString Number(double value, int decimals = 1) {
    return QString::number(value, 'f', decimals);
}

QString Interval(int minutes) {
    return minutes > 0 ? QStringLiteral("every %1 min").arg(minutes) : QStringLiteral("none");
}

// A label of the patient sheet in the user's language, or the English one.
QString Label(const TextSource& texts, const char* key, const char* fallback) {
    const std::string text = texts.Text("Global Setting", key);
    return text.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(text);
}

QString Count(int value) {
    return value > 0 ? QString::number(value) : QString();
}

std::vector<std::pair<QString, QString>> PatientPairs(const ReportHeader& h,
                                                      const DemographicsRecord& d,
                                                      const TextSource& t) {
    const QString gender = QString::fromStdString(SexText(SexFromCode(d.gender), t));
    return {{Label(t, "IDS_PATIENTS_NAMES", "Patient name"), Q(d.patientName)},
            {Label(t, "IDS_PATIENTS_ID", "Patient ID"), Q(d.patientId)},
            {Label(t, "IDS_PATIENT_SEX", "Sex"), gender},
            {Label(t, "IDS_BIRTH_DATE", "Date of birth"), Date(h.birthday)},
            {Label(t, "IDS_AGE", "Age"), Count(d.age)},
            {Label(t, "IDS_PATIENT_HEIGHT", "Height (cm)"), Count(d.height)},
            {Label(t, "IDS_PATIENT_WEIGHT", "Weight (kg)"), Count(d.weight)},
            {Label(t, "IDS_PATIENT_NATION", "Ethnicity"), Q(d.race)},
            {Label(t, "IDS_PATIENT_ADDRESS", "Address"), Q(d.address)},
            {Label(t, "IDS_PATIENT_PHONE", "Phone"), Q(d.phone)},
            {Label(t, "IDS_EMAIL", "E-mail"), Q(d.email)},
            {Label(t, "IDS_OUTPATIENTNO", "Outpatient no."), Q(d.outpatientNo)},
            {Label(t, "IDS_ADMISSIONNO", "Admission no."), Q(d.admissionNo)},
            {Label(t, "IDS_BEDNO", "Bed no."), Q(d.bedNo)},
            {Label(t, "IDS_DEPARTMENTNO", "Department"), Q(d.departmentNo)}};
}

std::vector<std::pair<QString, QString>> TestPairs(const ReportHeader& h,
                                                   const DemographicsRecord& d) {
    const QString begin = QStringLiteral("%1 %2").arg(
        Date(h.beginDate), ClockOfDay(h.beginTime[0] * 60 + h.beginTime[3]));
    return {
        {"Test begin", begin},
        {"Last reading", Date(h.endDate)},
        {"Awake period",
         QStringLiteral("from %1, %2").arg(ClockOfDay(d.awakeStart), Interval(d.awakeInterval))},
        {"Asleep period",
         QStringLiteral("from %1, %2").arg(ClockOfDay(d.asleepStart), Interval(d.asleepInterval))},
        {"Readings",
         QStringLiteral("%1 valid of %2 programmed").arg(d.validCount).arg(d.measurementCount)},
        {"Referring physician", Q(d.referringPhysician)},
        {"Interpreting physician", Q(d.interpretingPhysician)},
        {"Medications", Q(d.medications)},
        {"Clinical interpretation", Q(d.clinicalInterpretation)},
        {"Comments", Q(d.comments)}};
}

}  // namespace

ReportPage DemographicsPage(const ReportHeader& header, const DemographicsRecord& record,
                            const TextSource& texts) {
    const auto patient = PatientPairs(header, record, texts);
    return {QStringLiteral("Patient and test"),
            [header, record, patient](QPainter& p, const QRect& body) {
                int top = body.top();
                top += DrawCaption(p, QRect(body.left(), top, body.width(), 0), "Patient");
                top += DrawPairs(p, QRect(body.left(), top, body.width(), 0), patient);
                top += kRowHeight;
                top += DrawCaption(p, QRect(body.left(), top, body.width(), 0), "Test");
                DrawPairs(p, QRect(body.left(), top, body.width(), 0), TestPairs(header, record));
            }};
}

namespace {

Table PeriodTable(const PeriodFigures& f) {
    static const char* const kNames[5] = {"SYS", "DIA", "PR", "MAP", "PP"};
    Table t{{"", "Mean", "Max", "Min", "SD", "SE", "CV"}, {}, {2, 2, 2, 2, 2, 2, 2}};
    for (size_t i = 0; i < 5; ++i) {
        const ParameterFigures& v = f.values[i];
        QStringList row{kNames[i], Number(v.mean), QString::number(v.max), QString::number(v.min)};
        if (i < f.spread.size())  // PP has no spread of its own
            row << Number(f.spread[i].sd) << Number(f.spread[i].se, 2) << Percent(f.spread[i].cv);
        t.rows.push_back(row);
    }
    return t;
}

Table LoadTable(const StatisticsRecord& s) {
    const ThresholdSettings& th = s.thresholds;
    Table t{{"", "SYS", "DIA", "Thresholds"}, {}, {3, 2, 2, 3}};
    t.rows.push_back({"Awake load", Percent(s.loads[0]), Percent(s.loads[1]),
                      QStringLiteral("%1/%2 mmHg").arg(th.awakeSys).arg(th.awakeDia)});
    t.rows.push_back({"Asleep load", Percent(s.loads[2]), Percent(s.loads[3]),
                      QStringLiteral("%1/%2 mmHg").arg(th.asleepSys).arg(th.asleepDia)});
    t.rows.push_back({"Whole load", Percent(s.loads[4]), Percent(s.loads[5]), ""});
    t.rows.push_back({"Nocturnal fall", Percent(s.sysNocturnalFall), Percent(s.diaNocturnalFall),
                      QStringLiteral("low %1%, high %2%").arg(th.lowFall).arg(th.highFall)});
    t.rows.push_back(
        {"Hourly ratio", Number(s.sysHourlyRatio, 2), Number(s.diaHourlyRatio, 2), ""});
    return t;
}

}  // namespace

ReportPage StatisticsPage(const StatisticsRecord& s) {
    return {QStringLiteral("Statistics"), [s](QPainter& p, const QRect& body) {
                const auto below = [&body](int top) {
                    return QRect(body.left(), top, body.width(), 0);
                };
                int top = body.top();
                for (int slot : {1, 2, 0}) {
                    const PeriodFigures& f = s.periods[static_cast<size_t>(slot)];
                    top += DrawCaption(
                        p, below(top),
                        QStringLiteral("%1: %2 readings").arg(kPeriodNames[slot]).arg(f.count));
                    top += DrawTable(p, below(top), PeriodTable(f)) + kRowHeight / 2;
                }
                top += DrawCaption(p, below(top), "Load and nocturnal fall");
                DrawTable(p, below(top), LoadTable(s));
            }};
}

namespace {

QStringList SummaryRow(const char* name, const SummaryBlock& b, int low, int high) {
    return {name,
            Number(b.mean),
            QStringLiteral("%1 (%2 %3)")
                .arg(b.maxValue)
                .arg(Date({b.maxYear, b.maxMonth, b.maxDay}))
                .arg(ClockOfDay(b.maxHour * 60 + b.maxMinute)),
            QStringLiteral("%1 (%2 %3)")
                .arg(b.minValue)
                .arg(Date({b.minYear, b.minMonth, b.minDay}))
                .arg(ClockOfDay(b.minHour * 60 + b.minMinute)),
            QStringLiteral("≤%1: %2").arg(low).arg(Percent(b.belowFraction)),
            QStringLiteral("%1–%2: %3").arg(low + 1).arg(high).arg(Percent(b.withinFraction)),
            QStringLiteral(">%1: %2").arg(high).arg(Percent(b.aboveFraction))};
}

}  // namespace

ReportPage SummaryPage(const SummaryRecord& s) {
    return {QStringLiteral("Summary"), [s](QPainter& p, const QRect& body) {
                int top = body.top();
                for (int slot : {1, 2, 0}) {
                    const PeriodSummary& sum = s.summaries[static_cast<size_t>(slot)];
                    const RangeBounds& r = s.ranges[static_cast<size_t>(slot)];
                    top += DrawCaption(p, QRect(body.left(), top, body.width(), 0),
                                       kPeriodNames[slot]);
                    Table t{{"", "Mean", "Highest", "Lowest", "Below", "Within", "Above"},
                            {},
                            {2, 2, 6, 6, 4, 4, 4}};
                    t.rows.push_back(SummaryRow("SYS", sum.sys, r.sysLow, r.sysHigh));
                    t.rows.push_back(SummaryRow("DIA", sum.dia, r.diaLow, r.diaHigh));
                    t.rows.push_back(SummaryRow("PR", sum.pr, r.prLow, r.prHigh));
                    top += DrawTable(p, QRect(body.left(), top, body.width(), 0), t) + kRowHeight;
                }
            }};
}

int MeasurementRowsPerPage(int bodyHeight) {
    return std::max(1, bodyHeight / kRowHeight - 1);
}

std::vector<ReportPage> MeasurementPages(const MeasurementListRecord& record, int rowsPerPage) {
    std::vector<ReportPage> pages;
    const auto& readings = record.readings;
    const size_t perPage = static_cast<size_t>(std::max(1, rowsPerPage));
    for (size_t first = 0; first < readings.size() || first == 0; first += perPage) {
        const size_t last = std::min(readings.size(), first + perPage);
        std::vector<QStringList> rows;
        for (size_t i = first; i < last; ++i) {
            QStringList row;
            for (const std::string& text : MeasurementRowTexts(readings[i])) row << Q(text);
            rows.push_back(row);
        }
        pages.push_back({QStringLiteral("Readings"), [rows](QPainter& p, const QRect& body) {
                             Table t{{"", "No.", "Time", "Date", "SYS/DIA", "PR", "MAP", "PP",
                                      "Status", "Remark"},
                                     rows,
                                     {1, 2, 2, 4, 3, 2, 2, 2, 2, 6},
                                     kRowHeight};
                             DrawTable(p, body, t);
                         }});
        if (readings.empty()) break;
    }
    return pages;
}

}  // namespace vitalis::report
