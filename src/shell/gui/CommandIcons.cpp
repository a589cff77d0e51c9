#include "shell/gui/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "shell/CommandTable.h"

namespace vitalis {
namespace {

const QColor kInk(40, 62, 92);
const QColor kAccent(200, 54, 54);
const QColor kPaper(250, 250, 245);
const QColor kGreen(46, 139, 87);
const QColor kBlue(52, 110, 190);
const QColor kAmber(232, 160, 40);

QPen Pen(const QColor& color, qreal width = 2.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(Pen(color, 3));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to + d * 2 << to - d * 6 + n * 5 << to - d * 6 - n * 5;
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

// The monitor itself: a small box with a display, used by upload and download.
void Monitor(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 14, 18, 15), 3, 3);
    p.setBrush(QColor(170, 210, 190));
    p.drawRect(QRectF(6, 17, 12, 5));
}

void Wear(QPainter& p) {  // an arm with a cuff around it
    p.setPen(Pen(kInk));
    p.setBrush(QColor(236, 200, 170));
    p.drawRoundedRect(QRectF(4, 11, 26, 10), 5, 5);
    p.setBrush(kBlue);
    p.drawRect(QRectF(12, 8, 9, 16));
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 20, 14, 10), 180 * 16, 180 * 16);
}

void Upload(QPainter& p) {
    Monitor(p);
    Arrow(p, QPointF(25, 26), QPointF(25, 6), kGreen);
}

void Download(QPainter& p) {
    Monitor(p);
    Arrow(p, QPointF(25, 4), QPointF(25, 25), kBlue);
}

void OpenCase(QPainter& p) {  // a folder with a sheet
    p.setPen(Pen(kInk));
    p.setBrush(kAmber);
    QPainterPath folder;
    folder.moveTo(3, 8);
    folder.lineTo(12, 8);
    folder.lineTo(14, 11);
    folder.lineTo(29, 11);
    folder.lineTo(29, 27);
    folder.lineTo(3, 27);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 5, 14, 12));
    p.setBrush(QColor(245, 190, 80));
    p.drawRect(QRectF(3, 15, 26, 12));
}

void Axes(QPainter& p) {
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
}

void Trend(QPainter& p) {
    Axes(p);
    p.setPen(Pen(kAccent));
    p.drawPolyline(QPolygonF({{6, 14}, {11, 10}, {16, 13}, {21, 8}, {27, 11}}));
    p.setPen(Pen(kBlue));
    p.drawPolyline(QPolygonF({{6, 22}, {11, 19}, {16, 22}, {21, 17}, {27, 20}}));
}

void EditReadings(QPainter& p) {  // a list with a pencil
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 3, 18, 25));
    for (int y = 9; y <= 23; y += 5) p.drawLine(QPointF(7, y), QPointF(19, y));
    p.setPen(Pen(kInk, 1));
    p.setBrush(kAmber);
    QPolygonF pencil({{26, 8}, {30, 12}, {18, 26}, {13, 28}, {14, 22}});
    p.drawPolygon(pencil);
}

void Bars(QPainter& p) {
    Axes(p);
    p.setPen(Qt::NoPen);
    const qreal heights[] = {8, 15, 20, 12, 6};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i == 2 ? kAccent : kBlue);
        p.drawRect(QRectF(6 + i * 4.6, 27 - heights[i], 3.6, heights[i]));
    }
}

void Pie(QPainter& p) {
    const QRectF box(3, 3, 26, 26);
    p.setPen(Pen(kPaper, 1));
    p.setBrush(kGreen);
    p.drawPie(box, 90 * 16, 200 * 16);
    p.setBrush(kAmber);
    p.drawPie(box, 290 * 16, 100 * 16);
    p.setBrush(kAccent);
    p.drawPie(box, 30 * 16, 60 * 16);
}

void Correlation(QPainter& p) {
    Axes(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    const QPointF dots[] = {{8, 23},  {11, 21}, {13, 18}, {16, 19},
                            {18, 14}, {21, 13}, {24, 9},  {26, 10}};
    for (const QPointF& d : dots) p.drawEllipse(d, 1.6, 1.6);
    p.setPen(Pen(kAccent));
    p.drawLine(QPointF(6, 25), QPointF(29, 6));
}

void Report(QPainter& p) {  // a printer with a page
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 160, 175));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
}

void Statistics(QPainter& p) {  // a summing sign over a table
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 3, 26, 26));
    p.drawLine(QPointF(3, 17), QPointF(29, 17));
    p.drawLine(QPointF(3, 23), QPointF(29, 23));
    p.drawLine(QPointF(16, 17), QPointF(16, 29));
    p.setPen(Pen(kAccent, 2.2));
    p.drawPolyline(QPolygonF({{22, 6}, {10, 6}, {16, 10}, {10, 14}, {22, 14}}));
}

void ClinicalSummary(QPainter& p) {  // a sheet with a tick for the verdict
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 3, 20, 26));
    p.drawLine(QPointF(10, 22), QPointF(22, 22));
    p.drawLine(QPointF(10, 26), QPointF(19, 26));
    p.setPen(Pen(kAccent, 2.4));
    p.drawPolyline(QPolygonF({{10, 12}, {14, 17}, {22, 7}}));
}

void RecordingInfo(QPainter& p) {  // an "i" in a circle
    p.setPen(Pen(kBlue, 2));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Pen(kBlue, 3.5));
    p.drawPoint(QPointF(16, 10));
    p.drawLine(QPointF(16, 15), QPointF(16, 23));
}

void Help(QPainter& p) {  // a question mark in a circle
    p.setPen(Pen(kGreen, 2));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QPainterPath mark;
    mark.moveTo(11.5, 12);
    mark.cubicTo(11.5, 6, 20.5, 6, 20.5, 12);
    mark.cubicTo(20.5, 15, 16, 15.5, 16, 19.5);
    p.setPen(Pen(kGreen, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.drawPoint(QPointF(16, 24.5));
}

void Exit(QPainter& p) {  // a door and an arrow leaving it
    p.setPen(Pen(kInk));
    p.setBrush(QColor(180, 140, 100));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(15, 16), 1.3, 1.3);
    Arrow(p, QPointF(14, 16), QPointF(29, 16), kAccent);
}

}  // namespace

QIcon CommandIcon(int commandId) {
    using Painter = void (*)(QPainter&);
    Painter paint = nullptr;
    switch (commandId) {
        case command::kWearInstructions:
            paint = Wear;
            break;
        case command::kUpload:
            paint = Upload;
            break;
        case command::kDownload:
            paint = Download;
            break;
        case command::kOpenCase:
            paint = OpenCase;
            break;
        case command::kTrendGraph:
            paint = Trend;
            break;
        case command::kEditReadings:
            paint = EditReadings;
            break;
        case command::kBarGraph:
            paint = Bars;
            break;
        case command::kPieChart:
            paint = Pie;
            break;
        case command::kCorrelationChart:
            paint = Correlation;
            break;
        case command::kReport:
            paint = Report;
            break;
        case command::kStatistics:
            paint = Statistics;
            break;
        case command::kClinicalSummary:
            paint = ClinicalSummary;
            break;
        case command::kRecordingInfo:
            paint = RecordingInfo;
            break;
        case command::kHelp:
            paint = Help;
            break;
        case command::kExit:
            paint = Exit;
            break;
        default:
            return {};
    }
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(32 * scale, 32 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vitalis
