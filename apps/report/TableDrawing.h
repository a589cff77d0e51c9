#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace vitalis::report {

// A plain ruled table: a shaded caption row and then one row per entry, columns sized by
// their weights. Returns the height it used.
struct Table {
    QStringList captions;
    std::vector<QStringList> rows;
    std::vector<int> weights;  // one per column; empty means equal columns
    int rowHeight = 20;
};
int DrawTable(QPainter& painter, const QRect& area, const Table& table);

// Label and value pairs in two columns of text. Returns the height it used.
int DrawPairs(QPainter& painter, const QRect& area,
              const std::vector<std::pair<QString, QString>>& pairs, int rowHeight = 20);

// A bold section caption; returns its height.
int DrawCaption(QPainter& painter, const QRect& area, const QString& text);

}  // namespace vitalis::report
