#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace vitalis::report {

// A plain ruled table: a shaded caption row and then one row per entry. Columns are as wide
// as their widest text; when the table is wider than the area, the widest columns give way
// and their texts wrap, so no figure is ever cut. A row is as high as its tallest cell.
// Returns the height it used.
struct Table {
    QStringList captions;
    std::vector<QStringList> rows;
    int rowHeight = 20;  // the least height of a row
};
// `widths` fixes the columns (from TableWidths); empty, they fit this table's rows.
int DrawTable(QPainter& painter, const QRect& area, const Table& table,
              const std::vector<int>& widths = {});

// The widths the whole table's columns take in `width`. A table split over pages draws each
// part with them, so that its rows wrap, and are as high, as TableRowHeights measured.
std::vector<int> TableWidths(QPainter& painter, int width, const Table& table);
// The height of the caption row and then of each row, drawn at the given widths.
std::vector<int> TableRowHeights(QPainter& painter, const std::vector<int>& widths,
                                 const Table& table);

// Label and value pairs in two columns of text. Returns the height it used.
int DrawPairs(QPainter& painter, const QRect& area,
              const std::vector<std::pair<QString, QString>>& pairs, int rowHeight = 20);

// A bold section caption; returns its height, which CaptionHeight tells beforehand.
int DrawCaption(QPainter& painter, const QRect& area, const QString& text);
int CaptionHeight(QPainter& painter);

}  // namespace vitalis::report
