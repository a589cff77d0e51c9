#include "ReportComposer.h"

#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ClinicalPages.h"
#include "DiaryPage.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "StatisticsPages.h"
#include "TextPages.h"
#include "case/TextSource.h"
#include "shell/gui/AboutDialog.h"

namespace vitalis::report {

namespace {
constexpr int kHeadHeight = 86;
constexpr int kFootHeight = 44;
constexpr double kLeastMarginMm = 12.0;
constexpr double kTitlePoints = 13.0, kHeadingPoints = 11.0, kSmallPoints = kLeastTextPoints;

QFont Sized(QFont font, double points, bool bold) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One line of the head: text at the left and the right, the left one elided so that the
// two never run into each other.
void DrawLine(QPainter& p, const QRect& line, const QString& left, const QString& right) {
    const int rightWidth = p.fontMetrics().horizontalAdvance(right);
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, right);
    const QRect room(line.left(), line.top(), std::max(0, line.width() - rightWidth - 16),
                     line.height());
    p.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(left, Qt::ElideRight, room.width()));
}

// At least the least margin on every side; larger margins of the printer stay.
void KeepMargins(QPagedPaintDevice& device) {
    QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    margins.setLeft(std::max(margins.left(), kLeastMarginMm));
    margins.setTop(std::max(margins.top(), kLeastMarginMm));
    margins.setRight(std::max(margins.right(), kLeastMarginMm));
    margins.setBottom(std::max(margins.bottom(), kLeastMarginMm));
    device.setPageMargins(margins, QPageLayout::Millimeter);
}
}  // namespace

ReportComposer::ReportComposer(ReportData data, const TextSource& texts)
    : data_(std::move(data)), texts_(texts), charts_(data_, texts) {}

QRect ReportComposer::Body(const QRect& page) {
    return page.adjusted(0, kHeadHeight, 0, -kFootHeight);
}

QString ReportComposer::Title() const {
    const QString title = QString::fromStdString(data_.header.title).trimmed();
    return title.isEmpty() ? SectionText(texts_, kTitleTexts, "IDS_TITLE_RPT") : title;
}

std::vector<ReportPage> ReportComposer::Pages(const QSize& printable) const {
    std::vector<ReportPage> pages;
    const auto add = [&pages](ReportPage page, const QString& heading) {
        page.heading = heading;
        pages.push_back(std::move(page));
    };
    const bool multiDay = data_.header.multiDay != 0;
    // The clinician's verdict comes first; the figures it rests on follow.
    if (data_.clinical && data_.clinical->pages[kClinicalSummaryPage])
        pages.push_back(ClinicalSummaryPage(data_.clinical->block, texts_));
    if (data_.clinical && data_.clinical->pages[kHourlyMeansPage])
        pages.push_back(HourlyMeansPage(data_.clinical->block, texts_));
    if (data_.demographics)
        add(DemographicsPage(data_.header, *data_.demographics, texts_),
            PageHeading(texts_, "IDS_PATIENT_STATISTICS", "Patient data"));
    if (data_.statistics)
        add(StatisticsPage(*data_.statistics, multiDay, texts_),
            PageHeading(texts_, "IDS_SUMMARY_STATISTICS", "Statistics"));
    if (data_.summary)
        add(SummaryPage(*data_.summary, multiDay, texts_),
            PageHeading(texts_, "IDS_TRENDS_PRESSPAGE", "Blood pressure summary"));
    const int bodyHeight = Body(QRect(QPoint(), printable)).height();
    for (ReportPage& page : charts_.Pages(bodyHeight)) pages.push_back(std::move(page));
    if (data_.diary) {
        for (ReportPage& page : DiaryPages(*data_.diary, texts_, {printable.width(), bodyHeight}))
            pages.push_back(std::move(page));
    }
    if (data_.dataReadings) {
        const int rows = MeasurementRowsPerPage(bodyHeight);
        for (ReportPage& page : MeasurementPages(*data_.dataReadings, rows, texts_))
            add(std::move(page), PageHeading(texts_, "IDS_MEASURE_DATA", "Measurement list"));
    }
    return pages;
}

void ReportComposer::DrawHead(QPainter& p, const QRect& page, const ReportPage& content) const {
    const ReportHeader& h = data_.header;
    const QFont base = p.font();
    p.setFont(Sized(base, kTitlePoints, true));
    const int titleHeight = p.fontMetrics().height() + 4;
    p.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
               Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(Title(), Qt::ElideRight, page.width()));
    p.setFont(Sized(base, kSmallPoints + 1, false));
    const int lineHeight = p.fontMetrics().height() + 2;
    int top = page.top() + titleHeight;
    const QString patient = QStringLiteral("%1   %2 %3")
                                .arg(QString::fromStdString(h.patientName),
                                     SectionText(texts_, kMessageTexts, "IDS_PATIENTS_ID"),
                                     QString::fromStdString(h.patientId));
    QString software = ReportText(texts_, "IDS_RPT_SOFTWARE").arg(kVersionText);
    if (!data_.monitor.empty())
        software =
            ReportText(texts_, "IDS_RPT_MONITOR").arg(QString::fromStdString(data_.monitor)) +
            QStringLiteral("   ") + software;
    DrawLine(p, QRect(page.left(), top, page.width(), lineHeight), patient, software);
    top += lineHeight;
    const QString test = QStringLiteral("%1: %2").arg(
        SectionText(texts_, kMessageTexts, "IDS_BEGIN_TIME"),
        Date(h.beginDate) + QLatin1Char(' ') + ClockOfDay(h.beginTime[0] * 60 + h.beginTime[3]));
    const QDate today = QDate::currentDate();
    const QString printed =
        ReportText(texts_, "IDS_RPT_PRINTED").arg(Date({today.year(), today.month(), today.day()}));
    DrawLine(p, QRect(page.left(), top, page.width(), lineHeight), test, printed);
    top += lineHeight;
    p.setFont(Sized(base, kHeadingPoints, true));
    p.drawText(QRect(page.left(), top, page.width(), page.top() + kHeadHeight - 8 - top),
               Qt::AlignLeft | Qt::AlignVCenter, content.heading);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(page.left(), page.top() + kHeadHeight - 6, page.right(),
               page.top() + kHeadHeight - 6);
    p.setFont(base);
}

void ReportComposer::DrawFoot(QPainter& p, const QRect& page, int number, int count) const {
    p.setFont(Sized(p.font(), kSmallPoints, false));
    p.setPen(Qt::black);
    const QRect foot(page.left(), page.bottom() - kFootHeight + 6, page.width(), kFootHeight - 6);
    if (number == count) {
        // The interpreting physician signs the last page.
        const int lineY = foot.top() + foot.height() / 2;
        p.drawLine(foot.left(), lineY, foot.left() + foot.width() / 2, lineY);
        p.drawText(QRect(foot.left(), lineY + 2, foot.width() / 2, foot.bottom() - lineY - 2),
                   Qt::AlignLeft | Qt::AlignTop, ReportText(texts_, "IDS_RPT_SIGNATURE"));
    }
    p.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
               ReportText(texts_, "IDS_RPT_PAGE_OF").arg(number).arg(count));
}

void ReportComposer::DrawFrame(QPainter& p, const QRect& page, const ReportPage& content,
                               int number, int count) const {
    p.save();
    DrawHead(p, page, content);
    DrawFoot(p, page, number, count);
    p.restore();
}

bool ReportComposer::Render(QPagedPaintDevice& device) const {
    KeepMargins(device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(ReportFont());
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRect area(QPoint(0, 0), page.size());
    const std::vector<ReportPage> pages = Pages(area.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        DrawFrame(painter, area, pages[i], static_cast<int>(i) + 1, static_cast<int>(pages.size()));
        painter.save();
        pages[i].draw(painter, Body(area));
        painter.restore();
    }
    return painter.end();
}

}  // namespace vitalis::report
