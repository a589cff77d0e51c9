#include "ReportFormat.h"

#include "case/CalendarTime.h"

namespace vitalis::report {

QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

QString Date(const std::array<int, 3>& ymd) {
    if (ymd[0] == 0) return {};
    return QString::fromStdString(ShownDate(ymd[0], ymd[1], ymd[2]));
}

QString ClockOfDay(int minutes) {
    return QString::fromStdString(ShownClockOfMinute(minutes));
}

QString Percent(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1) + "%";
}

QString Number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

}  // namespace vitalis::report
