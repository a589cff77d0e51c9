#include "TableDrawing.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace vitalis::report {

namespace {

constexpr int kPadding = 4;
constexpr int kUnbounded = 100000;

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest + 2 * kPadding + 1;
}

// Each column's natural width: its widest cell, the caption in bold.
std::vector<int> NaturalWidths(QPainter& painter, const Table& table) {
    const auto columns = static_cast<size_t>(table.captions.size());
    std::vector<int> widths(columns, 2 * kPadding);
    QFont bold = painter.font();
    bold.setBold(true);
    const QFontMetrics plain(painter.font()), heavy(bold);
    for (size_t c = 0; c < columns; ++c) {
        widths[c] = std::max(widths[c], TextWidth(heavy, table.captions[static_cast<int>(c)]));
        for (const QStringList& row : table.rows)
            if (static_cast<int>(c) < row.size())
                widths[c] = std::max(widths[c], TextWidth(plain, row[static_cast<int>(c)]));
    }
    return widths;
}

// Widths that fill the area: spare room is shared out evenly; when there is too little,
// the widest column is narrowed first, down to the width of the others.
std::vector<int> FittedWidths(std::vector<int> widths, int available) {
    int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (widths.empty()) return widths;
    while (total > available) {
        auto widest = std::max_element(widths.begin(), widths.end());
        const int excess = total - available;
        int next = 0;
        for (int w : widths)
            if (w < *widest) next = std::max(next, w);
        const int cut = std::max(1, std::min(excess, *widest - std::max(next, 2 * kPadding + 8)));
        if (*widest - cut < 2 * kPadding + 8) break;
        *widest -= cut;
        total -= cut;
    }
    const int spare = available - total;
    if (spare > 0)
        for (size_t c = 0; c < widths.size(); ++c)
            widths[c] += spare / static_cast<int>(widths.size()) +
                         (static_cast<int>(c) < spare % static_cast<int>(widths.size()) ? 1 : 0);
    return widths;
}

std::vector<int> Edges(int left, const std::vector<int>& widths) {
    std::vector<int> edges{left};
    for (int w : widths) edges.push_back(edges.back() + w);
    return edges;
}

std::vector<int> ColumnEdges(QPainter& painter, const QRect& area, const Table& table,
                             const std::vector<int>& widths) {
    if (!widths.empty()) return Edges(area.left(), widths);
    return Edges(area.left(), FittedWidths(NaturalWidths(painter, table), area.width()));
}

QFont Bold(QFont font, bool bold = true) {
    font.setBold(bold);
    return font;
}

QFont CaptionFont(QFont font) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return font;
}

constexpr int kCellFlags =
    Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap | Qt::TextWrapAnywhere;

int RowHeight(QPainter& painter, const std::vector<int>& edges, int least,
              const QStringList& cells) {
    int height = least;
    for (int c = 0; c + 1 < static_cast<int>(edges.size()) && c < cells.size(); ++c) {
        const QRect room(0, 0, edges[c + 1] - edges[c] - 2 * kPadding, kUnbounded);
        height = std::max(height,
                          painter.boundingRect(room, kCellFlags, cells[c]).height() + 2 * kPadding);
    }
    return height;
}

int DrawRow(QPainter& painter, const std::vector<int>& edges, int top, int least,
            const QStringList& cells) {
    const int height = RowHeight(painter, edges, least, cells);
    for (int c = 0; c + 1 < static_cast<int>(edges.size()); ++c) {
        const QRect cell(edges[c], top, edges[c + 1] - edges[c], height);
        painter.drawRect(cell);
        if (c < cells.size())
            painter.drawText(cell.adjusted(kPadding, 0, -kPadding, 0), kCellFlags, cells[c]);
    }
    return height;
}

}  // namespace

std::vector<int> TableWidths(QPainter& painter, int width, const Table& table) {
    return FittedWidths(NaturalWidths(painter, table), width);
}

std::vector<int> TableRowHeights(QPainter& painter, const std::vector<int>& widths,
                                 const Table& table) {
    painter.save();
    const std::vector<int> edges = Edges(0, widths);
    const QFont plain = painter.font();
    painter.setFont(Bold(plain));
    std::vector<int> heights{RowHeight(painter, edges, table.rowHeight, table.captions)};
    painter.setFont(Bold(plain, false));
    for (const QStringList& row : table.rows)
        heights.push_back(RowHeight(painter, edges, table.rowHeight, row));
    painter.restore();
    return heights;
}

int DrawTable(QPainter& painter, const QRect& area, const Table& table,
              const std::vector<int>& widths) {
    painter.save();
    const std::vector<int> edges = ColumnEdges(painter, area, table, widths);
    int top = area.top();
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    const int head = RowHeight(painter, edges, table.rowHeight, table.captions);
    painter.fillRect(QRect(area.left(), top, edges.back() - area.left(), head),
                     QColor(225, 232, 240));
    painter.setPen(QPen(Qt::black, 0.6));
    top += DrawRow(painter, edges, top, table.rowHeight, table.captions);
    bold.setBold(false);
    painter.setFont(bold);
    for (const QStringList& row : table.rows)
        top += DrawRow(painter, edges, top, table.rowHeight, row);
    painter.restore();
    return top - area.top();
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

int CaptionHeight(QPainter& painter) {
    return QFontMetrics(CaptionFont(painter.font()), painter.device()).height() + 8;
}

int DrawCaption(QPainter& painter, const QRect& area, const QString& text) {
    painter.save();
    const int height = CaptionHeight(painter);
    painter.setFont(CaptionFont(painter.font()));
    painter.drawText(QRect(area.left(), area.top(), area.width(), height), Qt::AlignVCenter, text);
    painter.restore();
    return height;
}

}  // namespace vitalis::report
