#include "ReportFormat.h"

#include "case/ReadingColumns.h"

namespace vitalis::report {

QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

QString Date(const std::array<int, 3>& ymd) {
    if (ymd[0] == 0) return {};
    Measurement m;
    m.year = ymd[0];
    m.month = ymd[1];
    m.day = ymd[2];
    return QString::fromStdString(DateText(m));
}

QString ClockOfDay(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString Percent(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1) + "%";
}

QString Number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

}  // namespace vitalis::report
