#include "ReportComposer.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "TextPages.h"

namespace vitalis::report {

namespace {
constexpr int kHeadHeight = 64;
constexpr int kFootHeight = 28;
}  // namespace

ReportComposer::ReportComposer(ReportData data, const TextSource& texts)
    : data_(std::move(data)), texts_(texts), charts_(data_, texts) {}

QRect ReportComposer::Body(const QRect& page) {
    return page.adjusted(0, kHeadHeight, 0, -kFootHeight);
}

std::vector<ReportPage> ReportComposer::Pages(const QSize& printable) const {
    std::vector<ReportPage> pages;
    const auto add = [&pages](ReportPage page, const QString& heading) {
        page.heading = heading;
        pages.push_back(std::move(page));
    };
    if (data_.demographics)
        add(DemographicsPage(data_.header, *data_.demographics, texts_),
            PageHeading(texts_, "IDS_PATIENT_STATISTICS", "Patient data"));
    if (data_.statistics)
        add(StatisticsPage(*data_.statistics),
            PageHeading(texts_, "IDS_SUMMARY_STATISTICS", "Statistics"));
    if (data_.summary)
        add(SummaryPage(*data_.summary),
            PageHeading(texts_, "IDS_TRENDS_PRESSPAGE", "Blood pressure summary"));
    for (ReportPage& page : charts_.Pages()) pages.push_back(std::move(page));
    if (data_.dataReadings) {
        const int rows = MeasurementRowsPerPage(Body(QRect(QPoint(), printable)).height());
        for (ReportPage& page : MeasurementPages(*data_.dataReadings, rows))
            add(std::move(page), PageHeading(texts_, "IDS_MEASURE_DATA", "Measurement list"));
    }
    return pages;
}

void ReportComposer::DrawFrame(QPainter& p, const QRect& page, const ReportPage& content,
                               int number, int count) const {
    const ReportHeader& h = data_.header;
    p.save();
    QFont font = p.font();
    font.setPointSizeF(13);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(page.left(), page.top(), page.width(), 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(h.title));
    font.setPointSizeF(9);
    font.setBold(false);
    p.setFont(font);
    const QString patient =
        QStringLiteral("%1   ID %2")
            .arg(QString::fromStdString(h.patientName), QString::fromStdString(h.patientId));
    p.drawText(QRect(page.left(), page.top(), page.width(), 24), Qt::AlignRight | Qt::AlignVCenter,
               patient);
    font.setPointSizeF(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(page.left(), page.top() + 26, page.width(), 24),
               Qt::AlignLeft | Qt::AlignVCenter, content.heading);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(page.left(), page.top() + kHeadHeight - 10, page.right(),
               page.top() + kHeadHeight - 10);
    font.setPointSizeF(8);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(page.left(), page.bottom() - kFootHeight + 8, page.width(), kFootHeight - 8),
               Qt::AlignCenter, QStringLiteral("Page %1 of %2").arg(number).arg(count));
    p.restore();
}

bool ReportComposer::Render(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    painter.setFont(font);
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
