#include "TableDrawing.h"

#include <QPainter>
#include <numeric>

namespace vitalis::report {

namespace {

std::vector<int> ColumnEdges(const QRect& area, const Table& table) {
    const int columns = static_cast<int>(table.captions.size());
    std::vector<int> weights = table.weights;
    if (static_cast<int>(weights.size()) != columns)
        weights.assign(static_cast<size_t>(columns), 1);
    const int total = std::max(1, std::accumulate(weights.begin(), weights.end(), 0));
    std::vector<int> edges{area.left()};
    int sum = 0;
    for (int w : weights) {
        sum += w;
        edges.push_back(area.left() + area.width() * sum / total);
    }
    return edges;
}

void DrawRow(QPainter& painter, const std::vector<int>& edges, int top, int height,
             const QStringList& cells) {
    for (int c = 0; c + 1 < static_cast<int>(edges.size()); ++c) {
        const QRect cell(edges[c], top, edges[c + 1] - edges[c], height);
        painter.drawRect(cell);
        if (c < cells.size())
            painter.drawText(
                cell.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, cell.width() - 8));
    }
}

}  // namespace

int DrawTable(QPainter& painter, const QRect& area, const Table& table) {
    const std::vector<int> edges = ColumnEdges(area, table);
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 0.8));
    int top = area.top();
    painter.fillRect(QRect(area.left(), top, area.width(), table.rowHeight), QColor(225, 232, 240));
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    DrawRow(painter, edges, top, table.rowHeight, table.captions);
    bold.setBold(false);
    painter.setFont(bold);
    for (const QStringList& row : table.rows) {
        top += table.rowHeight;
        DrawRow(painter, edges, top, table.rowHeight, row);
    }
    painter.restore();
    return top + table.rowHeight - area.top();
}

int DrawPairs(QPainter& painter, const QRect& area,
              const std::vector<std::pair<QString, QString>>& pairs, int rowHeight) {
    int top = area.top();
    const int labelWidth = area.width() * 2 / 5;
    painter.save();
    for (const auto& [label, value] : pairs) {
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(area.left(), top, labelWidth, rowHeight), Qt::AlignVCenter, label);
        font.setBold(false);
        painter.setFont(font);
        const QRect valueRect(area.left() + labelWidth, top, area.width() - labelWidth, 10000);
        const QRect used = painter.boundingRect(valueRect, Qt::TextWordWrap, value);
        const int height = std::max(rowHeight, used.height() + 4);
        painter.drawText(QRect(valueRect.left(), top, valueRect.width(), height),
                         Qt::AlignVCenter | Qt::TextWordWrap, value);
        top += height;
    }
    painter.restore();
    return top - area.top();
}

int DrawCaption(QPainter& painter, const QRect& area, const QString& text) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    painter.setFont(font);
    const int height = painter.fontMetrics().height() + 8;
    painter.drawText(QRect(area.left(), area.top(), area.width(), height), Qt::AlignVCenter, text);
    painter.restore();
    return height;
}

}  // namespace vitalis::report
