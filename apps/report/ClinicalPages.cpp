#include "ClinicalPages.h"

#include <QPainter>

#include "ReportFormat.h"
#include "ReportTexts.h"
#include "TableDrawing.h"
#include "analysis/clinical/ClinicalTexts.h"
#include "views/ClinicalSummaryPainter.h"

namespace vitalis::report {

namespace {

constexpr int kRowHeight = 20;

QString ClinicalText(const TextSource& texts, const char* key) {
    return QString::fromStdString(texts.Text(clinical::kClinicalSection, key));
}

QString Figure(const std::optional<double>& value) {
    return QString::fromStdString(clinical::FigureText(value, 1));
}

}  // namespace

ReportPage ClinicalSummaryPage(const clinical::ClinicalBlock& block, const TextSource& texts) {
    return {ClinicalText(texts, "IDS_CLINICAL_SUMMARY"),
            [&block, &texts](QPainter& p, const QRect& body) {
                DrawClinicalSummary(p, body, block, texts, false);
            }};
}

ReportPage HourlyMeansPage(const clinical::ClinicalBlock& block, const TextSource& texts) {
    Table table;
    table.rowHeight = kRowHeight;
    table.captions = {ClinicalText(texts, "IDS_HOUR"), ClinicalText(texts, "IDS_READINGS"),
                      ParameterName(texts, 0), ParameterName(texts, 1), ParameterName(texts, 2)};
    for (const clinical::HourlyMean& h : block.hourly) {
        table.rows.push_back({ClockOfDay(h.hour * 60), QString::number(h.count), Figure(h.sys),
                              Figure(h.dia), Figure(h.pr)});
    }
    return {ClinicalText(texts, "IDS_HOURLY_MEANS"),
            [table](QPainter& p, const QRect& body) { DrawTable(p, body, table); }};
}

}  // namespace vitalis::report
