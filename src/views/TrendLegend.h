#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "case/TextSource.h"
#include "views/TrendLayout.h"

class QPainter;

namespace vitalis::trend {

// What stands beside a legend text: a stretch of line (with a reading's dot), a patch of a
// band, or the mark of a failed reading.
enum class Swatch { Line, DottedLine, Band, FailedMark };

struct LegendEntry {
    QString text;
    Swatch swatch = Swatch::Line;
    QColor colour;
};

// The legend of the trend graph: SYS, DIA, MAP, pulse, thresholds, night and failed readings,
// in the language of the interface and in the colours the graph draws them with.
std::vector<LegendEntry> TrendLegend(const TextSource& texts, const QColor& night);

// The entries in a row along the top of the plot, ending at its right edge; as many as fit
// beside `reserved`, the caption at the left.
void DrawLegend(QPainter& painter, const TrendLayout& layout,
                const std::vector<LegendEntry>& entries, double reserved);

}  // namespace vitalis::trend
