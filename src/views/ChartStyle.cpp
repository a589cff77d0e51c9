#include "views/ChartStyle.h"

#include <QPaintDevice>
#include <algorithm>

namespace vitalis {

double ChartUnit(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device || device->logicalDpiY() <= 0) return 1.0;
    return std::max(1.0, device->logicalDpiY() / 96.0);
}

QFont ChartFont(double pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    font.setBold(bold);
    return font;
}

double ChartTextPixels(const QRect& area, double unit, double basePixels) {
    const double fitting = std::min(area.width() / 60.0, area.height() / 30.0);
    return std::max(6.0 * unit, std::min(basePixels * unit, fitting));
}

QPen ChartPen(const QColor& colour, double unit, double width) {
    QPen pen(colour, width * unit);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace vitalis
