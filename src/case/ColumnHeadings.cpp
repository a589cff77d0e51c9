#include "case/ColumnHeadings.h"

#include <algorithm>

#include "case/ProfileStore.h"

namespace vitalis {

std::vector<ColumnHeading> ParseColumnHeadings(std::string_view text) {
    std::vector<ColumnHeading> columns;
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string_view entry = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (entry.find_first_not_of(" \t\r\n") == std::string_view::npos) continue;
        const size_t comma = entry.rfind(',');
        ColumnHeading column;
        column.title = std::string(entry.substr(0, comma));
        if (comma != std::string_view::npos) {
            std::string_view width = entry.substr(comma + 1);
            while (!width.empty() && width.front() == ' ') width.remove_prefix(1);
            column.width = std::max(0, ParseLeadingInt(width));
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace vitalis
