#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <string>

namespace vitalis {

// Sizes on the charts are given for a screen of 96 dots per inch; a printer or a PDF page
// multiplies them by its own resolution, so a printed chart looks like the one on screen.
double ChartUnit(const QPainter& painter);

// The chart font (DejaVu Sans, shipped with the application) at a pixel size.
QFont ChartFont(double pixels, bool bold = false);

// The text size for an area: `basePixels` scaled to the device, smaller when the area is
// too small to hold it.
double ChartTextPixels(const QRect& area, double unit, double basePixels = 11.0);

// A cosmetic-looking pen whose width scales with the device.
QPen ChartPen(const QColor& colour, double unit, double width = 1.0);

inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Restores the painter however the block is left, exceptions included.
class PainterStateGuard {
  public:
    explicit PainterStateGuard(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~PainterStateGuard() { painter_.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

  private:
    QPainter& painter_;
};

namespace chart {

inline const QColor kAboveRed{255, 0, 0};
inline const QColor kBelowGreen{0, 130, 0};
inline const QColor kThresholdYellow{255, 255, 0};
inline const QColor kGridGrey{128, 128, 128};
inline const QColor kMarkerBlue{0, 0, 255};
inline const QColor kInfoBoxGrey{188, 188, 188};
inline const QColor kMapPurple{128, 0, 128};  // the MAP curve

// Pie sectors by share (above, within, below) and the darker colour of their sides.
inline const QColor kPieBright[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0)};
inline const QColor kPieDark[3] = {QColor(127, 0, 0), QColor(0, 127, 0), QColor(127, 127, 0)};

// Correlation points by period.
inline const QColor kAwakePoint{255, 0, 0};
inline const QColor kAsleepPoint{0, 0, 255};

}  // namespace chart
}  // namespace vitalis
