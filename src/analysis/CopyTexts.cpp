#include "analysis/CopyTexts.h"

#include "case/ColumnHeadings.h"
#include "case/NumberedText.h"
#include "case/ReadingColumns.h"

namespace vitalis {
namespace {

// A cell never breaks the table: its tabs and line breaks become spaces.
std::string Cell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

template <typename Cells>
void AddLine(std::string& out, const Cells& cells) {
    bool first = true;
    for (const std::string& cell : cells) {
        if (!first) out += '\t';
        out += Cell(cell);
        first = false;
    }
    out += "\r\n";
}

}  // namespace

std::string ReadingsCopyText(const std::vector<Measurement>& readings, const TextSource& texts) {
    std::vector<std::string> titles;
    for (const ColumnHeading& column :
         ParseColumnHeadings(texts.Text(kDialogTexts, "IDS_SET_HEADING")))
        titles.push_back(column.title);
    titles.resize(10);
    std::string out;
    AddLine(out, titles);
    for (const Measurement& m : readings) AddLine(out, MeasurementListTexts(m, texts));
    return out;
}

std::string StatisticsCopyText(const StatisticsTable& table) {
    std::vector<std::string> captions{""};
    captions.insert(captions.end(), table.columnCaptions.begin(), table.columnCaptions.end());
    std::string out;
    AddLine(out, captions);
    for (const StatisticsTable::Row& row : table.rows) {
        std::vector<std::string> cells{row.label};
        cells.insert(cells.end(), row.cells.begin(), row.cells.end());
        AddLine(out, cells);
    }
    return out;
}

std::string CopiedReadingsText(int count, const TextSource& texts) {
    if (count == 1) return texts.Text(kMessageTexts, "IDS_COPIED_READING");
    return FillNumbered(texts.Text(kMessageTexts, "IDS_COPIED_READINGS"), {std::to_string(count)});
}

std::string CopiedStatisticsText(const TextSource& texts) {
    return texts.Text(kMessageTexts, "IDS_COPIED_STATISTICS");
}

}  // namespace vitalis
